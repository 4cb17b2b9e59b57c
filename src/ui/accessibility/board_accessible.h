// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QList>

class BoardPanel;

// The board as a screen reader meets it: a pane (a frame would be a window
// to a screen reader) whose children are the tiles it paints, one object
// each, with the names, descriptions and states a tile widget would have,
// followed by any widget laid over the board.
class BoardAccessible : public QAccessibleWidget
{
public:
    explicit BoardAccessible(BoardPanel *board);
    ~BoardAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    BoardPanel *board() const;

private:
    mutable QList<QAccessible::Id> m_tiles; // by slot - 1, registered when first asked for
};
