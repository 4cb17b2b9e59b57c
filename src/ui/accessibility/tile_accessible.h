// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QWidget;

// Board tiles and the Styles dialog's panels as a screen reader meets them:
// buttons (not "filler") named by their caption unless given a name, with
// their description, and a press action for the panels that take clicks.
// The tool tip (a tile's definition) stays readable as the help text.
class TileAccessible : public QAccessibleWidget
{
public:
    explicit TileAccessible(QWidget *widget);

    QAccessible::Role role() const override { return QAccessible::Button; }
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

    // Registers the interface with Qt's accessibility once per process, with
    // the board's own (a pane: a frame would be a window to a screen reader).
    static void install();
};
