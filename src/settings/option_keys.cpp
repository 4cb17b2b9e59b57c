// SPDX-License-Identifier: GPL-3.0-or-later
// The table of saved options that the options model restores and saves.
#include "settings/option_keys.h"

#include "settings/options_model.h"
#include "settings/split_formats.h"

#include <array>

namespace {

static_assert(PresetsRange.high == SplitFormatCount - 1);

template <FixedCell Choice>
constexpr OptionKey fixedCellKey(const char *name)
{
    return {name, OptionType::Flag, 0, {}, [](const OptionsModel &m) { return qint32(m.fixedCell(Choice)); },
            [](OptionsModel &m, qint32 on) { m.setFixedCell(Choice, on != 0); }, nullptr, nullptr};
}

template <SoundSlot Slot>
constexpr OptionKey soundKey(const char *name)
{
    return {name, OptionType::Text, 0, {}, nullptr, nullptr,
            [](const OptionsModel &m) { return m.soundText(Slot); },
            [](OptionsModel &m, const QString &text) { m.setSoundText(Slot, text); }};
}

template <bool (OptionsModel::*Get)() const, void (OptionsModel::*Set)(bool)>
constexpr OptionKey flagKey(const char *name)
{
    return {name, OptionType::Flag, 0, {}, [](const OptionsModel &m) { return qint32((m.*Get)()); },
            [](OptionsModel &m, qint32 on) { (m.*Set)(on != 0); }, nullptr, nullptr};
}

const std::array<OptionKey, 22> Keys = {{
    {"Presets", OptionType::Integer, 0, PresetsRange, [](const OptionsModel &m) { return qint32(m.presetsIndex()); },
     [](OptionsModel &m, qint32 index) { m.setPresetsIndex(index); }, nullptr, nullptr},
    {"Dictionary", OptionType::Text, 0, {}, nullptr, nullptr, [](const OptionsModel &m) { return m.dictionary(); },
     [](OptionsModel &m, const QString &name) { m.selectDictionary(name); }},
    fixedCellKey<FixedCell::Middle>("vmiddle"),
    fixedCellKey<FixedCell::First>("vfirst"),
    fixedCellKey<FixedCell::Last>("vlast"),
    fixedCellKey<FixedCell::Random>("vRandom"),
    fixedCellKey<FixedCell::NotFirst>("vNotFirst"),
    flagKey<&OptionsModel::proximity, &OptionsModel::setProximity>("Proximity"),
    flagKey<&OptionsModel::showDefinitions, &OptionsModel::setShowDefinitions>("Def"),
    flagKey<&OptionsModel::vowels, &OptionsModel::setVowels>("Vowels"),
    soundKey<SoundSlot::Music>("music"),
    soundKey<SoundSlot::GoodDrop>("GoodDropSound"),
    soundKey<SoundSlot::Penalty>("PenaltySound"),
    soundKey<SoundSlot::Incorrect>("IncorrectSound"),
    soundKey<SoundSlot::GameOver>("GameOverSound"),
    soundKey<SoundSlot::GameWon>("GameWonSound"),
    soundKey<SoundSlot::NewGame>("NewGameSound"),
    soundKey<SoundSlot::TimerStart>("TimerStartSound"),
    soundKey<SoundSlot::GoodWord>("GoodWordSound"),
    flagKey<&OptionsModel::helpHints, &OptionsModel::setHelpHints>("HelpHints"),
    flagKey<&OptionsModel::highContrast, &OptionsModel::setHighContrast>("HighContrast"),
    {"Language", OptionType::Text, 0, {}, nullptr, nullptr, [](const OptionsModel &m) { return m.language(); },
     [](OptionsModel &m, const QString &code) { m.setLanguage(code); }},
}};

} // namespace

std::span<const OptionKey> optionKeys()
{
    return Keys;
}
