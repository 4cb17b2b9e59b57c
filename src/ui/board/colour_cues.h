// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QPainter;

// Shapes that tell the tiles' states apart without their letter colours:
// placed letters are underlined, movable tiles carry a dotted inner frame
// (2 px) and a completed row a double one. One switch for the whole program
// (Options > "Colour-blind Cues"), on also while high contrast is; while it
// is off the tiles paint exactly as without it.
namespace ColourCues {

bool enabled(); // the switch, or high contrast
void setEnabled(bool on); // repaints every tile

// The caption's font for a tile with these letters.
QFont captionFont(const QFont &font, const QColor &letters);
// The state's shape inside the tile's content rectangle; letters tell the
// state, pen is the colour the letters are drawn in; scale is the board's zoom.
void paintShape(QPainter &painter, const QRect &content, const QColor &letters, const QColor &pen, qreal scale = 1.0);

} // namespace ColourCues
