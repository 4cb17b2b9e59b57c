// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/code_deal.h"

#include <QDate>
#include <QLocale>
#include <QString>

// Today's Round: one round a day, dealt from the date alone with the
// dictionary the game ships for the player's language, so every player with
// that dictionary gets the same board on the same day. Its options are the
// day's own (ten words, a split format by weekday, a random fixed cell, no
// definitions, no handicap), never the player's.
namespace TodaysRound {

quint32 seedFor(QDate day);
RoundOptions optionsFor(QDate day);

// The shipped dictionary named after the locale's language ("French", or
// its own name for itself), else "English".
QString dictionaryNameFor(const QLocale &locale);

// The day's deal, with the shipped dictionary's file; a problem when the
// game's folder lacks it.
CodeDeal dealFor(QDate day, const QLocale &locale);

} // namespace TodaysRound
