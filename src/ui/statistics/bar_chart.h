// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>

class ChartProjection;
class QPainter;

// One bar of a 3D bar chart as a box in chart units.
struct BarBox
{
    double left = 0, right = 0;  // along the categories
    double bottom = 0, top = 0;  // values
    double front = 0, back = 0;  // depth, front nearer the eye
    QColor colour;
    bool gradient = false; // the front and sides shade from light at the top to dark at the bottom
};

// The colours of a bar's faces under light from above and in front: the top
// lighter than the front, the sides darker.
QColor barTopColour(const QColor &colour);
QColor barSideColour(const QColor &colour);

// The walls behind and under the bars: the back wall in its colour, the floor
// and the left wall in lighter and darker shades of it, each drawn only when
// its inner side faces the eye.
void paintChartWalls(QPainter &painter, const ChartProjection &projection, const QColor &backWall);

// Draws the boxes farthest first, so nearer bars hide farther ones, and of
// each box only the faces that look towards the eye. Boxes of no height are
// not drawn; values outside the box's value range are cut to it.
void paintBarBoxes(QPainter &painter, const ChartProjection &projection, QList<BarBox> bars);
