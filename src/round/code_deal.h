// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/round_code.h"
#include "round/round_options.h"

#include <QString>
#include <QtGlobal>

#include <optional>

class RoundEngine;

// What "Round Number..." deals for a typed text: an old round number with
// the player's own options, or a round code with its own options and the
// dictionary file whose contents it names.
struct CodeDeal
{
    RoundOptions options;
    quint32 seed = 0;
    QString problem; // why nothing can be dealt; empty when the deal can go ahead
    QString note;    // what the player should know of a deal that can go ahead

    bool ok() const { return problem.isEmpty(); }

    // Old numbers are whole numbers of up to ten digits (0 to 4294967295);
    // anything else is read as a round code.
    static CodeDeal fromText(const QString &text, const RoundOptions &playerOptions);
};

// The code of the round on the board, with its dictionary's name; nothing
// before the first round or for a round a code cannot carry.
std::optional<RoundCode> roundCodeOf(const RoundEngine &engine);
