#include "settings/options_model.h"

#include "base/game_error.h"
#include "settings/settings_file.h"
#include "settings/split_formats.h"

#include <algorithm>

namespace {
const char *const Section = "Options";
}

QString soundSlotName(SoundSlot slot)
{
    static const char *const names[SoundSlotCount] = {
        "music", "GoodDropSound", "IncorrectSound", "GoodWordSound", "PenaltySound",
        "GameOverSound", "GameWonSound", "NewGameSound", "TimerStartSound"};
    return QString::fromLatin1(names[int(slot)]);
}

QString soundSlotCaption(SoundSlot slot)
{
    static const char *const captions[SoundSlotCount] = {
        "Background Music", "Correct Match:", "Incorrect:", "Word Complete:", "Time Penalty:",
        "Game Over:", "Game Won:", "New Game:", "Countdown Starts:"};
    return QString::fromLatin1(captions[int(slot)]);
}

QString fixedCellName(FixedCell choice)
{
    static const char *const names[FixedCellCount] = {"vfirst", "vmiddle", "vlast", "vRandom", "vNotFirst"};
    return QString::fromLatin1(names[int(choice)]);
}

OptionsModel::OptionsModel(QObject *parent) : QObject(parent) {}

void OptionsModel::setDictionaryNames(const QStringList &names)
{
    m_dictionaryNames = names;
    m_dictionaryIndex = -1;
    emit changed();
}

void OptionsModel::setDictionaryIndex(int index)
{
    if (index < 0 || index >= m_dictionaryNames.size())
        index = -1;
    if (index == m_dictionaryIndex)
        return;
    m_dictionaryIndex = index;
    emit changed();
}

QString OptionsModel::dictionary() const
{
    return m_dictionaryIndex < 0 ? QString() : m_dictionaryNames[m_dictionaryIndex];
}

void OptionsModel::selectDictionary(const QString &name)
{
    setDictionaryIndex(int(m_dictionaryNames.indexOf(name)));
}

void OptionsModel::setWordCount(int count)
{
    count = std::clamp(count, 4, 45);
    if (count == m_wordCount)
        return;
    m_wordCount = count;
    emit changed();
}

void OptionsModel::setPresetsIndex(int index)
{
    index = std::clamp(index, -1, SplitFormatCount - 1);
    if (index == m_presetsIndex)
        return;
    m_presetsIndex = index;
    if (index == 0)
        setFixedCell(FixedCell::Middle, true);
    emit presetsChanged(index);
    emit changed();
}

QString OptionsModel::presetsText() const
{
    return m_presetsIndex < 0 ? QString() : splitFormats()[m_presetsIndex];
}

void OptionsModel::setFixedCell(FixedCell choice, bool checked)
{
    if (checked) {
        m_fixed.fill(false);
        m_fixed[int(choice)] = true;
    } else {
        m_fixed[int(choice)] = false;
    }
    emit changed();
}

void OptionsModel::setShowDefinitions(bool on)
{
    if (on != m_def) {
        m_def = on;
        emit changed();
    }
}

void OptionsModel::setProximity(bool on)
{
    if (on != m_proximity) {
        m_proximity = on;
        emit changed();
    }
}

void OptionsModel::setVowels(bool on)
{
    if (on != m_vowels) {
        m_vowels = on;
        emit changed();
    }
}

void OptionsModel::setHelpHints(bool on)
{
    if (on != m_helpHints) {
        m_helpHints = on;
        emit changed();
    }
}

void OptionsModel::setShowParameters(bool on)
{
    if (on != m_showParameters) {
        m_showParameters = on;
        emit showParametersChanged(on);
        emit changed();
    }
}

void OptionsModel::setHandicap(int position)
{
    position = std::clamp(position, -3, 3);
    if (position != m_handicap) {
        m_handicap = position;
        emit changed();
    }
}

void OptionsModel::setMusicChoices(const QStringList &choices)
{
    if (choices != m_musicChoices) {
        m_musicChoices = choices;
        emit changed();
    }
}

void OptionsModel::setSoundChoices(const QStringList &choices)
{
    if (choices != m_soundChoices) {
        m_soundChoices = choices;
        emit changed();
    }
}

