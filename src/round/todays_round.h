// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/code_deal.h"
#include "settings/daily_record.h"

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

// The shipped dictionary of the language's own words ("fr": "Mots
// français"), else the English one.
QString dictionaryForLanguage(const QString &code);
QString dictionaryNameFor(const QLocale &locale);

// The day's deal in a language ("fr"), with the shipped dictionary's file; a
// problem when the game's folder lacks it.
CodeDeal dealFor(QDate day, const QString &languageCode);
CodeDeal dealFor(QDate day, const QLocale &locale);

// The lines a player posts of a day's counted round, in the game's
// language: the game, the day, how it went (words found of the round's,
// rating, moves, time), the run, and the code that deals the same board.
// Nothing of the board's words.
QString resultText(QDate day, const DayResult &result, int run, const QString &code);

// The result text of the day whose round is on the board, once that day's
// counted round has ended; nothing for any other round or before its end.
std::optional<QString> resultOf(const RoundEngine &engine, const SettingsFile &settings);

} // namespace TodaysRound
