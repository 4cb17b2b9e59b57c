// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

class SettingsFile;
struct OptionKey;

// The sound slots of the Options dialog, by the component names they are saved under.
enum class SoundSlot { Music, GoodDrop, Incorrect, GoodWord, Penalty, GameOver, GameWon, NewGame, TimerStart };
inline constexpr int SoundSlotCount = 9;
QString soundSlotName(SoundSlot slot);    // "music", "GoodDropSound", ...
QString soundSlotCaption(SoundSlot slot); // "Background Music", "Correct Match:", ...

// The fixed-cell radio buttons, by component name.
enum class FixedCell { First, Middle, Last, Random, NotFirst };
inline constexpr int FixedCellCount = 5;
QString fixedCellName(FixedCell choice); // "vfirst", "vmiddle", "vlast", "vRandom", "vNotFirst"

// The live options of the next round and of the sounds. The Options dialog
// edits it, the engine reads it; it is saved and restored under the dialog's
// component names. Every setter emits changed() when the value changes.
class OptionsModel : public QObject
{
    Q_OBJECT
public:
    explicit OptionsModel(QObject *parent = nullptr);

    // Dictionary list and choice. No entry selected gives an empty text.
    QStringList dictionaryNames() const { return m_dictionaryNames; }
    void setDictionaryNames(const QStringList &names); // clears the selection
    int dictionaryIndex() const { return m_dictionaryIndex; }
    void setDictionaryIndex(int index); // -1 = none; out of range = none
    QString dictionary() const;
    void selectDictionary(const QString &name); // exact name; unknown = none

    // Number of words, 4 to 45 (clamped).
    int wordCount() const { return m_wordCount; }
    void setWordCount(int count);

    // Split format: index -1 (none) to 35. Changing the index to 0 checks "Middle".
    int presetsIndex() const { return m_presetsIndex; }
    void setPresetsIndex(int index);
    QString presetsText() const; // empty when none is selected

    // Fixed-cell radio buttons: checking one unchecks the others; unchecking
    // one changes no other.
    bool fixedCell(FixedCell choice) const { return m_fixed[int(choice)]; }
    void setFixedCell(FixedCell choice, bool checked);

    bool showDefinitions() const { return m_def; } // check box Def
    void setShowDefinitions(bool on);
    bool proximity() const { return m_proximity; }
    void setProximity(bool on);
    bool vowels() const { return m_vowels; }
    void setVowels(bool on);
    bool helpHints() const { return m_helpHints; }
    void setHelpHints(bool on);
    // Letters drawn at 4.5:1 against their tiles, states shown by shape too.
    bool highContrast() const { return m_highContrast; }
    void setHighContrast(bool on);

    int handicap() const { return m_handicap; } // -3 (easier) to 3 (harder)
    void setHandicap(int position);

    // The choices of the sound page: "None" followed by the files of the
    // music folder, and of the sound folder (the sound list, in its order).
    QStringList musicChoices() const { return m_musicChoices; }
    void setMusicChoices(const QStringList &choices);
    QStringList soundChoices() const { return m_soundChoices; }
    void setSoundChoices(const QStringList &choices);

    QString soundText(SoundSlot slot) const { return m_sounds[int(slot)]; }
    void setSoundText(SoundSlot slot, const QString &text);

    int volumePosition() const { return m_volume; } // track bar tbSound, 1..15
    void setVolumePosition(int position);

    // The language chosen in the dialog ("en", "fr", ...; empty: the
    // desktop's). It takes effect at the next start.
    QString language() const { return m_language; }
    void setLanguage(const QString &code);

    // Whether a new round traces its parameters; flipped by double-clicking
    // "Dictionary:", never saved.
    bool showParameters() const { return m_showParameters; }
    void setShowParameters(bool on);

    // The saved components (the table of optionKeys()), in the order
    // they are restored and saved.
    static const QStringList &savedKeys();
    void restore(const SettingsFile &settings);
    // Writes every key it can in one write of the file; throws GameError when
    // the file cannot be written, or after the write when a value held a line
    // break (that key skipped).
    void save(SettingsFile &settings) const;

signals:
    void changed();
    void presetsChanged(int index);
    void soundTextChanged(SoundSlot slot);
    void volumeChanged(int position);
    void showParametersChanged(bool on);

private:
    QString savedText(const OptionKey &key) const;

    QStringList m_dictionaryNames;
    int m_dictionaryIndex = -1;
    int m_wordCount = 10;
    int m_presetsIndex = 4; // the form's value before a restore
    std::array<bool, FixedCellCount> m_fixed{};
    bool m_def = false;
    bool m_proximity = false;
    bool m_vowels = false;
    bool m_helpHints = false;
    bool m_highContrast = false;
    int m_handicap = 0;
    QStringList m_musicChoices;
    QStringList m_soundChoices;
    std::array<QString, SoundSlotCount> m_sounds;
    int m_volume = 8;
    QString m_language;
    bool m_showParameters = false;
};
