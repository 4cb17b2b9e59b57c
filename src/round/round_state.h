// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include "words/word.h"

struct RoundParameters
{
    qint32 Level = 0;
    qint32 Pop = 5;       // seconds between penalty ticks
    qint32 Penalty = -1;  // rating change per penalty tick
    qint32 Good = 1;      // per tile placed
    qint32 Bad = -5;      // per drop that places nothing
    qint32 WordBonus = 0; // extra when a row completes
    qint32 Start = 30;    // the starting rating
    qint32 Delay = 5;     // seconds until the penalty clock starts
    qint32 ClueCost = -6;
    qint32 CluesLeft = 0;
    qint32 WordsLeft = 0;
    quint16 WordCount = 0;
};

// What the penalty timer's next tick does.
enum class TimerPhase : quint8 {
    Waiting, // the delay before the clock: the tick starts the penalty period
    Ticking, // every tick costs the penalty
};

// The round in hand, apart from its tiles: the words drawn, the numbers it is
// played by, and where setup and the clock stand.
struct RoundState
{
    QList<tWord> RoundWords;
    QList<QByteArray> ChosenEntries; // "word,definition" per drawn entry
    RoundParameters Parameters;
    bool Busy = false; // a round is being set up
    TimerPhase timerPhase = TimerPhase::Waiting;
    quint16 Moves = 0;
    QString LoadedDictionary; // the dictionary the store holds
};
