// SPDX-License-Identifier: GPL-3.0-or-later
// What the board shows between the moves: a pause by key or by one of the
// game's own windows holds the clock and hides the board; a first start
// shows the way in; a finished round shows its result. Each card is read
// out as a screen reader reads it.
#include "support/game_fixture.h"
#include "support/board_tiles.h"

#include "ui/board/board_card.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>

namespace {
const QString Format = QStringLiteral("5 letters: 2-1-2");

BoardCard *card(TfrmMain &window)
{
    return window.findChild<BoardCard *>(QStringLiteral("boardCard"));
}

QString spoken(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}
} // namespace

class RoundCardsTest : public QObject
{
    Q_OBJECT

private slots:
    void pauseHoldsTheClockAndHidesTheBoard();
    void ownWindowPausesWhileOpen();
    void firstStartAndResultCards();
};

void RoundCardsTest::pauseHoldsTheClockAndHidesTheBoard()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(Format, 4, FixedCell::First);
    QVERIFY(game.engine().inPlay());
    const int rating = game.engine().rating();

    QTest::keyClick(&window, Qt::Key_P);
    QVERIFY(game.engine().paused());
    QVERIFY(card(window)->isVisible() && card(window)->coversBoard());
    QCOMPARE(card(window)->geometry(), window.board()->rect());
    // Nothing of the board shows, and no tick costs anything.
    const QRect tile = boardTile(window, 2)->geometry();
    const QImage shot = window.board()->grab().toImage();
    QCOMPARE(shot.pixelColor(tile.topLeft() + QPoint(1, 1)), shot.pixelColor(tile.center() + QPoint(0, tile.height() / 3)));
    for (int tick = 0; tick < 3; ++tick)
        game.engine().Timer1Timer();
    QCOMPARE(game.engine().rating(), rating);
    QCOMPARE(spoken(card(window)).left(6), QStringLiteral("Paused"));

    // Any key goes on: the clock runs again and the board shows.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_X);
    QVERIFY(!game.engine().paused());
    QVERIFY(!card(window)->isVisible());
    QVERIFY(game.main().findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    QCOMPARE(game.engine().statusText(), QStringLiteral("Resumed"));
}

void RoundCardsTest::ownWindowPausesWhileOpen()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(Format, 4, FixedCell::First);
    for (const char *item : {"About3", "HonorRoll2"}) {
        bool pausedWhileOpen = false;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            pausedWhileOpen = game.engine().paused();
            QApplication::activeModalWidget()->close();
        });
        window.findChild<QAction *>(QLatin1String(item))->trigger();
        QVERIFY2(pausedWhileOpen, item);
        QVERIFY2(!game.engine().paused(), item);
    }
}

void RoundCardsTest::firstStartAndResultCards()
{
    GameFixture game; // no settings file: the first start
    TfrmMain &window = game.start();
    QTRY_VERIFY(card(window) && card(window)->isVisible());
    QCOMPARE(card(window)->foot(), QStringLiteral("F2 or a click: deal a round"));
    QVERIFY(spoken(card(window)).contains(QStringLiteral("F2 or a click: deal a round")));
    game.options().setDictionaryIndex(int(game.options().dictionaryNames().indexOf(QStringLiteral("beta"))));
    game.options().setPresetsIndex(int(splitFormats().indexOf(Format)));
    game.options().setWordCount(3);
    QTest::mouseClick(card(window), Qt::LeftButton);
    QVERIFY(game.engine().inPlay());
    QVERIFY(!card(window)->isVisible());

    int moves = 0;
    while (game.engine().inPlay()) {
        const auto [source, target] = game.rightMove();
        QVERIFY(source);
        game.drag(source, target);
        ++moves;
    }
    QTRY_VERIFY(card(window)->isVisible());
    QCOMPARE(card(window)->title(), QStringLiteral("Round won"));
    QVERIFY(card(window)->lines().contains(QStringLiteral("Moves: %1").arg(moves)));
    QVERIFY(card(window)->lines().contains(QStringLiteral("Rating: %1").arg(game.engine().rating())));
    QCOMPARE(card(window)->foot(), QStringLiteral("F2: new round"));
    // The next key goes to the board and sends the card away.
    QTest::keyClick(window.board(), Qt::Key_Right);
    QVERIFY(!card(window)->isVisible());
}

int main(int argc, char *argv[])
{
    GameApplication app(argc, argv);
    initialiseProgram();
    RoundCardsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "round_cards_test.moc"
