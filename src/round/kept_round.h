// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/board.h"
#include "round/round_options.h"
#include "round/round_state.h"
#include "round/shown_states.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// A round in play as it outlives the run that dealt it: everything the
// engine needs to go on with it, the penalty clock's time to its next tick included.
struct KeptRound
{
    QList<tTile> tiles; // slots 1..tiles.size()
    RoundState round;   // the words, parameters, clock phase and moves
    RoundOptions dealt;
    quint32 roundNumber = 0;
    std::optional<quint32> dictionaryId;
    bool countsForToday = false;
    int rating = 0;
    RatingBand ratingBand = RatingBand::Dealing;
    QString statusText;
    QString parameterText;
    int windowLeft = 0;
    int windowTop = 0;
    int windowWidth = 0;
    int windowHeight = 0;
    int clockInterval = 0;   // the penalty timer's period
    int clockRemaining = -1; // to its next tick; -1 when it was not running
};

// The kept round's file: a JSON object of format "splitwick-round" and a
// version. Byte texts (captions, words) are kept as Latin-1 strings, which
// carry each Windows-1252 byte unchanged.
namespace KeptRoundFormat {

inline constexpr int Version = 1;
inline constexpr char FormatName[] = "splitwick-round";

QByteArray write(const KeptRound &kept);
// The round in bytes; GameError with what is wrong when they are damaged,
// of another format or of a later version.
KeptRound read(const QByteArray &bytes);

} // namespace KeptRoundFormat
