// SPDX-License-Identifier: GPL-3.0-or-later
// The composition root: the windows and the round engine of one run, made and wired.
#include "app/game_program.h"

#include "base/random_source.h"
#include "base/game_error.h"
#include "round/round_engine.h"
#include "words/kbase.h"
#include "settings/installation.h"
#include "ui/desktop/game_language.h"
#include "settings/options_model.h"
#include "settings/player_folders.h"
#include "base/program_folder.h"
#include "settings/settings_file.h"
#include "sound/game_sound.h"
#include "sound/sound_menu.h"
#include "ui/windows/about_window.h"
#include "ui/background/background_dialog.h"
#include "ui/windows/debug_window.h"
#include "ui/desktop/application.h"
#include "ui/desktop/desktop.h"
#include "ui/board/hover_hints.h"
#include "ui/desktop/game_language.h"
#include "ui/main_window/main_window.h"
#include "ui/options/options_dialog.h"
#include "ui/statistics/score_window.h"
#include "ui/styles/style_dialog.h"
#include "ui/styles/tile_look_holder.h"

#include <QApplication>
#include <QTimer>

namespace {
// The installation's warnings, held until the main window exists and then
// shown in a box over it.
class HeldWarnings : public InstallationWarnings
{
public:
    void warnInstallation(const QString &text) override { m_texts << text; }
    void showOver(Desktop &desktop, QWidget *parent) const
    {
        for (const QString &text : m_texts)
            desktop.showMessage(parent, Desktop::BoxKind::Warning, QStringLiteral("Splitwick"), text);
    }

private:
    QStringList m_texts;
};
} // namespace

void initialiseProgram()
{
    RandomSource::seedFromClock();
    HoverHints::install();
    programFolder();
    // The application title; no display name, which the window system would
    // add to every other window's caption.
    QApplication::setApplicationName(QStringLiteral("Splitwick"));
}

GameProgram::GameProgram(Desktop &desktop, const AudioFactory &audio)
    : m_desktop(desktop), m_options(std::make_unique<OptionsModel>())
{
    // The device opens on its own thread while the windows are made.
    std::unique_ptr<AudioDevice> device = audio ? audio() : nullptr;
    // The options and the settings file come first: the main window's round engine is built on them.
    HeldWarnings warnings;
    // The language is the first thing read from the settings file: every
    // caption, from the installation's warnings on, is made in it.
    m_installation = std::make_unique<Installation>(*m_options, warnings, [](const SettingsFile &file) {
        installLanguage(chooseLanguage(savedLanguageChoice(file), QLocale::system()));
    });
    // A first start plays the words of the game's language, from the first deal on.
    if (m_options->dictionaryIndex() < 0)
        m_options->selectDictionary(languageDictionary(gameLanguage()));
    m_main = std::make_unique<TfrmMain>(desktop, *m_options, settings(),
                                        [this](const RoundWiring &wiring, RoundTimer &penaltyTimer) {
                                            auto engine = std::make_unique<RoundEngine>(wiring, *m_options, settings(),
                                                                                        penaltyTimer);
                                            engine->dictionary().setQuickDestroy(true);
                                            return engine;
                                        });
    m_about = new TfrmAbout(m_main.get());
    warnings.showOver(desktop, m_main.get());
    m_fo = new Tfo(*m_options, desktop, m_main.get());
    m_score = new TfrmScore(m_installation->settings(), m_main.get());
    // The Background dialog belongs to no window: it stays usable beside the
    // Styles dialog, which blocks the main window while it is open.
    m_bg = std::make_unique<TfrmBG>(desktop);
    m_debug = std::make_unique<TfrmDebug>();
    m_style = new TfrmStyle(m_main.get());

    m_main->setOptionsDialog(m_fo);
    m_main->setAboutBox(m_about);
    m_main->setScoreWindow(m_score);
    m_main->setDebugWindow(m_debug.get());
    m_bg->attach(m_main->boardBackground(), settings());
    m_style->attach(m_main->tileLook(), settings(), m_bg.get());
    m_main->setStyleDialog(m_style);
    setUpSound(std::move(device));
}

void GameProgram::setUpSound(std::unique_ptr<AudioDevice> device)
{
    auto sound = std::make_unique<GameSound>(std::move(device));
    // The player's own files first, as the choosers list them.
    sound->loadSounds([](const QString &name) { return PlayerFolders::dataFilePath(QStringLiteral("sound"), name); },
                      options().soundChoices());
    sound->setMusicFinder([](const QString &name) { return PlayerFolders::dataFilePath(QStringLiteral("music"), name); });
    GameSound *layer = sound.get();
    const auto reportFileError = [this](const GameError &error) {
        m_desktop.showMessage(m_main.get(), Desktop::BoxKind::Error, QStringLiteral("Splitwick"), error.message());
    };
    // The saved background music; a file that is gone is reported and there is no music.
    try {
        layer->loadMusic(options().soundText(SoundSlot::Music));
    } catch (const GameError &error) {
        reportFileError(error);
    }
    QObject::connect(m_fo, &Tfo::effectSlotEdited, m_main.get(),
                     [this](const QString &text) { m_main->soundMenu().previewEffect(text); });
    QObject::connect(m_fo, &Tfo::musicSlotEdited, m_main.get(), [this, reportFileError](const QString &text) {
        try {
            m_main->soundMenu().playChosenMusic(text);
        } catch (const GameError &error) {
            reportFileError(error);
        }
    });
    QObject::connect(&options(), &OptionsModel::volumeChanged, m_main.get(),
                     [this](int position) { m_main->soundMenu().setLevelFromSlider(position); });
    m_main->setSoundLayer(std::move(sound));
}

GameProgram::~GameProgram()
{
    GameApplication::setDisplayLostHandler({});
    // The Background dialog works on the main window's board: it goes first.
    m_bg.reset();
    // The engine and the Options dialog go before the options and the settings file they use.
    m_main.reset();
}

SettingsFile &GameProgram::settings()
{
    return m_installation->settings();
}

int GameProgram::run()
{
    QObject::connect(m_main.get(), &TfrmMain::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    GameApplication::setDisplayLostHandler([this] { m_main->displayLost(); });
    QTimer::singleShot(0, m_main.get(), [this] { m_main->show(); });
    return QApplication::exec();
}
