// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/shown_states.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class Announcer;
class RoundEngine;

// Puts into words what a sighted player sees the round do: a new deal, a
// drop's result (placed, wrong, a word complete) with the new rating, a
// clue's effect, and the end of a round (won, lost, solved). It compares
// the board and the rating with how they stood at its last report, once the
// engine's step is over (no round being dealt, no drop under way).
class RoundNews : public QObject
{
    Q_OBJECT
public:
    RoundNews(RoundEngine &engine, Announcer &announcer, QObject *parent = nullptr);

    // What the player sees, as far as the news tells it.
    struct Snapshot
    {
        QList<TileState> states; // by slot, for the round's slots
        QList<QByteArray> captions;
        QList<bool> visible;
        int rating = 0;
        int moves = 0;
        int cluesLeft = 0;
        int wordsLeft = 0;
        int penalty = 0; // rating change per tick of the clock
        bool inPlay = false;
        bool solved = false; // the game showed the solution
        QString status;
        int deals = 0; // rounds dealt so far
        int dropPlaced = -1; // cells the last move put right, as it made them; -1 when not known
    };
    static Snapshot capture(const RoundEngine &engine);
    // The words for what changed from before to after; empty when nothing did.
    static QString compose(const Snapshot &before, const Snapshot &after);

    // Something changed: the news goes out when the engine's step is over.
    void poke();
    // A round was dealt (also the same round again): its news tells it.
    void dealt();
    // Two tiles are about to be exchanged: what that puts right is known now,
    // before a lost round's solution covers the board.
    void dropping(int target, int source);
    // Reports at once what changed (or, while the engine is in a step, a little later).
    void flush();

private:
    RoundEngine &m_engine;
    Announcer &m_announcer;
    Snapshot m_before;
    int m_deals = 0;
    int m_dropMoves = -1; // the move count before the drop announced to dropping()
    int m_dropPlaced = 0;
    QTimer m_later;
};
