// SPDX-License-Identifier: GPL-3.0-or-later
// A clickable panel of the Styles dialog: mouse, keys and its focus ring.
#include "ui/styles/style_panel.h"

#include "ui/board/palette.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <limits>

StylePanel::StylePanel(QWidget *parent) : TileWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void StylePanel::setCurrent(bool current)
{
    if (current == m_current)
        return;
    m_current = current;
    setAccessibleDescription(current ? tr("current style") : QString());
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

namespace {
constexpr int WrapFlags = Qt::AlignCenter | Qt::TextWordWrap;
} // namespace

bool StylePanel::captionFitsWrapped() const
{
    const QRect room = contentRect();
    const QFontMetrics metrics(tileFont());
    for (const QString &word : caption().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (metrics.horizontalAdvance(word) > room.width())
            return false;
    }
    return room.contains(metrics.boundingRect(room, WrapFlags, caption()));
}

void StylePanel::paintEvent(QPaintEvent *event)
{
    TileWidget::paintEvent(event);
    const QRect room = contentRect();
    if (m_wrapsCaption && QFontMetrics(tileFont()).horizontalAdvance(caption()) > room.width() && captionFitsWrapped()) {
        // Over the shrunk single line the tile drew: the caption at full size, wrapped.
        QPainter p(this);
        const QColor face = tileColour().colour();
        p.setClipRect(room);
        p.fillRect(room, face);
        p.setFont(tileFont());
        p.setPen(Palette::drawnLetters(letterColour(), face));
        p.drawText(room, WrapFlags, caption());
    }
    if (!hasFocus())
        return;
    // Black over white, 2 px each: seen on every tile colour and style.
    QPainter p(this);
    p.setPen(QPen(Qt::white, 2));
    p.drawRect(rect().adjusted(3, 3, -3, -3));
    p.setPen(QPen(Qt::black, 2, Qt::DotLine));
    p.drawRect(rect().adjusted(3, 3, -3, -3));
}

void StylePanel::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return TileWidget::keyPressEvent(event);
    StylePanel *next = nullptr;
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        click();
        return;
    case Qt::Key_Left: next = neighbour(-1, 0); break;
    case Qt::Key_Right: next = neighbour(1, 0); break;
    case Qt::Key_Up: next = neighbour(0, -1); break;
    case Qt::Key_Down: next = neighbour(0, 1); break;
    default:
        return TileWidget::keyPressEvent(event);
    }
    event->accept();
    if (next)
        next->setFocus(Qt::OtherFocusReason);
}

// The focusable sibling panel nearest that way: along the step first, then across it.
StylePanel *StylePanel::neighbour(int dx, int dy) const
{
    StylePanel *best = nullptr;
    long long bestScore = std::numeric_limits<long long>::max();
    const QPoint from = geometry().center();
    for (StylePanel *other : parentWidget()->findChildren<StylePanel *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (other == this || !other->isVisible() || other->focusPolicy() == Qt::NoFocus)
            continue;
        const QPoint d = other->geometry().center() - from;
        const int along = d.x() * dx + d.y() * dy;
        if (along <= 0)
            continue;
        const int across = dx ? std::abs(d.y()) : std::abs(d.x());
        const long long score = (long long)across * 1000 + along;
        if (score < bestScore) {
            bestScore = score;
            best = other;
        }
    }
    return best;
}

void StylePanel::focusInEvent(QFocusEvent *event)
{
    TileWidget::focusInEvent(event);
    update();
}

void StylePanel::focusOutEvent(QFocusEvent *event)
{
    TileWidget::focusOutEvent(event);
    update();
}

void StylePanel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void StylePanel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void StylePanel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    // A click is a press and a release on the panel, as with a button.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

void StylePanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click counts as a press of its own.
    mousePressEvent(event);
}
