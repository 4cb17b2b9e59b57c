// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/board.h"
#include "ui/board/keyboard_moves.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class Announcer;
class BoardPanel;
class RoundNews;
class RoundEngine;

// Playing without a mouse. While the board panel has the keyboard focus the
// arrow keys move a frame over its tiles; Space or Enter picks up the framed
// movable tile, and a second Space or Enter on another tile offers it there
// through the same acceptance and drop as a mouse drag (bgDragOver, then
// bgDragDrop). A refused tile keeps the carried one in hand; Escape, or
// Space on the carried tile itself, puts it back. D shows the framed tile's
// definition where a hint shows (when the tile shows hints at all) and R
// reads its whole row; both, like picking up, putting back and what each
// step of the round does, are told to the screen reader.
class KeyboardPlay : public QObject
{
    Q_OBJECT
public:
    KeyboardPlay(BoardPanel *board, RoundEngine &engine, QObject *parent = nullptr);
    ~KeyboardPlay() override;

    // A round was dealt: the frame goes to its first movable tile and the board takes the keys.
    void roundDealt();
    // Tiles changed state (a move, a tick, the end of a round): the frame and
    // the carried tile follow.
    void boardChanged();
    // The board shows a change: the frame follows its tile (or the nearest, when it went).
    void followTiles() { sync(); }
    // One key; true when it was a keyboard-play key and was used.
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);
    // Puts the frame on a visible tile (a tile the player pointed at).
    void focusTile(int slot);

    int focusSlot() const { return m_focus; }
    Announcer &announcer() { return *m_announcer; }
    RoundNews &news() { return *m_news; }
    int carriedSlot() const { return m_carried; }

    // Called with the tile's board rectangle whenever the frame moves (the game area scrolls to it).
    void setFollower(std::function<void(const QRect &)> follower) { m_follow = std::move(follower); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void moveFocus(int slot);
    void pickOrDrop();
    void putBack();
    void sync();
    void showDefinition();
    QString captionOf(int slot) const;

    QPointer<BoardPanel> m_board;
    RoundEngine &m_engine;
    std::function<void(const QRect &)> m_follow;
    int m_focus = 0;
    int m_carried = 0;
    std::unique_ptr<Announcer> m_announcer;
    std::unique_ptr<RoundNews> m_news;
};
