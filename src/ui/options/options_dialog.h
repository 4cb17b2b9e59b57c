// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/options_model.h"

#include <QDialog>
#include <array>

class Desktop;
class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class WordCountBox;

// The Options dialog ("Splitwick Options"): created once at start-up, hidden
// between showings, a view over the live options. Every control edits the
// model at once and follows the model's changes; nothing is undone on close.
// It owns no files: the installation lists the folders and restores the
// options before the dialog exists. The controls themselves are only built
// when the dialog is first shown (or by ensureWidgets()): start-up does not
// pay for them.
//
// Shown modally by the main window: exec() returns QDialog::Accepted for "OK"
// (or the frame's close box, or Esc) and NewCellsResult for "New Cells", on
// which the main window starts a new round.
class Tfo : public QDialog
{
    Q_OBJECT
public:
    static constexpr int NewCellsResult = 2;

    // parent: the main window, on which the dialog is centred.
    Tfo(OptionsModel &options, Desktop &desktop, QWidget *parent = nullptr);
    ~Tfo() override;

    // Builds the controls and brings them in line with the options; showing
    // the dialog does this too. Does nothing the second time.
    void ensureWidgets();

    OptionsModel &options() { return m_options; }

    // "New Cells" and the settings page (closed while a round is in play)
    // follow the game's commands, built or not.
    void setNewCellsEnabled(bool enabled);
    void setSettingsPageEnabled(bool enabled);

    // The volume slider's loudness (15 the loudest) for the track bar's
    // position (1 the loudest), and back: the map is its own inverse.
    static constexpr int volumePositionOf(int other) { return 16 - other; }

    // The download page for sounds and music on the maker's web site; empty without one.
    static QString downloadPageAddress();
    // A sound chooser's text as shown, and as the options store it ("None").
    static QString shownChoice(const QString &stored);
    static QString storedChoice(const QString &shown);

signals:
    // The player changed a sound chooser: an effect chooser at every change
    // of its text, the music chooser when a name is picked or typed in full
    // (Enter, or leaving the field), so that typing does not read files.
    void effectSlotEdited(const QString &text);
    void musicSlotEdited(const QString &text);

public slots:
    void reject() override; // the close box and Esc close like "OK"
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildSettingsPage();
    QWidget *buildSoundPage();
    void connectModel();
    void connectSoundHandlers();
    void updateFromModel();
    void LabelDictionaryDblClick();
    void bMusicClick();

    Desktop &m_desktop;
    OptionsModel &m_options;
    bool m_newCellsEnabled = true;
    bool m_settingsPageEnabled = true;
    QString m_editedMusic; // the music chooser's text last handed on

    QTabWidget *m_pages = nullptr;
    QWidget *m_settingsPage = nullptr;
    QLabel *m_dictionaryLabel = nullptr;
    QComboBox *m_Dictionary = nullptr;
    WordCountBox *m_nWords = nullptr;
    std::array<QRadioButton *, FixedCellCount> m_fixed{};
    QCheckBox *m_Def = nullptr;
    QSlider *m_handicap = nullptr;
    QButtonGroup *m_Presets = nullptr;
    QCheckBox *m_Proximity = nullptr;
    QCheckBox *m_Vowels = nullptr;
    QCheckBox *m_HelpHints = nullptr;
    QCheckBox *m_HighContrast = nullptr;
    std::array<QComboBox *, SoundSlotCount> m_soundBoxes{};
    QSlider *m_tbSound = nullptr;
    QPushButton *m_bMusic = nullptr;
    QPushButton *m_OK = nullptr;
    QPushButton *m_NewCells = nullptr;
    QBoxLayout *m_bottom = nullptr; // below the pages: contrast, language, buttons
};
