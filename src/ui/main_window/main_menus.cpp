// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu and the board's pop-up, made from the menu table.
#include "ui/main_window/main_menus.h"

#include "round/round_engine.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <algorithm>
#include <vector>

namespace {
QString translated(const char *caption)
{
    return QCoreApplication::translate("MainMenus", caption);
}
} // namespace

MainMenus::MainMenus(QMenuBar *bar, QWidget *board, QObject *parent) : QObject(parent)
{
    buildMainMenu(bar);
    buildPopup(board);

    std::map<MenuGroup, QActionGroup *> groups;
    for (const MenuRow &row : MenuTable::rows()) {
        for (QAction *item : {mainItem(row.command), popupItem(row.command)}) {
            if (!item)
                continue;
            connect(item, &QAction::triggered, this, [this, command = row.command] { emit chosen(command); });
            if (row.tick == MenuTick::None)
                continue;
            item->setCheckable(true);
            if (row.group != MenuGroup::None) {
                QActionGroup *&group = groups[row.group];
                if (!group) {
                    group = new QActionGroup(this);
                    // Unticking the ticked sound item leaves both unticked.
                    if (row.group == MenuGroup::Sound)
                        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
                }
                group->addAction(item);
            }
            item->setChecked(row.tick == MenuTick::Ticked);
        }
    }
}

QAction *MainMenus::addItem(QMenu *menu, const MenuItem &item)
{
    if (item.separatorAbove)
        menu->addSeparator()->setObjectName(QLatin1String(item.separatorAbove));
    auto *action = new QAction(translated(item.caption), this);
    action->setObjectName(QLatin1String(item.name));
    if (item.key.key() != Qt::Key_unknown && item.key.toCombined() != 0)
        action->setShortcut(QKeySequence(item.key));
    menu->addAction(action);
    return action;
}

void MainMenus::buildMainMenu(QMenuBar *bar)
{
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // The menu bar keeps the desktop's colours; only the game's areas take the window's.
    QPalette desktop = QApplication::palette(bar);
    desktop.setResolveMask(~QPalette::ResolveMask(0));
    bar->setPalette(desktop);

    for (const TopMenuRow &top : MenuTable::topMenus()) {
        QMenu *menu = bar->addMenu(translated(top.caption));
        menu->setObjectName(QLatin1String(top.name));
        for (const MenuRow &row : MenuTable::rows())
            if (row.menu == top.menu && row.main.name)
                m_mainItems[row.command] = addItem(menu, row.main);
    }
    // F10 opens the first menu, as on the desktop's other programs; the arrows go on from there.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), bar->window());
    f10->setObjectName(QStringLiteral("menuKey"));
    connect(f10, &QShortcut::activated, bar, [bar] {
        if (!bar->actions().isEmpty())
            bar->setActiveAction(bar->actions().first());
    });
}

void MainMenus::buildPopup(QWidget *board)
{
    // The pop-up's keys are shown but never looked up: a menu that is not
    // open serves no shortcut, and the main menu and the hook serve the same keys.
    m_popup = new QMenu(board);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    std::vector<const MenuRow *> rows;
    for (const MenuRow &row : MenuTable::rows())
        if (row.popup.name)
            rows.push_back(&row);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const MenuRow *a, const MenuRow *b) { return a->popupPlace < b->popupPlace; });
    for (const MenuRow *row : rows)
        m_popupItems[row->command] = addItem(m_popup, row->popup);
    for (QAction *action : m_popup->actions())
        action->setShortcutContext(Qt::WidgetShortcut);

    connect(board, &QWidget::customContextMenuRequested, m_popup,
            [this, board](const QPoint &pos) { m_popup->popup(board->mapToGlobal(pos)); });
}

QAction *MainMenus::mainItem(MenuCommand command) const
{
    const auto found = m_mainItems.find(command);
    return found == m_mainItems.end() ? nullptr : found->second;
}

QAction *MainMenus::popupItem(MenuCommand command) const
{
    const auto found = m_popupItems.find(command);
    return found == m_popupItems.end() ? nullptr : found->second;
}

bool MainMenus::ticked(MenuCommand command) const
{
    const QAction *item = mainItem(command) ? mainItem(command) : popupItem(command);
    return item && item->isChecked();
}

void MainMenus::setTicked(MenuCommand command, bool ticked)
{
    if (QAction *item = mainItem(command) ? mainItem(command) : popupItem(command))
        item->setChecked(ticked);
}

void MainMenus::setOffered(MenuCommand command, bool offered)
{
    for (QAction *item : {mainItem(command), popupItem(command)})
        if (item)
            item->setVisible(offered);
}

void MainMenus::applyCommands(const RoundCommands &commands)
{
    for (const MenuRow &row : MenuTable::rows()) {
        for (const auto &[item, action] : {std::pair{&row.main, mainItem(row.command)},
                                           std::pair{&row.popup, popupItem(row.command)}}) {
            if (!action)
                continue;
            if (item->enabledBy)
                action->setEnabled(commands.*(item->enabledBy));
            if (item->captionFrom)
                action->setText(commands.*(item->captionFrom));
        }
    }
}
