// SPDX-License-Identifier: GPL-3.0-or-later
// The board panel: a frame whose enabling and disabling repaints no tile.
#include "ui/board/board_panel.h"

#include "ui/board/tile_widget.h"

#include <QAccessible>
#include <QChildEvent>

namespace {
// What QWidget tells assistive tools when its enabled state changes.
void announceEnabledChange(QWidget *widget)
{
    QAccessible::State state;
    state.disabled = true;
    QAccessibleStateChangeEvent change(widget, state);
    QAccessible::updateAccessibility(&change);
}

// Tiles and the background picture paint the same whether enabled or not.
bool looksAlikeDisabled(QObject *child)
{
    return qobject_cast<TileWidget *>(child) || child->inherits("BackgroundImage");
}
} // namespace

BoardPanel::BoardPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("pGame"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void BoardPanel::changeEvent(QEvent *event)
{
    if (event->type() != QEvent::EnabledChange)
        return QFrame::changeEvent(event);
    // Only the frame may be drawn in the disabled colours.
    update(QRegion(rect()) - contentsRect());
    announceEnabledChange(this);
}

void BoardPanel::focusInEvent(QFocusEvent *)
{
}

void BoardPanel::focusOutEvent(QFocusEvent *)
{
}

void BoardPanel::childEvent(QChildEvent *event)
{
    // The child is still being constructed: what it is gets decided per event.
    if (event->added())
        event->child()->installEventFilter(this);
    QFrame::childEvent(event);
}

bool BoardPanel::eventFilter(QObject *watched, QEvent *event)
{
    // Nor is it told to screen readers: a drop's moment would send them
    // two state changes for each of the 250 tiles, hundreds of events that
    // keep a reader busy long after the drop's news. The board's own change
    // stands for its tiles.
    if (event->type() == QEvent::EnabledChange && watched->parent() == this && looksAlikeDisabled(watched))
        return true;
    return QFrame::eventFilter(watched, event);
}
