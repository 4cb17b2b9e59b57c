// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window's menu commands do.
#include "ui/main_window/main_window.h"

#include "base/game_error.h"
#include "round/round_engine.h"
#include "settings/settings_file.h"
#include "sound/sound_layer.h"
#include "sound/sound_menu.h"
#include "ui/board/board_zoom.h"
#include "ui/board/colour_cues.h"
#include "ui/board/keyboard_play.h"
#include "ui/main_window/help_links.h"
#include "ui/main_window/main_menus.h"
#include "ui/main_window/round_number_dialog.h"
#include "ui/options/options_dialog.h"
#include "ui/statistics/score_window.h"
#include "ui/styles/style_dialog.h"
#include "ui/windows/about_window.h"

void TfrmMain::runCommand(MenuCommand command)
{
    switch (command) {
    case MenuCommand::Statistics: HonorRoll2Click(); break;
    case MenuCommand::Exit: Exit1Click(); break;
    case MenuCommand::NewGame: New1Click(); break;
    case MenuCommand::Clue: m_engine->Clue1Click(); break;
    case MenuCommand::Solve: m_engine->Solve1Click(); break;
    case MenuCommand::RoundNumber: RoundNumberClick(); break;
    case MenuCommand::TodaysRound: TodaysRoundClick(); break;
    case MenuCommand::CopyRoundCode: CopyRoundCodeClick(); break;
    case MenuCommand::Settings: Options1Click(); break;
    case MenuCommand::Styles: Styles1Click(); break;
    case MenuCommand::ZoomIn: zoomTo(BoardZoom::larger(m_zoom)); break;
    case MenuCommand::ZoomOut: zoomTo(BoardZoom::smaller(m_zoom)); break;
    case MenuCommand::ActualSize: zoomTo(BoardZoom::Natural); break;
    case MenuCommand::Banner: break;     // the Banner keeps its own item
    case MenuCommand::HoverHints: break; // the hint switch keeps its own item
    case MenuCommand::ColourCues: ColourCuesClick(); break;
    case MenuCommand::SoundEffects: mSOundClick(); break;
    case MenuCommand::Music: mMusicClick(); break;
    case MenuCommand::HowToPlay: Contents1Click(); break;
    case MenuCommand::EmailSupport: HelpLinks::ByEmail1Click(m_desktop, windowTitle()); break;
    case MenuCommand::NewsAndGames: HelpLinks::TryOtherGames1Click(m_desktop, this); break;
    case MenuCommand::WebSite: HelpLinks::WebSite2Click(m_desktop); break;
    case MenuCommand::About: About2Click(); break;
    case MenuCommand::WordGame:
    case MenuCommand::PhraseGame: WordGame1Click(); break;
    }
}

void TfrmMain::New1Click()
{
    m_engine->New1Click();
    m_keyboardPlay->roundDealt();
}

void TfrmMain::RoundNumberClick()
{
    if (!m_engine->commands().newGame)
        return;
    RoundNumberDialog dialog(m_engine->roundNumber(), this);
    const std::optional<RoundCode> code = roundCodeOf(*m_engine);
    dialog.setRound(code ? code->textWithName() : QString(), RoundOptions::fromModel(m_options));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const CodeDeal deal = dialog.deal();
    if (!deal.ok())
        return;
    m_engine->dealRound(deal.seed, deal.options);
    m_keyboardPlay->roundDealt();
}

void TfrmMain::ColourCuesClick()
{
    // The item has set its tick already.
    const bool ticked = m_menus->ticked(MenuCommand::ColourCues);
    ColourCues::setEnabled(ticked);
    try {
        m_settings.writeBool(OptionsSection, QStringLiteral("ColourBlindCues"), ticked);
    } catch (const GameError &error) {
        showError(error.message());
    }
}

// The sound layer keeps the ticks and their radio rule; the menu shows them.
void TfrmMain::mMusicClick()
{
    m_soundMenu->mMusicClick();
    showSoundTicks();
}

void TfrmMain::mSOundClick()
{
    m_soundMenu->mSOundClick();
    showSoundTicks();
}

void TfrmMain::showSoundTicks()
{
    m_menus->setTicked(MenuCommand::SoundEffects, m_soundMenu->soundEffectsTicked());
    m_menus->setTicked(MenuCommand::Music, m_soundMenu->musicTicked());
}

void TfrmMain::WordGame1Click()
{
    // The game always plays words.
    m_menus->setTicked(MenuCommand::WordGame, true);
}

void TfrmMain::Options1Click()
{
    if (!m_optionsDialog)
        return;
    if (m_optionsDialog->exec() == Tfo::NewCellsResult)
        New1Click();
}

void TfrmMain::HonorRoll2Click()
{
    if (m_scoreWindow)
        m_scoreWindow->exec();
}

void TfrmMain::Styles1Click()
{
    if (m_styleDialog)
        m_styleDialog->showStyles();
}

void TfrmMain::About2Click()
{
    if (m_aboutBox) {
        m_aboutBox->exec();
        return;
    }
    TfrmAbout about(this);
    about.exec();
}

void TfrmMain::Contents1Click()
{
    HelpLinks::Contents1Click(m_desktop);
}
