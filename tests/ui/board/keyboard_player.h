// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A player at the keyboard: each key goes to the widget that has the focus,
// as the desktop sends it, and the next key waits until it has got there. On
// an accessibility bus Qt first asks the screen reader whether it wants the
// key and delivers it a moment later; offscreen it arrives at once.

#include "round/board.h"
#include "ui/board/keyboard_moves.h"
#include "ui/board/keyboard_play.h"

#include <QApplication>
#include <QEventLoop>
#include <QHash>
#include <QKeyEvent>
#include <QList>
#include <QPointer>
#include <QQueue>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace KeyboardPlayer {

// Sees a key's release reach a widget: the press was handled before it.
class Arrival : public QObject
{
public:
    explicit Arrival(int key) : m_key(key) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent *>(event)->key() == m_key)
            arrived = true;
        return false;
    }
    bool arrived = false;

private:
    int m_key;
};

// Runs the event loop until done() holds or the time is up. Unlike QTest::qWait,
// which sleeps between its rounds, it answers a screen reader's questions at once.
inline bool runUntil(const std::function<bool()> &done, int timeoutMs)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(5);
    if (!done())
        loop.exec();
    return done();
}

// One key to the focus widget; false when nothing has the focus or the key never arrived.
inline bool press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointer<QWidget> focus = QApplication::focusWidget();
    if (!focus)
        return false;
    Arrival arrival(key);
    focus->installEventFilter(&arrival);
    QTest::keyClick(focus.data(), Qt::Key(key), modifiers);
    const bool arrived = runUntil([&] { return arrival.arrived || !focus; }, 5000);
    if (focus)
        focus->removeEventFilter(&arrival);
    return arrived && arrival.arrived;
}

// The arrow keys that take the keyboard's frame from one tile to another, by the frame's own moves.
inline QList<int> keysBetween(const Board &board, int from, int to)
{
    using KeyboardMoves::Step;
    const QList<QPair<int, Step>> steps = {
        {Qt::Key_Left, Step::Left}, {Qt::Key_Right, Step::Right}, {Qt::Key_Up, Step::Up}, {Qt::Key_Down, Step::Down}};
    QHash<int, QList<int>> path{{from, {}}};
    QQueue<int> queue;
    queue.enqueue(from);
    while (!queue.isEmpty()) {
        const int at = queue.dequeue();
        if (at == to)
            return path[at];
        for (const auto &[key, step] : steps) {
            const int next = KeyboardMoves::next(board, at, step);
            if (!path.contains(next)) {
                path[next] = path[at] + QList<int>{key};
                queue.enqueue(next);
            }
        }
    }
    return {-1};
}

// Arrow keys from the frame's tile to slot; false when slot cannot be reached.
inline bool walkTo(const Board &board, const KeyboardPlay &play, int slot)
{
    for (int key : keysBetween(board, play.focusSlot(), slot))
        if (key < 0 || !press(key))
            return false;
    return play.focusSlot() == slot;
}

} // namespace KeyboardPlayer
