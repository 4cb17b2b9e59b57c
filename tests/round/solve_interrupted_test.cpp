// SPDX-License-Identifier: GPL-3.0-or-later
// A New Game that arrives while Solve reveals the words takes the board: the
// rest of Solve must not end the new round's count of words, rating or options.

#include "round/round_engine.h"
#include "support/round_rig.h"

#include <QTest>

class SolveInterruptedTest : public QObject
{
    Q_OBJECT

private slots:
    void newGameDuringTheReveal_data()
    {
        QTest::addColumn<int>("after"); // pending-event pauses of the reveal before the New Game
        QTest::newRow("first row") << 1;
        QTest::newRow("middle") << 6;
        QTest::newRow("last cell") << 12;
    }
    void newGameDuringTheReveal()
    {
        QFETCH(int, after);
        const QString format = QStringLiteral("5 letters: 2-1-2");
        RoundRig rig;
        rig.setFormat(format);
        rig.setFixedNone();
        rig.setDistinctWords(4, format);
        rig.options.setWordCount(4);
        rig.engine->New1Click();
        QVERIFY(rig.engine->inPlay());

        int pauses = 0;
        bool dealt = false;
        rig.host.onProcessEvents = [&] {
            if (!dealt && ++pauses == after) {
                dealt = true;
                rig.engine->New1Click();
            }
        };
        rig.engine->Solve1Click();
        QVERIFY(dealt);
        const Board &b = rig.board();
        QVERIFY(rig.engine->inPlay());
        QCOMPARE(rig.round().Parameters.WordsLeft, 4);
        QCOMPARE(rig.engine->rating(), rig.round().Parameters.Start);
        QVERIFY(!rig.engine->commands().settingsPage);
        for (int slot = 1; slot <= b.TileCount(); ++slot)
            QVERIFY(b.Tiles(slot).Panel.state != TileState::Solved);
    }
};

QTEST_APPLESS_MAIN(SolveInterruptedTest)
#include "solve_interrupted_test.moc"
