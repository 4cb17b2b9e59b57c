// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QLabel;

// The status line as a screen reader meets it: named for what it holds (its
// accessible name), with the whole help line or message as its text, not the part the banner
// has crept to. The label carries that text in its property WholeLine.
class StatusLineAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    static constexpr const char *WholeLine = "wholeLine";

    explicit StatusLineAccessible(QWidget *label);

    // Gives label this interface (once per process the factory is installed).
    static void install(QLabel &label);

    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface: read only, no selection.
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return int(wholeLine().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override;

private:
    QString wholeLine() const;
};
