// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class Announcer;
class BoardCard;
class QWidget;
class RoundEngine;

// What the board shows between the moves: the pause and its cover, the way
// in before the first round, and each round's result. The round pauses when
// the player asks (Game > Pause, P, the Pause key), and by itself while a
// window of the game's own is open (How to Play, Styles, statistics, ...),
// while the game is minimised, and while another program has held the focus
// for a second. It goes on when that window closes or the player comes back
// (a key or a click in the game counts); a player's pause at any key or click.
class RoundCards : public QObject
{
    Q_OBJECT
public:
    static constexpr int AwayMs = 1000;

    RoundCards(QWidget &window, QWidget &board, RoundEngine &engine, Announcer &announcer,
               QObject *parent = nullptr);

    // Game > Pause: pauses a round in play, or lets a paused one go on.
    void togglePause();
    // A round was dealt, or the round's commands changed (it may have ended).
    void roundDealt();
    void commandsChanged();
    // A start before any round: the way in, until a round is dealt. A key or a click deals.
    void showWelcome(std::function<void()> deal);

    BoardCard &card() { return *m_card; }
    // Whether a finished round has a result to share (Today's Round's counted one).
    void setResultOffer(std::function<bool()> offered) { m_resultOffered = std::move(offered); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Reason { None, Player, OwnWindow, Away };
    void pauseFor(Reason reason);
    void goOn();
    void ownWindowShown(QWidget *window, bool shown);
    void awayChanged();
    void showResult();

    QWidget &m_window;
    QWidget &m_board;
    RoundEngine &m_engine;
    Announcer &m_announcer;
    BoardCard *m_card;
    Reason m_reason = Reason::None;
    QList<QPointer<QWidget>> m_ownWindows; // the game's own windows open now
    QTimer m_away;
    std::function<bool()> m_resultOffered;
    qint64 m_playedMs = 0; // the finished round's time, pauses left out
    int m_cluesAtDeal = 0;
    bool m_wasInPlay = false;
    bool m_welcome = false;
};
