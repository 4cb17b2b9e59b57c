// SPDX-License-Identifier: GPL-3.0-or-later
// The one table of the main window's menus: each command's main-menu and pop-up items.
#include "ui/main_window/menu_table.h"

#include "round/round_engine.h"

#include <QCoreApplication>
#include <array>

namespace {

constexpr std::array<TopMenuRow, 4> TopMenus{{
    {TopMenu::File, "File1", QT_TRANSLATE_NOOP("MainMenus", "&File")},
    {TopMenu::Game, "Game2", QT_TRANSLATE_NOOP("MainMenus", "&Game")},
    {TopMenu::Options, "Options2", QT_TRANSLATE_NOOP("MainMenus", "&Options")},
    {TopMenu::Help, "Help2", QT_TRANSLATE_NOOP("MainMenus", "&Help")},
}};

#define CAPTION(text) QT_TRANSLATE_NOOP("MainMenus", text)

// A new command is one row here plus its handler in the main window.
const std::array Rows{
    MenuRow{MenuCommand::Statistics, TopMenu::File,
            {.name = "HonorRoll2", .caption = CAPTION("&Statistics")},
            {.name = "HonorRoll1", .caption = CAPTION("Honor Roll")}, 8},
    MenuRow{MenuCommand::Exit, TopMenu::File, {.name = "Exit1", .caption = CAPTION("E&xit")}, {}},

    MenuRow{MenuCommand::NewGame, TopMenu::Game,
            {.name = "Game1", .caption = CAPTION("&New Game"), .key = Qt::Key_F2,
             .enabledBy = &RoundCommands::newGame},
            {.name = "New1", .caption = CAPTION("New Game"), .key = Qt::Key_F2,
             .enabledBy = &RoundCommands::newGame}, 2},
    MenuRow{MenuCommand::Clue, TopMenu::Game,
            {.name = "mReveal", .caption = CAPTION("&Clue"), .key = Qt::Key_F11, .separatorAbove = "N4",
             .enabledBy = &RoundCommands::clue, .captionFrom = &RoundCommands::clueCaption},
            {.name = "Clue1", .caption = CAPTION("Clue"), .key = Qt::SHIFT | Qt::Key_F12,
             .enabledBy = &RoundCommands::popupClue}, 7},
    MenuRow{MenuCommand::Solve, TopMenu::Game,
            {.name = "mSolve", .caption = CAPTION("&Solve"), .key = Qt::Key_F12, .enabledBy = &RoundCommands::solve},
            {.name = "Solve1", .caption = CAPTION("Solve"), .key = Qt::Key_F12,
             .enabledBy = &RoundCommands::popupSolve}, 6},
    MenuRow{MenuCommand::RoundNumber, TopMenu::Game,
            {.name = "mRoundNumber", .caption = CAPTION("&Round Number..."), .separatorAbove = "NRound",
             .enabledBy = &RoundCommands::newGame},
            {}},
    MenuRow{MenuCommand::TodaysRound, TopMenu::Game,
            {.name = "mTodaysRound", .caption = CAPTION("Today's Round"), .enabledBy = &RoundCommands::newGame}, {}},
    // Enabled, and the pop-up's item captioned with the code, once a round has one.
    MenuRow{MenuCommand::CopyRoundCode, TopMenu::Game,
            {.name = "mCopyCode", .caption = CAPTION("Copy Round Code"), .key = Qt::CTRL | Qt::Key_C},
            {.name = "CopyCode1", .caption = CAPTION("Copy Round Code"), .key = Qt::CTRL | Qt::Key_C,
             .separatorAbove = "NCode"}, 11},

    MenuRow{MenuCommand::Settings, TopMenu::Options,
            {.name = "mSettings", .caption = CAPTION("&Settings"), .key = Qt::Key_F7,
             .enabledBy = &RoundCommands::settings},
            {.name = "Settings1", .caption = CAPTION("Settings"), .key = Qt::Key_F7, .separatorAbove = "N2",
             .enabledBy = &RoundCommands::settings}, 5},
    MenuRow{MenuCommand::Styles, TopMenu::Options,
            {.name = "Styles1", .caption = CAPTION("St&yles"), .key = Qt::Key_F8}, {}},
    MenuRow{MenuCommand::Banner, TopMenu::Options,
            {.name = "Banner", .caption = CAPTION("&Banner"), .separatorAbove = "N7"}, {}, 0, MenuTick::Ticked},
    MenuRow{MenuCommand::HoverHints, TopMenu::Options,
            {.name = "mHints", .caption = CAPTION("Hover &Hints")}, {}, 0, MenuTick::Ticked},
    MenuRow{MenuCommand::ColourCues, TopMenu::Options,
            {.name = "mCues", .caption = CAPTION("Colour-blind C&ues")}, {}, 0, MenuTick::Unticked},
    MenuRow{MenuCommand::SoundEffects, TopMenu::Options,
            {.name = "mSOund", .caption = CAPTION("Sound &Effects"), .separatorAbove = "N8"}, {}, 0,
            MenuTick::Unticked, MenuGroup::Sound},
    MenuRow{MenuCommand::Music, TopMenu::Options, {.name = "mMusic", .caption = CAPTION("&Music")}, {}, 0,
            MenuTick::Ticked, MenuGroup::Sound},

    MenuRow{MenuCommand::HowToPlay, TopMenu::Help,
            {.name = "Contents1", .caption = CAPTION("&How to Play"), .key = Qt::Key_F1},
            {.name = "Help1", .caption = CAPTION("Help"), .key = Qt::Key_F1}, 1},
    MenuRow{MenuCommand::EmailSupport, TopMenu::Help,
            {.name = "ByEmail1", .caption = CAPTION("E-mail Su&pport"), .separatorAbove = "N6"}, {}},
    MenuRow{MenuCommand::NewsAndGames, TopMenu::Help,
            {.name = "TryOtherGames1", .caption = CAPTION("&News and New Games")}, {}},
    MenuRow{MenuCommand::WebSite, TopMenu::Help, {.name = "WebSite2", .caption = CAPTION("&Web Site")},
            {.name = "MakerWebsite1", .caption = CAPTION("Maker Website"), .separatorAbove = "N1"}, 9},
    MenuRow{MenuCommand::About, TopMenu::Help, {.name = "About3", .caption = CAPTION("&About"), .separatorAbove = "N5"},
            {.name = "About1", .caption = CAPTION("About")}, 10},

    // The pop-up's own items: the game always plays words.
    MenuRow{MenuCommand::WordGame, TopMenu::Game, {},
            {.name = "WordGame1", .caption = CAPTION("Word Game"), .separatorAbove = "N3"}, 3, MenuTick::Ticked,
            MenuGroup::GameKind},
    MenuRow{MenuCommand::PhraseGame, TopMenu::Game, {}, {.name = "PhraseGame1", .caption = CAPTION("Phrase Game")},
            4, MenuTick::Unticked, MenuGroup::GameKind},
};

#undef CAPTION

} // namespace

namespace MenuTable {

std::span<const TopMenuRow> topMenus()
{
    return TopMenus;
}

std::span<const MenuRow> rows()
{
    return Rows;
}

const MenuRow &row(MenuCommand command)
{
    for (const MenuRow &row : Rows)
        if (row.command == command)
            return row;
    Q_UNREACHABLE();
}

} // namespace MenuTable