void OptionsModel::setSoundText(SoundSlot slot, const QString &text)
{
    if (m_sounds[int(slot)] == text)
        return;
    m_sounds[int(slot)] = text;
    emit soundTextChanged(slot);
    emit changed();
}

void OptionsModel::setVolumePosition(int position)
{
    position = std::clamp(position, 1, 15);
    if (position != m_volume) {
        m_volume = position;
        emit volumeChanged(position);
        emit changed();
    }
}

void OptionsModel::setSettingsPageEnabled(bool on)
{
    if (on != m_settingsPageEnabled) {
        m_settingsPageEnabled = on;
        emit settingsPageEnabledChanged(on);
    }
}

const QStringList &OptionsModel::savedKeys()
{
    static const QStringList keys = {
        "Presets", "Dictionary", "vmiddle", "vfirst", "vlast", "vRandom", "vNotFirst",
        "Proximity", "Def", "Vowels", "music", "GoodDropSound", "PenaltySound", "IncorrectSound",
        "GameOverSound", "GameWonSound", "NewGameSound", "TimerStartSound", "GoodWordSound", "HelpHints"};
    return keys;
}

namespace {
bool fixedChoiceByName(const QString &key, FixedCell &choice)
{
    for (int i = 0; i < FixedCellCount; ++i) {
        if (fixedCellName(FixedCell(i)) == key) {
            choice = FixedCell(i);
            return true;
        }
    }
    return false;
}

bool soundSlotByName(const QString &key, SoundSlot &slot)
{
    for (int i = 0; i < SoundSlotCount; ++i) {
        if (soundSlotName(SoundSlot(i)) == key) {
            slot = SoundSlot(i);
            return true;
        }
    }
    return false;
}
} // namespace

void OptionsModel::restore(const SettingsFile &settings)
{
    // Order matters: the split format comes first, so that index 0 checks
    // "Middle" before the saved fixed-cell buttons win.
    for (const QString &key : savedKeys()) {
        FixedCell choice;
        SoundSlot slot;
        if (key == "Presets") {
            setPresetsIndex(settings.readInteger(Section, key, 0));
        } else if (key == "Dictionary") {
            selectDictionary(settings.readString(Section, key, QString()));
        } else if (fixedChoiceByName(key, choice)) {
            setFixedCell(choice, settings.readBool(Section, key, false));
        } else if (key == "Proximity") {
            setProximity(settings.readBool(Section, key, false));
        } else if (key == "Def") {
            setShowDefinitions(settings.readBool(Section, key, false));
        } else if (key == "Vowels") {
            setVowels(settings.readBool(Section, key, false));
        } else if (key == "HelpHints") {
            setHelpHints(settings.readBool(Section, key, false));
        } else if (soundSlotByName(key, slot)) {
            setSoundText(slot, settings.readString(Section, key, QString()));
        }
    }
}

void OptionsModel::save(SettingsFile &settings) const
{
    // One value that cannot be stored must not cost the others: it is skipped
    // and named once at the end. A file that cannot be written stops the loop,
    // since every later key would wait for it in vain.
    QStringList skipped;
    const auto write = [&](const QString &key, const QString &value) {
        if (!SettingsFile::canStore(Section, key, value))
            skipped.append(key);
        else
            settings.writeString(Section, key, value);
    };
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    for (const QString &key : savedKeys()) {
        FixedCell choice;
        SoundSlot slot;
        if (key == "Presets")
            write(key, QString::number(m_presetsIndex));
        else if (key == "Dictionary")
            write(key, dictionary());
        else if (fixedChoiceByName(key, choice))
            write(key, flag(fixedCell(choice)));
        else if (key == "Proximity")
            write(key, flag(m_proximity));
        else if (key == "Def")
            write(key, flag(m_def));
        else if (key == "Vowels")
            write(key, flag(m_vowels));
        else if (key == "HelpHints")
            write(key, flag(m_helpHints));
        else if (soundSlotByName(key, slot))
            write(key, soundText(slot));
    }
    if (!skipped.isEmpty())
        throw GameError(QStringLiteral("Not saved, a line break in the value: %1").arg(skipped.join(QStringLiteral(", "))));
}
