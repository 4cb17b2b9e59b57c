// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>
#include <QString>
#include <span>

struct RoundCommands;

// Every command the main window's menus offer. A command may have an item in
// the main menu, one in the board's pop-up menu, or both; both run the same handler.
enum class MenuCommand {
    Statistics,
    Exit,
    NewGame,
    Clue,
    Solve,
    RoundNumber,
    TodaysRound,
    CopyRoundCode,
    Settings,
    Styles,
    ZoomIn,
    ZoomOut,
    ActualSize,
    Banner,
    HoverHints,
    ColourCues,
    SoundEffects,
    Music,
    HowToPlay,
    EmailSupport,
    NewsAndGames,
    WebSite,
    About,
    WordGame,
    PhraseGame,
};

// The main menu's columns, left to right.
enum class TopMenu { File, Game, Options, Help };

struct TopMenuRow
{
    TopMenu menu;
    const char *name;    // object name
    const char *caption; // English; translated in the "MainMenus" context
};

// One item of one menu. A null name means the command has no item there.
struct MenuItem
{
    const char *name = nullptr;    // object name, kept for tests and accessibility
    const char *caption = nullptr; // English; translated in the "MainMenus" context
    QKeyCombination key = {};      // the key shown beside the caption
    const char *separatorAbove = nullptr; // object name of a separator drawn above the item
    // The round's command state that enables the item; null: always enabled.
    bool RoundCommands::*enabledBy = nullptr;
    // The round's caption that replaces the item's own; null: the caption stays.
    QString RoundCommands::*captionFrom = nullptr;
};

// Tick marks: none, or a checkable item and how it starts.
enum class MenuTick { None, Ticked, Unticked };
// Items that tick one another off. Sound: effects or music, or neither;
// GameKind: word or phrase game, always one.
enum class MenuGroup { None, Sound, GameKind };

// One row per command: its main-menu item and its pop-up item. The main menu
// takes the rows in table order within their column; the pop-up takes them
// by popupPlace.
struct MenuRow
{
    MenuCommand command;
    TopMenu menu;
    MenuItem main;
    MenuItem popup;
    int popupPlace = 0;
    MenuTick tick = MenuTick::None;
    MenuGroup group = MenuGroup::None;
};

namespace MenuTable {
std::span<const TopMenuRow> topMenus();
std::span<const MenuRow> rows();
const MenuRow &row(MenuCommand command);
} // namespace MenuTable
