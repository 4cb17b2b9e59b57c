// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/round_options.h"

#include <QString>
#include <QtGlobal>

#include <variant>

// A round code fixes a round on its own: the dictionary (by content id), the
// word count, split format, fixed cell, definitions and handicap, and the
// seed. It is 13 characters, 12 carrying 60 bits and one check character,
// in Crockford's base-32 alphabet (digits and capitals without I, L, O, U),
// shown as "7K3M-9QXP-R2TD5". Reading forgives case, blanks and hyphens, and
// takes O for 0 and I or L for 1. The check character refuses any single
// wrong character and any two neighbours swapped.
//
// The dictionary's name may follow in brackets, "7K3M-9QXP-R2TD5 (English)":
// it is no part of the round, only a way to tell the player which dictionary
// a code needs when they do not have it.
struct RoundCode
{
    static constexpr int Length = 13;
    static constexpr int DictionaryIdBits = 11;
    static constexpr quint32 DictionaryIdMask = (1u << DictionaryIdBits) - 1;
    static constexpr int MinWords = 4;
    static constexpr int MaxWords = 45;
    static constexpr int MaxHandicap = 3;

    quint32 dictionaryId = 0; // the low DictionaryIdBits of the content id
    int wordCount = 10;
    int presetsIndex = 0;
    std::optional<FixedCell> fixedCell;
    bool showDefinitions = false;
    int handicap = 0;
    quint32 seed = 0;
    QString dictionaryName; // the bracketed name, when there is one
    bool pickedOut = false; // found in other text around it

    // The round dealt with these options from that seed. Options a code cannot
    // carry (no split format, a count out of range) give nothing.
    static std::optional<RoundCode> forRound(const RoundOptions &options, quint32 dictionaryId, quint32 seed);

    // "7K3M-9QXP-R2TD5", and the same with " (name)" when there is a name.
    QString text() const;
    QString textWithName() const;

    // Text pasted from a chat loses its invisible characters (zero-width
    // spaces, direction marks) first. Text that is no code as a whole but
    // holds exactly one well-formed code, with its name or without, gives
    // that code, marked pickedOut.
    enum class Fault { Length, Character, Check, Unknown };
    static std::variant<RoundCode, Fault> parse(const QString &text);
    static QString withoutInvisible(const QString &text);
    static QString faultMessage(Fault fault);

    bool operator==(const RoundCode &) const = default;
};
