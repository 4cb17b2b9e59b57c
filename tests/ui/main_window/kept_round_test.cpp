// SPDX-License-Identifier: GPL-3.0-or-later
// A round survives quitting: the board, the rating and the penalty clock
// come back at the next start, the clock held until the first key; a kill
// keeps the last drop; a file that cannot be read is set aside.

#include "round/kept_round_file.h"
#include "support/game_fixture.h"

#include <QTimer>

namespace {

void keepTheClockAway(GameFixture &game)
{
    game.writeQuietSettings();
    SettingsFile ini = game.ini();
    for (int level = 0; level <= 9; ++level)
        ini.writeInteger(QStringLiteral("Levels"), QStringLiteral("TIMER%1").arg(level), 600);
}

QTimer *penaltyClock(TfrmMain &window)
{
    return window.findChild<QTimer *>(QStringLiteral("Timer1"));
}

QString keptPath(GameFixture &game)
{
    return game.dir.filePath(QLatin1String(KeptRoundFile::FileName));
}

// Every slot as the engine holds it and as the board paints it.
void compareBoards(TfrmMain &window, const QList<tTile> &before)
{
    const Board &board = window.engine().board();
    QCOMPARE(int(board.TileCount()), int(before.size()));
    for (int slot = 1; slot <= before.size(); ++slot) {
        const tTile &was = before[slot - 1];
        const tTile &is = board.Tiles(slot);
        QCOMPARE(is.Panel.caption, was.Panel.caption);
        QCOMPARE(is.Panel.state, was.Panel.state);
        QCOMPARE(is.Panel.visible, was.Panel.visible);
        QCOMPARE(is.Panel.hint, was.Panel.hint);
        QCOMPARE(is.CorrectText, was.CorrectText);
        QCOMPARE(boardTile(window, slot)->isVisible(), was.Panel.visible);
        if (!was.Panel.visible)
            continue;
        QCOMPARE(boardTile(window, slot)->caption(), QString::fromLatin1(was.Panel.caption));
        QCOMPARE(boardTile(window, slot)->geometry(),
                 QRect(was.Panel.left, was.Panel.top, was.Panel.width, was.Panel.height));
    }
}

} // namespace

class KeptRoundTest : public QObject
{
    Q_OBJECT

private slots:
    void quitAndStartAgain_data();
    void quitAndStartAgain();
    void killAfterADrop();
    void unreadableFileIsSetAside_data();
    void unreadableFileIsSetAside();
};

void KeptRoundTest::quitAndStartAgain_data()
{
    QTest::addColumn<bool>("ticking"); // the clock's delay over: every tick costs
    QTest::addColumn<bool>("today");   // dealt with Today's Round's own options
    QTest::newRow("clock waiting") << false << false;
    QTest::newRow("clock ticking") << true << false;
    QTest::newRow("Today's Round") << true << true;
}

