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


// A new command is one row here plus its handler in the main window.
const std::array Rows{
    MenuRow{MenuCommand::Statistics, TopMenu::File,
            {.name = "HonorRoll2", .caption = QT_TRANSLATE_NOOP("MainMenus", "&Statistics")},
            {.name = "HonorRoll1", .caption = QT_TRANSLATE_NOOP("MainMenus", "Honor Roll")}, 8},
    MenuRow{MenuCommand::Exit, TopMenu::File, {.name = "Exit1", .caption = QT_TRANSLATE_NOOP("MainMenus", "E&xit")}, {}},

    MenuRow{MenuCommand::NewGame, TopMenu::Game,
            {.name = "Game1", .caption = QT_TRANSLATE_NOOP("MainMenus", "&New Game"), .key = Qt::Key_F2,
             .enabledBy = &RoundCommands::newGame},
            {.name = "New1", .caption = QT_TRANSLATE_NOOP("MainMenus", "New Game"), .key = Qt::Key_F2,
             .enabledBy = &RoundCommands::newGame}, 2},
    MenuRow{MenuCommand::Clue, TopMenu::Game,
            {.name = "mReveal", .caption = QT_TRANSLATE_NOOP("MainMenus", "&Clue"), .key = Qt::Key_F11, .separatorAbove = "N4",
             .enabledBy = &RoundCommands::clue, .captionFrom = &RoundCommands::clueCaption},
            {.name = "Clue1", .caption = QT_TRANSLATE_NOOP("MainMenus", "Clue"), .key = Qt::SHIFT | Qt::Key_F12,
             .enabledBy = &RoundCommands::popupClue}, 7},
    MenuRow{MenuCommand::Solve, TopMenu::Game,
            {.name = "mSolve", .caption = QT_TRANSLATE_NOOP("MainMenus", "&Solve"), .key = Qt::Key_F12, .enabledBy = &RoundCommands::solve},
            {.name = "Solve1", .caption = QT_TRANSLATE_NOOP("MainMenus", "Solve"), .key = Qt::Key_F12,
             .enabledBy = &RoundCommands::popupSolve}, 6},
    MenuRow{MenuCommand::RoundNumber, TopMenu::Game,
            {.name = "mRoundNumber", .caption = QT_TRANSLATE_NOOP("MainMenus", "&Round Number..."), .separatorAbove = "NRound",
             .enabledBy = &RoundCommands::newGame},
            {}},
    MenuRow{MenuCommand::TodaysRound, TopMenu::Game,
            {.name = "mTodaysRound", .caption = QT_TRANSLATE_NOOP("MainMenus", "Tod&ay's Round"), .enabledBy = &RoundCommands::newGame}, {}},
    // Enabled, and the pop-up's item captioned with the code, once a round has one.
    MenuRow{MenuCommand::CopyRoundCode, TopMenu::Game,
            {.name = "mCopyCode", .caption = QT_TRANSLATE_NOOP("MainMenus", "C&opy Round Code"), .key = Qt::CTRL | Qt::Key_C},
            {.name = "CopyCode1", .caption = QT_TRANSLATE_NOOP("MainMenus", "Copy Round Code"), .key = Qt::CTRL | Qt::Key_C,
             .separatorAbove = "NCode"}, 11},

    MenuRow{MenuCommand::Settings, TopMenu::Options,
            {.name = "mSettings", .caption = QT_TRANSLATE_NOOP("MainMenus", "&Settings"), .key = Qt::Key_F7,
             .enabledBy = &RoundCommands::settings},
            {.name = "Settings1", .caption = QT_TRANSLATE_NOOP("MainMenus", "Settings"), .key = Qt::Key_F7, .separatorAbove = "N2",
             .enabledBy = &RoundCommands::settings}, 5},
    MenuRow{MenuCommand::Styles, TopMenu::Options,
            {.name = "Styles1", .caption = QT_TRANSLATE_NOOP("MainMenus", "St&yles"), .key = Qt::Key_F8}, {}},
    MenuRow{MenuCommand::ZoomIn, TopMenu::Options,
            {.name = "mZoomIn", .caption = QT_TRANSLATE_NOOP("MainMenus", "Zoom &In"), .key = Qt::CTRL | Qt::Key_Plus,
             .separatorAbove = "NZoom"}, {}},
    MenuRow{MenuCommand::ZoomOut, TopMenu::Options,
            {.name = "mZoomOut", .caption = QT_TRANSLATE_NOOP("MainMenus", "Zoom &Out"), .key = Qt::CTRL | Qt::Key_Minus}, {}},
    MenuRow{MenuCommand::ActualSize, TopMenu::Options,
            {.name = "mActualSize", .caption = QT_TRANSLATE_NOOP("MainMenus", "&Actual Size"), .key = Qt::CTRL | Qt::Key_0}, {}},
    MenuRow{MenuCommand::Banner, TopMenu::Options,
            {.name = "Banner", .caption = QT_TRANSLATE_NOOP("MainMenus", "&Banner"), .separatorAbove = "N7"}, {}, 0, MenuTick::Ticked},
    MenuRow{MenuCommand::HoverHints, TopMenu::Options,
            {.name = "mHints", .caption = QT_TRANSLATE_NOOP("MainMenus", "Hover &Hints")}, {}, 0, MenuTick::Ticked},
    MenuRow{MenuCommand::ColourCues, TopMenu::Options,
            {.name = "mCues", .caption = QT_TRANSLATE_NOOP("MainMenus", "Colour-blind C&ues")}, {}, 0, MenuTick::Unticked},
    MenuRow{MenuCommand::SoundEffects, TopMenu::Options,
            {.name = "mSOund", .caption = QT_TRANSLATE_NOOP("MainMenus", "Sound &Effects"), .separatorAbove = "N8"}, {}, 0,
            MenuTick::Unticked, MenuGroup::Sound},
    MenuRow{MenuCommand::Music, TopMenu::Options, {.name = "mMusic", .caption = QT_TRANSLATE_NOOP("MainMenus", "&Music")}, {}, 0,
            MenuTick::Ticked, MenuGroup::Sound},

    MenuRow{MenuCommand::HowToPlay, TopMenu::Help,
            {.name = "Contents1", .caption = QT_TRANSLATE_NOOP("MainMenus", "&How to Play"), .key = Qt::Key_F1},
            {.name = "Help1", .caption = QT_TRANSLATE_NOOP("MainMenus", "Help"), .key = Qt::Key_F1}, 1},
    MenuRow{MenuCommand::EmailSupport, TopMenu::Help,
            {.name = "ByEmail1", .caption = QT_TRANSLATE_NOOP("MainMenus", "E-mail Su&pport"), .separatorAbove = "N6"}, {}},
    MenuRow{MenuCommand::NewsAndGames, TopMenu::Help,
            {.name = "TryOtherGames1", .caption = QT_TRANSLATE_NOOP("MainMenus", "&News and New Games")}, {}},
    MenuRow{MenuCommand::WebSite, TopMenu::Help, {.name = "WebSite2", .caption = QT_TRANSLATE_NOOP("MainMenus", "&Web Site")},
            {.name = "MakerWebsite1", .caption = QT_TRANSLATE_NOOP("MainMenus", "Maker Website"), .separatorAbove = "N1"}, 9},
    MenuRow{MenuCommand::About, TopMenu::Help, {.name = "About3", .caption = QT_TRANSLATE_NOOP("MainMenus", "&About"), .separatorAbove = "N5"},
            {.name = "About1", .caption = QT_TRANSLATE_NOOP("MainMenus", "About")}, 10},

    // The pop-up's own items: the game always plays words.
    MenuRow{MenuCommand::WordGame, TopMenu::Game, {},
            {.name = "WordGame1", .caption = QT_TRANSLATE_NOOP("MainMenus", "Word Game"), .separatorAbove = "N3"}, 3, MenuTick::Ticked,
            MenuGroup::GameKind},
    MenuRow{MenuCommand::PhraseGame, TopMenu::Game, {}, {.name = "PhraseGame1", .caption = QT_TRANSLATE_NOOP("MainMenus", "Phrase Game")},
            4, MenuTick::Unticked, MenuGroup::GameKind},
};


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
