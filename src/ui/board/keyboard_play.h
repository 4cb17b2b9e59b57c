#pragma once

#include "round/board.h"
#include "ui/board/keyboard_moves.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>

class FocusFrame;
class RoundEngine;
class TileWidget;
class QWidget;

// Playing without a mouse. While the board panel has the keyboard focus the
// arrow keys move a frame over its tiles; Space or Enter picks up the framed
// movable tile, and a second Space or Enter on another tile offers it there
// through the same acceptance and drop as a mouse drag (bgDragOver, then
// bgDragDrop). A refused tile keeps the carried one in hand; Escape, or
// Space on the carried tile itself, puts it back.
class KeyboardPlay : public QObject
{
    Q_OBJECT
public:
    using Tiles = std::array<TileWidget *, TileSlots>;

    KeyboardPlay(QWidget *board, const Tiles &tiles, RoundEngine &engine, QObject *parent = nullptr);
    ~KeyboardPlay() override;

    // A round was dealt: the frame goes to its first movable tile and the board takes the keys.
    void roundDealt();
    // Tiles changed state (a move, a tick, the end of a round): the frame and
    // the carried tile follow.
    void boardChanged();
    // One key; true when it was a keyboard-play key and was used.
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);
    // Puts the frame on a visible tile (a tile the player pointed at).
    void focusTile(int slot);

    int focusSlot() const { return m_focus; }
    int carriedSlot() const { return m_carried; }
    FocusFrame *frame() const { return m_frame; }

    // Called with the tile's board rectangle whenever the frame moves (the game area scrolls to it).
    void setFollower(std::function<void(const QRect &)> follower) { m_follow = std::move(follower); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void moveFocus(int slot);
    void pickOrDrop();
    void putBack();
    void sync();

    QPointer<QWidget> m_board;
    Tiles m_tiles;
    RoundEngine &m_engine;
    FocusFrame *m_frame;
    FocusFrame *m_carriedMark;
    std::function<void(const QRect &)> m_follow;
    int m_focus = 0;
    int m_carried = 0;
};
