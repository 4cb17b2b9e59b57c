// SPDX-License-Identifier: GPL-3.0-or-later
// One tile: its caption, colours, font and 3-D border, painted.
#include "ui/board/tile_widget.h"

#include "ui/accessibility/tile_accessible.h"
#include "ui/board/hover_hints.h"
#include "ui/board/palette.h"
#include "ui/board/tile_painter.h"

#include <QMouseEvent>
#include <QPainter>

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
    return TilePainter::frameThickness(border);
}

QRect TileWidget::contentRect() const
{
    const int t = frameThickness(m_border);
    return rect().adjusted(t, t, -t, -t);
}

QFont TileWidget::fittingFont(const QFont &font, const QString &caption, int width)
{
    return TilePainter::fittingFont(font, caption, width);
}

void TileWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    TilePainter::paint(p, rect(), face(), palette());
}

TileFace TileWidget::face() const
{
    return TileFace{m_caption, m_letterColour, m_tileColour, m_font, m_border};
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
