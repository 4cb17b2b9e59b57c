// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/options_model.h"

#include <QDate>
#include <QString>

#include <optional>

// What a deal takes from the options, fixed when "New Game" begins: the
// player's options, or those a round code or Today's Round brings for one
// round without touching the player's.
struct RoundOptions
{
    QString dictionary;     // the name the status line shows
    QString dictionaryPath; // the file; empty: the name's file in the player's or the shipped folder
    int wordCount = 10;
    int presetsIndex = -1; // split format, -1 for none
    std::optional<FixedCell> fixedCell;
    bool showDefinitions = false;
    int handicap = 0;
    QDate day; // Today's Round of that day; invalid for any other round
    bool practice = false; // a day's round played again from Earlier Days: never counted

    static RoundOptions fromModel(const OptionsModel &options);
    QString presetsText() const; // empty when none is selected
    bool operator==(const RoundOptions &) const = default;
};
