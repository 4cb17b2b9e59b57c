// SPDX-License-Identifier: GPL-3.0-or-later
// A tile's caption, colours, font and 3-D frame, painted.
#include "ui/board/tile_painter.h"

#include "ui/board/colour_cues.h"
#include "ui/board/palette.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace {

// One ring of a 3-D frame per pixel of width: top and left in `top`, right
// and bottom in `bottom` (which also takes the top-right and bottom-left
// corners, as the classic panel does). Shrinks r by the width.
void frame3D(QPainter &p, QRect &r, const QColor &top, const QColor &bottom, int width)
{
    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
        p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), top);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), top);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottom);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottom);
        r.adjust(1, 1, -1, -1);
    }
}

int scaledWidth(int width, qreal scale)
{
    return width > 0 ? std::max(1, int(std::lround(width * scale))) : 0;
}

} // namespace

namespace TilePainter {

int frameThickness(const TileBorder &border)
{
    int thickness = border.borderWidth;
    if (border.borderStyle == BorderStyle::Single)
        thickness += 2;
    if (border.outer != Bevel::None)
        thickness += border.bevelWidth;
    if (border.inner != Bevel::None)
        thickness += border.bevelWidth;
    return thickness;
}

QRect contentRect(const QRect &tile, const TileBorder &border)
{
    const int t = frameThickness(border);
    return tile.adjusted(t, t, -t, -t);
}

// A narrow cell of a long word would cut its letters off; the font shrinks
// until the caption fits (but stays legible), so every cell can be read.
QFont fittingFont(const QFont &font, const QString &caption, int width)
{
    QFont fitted = font;
    const int advance = QFontMetrics(font).horizontalAdvance(caption);
    if (advance <= width || advance <= 0)
        return fitted;
    // Scale once, then step down: hinted glyphs do not shrink in proportion.
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    int size = std::max(MinimumFittedPixels, int(pixels * width / advance));
    fitted.setPixelSize(size);
    while (size > MinimumFittedPixels && QFontMetrics(fitted).horizontalAdvance(caption) > width)
        fitted.setPixelSize(--size);
    return fitted;
}

TileFace scaled(const TileFace &face, qreal scale)
{
    if (scale == 1.0)
        return face;
    TileFace big = face;
    big.border.bevelWidth = scaledWidth(face.border.bevelWidth, scale);
    big.border.borderWidth = scaledWidth(face.border.borderWidth, scale);
    if (face.font.pixelSize() > 0)
        big.font.setPixelSize(std::max(1, int(std::lround(face.font.pixelSize() * scale))));
    else
        big.font.setPointSizeF(face.font.pointSizeF() * scale);
    return big;
}

void paint(QPainter &p, const QRect &rect, const TileFace &face, const QPalette &pal, qreal scale, const QFont *fitted)
{
    const QColor faceColour = face.colour.colour();
    const QColor highlight = pal.color(QPalette::Active, QPalette::Light);
    const QColor shadow = pal.color(QPalette::Active, QPalette::Dark);
    const TileBorder &border = face.border;

    QRect r = rect;
    if (border.borderStyle == BorderStyle::Single) {
        // Sunken client edge: shadow over dark shadow at top-left, highlight over 3-D light at bottom-right.
        frame3D(p, r, shadow, highlight, 1);
        frame3D(p, r, pal.color(QPalette::Active, QPalette::Shadow), pal.color(QPalette::Active, QPalette::Midlight), 1);
    }
    auto bevel = [&](Bevel kind) {
        if (kind == Bevel::Raised)
            frame3D(p, r, highlight, shadow, border.bevelWidth);
        else if (kind == Bevel::Lowered)
            frame3D(p, r, shadow, highlight, border.bevelWidth);
    };
    bevel(border.outer);
    frame3D(p, r, faceColour, faceColour, border.borderWidth);
    bevel(border.inner);
    if (r.isEmpty())
        return;
    p.fillRect(r, faceColour);

    if (face.caption.isEmpty())
        return;
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    const QColor letters = Palette::drawnLetters(face.letters, faceColour);
    p.setFont(ColourCues::captionFont(fitted ? *fitted : fittingFont(face.font, face.caption, r.width()), face.letters));
    p.setPen(letters);
    p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, face.caption);
    ColourCues::paintShape(p, r, face.letters, letters, scale);
    p.restore();
}

} // namespace TilePainter
