#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QPainter;

// Shapes that tell the tiles' states apart without their letter colours:
// placed letters are underlined, movable tiles carry a dotted inner frame and
// a completed row a double one. One switch for the whole program (Options >
// "Colour-blind Cues"); while it is off the tiles paint exactly as without it.
namespace ColourCues {

bool enabled();
void setEnabled(bool on); // repaints every tile

// The caption's font for a tile with these letters.
QFont captionFont(const QFont &font, const QColor &letters);
// The state's shape inside the tile's content rectangle.
void paintShape(QPainter &painter, const QRect &content, const QColor &letters);

} // namespace ColourCues
