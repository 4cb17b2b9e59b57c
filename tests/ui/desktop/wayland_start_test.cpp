// SPDX-License-Identifier: GPL-3.0-or-later
// The game under a real Wayland compositor (run by under_weston.sh): it
// starts, asks its first-start question although the compositor need not
// activate a new window, carries its icon and launcher id, and deals a round on a key.
#include "app/game_program.h"
#include "base/program_folder.h"
#include "ui/desktop/application.h"
#include "ui/main_window/help_links.h"

#include "support/game_fixture.h"
#include "support/board_tiles.h"

#include <QGuiApplication>
#include <QTest>

class WaylandStartTest : public QObject
{
    Q_OBJECT
private slots:
    void startsAsksAndDeals();
};

void WaylandStartTest::startsAsksAndDeals()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    GameFixture game;
    game.program = std::make_unique<GameProgram>(game.desktop);
    TfrmMain &window = game.main();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.example.splitwick.Splitwick"));
    QVERIFY(!window.windowIcon().isNull());

    // The first start's question comes within a moment, activated or not.
    QTRY_VERIFY_WITH_TIMEOUT(!game.boxes.isEmpty(), 3000);
    QCOMPARE(game.boxes[0].text, HelpLinks::NewsQuestion);

    game.deal(QStringLiteral("5 letters: 2-1-2"), 12, FixedCell::Middle);
    QCOMPARE(game.engine().round().RoundWords.size(), 12);
    QVERIFY(boardTile(game.main(), 1)->isVisible());
}

int main(int argc, char *argv[])
{
    // The icon the game carries is read from its data: the shipped one.
    setProgramFolder(QStringLiteral(SPLITWICK_SOURCE_DIR "/data"));
    GameApplication app(argc, argv);
    initialiseProgram();
    WaylandStartTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "wayland_start_test.moc"
