// SPDX-License-Identifier: GPL-3.0-or-later
// The accessible interfaces of tiles: the board's and the Styles dialog's panels.
#include "ui/accessibility/tile_accessible.h"

#include "ui/accessibility/board_accessible.h"
#include "ui/board/board_panel.h"
#include "ui/board/tile_widget.h"
#include "ui/styles/style_panel.h"

#include <QKeySequence>

namespace {
QAccessibleInterface *tileFactory(const QString &className, QObject *object)
{
    if ((className == QLatin1String("TileWidget") || className == QLatin1String("StylePanel")) &&
        object && object->isWidgetType())
        return new TileAccessible(static_cast<QWidget *>(object));
    // The board holds the keys in play and tells the round's news as its name:
    // Orca takes a frame's new name for a window title and says nothing.
    if (className == QLatin1String("BoardPanel") && object && object->isWidgetType())
        return new BoardAccessible(static_cast<BoardPanel *>(object));
    return nullptr;
}
} // namespace

TileAccessible::TileAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Button) {}

void TileAccessible::install()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(tileFactory);
    installed = true;
}

QString TileAccessible::text(QAccessible::Text t) const
{
    auto *tile = qobject_cast<TileWidget *>(widget());
    switch (t) {
    case QAccessible::Name:
        if (!widget()->accessibleName().isEmpty() || !tile)
            return widget()->accessibleName();
        return tile->caption();
    case QAccessible::Description:
        return widget()->accessibleDescription();
    case QAccessible::Help:
        // The hint a mouse player sees, also while the description speaks of the state.
        return tile && tile->showHint() ? tile->hintText() : QString();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State TileAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (auto *panel = qobject_cast<StylePanel *>(widget()); panel && panel->isChoice()) {
        s.checkable = true;
        s.checked = panel->isCurrent();
    }
    // A board tile never takes the keyboard itself: the board's frame shows where it is.
    s.focusable = true;
    return s;
}

QStringList TileAccessible::actionNames() const
{
    if (qobject_cast<StylePanel *>(widget()) && widget()->isEnabled())
        return {pressAction()};
    return QAccessibleWidget::actionNames();
}

void TileAccessible::doAction(const QString &actionName)
{
    if (auto *panel = qobject_cast<StylePanel *>(widget()); panel && actionName == pressAction() && panel->isEnabled())
        panel->click();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList TileAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == pressAction() && qobject_cast<StylePanel *>(widget()))
        return {QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText)};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}
