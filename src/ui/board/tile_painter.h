// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/styles/tile_style.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;
class QPalette;

// What a tile shows: its caption in its letter colour, on its face colour,
// in its font, inside its frame.
struct TileFace
{
    QString caption;
    QColor letters = Qt::black;
    TileColour colour;
    QFont font;
    TileBorder border;
};

// Paints tiles like a classic 3-D panel, for the board (every tile on one
// surface) and for the tile widgets of the Styles dialog alike, so both look
// the same. At a scale above 1 the frame's widths and the font grow with the
// tile, in whole pixels, so a zoomed board stays crisp.
namespace TilePainter {

// Total frame thickness on each side, in pixels.
int frameThickness(const TileBorder &border);
// The rectangle inside every border and bevel, where the caption is drawn.
QRect contentRect(const QRect &tile, const TileBorder &border);

// The tile font, shrunk (down to MinimumFittedPixels) so the caption fits the width.
inline constexpr int MinimumFittedPixels = 7;
QFont fittingFont(const QFont &font, const QString &caption, int width);

// The face as drawn at a scale: border widths and font size multiplied.
TileFace scaled(const TileFace &face, qreal scale);

// Paints the face (already scaled) into rect; palette gives the bevels'
// light and shadow; scale sizes the colour-blind cues' shapes.
// fitted: the caption's font as fittingFont gives it, when the caller keeps it.
void paint(QPainter &painter, const QRect &rect, const TileFace &face, const QPalette &palette, qreal scale = 1.0,
           const QFont *fitted = nullptr);

} // namespace TilePainter
