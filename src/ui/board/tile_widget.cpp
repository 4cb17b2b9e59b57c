// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board/tile_widget.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>

#include "ui/accessibility/tile_accessible.h"
#include "ui/board/colour_cues.h"
#include "ui/board/hover_hints.h"
#include "ui/board/palette.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>

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

} // namespace

TileWidget::TileWidget(QWidget *parent, int tag)
    : QWidget(parent), m_tag(tag), m_font(font())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTipDuration(HoverHints::HintDurationMs);
    TileAccessible::install();
}

void TileWidget::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void TileWidget::setLetterColour(const QColor &colour)
{
    if (colour == m_letterColour)
        return;
    m_letterColour = colour;
    update();
}

void TileWidget::setTileColour(const TileColour &colour)
{
    m_tileColour = colour;
    update();
}

void TileWidget::setTileFont(const QFont &font)
{
    m_font = font;
    update();
}

void TileWidget::setBorder(const TileBorder &border)
{
    if (border == m_border)
        return;
    m_border = border;
    update();
}

void TileWidget::copyLookFrom(const TileWidget &other)
{
    m_tileColour = other.m_tileColour;
    m_font = other.m_font;
    m_border = other.m_border;
    update();
}

void TileWidget::setHintText(const QString &text)
{
    m_hintText = text;
    updateToolTip();
}

void TileWidget::setShowHint(bool on)
{
    m_showHint = on;
    updateToolTip();
}

void TileWidget::updateToolTip()
{
    if (!m_showHint || m_hintText.isEmpty()) {
        setToolTip(QString());
        return;
    }
    // A definition is plain text even when it happens to look like markup.
    setToolTip(Qt::mightBeRichText(m_hintText) ? QStringLiteral("<p style='white-space:pre'>%1</p>")
                                                         .arg(m_hintText.toHtmlEscaped())
                                               : m_hintText);
}

int TileWidget::frameThickness(const TileBorder &border)
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

QRect TileWidget::contentRect() const
{
    const int t = frameThickness(m_border);
    return rect().adjusted(t, t, -t, -t);
}

// A narrow cell of a long word would cut its letters off; the font shrinks
// until the caption fits (but stays legible), so every cell can be read.
QFont TileWidget::fittingFont(const QFont &font, const QString &caption, int width)
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

void TileWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette pal = palette();
    const QColor face = m_tileColour.colour();
    const QColor highlight = pal.color(QPalette::Active, QPalette::Light);
    const QColor shadow = pal.color(QPalette::Active, QPalette::Dark);

    QRect r = rect();
    if (m_border.borderStyle == BorderStyle::Single) {
        // Sunken client edge: shadow over dark shadow at top-left, highlight over 3-D light at bottom-right.
        frame3D(p, r, shadow, highlight, 1);
        frame3D(p, r, pal.color(QPalette::Active, QPalette::Shadow), pal.color(QPalette::Active, QPalette::Midlight), 1);
    }
    auto bevel = [&](Bevel kind) {
        if (kind == Bevel::Raised)
            frame3D(p, r, highlight, shadow, m_border.bevelWidth);
        else if (kind == Bevel::Lowered)
            frame3D(p, r, shadow, highlight, m_border.bevelWidth);
    };
    bevel(m_border.outer);
    frame3D(p, r, face, face, m_border.borderWidth);
    bevel(m_border.inner);
    if (r.isEmpty())
        return;
    p.fillRect(r, face);

    if (m_caption.isEmpty())
        return;
    p.setClipRect(r);
    const QColor letters = Palette::drawnLetters(m_letterColour, face);
    p.setFont(ColourCues::captionFont(fittingFont(m_font, m_caption, r.width()), m_letterColour));
    p.setPen(letters);
    p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, m_caption);
    ColourCues::paintShape(p, r, m_letterColour, letters);
}

// The window drives dragging and the board's double click: let every mouse
// event go on to the parent.
void TileWidget::mousePressEvent(QMouseEvent *event)
{
    event->ignore();
}

void TileWidget::mouseMoveEvent(QMouseEvent *event)
{
    event->ignore();
}

void TileWidget::mouseReleaseEvent(QMouseEvent *event)
{
    event->ignore();
}

void TileWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->ignore();
}

TileWidget *makeTemplateTile(QWidget *parent)
{
    auto *tile = new TileWidget(parent, 0);
    tile->setObjectName(QStringLiteral("pCopy"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    font.setBold(true);
    tile->setTileFont(font);
    tile->setCaption(QStringLiteral("W"));
    tile->setLetterColour(Palette::tileLetters(TileState::Placed));
    tile->setTileColour(TileColour::buttonFace());
    tile->setBorder(templateDesignBorder());
    tile->resize(39, 25);
    tile->hide();
    return tile;
}
