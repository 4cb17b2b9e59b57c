// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/main_window/menu_table.h"

#include <QObject>
#include <map>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The main window's main menu and the board's pop-up menu, both built from
// the menu table (menu_table.h). Choosing either item of a command emits
// chosen() with it; the round's command states enable and caption the items.
class MainMenus : public QObject
{
    Q_OBJECT
public:
    // bar: the window's menu bar; board: the panel whose right-click opens the pop-up.
    MainMenus(QMenuBar *bar, QWidget *board, QObject *parent = nullptr);

    QAction *mainItem(MenuCommand command) const;  // null when the main menu has no item for it
    QAction *popupItem(MenuCommand command) const; // null when the pop-up has no item for it
    QMenu *popup() const { return m_popup; }

    // The tick of a checkable command (its one item).
    bool ticked(MenuCommand command) const;
    void setTicked(MenuCommand command, bool ticked);

    // Shows or hides both items of a command (a way out that this build has no address for).
    void setOffered(MenuCommand command, bool offered);

    // Enables and captions the items from the round's command states.
    void applyCommands(const RoundCommands &commands);

signals:
    void chosen(MenuCommand command);

private:
    void buildMainMenu(QMenuBar *bar);
    void buildPopup(QWidget *board);
    QAction *addItem(QMenu *menu, const MenuItem &item);

    QMenu *m_popup = nullptr;
    std::map<MenuCommand, QAction *> m_mainItems;
    std::map<MenuCommand, QAction *> m_popupItems;
};
