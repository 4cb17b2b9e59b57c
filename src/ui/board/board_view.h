// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/board.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <bitset>
#include <functional>

class BoardPanel;
class RoundEngine;
class TileWidget;

// Shows the board model on the board panel pGame: each of the 250 slots is
// a tile the panel paints (caption, state colour, geometry, visibility,
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
// The implicit mouse grab keeps the board receiving the moves and the release.
class BoardView : public QObject, public BoardListener
{
    Q_OBJECT
public:
    BoardView(BoardPanel *board, TileWidget *templateTile, RoundEngine &engine, QObject *parent = nullptr);
    ~BoardView() override;

    // A double-click on the board itself (not on a tile).
    void setDoubleClickHandler(std::function<void()> handler) { m_onDoubleClick = std::move(handler); }
    // Told once the board shows a change (a batch's end or a single tile).
    void setChangeWatcher(std::function<void()> watcher) { m_onChange = std::move(watcher); }
    // Told of each drop the mouse is about to make, before the board changes.
    void setDropWatcher(std::function<void(int target, int source)> watcher) { m_onDrop = std::move(watcher); }

    void tileChanged(int slot) override;
    void batchBegun() override { m_collecting = true; }
    void batchEnded() override;
    void refreshAll();

    bool dragging() const { return m_source != 0; }
    int dragSource() const { return m_source; }

    // The shown tile at a point of the board, or 0.
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

    QPointer<BoardPanel> m_board;
    TileWidget *m_template;
    RoundEngine &m_engine;
    std::function<void()> m_onDoubleClick;
    std::function<void(int target, int source)> m_onDrop;
    std::function<void()> m_onChange;

    bool m_collecting = false;
    bool m_described = false; // some tile was shown, so rows have descriptions to keep up
    std::bitset<TileSlots> m_pending; // slot - 1, changed inside the current batch
    std::bitset<TileSlots> m_hidden;  // slot - 1, hidden at some time inside it

    int m_source = 0;    // slot being dragged, 0 = none
    QPoint m_grabOffset; // pointer position inside the dragged tile
};
