// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A load or write that must be refused: the message it was refused with,
// compared where the test states what it expects.

#include "base/game_error.h"

#include <QString>

#include <utility>

// What errorOf() gives for work that went through.
inline const QString NoError = QStringLiteral("<no error>");

// The message of the GameError that work throws; NoError when it throws none.
template <typename Work>
QString errorOf(Work &&work)
{
    try {
        std::forward<Work>(work)();
    } catch (const GameError &error) {
        return error.message();
    }
    return NoError;
}
