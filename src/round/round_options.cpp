// SPDX-License-Identifier: GPL-3.0-or-later
// The options a deal reads, taken from the options model.
#include "round/round_options.h"

#include "settings/split_formats.h"

RoundOptions RoundOptions::fromModel(const OptionsModel &options)
{
    RoundOptions o;
    o.dictionary = options.dictionary();
    o.wordCount = options.wordCount();
    o.presetsIndex = options.presetsIndex();
    // The order a row's fixed cell is chosen in, should more than one be ticked.
    for (FixedCell f : {FixedCell::Random, FixedCell::NotFirst, FixedCell::First, FixedCell::Middle, FixedCell::Last}) {
        if (options.fixedCell(f)) {
            o.fixedCell = f;
            break;
        }
    }
    o.showDefinitions = options.showDefinitions();
    o.handicap = options.handicap();
    return o;
}

QString RoundOptions::presetsText() const
{
    return presetsIndex >= 0 && presetsIndex < SplitFormatCount ? splitFormats()[presetsIndex] : QString();
}
