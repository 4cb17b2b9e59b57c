// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <span>

class OptionsModel;

// How a saved option is written: a number, a flag ("0" or "1") or a text.
enum class OptionType { Integer, Flag, Text };

// The range an integer option is clamped to.
struct OptionRange
{
    qint32 low;
    qint32 high;
};

// One saved option: the component name it is saved under (section
// "Options"), how it is stored, what a missing or unreadable entry reads as,
// the range a number is clamped to, and the model's value it stands for.
// Numbers and flags go through number/setNumber, texts through text/setText.
struct OptionKey
{
    const char *name;
    OptionType type;
    qint32 defaultValue; // Integer and Flag; a Text reads as empty
    OptionRange range;   // Integer only
    qint32 (*number)(const OptionsModel &);
    void (*setNumber)(OptionsModel &, qint32);
    QString (*text)(const OptionsModel &);
    void (*setText)(OptionsModel &, const QString &);
};

// The ranges of the numeric options, saved or not.
inline constexpr OptionRange PresetsRange{-1, 35};
inline constexpr OptionRange WordCountRange{4, 45};
inline constexpr OptionRange HandicapRange{-3, 3};
inline constexpr OptionRange VolumeRange{1, 15};

// Every saved option, in the order restore reads and save writes them. The
// order matters: the split format comes first, so that its index 0 checks
// "Middle" before the saved fixed-cell buttons win.
std::span<const OptionKey> optionKeys();
