// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QComboBox;

// A closed choice-only combo box as a screen reader meets it: its current
// choice as its text, which Orca reads as a combo box's value when it finds
// no selected item (Qt's own interface exposes none while the list is shut).
// The name is the choice too, as Qt gives it on this desktop, unless no label
// names the box: then its own accessible name. Opening the list is its action.
class ChoiceAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ChoiceAccessible(QComboBox *box);

    // Registers the interface for every choice-only combo box, once per process.
    static void install();

    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // QAccessibleTextInterface: read only, no selection.
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override;

private:
    QComboBox *box() const;
};