void KeptRoundTest::quitAndStartAgain()
{
    QFETCH(bool, ticking);
    QFETCH(bool, today);
    GameFixture game;
    keepTheClockAway(game);
    game.start();
    game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
    if (today) {
        RoundOptions options = game.engine().dealtOptions();
        options.wordCount = 6;
        options.day = QDate::currentDate();
        game.engine().dealRound(4242, options);
        QVERIFY(game.engine().countsForToday());
    }
    const auto [source, target] = game.rightMove();
    QVERIFY(source != 0);
    game.drag(source, target);
    const auto [a, b] = game.wrongMove();
    game.drag(a, b);
    if (ticking) {
        game.engine().Timer1Timer(); // the delay ends
        QCOMPARE(game.engine().round().timerPhase, TimerPhase::Ticking);
    }
    // Part of the period passes before the quit.
    QTimer *running = penaltyClock(game.main());
    QTRY_VERIFY(running->remainingTime() < running->interval() - 20);
    const KeptRound before = game.engine().keptRound();
    QVERIFY(before.round.Moves >= 2);
    QVERIFY(before.clockRemaining > 0 && before.clockRemaining < before.clockInterval);

    // File > Exit, and the game started again.
    game.main().close();
    game.program.reset();
    TfrmMain &window = game.start();
    RoundEngine &engine = window.engine();
    compareBoards(window, before.tiles);
    QCOMPARE(engine.rating(), before.rating);
    QCOMPARE(engine.round().Moves, before.round.Moves);
    QCOMPARE(engine.round().Parameters.CluesLeft, before.round.Parameters.CluesLeft);
    QCOMPARE(engine.round().Parameters.WordsLeft, before.round.Parameters.WordsLeft);
    QCOMPARE(engine.round().Parameters.Penalty, before.round.Parameters.Penalty);
    QCOMPARE(engine.round().timerPhase, before.round.timerPhase);
    QCOMPARE(engine.dealtOptions(), before.dealt);
    QCOMPARE(engine.roundNumber(), before.roundNumber);
    QCOMPARE(engine.countsForToday(), today);
    QVERIFY(engine.inPlay());
    QVERIFY(engine.commands().solve);

    // Held until the player is back: then the rest of the period, not a whole one.
    QTimer *clock = penaltyClock(window);
    QVERIFY(!clock->isActive());
    const int held = engine.heldClockRemaining();
    QVERIFY2(held <= before.clockRemaining && held > before.clockRemaining - 10000, qPrintable(QString::number(held)));
    QTest::keyClick(&window, Qt::Key_Space);
    QVERIFY(clock->isActive());
    QVERIFY2(clock->remainingTime() <= held, qPrintable(QStringLiteral("%1 > %2").arg(clock->remainingTime()).arg(held)));
    QCOMPARE(engine.heldClockRemaining(), -1);

    // Today's Round stays the day's counted one: dealing it again is practice.
    if (today) {
        game.engine().dealRound(4242, before.dealt);
        QVERIFY(!engine.countsForToday());
    }
    // A round that ends takes its file with it.
    QTRY_VERIFY(QFile::exists(keptPath(game)));
    engine.Solve1Click();
    QTRY_VERIFY(!QFile::exists(keptPath(game)));
}

void KeptRoundTest::killAfterADrop()
{
    GameFixture game;
    keepTheClockAway(game);
    game.start();
    game.deal(QStringLiteral("4 letters: 1-2-1"), 12, FixedCell::Last);
    const auto [source, target] = game.rightMove();
    game.drag(source, target);
    const KeptRound afterDrop = game.engine().keptRound();

    // Killed: nothing runs at the end.
    game.program.reset();
    TfrmMain &window = game.start();
    compareBoards(window, afterDrop.tiles);
    QCOMPARE(window.engine().round().Moves, afterDrop.round.Moves);
    QCOMPARE(window.engine().rating(), afterDrop.rating);
}

void KeptRoundTest::unreadableFileIsSetAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("damaged") << QByteArray("{\"format\": \"splitwick-round\", \"version\": 1, \"tiles\": [");
    QTest::newRow("foreign") << QByteArray("[Options]\r\nlnd=1\r\n");
    QTest::newRow("later version") << QByteArray("{\"format\": \"splitwick-round\", \"version\": 2}");
    QTest::newRow("values out of range")
        << QByteArray("{\"format\": \"splitwick-round\", \"version\": 1, \"words\": [], \"entries\": [],"
                      " \"tiles\": [{\"caption\": \"A\", \"state\": 9}]}");
}

void KeptRoundTest::unreadableFileIsSetAside()
{
    QFETCH(QByteArray, content);
    GameFixture game;
    keepTheClockAway(game);
    QFile file(keptPath(game));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    TfrmMain &window = game.start();
    QCOMPARE(game.boxes.size(), 1);
    QCOMPARE(game.boxes[0].kind, Desktop::BoxKind::Warning);
    QVERIFY(game.boxes[0].text.contains(QStringLiteral("set aside")));
    QVERIFY(!game.boxes[0].text.contains(QLatin1Char('\n')));
    QVERIFY(!QFile::exists(keptPath(game)));
    QVERIFY(QFile::exists(keptPath(game) + QStringLiteral(".broken")));
    QCOMPARE(int(window.engine().board().TileCount()), 0);

    // The game goes on as usual.
    game.deal(QStringLiteral("5 letters: 2-1-2"), 4, FixedCell::First);
    QCOMPARE(int(window.engine().board().TileCount()), 12);
    QTRY_VERIFY(QFile::exists(keptPath(game)));
}

int main(int argc, char *argv[])
{
    GameApplication app(argc, argv);
    initialiseProgram();
    KeptRoundTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "kept_round_test.moc"
