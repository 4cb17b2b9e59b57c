// SPDX-License-Identifier: GPL-3.0-or-later
// The live options: their setters, and saving and restoring them by component name.
#include "settings/options_model.h"

#include "base/game_error.h"
#include "settings/option_keys.h"
#include "settings/settings_file.h"
#include "settings/split_formats.h"

#include <QCoreApplication>

#include <algorithm>

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
        QT_TRANSLATE_NOOP("OptionsModel", "Background Music"), QT_TRANSLATE_NOOP("OptionsModel", "Correct Match:"),
        QT_TRANSLATE_NOOP("OptionsModel", "Incorrect:"), QT_TRANSLATE_NOOP("OptionsModel", "Word Complete:"),
        QT_TRANSLATE_NOOP("OptionsModel", "Time Penalty:"), QT_TRANSLATE_NOOP("OptionsModel", "Game Over:"),
        QT_TRANSLATE_NOOP("OptionsModel", "Game Won:"), QT_TRANSLATE_NOOP("OptionsModel", "New Game:"),
        QT_TRANSLATE_NOOP("OptionsModel", "Countdown Starts:")};
    return QCoreApplication::translate("OptionsModel", captions[int(slot)]);
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
    count = std::clamp(count, WordCountRange.low, WordCountRange.high);
    if (count == m_wordCount)
        return;
    m_wordCount = count;
    emit changed();
}

void OptionsModel::setPresetsIndex(int index)
{
    index = std::clamp(index, PresetsRange.low, PresetsRange.high);
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

void OptionsModel::setHighContrast(bool on)
{
    if (on != m_highContrast) {
        m_highContrast = on;
        emit changed();
    }
}

void OptionsModel::setLanguage(const QString &code)
{
    if (code == m_language)
        return;
    m_language = code;
    emit changed();
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
    position = std::clamp(position, HandicapRange.low, HandicapRange.high);
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
    position = std::clamp(position, VolumeRange.low, VolumeRange.high);
    if (position != m_volume) {
        m_volume = position;
        emit volumeChanged(position);
        emit changed();
    }
}

const QStringList &OptionsModel::savedKeys()
{
    static const QStringList keys = [] {
        QStringList names;
        for (const OptionKey &key : optionKeys())
            names << QString::fromLatin1(key.name);
        return names;
    }();
    return keys;
}

void OptionsModel::restore(const SettingsFile &settings)
{
    for (const OptionKey &key : optionKeys()) {
        const QString name = QString::fromLatin1(key.name);
        switch (key.type) {
        case OptionType::Integer:
            key.setNumber(*this, std::clamp(settings.readInteger(OptionsSection, name, key.defaultValue), key.range.low,
                                            key.range.high));
            break;
        case OptionType::Flag:
            key.setNumber(*this, settings.readBool(OptionsSection, name, key.defaultValue != 0) ? 1 : 0);
            break;
        case OptionType::Text:
            key.setText(*this, settings.readString(OptionsSection, name, QString()));
            break;
        }
    }
}

QString OptionsModel::savedText(const OptionKey &key) const
{
    switch (key.type) {
    case OptionType::Integer:
        return QString::number(key.number(*this));
    case OptionType::Flag:
        return key.number(*this) ? QStringLiteral("1") : QStringLiteral("0");
    case OptionType::Text:
        break;
    }
    return key.text(*this);
}

void OptionsModel::save(SettingsFile &settings) const
{
    // One value that cannot be stored must not cost the others: it is skipped
    // and named once at the end. The rest is one write: one lock, one rename.
    QStringList skipped;
    QList<SettingsFile::Entry> entries;
    for (const OptionKey &key : optionKeys()) {
        const QString name = QString::fromLatin1(key.name);
        const QString value = savedText(key);
        if (!SettingsFile::canStore(OptionsSection, name, value))
            skipped.append(name);
        else
            entries.append({name, value});
    }
    settings.writeEntries(OptionsSection, entries);
    if (!skipped.isEmpty())
        throw GameError(QCoreApplication::translate("OptionsModel", "Not saved, a line break in the value: %1").arg(skipped.join(QStringLiteral(", "))));
}
