// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/board.h"

#include <QLabel>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <bitset>
#include <functional>

class QWidget;
class RoundEngine;
class TilePool;
class TileWidget;

// Shows the board model on the board panel pGame: each of the 250 tile
// widgets mirrors its slot (caption, state colour, geometry, visibility,
// hint). A hidden tile takes the template tile's current look, so every tile
// a round places shows the look of the moment it was placed.
//
// Changes told inside a batch of the board are held back and shown together
// when it ends, so pauses inside a New Game or a drop paint nothing that is
// about to change again, and a tile hidden and shown again never flickers.
//
// Dragging happens inside the window: a left press on a movable tile starts
// it, a copy of the tile follows the pointer, and the release over a tile
// that bgDragOver accepts drops there (bgDragDrop); anywhere else cancels.
// The tiles ignore mouse input, so the press, the moves and the release all
// reach the board panel, which the implicit mouse grab keeps receiving them.
class BoardView : public QObject, public BoardListener
{
    Q_OBJECT
public:
    BoardView(QWidget *board, TileWidget *templateTile, TilePool &tiles, RoundEngine &engine,
              QObject *parent = nullptr);
    ~BoardView() override;

    // A double-click on the board itself (not on a tile).
    void setDoubleClickHandler(std::function<void()> handler) { m_onDoubleClick = std::move(handler); }
    // Told of each drop the mouse is about to make, before the board changes.
    void setDropWatcher(std::function<void(int target, int source)> watcher) { m_onDrop = std::move(watcher); }

    void tileChanged(int slot) override;
    void tileRaised(int slot) override;
    void batchBegun() override { m_collecting = true; }
    void batchEnded() override;
    void refreshAll();

    bool dragging() const { return m_source != 0; }
    int dragSource() const { return m_source; }
    QLabel *dragCopy() const { return m_copy; }

    // The pool tile at a point of the board, or 0.
    int slotAt(const QPoint &boardPos) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startDrag(int slot, const QPoint &boardPos);
    void moveDrag(const QPoint &boardPos);
    void endDrag(const QPoint &boardPos);
    void cancelDrag();
    // The slot and its row mates, each told its place; returns the slots told.
    std::bitset<TileSlots> describeRow(int slot);
    void showTile(int slot, bool wasHidden = false, bool describe = true);

    QPointer<QWidget> m_board;
    TileWidget *m_template;
    TilePool &m_tiles;
    RoundEngine &m_engine;
    std::function<void()> m_onDoubleClick;
    std::function<void(int target, int source)> m_onDrop;

    bool m_collecting = false;
    std::bitset<TileSlots> m_pending; // slot - 1, changed inside the current batch
    std::bitset<TileSlots> m_hidden;  // slot - 1, hidden at some time inside it
    std::bitset<TileSlots> m_raised;  // slot - 1, raised out of reading order

    int m_source = 0;      // slot being dragged, 0 = none
    QPoint m_grabOffset;   // pointer position inside the dragged tile
    QPointer<QLabel> m_copy;
};
