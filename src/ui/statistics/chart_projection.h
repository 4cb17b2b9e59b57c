// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>

// How a 3D chart is looked at. Angles are in degrees, 360 (or 0) looking
// straight at the front; elevation below 360 looks down from above, rotation
// below 360 turns the chart so that its left side faces the eye. Depth is the
// chart's depth as a percentage of its width; perspective 0 is a parallel
// projection, 100 the strongest; zoom shrinks or grows the picture about the
// centre of its area.
struct ChartView
{
    double depthPercent = 40;
    double elevation = 351;
    double rotation = 334;
    double perspective = 72;
    double zoom = 76;
};

// The chart's box in chart units: x along the categories, y the values, z
// the depth rows (larger is farther back).
struct ChartBox
{
    double xMin = 0, xMax = 1;
    double yMin = 0, yMax = 1;
    double zMin = 0, zMax = 1;
};

// Maps chart coordinates to widget pixels. The box's projection at zoom 100
// fills the area; the zoom then scales it about the area's centre.
class ChartProjection
{
public:
    ChartProjection(const ChartView &view, const ChartBox &box, const QRectF &area);

    QPointF project(double x, double y, double z) const;

    // Where the eye is along x, in chart units: the side faces of bars to its
    // right look left, those to its left look right. Parallel views put the
    // eye far out on the side the view turns towards.
    double eyeX() const;

    const ChartBox &box() const { return m_box; }

private:
    struct Point3
    {
        double x, y, z;
    };
    Point3 toView(double x, double y, double z) const;
    QPointF perspectiveOf(const Point3 &p) const;

    ChartBox m_box;
    double m_width, m_height, m_depth;
    double m_cosRotation, m_sinRotation, m_cosElevation, m_sinElevation;
    double m_eyeDistance; // 0 for a parallel projection
    QPointF m_projectedCentre;
    double m_scaleX = 1, m_scaleY = 1;
    QPointF m_areaCentre;
};
