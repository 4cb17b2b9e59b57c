#pragma once

#include "settings/options_model.h"

#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class SettingsFile;
class WordCountBox;

// The Options dialog ("Splitwick Options"): created once at start-up, hidden
// between showings, a view over the live options. Every control edits the
// model at once and follows the model's changes; nothing is undone on close.
//
// Creation lists the music and sound folders, opens the run's one settings
// file ("ZRV_XQ.INI", where PlayerFolders puts it), lists the dictionaries of "kbs" and
// restores the saved controls. Missing folders are reported in one warning box
// and creation goes on. The controls themselves are only built when the dialog
// is first shown (or by ensureWidgets()): start-up does not pay for them.
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
    explicit Tfo(QWidget *parent = nullptr);
    ~Tfo() override;

    // Builds the controls and brings them in line with the options; showing
    // the dialog does this too. Does nothing the second time.
    void ensureWidgets();

    OptionsModel &options() { return m_options; }
    SettingsFile &settings() { return *m_settings; }

    // Double-clicking "Dictionary:" beeps and flips the switch. The engine
    // owns it (its board's ShowParameters); without a flag set here the
    // dialog keeps its own.
    void setShowParametersFlag(bool *flag) { m_showParameters = flag ? flag : &m_ownShowParameters; }
    bool showParameters() const { return *m_showParameters; }

    // "New Cells" follows the game's commands, built or not.
    void setNewCellsEnabled(bool enabled);

    // Folders found missing at creation (full paths), in the order reported.
    QStringList missingFolders() const { return m_missingFolders; }

    // The default beep; tests count it instead.
    using Beep = std::function<void()>;
    static Beep setBeepHook(Beep hook); // returns the previous hook

    // The download page for sounds and music on the maker's web site.
    static QString downloadPageAddress();

signals:
    void showParametersChanged(bool on);

public slots:
    void reject() override; // the close box and Esc close like "OK"
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    QWidget *buildSettingsPage();
    QWidget *buildSoundPage();
    void connectModel();
    void updateFromModel();
    void LabelDictionaryDblClick();
    void bMusicClick();
    static void beep();

    OptionsModel m_options;
    std::unique_ptr<SettingsFile> m_settings;
    bool m_ownShowParameters = false;
    bool *m_showParameters = &m_ownShowParameters;
    bool m_newCellsEnabled = true;
    QStringList m_missingFolders;

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
    std::array<QComboBox *, SoundSlotCount> m_soundBoxes{};
    QSlider *m_tbSound = nullptr;
    QPushButton *m_bMusic = nullptr;
    QPushButton *m_OK = nullptr;
    QPushButton *m_NewCells = nullptr;
};
