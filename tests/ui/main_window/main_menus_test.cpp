// SPDX-License-Identifier: GPL-3.0-or-later
// The menu table drives the main menu and the pop-up alike: every item sits
// in its menu under the table's name, caption and key, choosing it names its
// command, and the round's command states enable and caption it.
#include "round/round_engine.h"
#include "ui/main_window/main_menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

class MainMenusTest : public QObject
{
    Q_OBJECT
private slots:
    void bothMenusFollowTheTable_data();
    void bothMenusFollowTheTable();
};

void MainMenusTest::bothMenusFollowTheTable_data()
{
    QTest::addColumn<MenuCommand>("command");
    for (const MenuRow &row : MenuTable::rows())
        QTest::newRow(row.main.name ? row.main.name : row.popup.name) << row.command;
}

void MainMenusTest::bothMenusFollowTheTable()
{
    QFETCH(MenuCommand, command);
    QMainWindow window;
    auto *board = new QWidget(&window);
    MainMenus menus(window.menuBar(), board);
    QSignalSpy chosen(&menus, &MainMenus::chosen);
    const MenuRow &row = MenuTable::row(command);
    const QString column = QLatin1String(MenuTable::topMenus()[size_t(row.menu)].name);

    const struct
    {
        const MenuItem &item;
        QAction *action;
        QMenu *menu;
    } sides[] = {{row.main, menus.mainItem(command), window.menuBar()->findChild<QMenu *>(column)},
                 {row.popup, menus.popupItem(command), menus.popup()}};
    for (const auto &side : sides) {
        QCOMPARE(side.action != nullptr, side.item.name != nullptr);
        if (!side.action)
            continue;
        QVERIFY(side.menu->actions().contains(side.action));
        QCOMPARE(side.action->objectName(), QLatin1String(side.item.name));
        QCOMPARE(side.action->text(), QLatin1String(side.item.caption));
        QCOMPARE(side.action->shortcut().isEmpty(), side.item.key.toCombined() == Qt::Key_unknown);
        QCOMPARE(side.action->isCheckable(), row.tick != MenuTick::None);

        side.action->trigger();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.takeFirst().at(0).value<MenuCommand>(), command);

        for (const bool on : {false, true}) {
            RoundCommands commands{on, on, QStringLiteral("Clue (4)"), on, on, on, on, on};
            menus.applyCommands(commands);
            QCOMPARE(side.action->isEnabled(), side.item.enabledBy ? on : true);
            QCOMPARE(side.action->text(), side.item.captionFrom ? QStringLiteral("Clue (4)")
                                                                : QLatin1String(side.item.caption));
        }
    }
}

QTEST_MAIN(MainMenusTest)
#include "main_menus_test.moc"
