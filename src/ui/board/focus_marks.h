// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QtGlobal>

class QPainter;

// The keyboard's marks on the board, in black and white so that they show
// on every tile colour, style and background: a solid ring just outside the
// framed tile, and a dashed ring inside a tile picked up by the keyboard.
// Their lines grow with the board's scale, in whole pixels.
namespace FocusMarks {

// n pixels at the board's scale, at least one.
int px(int n, qreal scale);
// The ring around a tile: rect is the tile's rectangle grown by the outset.
void paintFocus(QPainter &painter, const QRect &rect, qreal scale);
// The mark inside a carried tile's rectangle.
void paintCarried(QPainter &painter, const QRect &rect, qreal scale);

} // namespace FocusMarks
