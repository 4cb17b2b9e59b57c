// SPDX-License-Identifier: GPL-3.0-or-later
// A drop exchanges two texts and scores it, and the rating moves by the
// level's numbers through its bands and the penalty clock.
#include "base/random_source.h"
#include "support/round_rig.h"

#include <QtTest>

namespace {
const QString Format = QStringLiteral("6 letters: 2-2-2");

// Cell texts named by row letter and cell number ("B2": row 1's second cell,
// whatever word was drawn for it), as they were at setup.
QList<QByteArray> g_setupTexts;
int g_cells = 3;

void noteSetup(RoundRig &rig)
{
    g_cells = rig.tile(1).CellsInRow;
    g_setupTexts.clear();
    for (int slot = 1; slot <= rig.board().TileCount(); ++slot)
        g_setupTexts << rig.tile(slot).CorrectText;
}

QList<QByteArray> texts(RoundRig &, const char *spaced)
{
    QList<QByteArray> result;
    for (const QByteArray &t : QByteArray(spaced).split(' '))
        result << g_setupTexts[(t[0] - 'A') * g_cells + (t[1] - '1')];
    return result;
}

// "A1A2" names the joined text of A1 and A2; "?" and "??" stand for themselves.
QByteArray named(RoundRig &rig, const QByteArray &token)
{
    if (token.startsWith('?'))
        return token;
    QByteArray result;
    for (qsizetype i = 0; i + 1 < token.size(); i += 2)
        result += texts(rig, token.mid(i, 2).constData()).first();
    return result;
}
// Four rows A..D of cells "A1" "A2" "A3"..., nothing fixed, rating 30.
void startRound(RoundRig &rig, int words = 4)
{
    rig.setFormat(Format);
    rig.setFixedNone();
    rig.setDistinctWords(words, Format);
    rig.options.setWordCount(words);
    rig.engine->New1Click();
    noteSetup(rig);
    rig.host.clearLog();
    rig.host.sounds.clear();
}

} // namespace

class MovesTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { RandomSource::setSeed(777); }

    void drops_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("rating");
        QTest::addColumn<QStringList>("sounds");
        QTest::addColumn<QString>("after"); // captions of slots 1..6 after the drop ("?" = hidden)
        QTest::addColumn<int>("moves");
        const QString good = "GoodDropSound", bad = "IncorrectSound";
        QTest::newRow("pair in one row joins")
            << "A2 A1 C1 B2 B3 B1 A3 C3 C2 D2 D3 D1" << 1 << 2 << 32 << QStringList{good} << "A1A2 C1 ? B2 B3 B1" << 1;
        QTest::newRow("pair across rows")
            << "B1 A3 A2 A1 B3 B2 C2 C3 C1 D2 D3 D1" << 1 << 4 << 32 << QStringList{good, good} << "A1 A3 A2 B1 B3 B2"
            << 1;
        QTest::newRow("target only") << "A2 A3 A1 B2 B3 B1 C2 C3 C1 D2 D3 D1" << 1 << 3 << 31 << QStringList{good}
                                     << "A1 A3 A2 B2 B3 B1" << 1;
        QTest::newRow("source only") << "A2 A3 A1 B2 B3 B1 C2 C3 C1 D2 D3 D1" << 3 << 1 << 31 << QStringList{good}
                                     << "A1 A3 A2 B2 B3 B1" << 1;
        QTest::newRow("neither") << "A2 A3 A1 B2 B3 B1 C2 C3 C1 D2 D3 D1" << 7 << 10 << 25 << QStringList{bad}
                                 << "A2 A3 A1 B2 B3 B1" << 1;
        QTest::newRow("onto itself") << "A2 A3 A1 B2 B3 B1 C2 C3 C1 D2 D3 D1" << 2 << 2 << 30 << QStringList{}
                                     << "A2 A3 A1 B2 B3 B1" << 0;
    }
    void drops()
    {
        QFETCH(QString, board);
        QFETCH(int, target);
        QFETCH(int, source);
        QFETCH(int, rating);
        QFETCH(QStringList, sounds);
        QFETCH(QString, after);
        QFETCH(int, moves);
        RoundRig rig;
        startRound(rig);
        QVERIFY(rig.arrange(texts(rig, board.toLatin1().constData())));
        QCOMPARE(rig.engine->bgDragOver(target, source), true);
        const int pauses = rig.host.processEventsCalls;
        rig.engine->bgDragDrop(target, source);
        // One pause before the exchange and one after each row's re-lay, all through the host.
        QCOMPARE(rig.host.processEventsCalls - pauses, moves ? 3 : 0);
        QCOMPARE(rig.engine->rating(), rating);
        QCOMPARE(rig.host.sounds, sounds);
        QCOMPARE(int(rig.round().Moves), moves);
        QList<QByteArray> shown, expected;
        for (const QByteArray &token : after.toLatin1().split(' '))
            expected << named(rig, token);
        for (int slot = 1; slot <= 6; ++slot) {
            const TilePanel &p = rig.tile(slot).Panel;
            shown << (p.visible ? p.caption : QByteArray("?"));
            QCOMPARE(p.state == TileState::Placed, p.visible && p.caption == rig.tile(slot).CorrectText);
        }
        QCOMPARE(shown, expected);
        QVERIFY(rig.host.boardEnabled);
        QCOMPARE(rig.host.logged("board:"), moves ? (QStringList{"off", "on"}) : QStringList());
        // Every row still spans 222 pixels.
        for (int r = 0; r < 4; ++r) {
            const QList<int> row = rig.rowSlots(r);
            const TilePanel &first = rig.tile(row.first()).Panel;
            const TilePanel &last = rig.tile(row.last()).Panel;
            QCOMPARE(last.left + last.width - first.left, 222);
        }
    }

    void joinCompletesARowInOneDrop()
    {
        RoundRig rig;
        rig.setLevel("WORD3", 4);
        startRound(rig);
        // A1 and A3 placed, A2 arrives from slot 4.
        QVERIFY(rig.arrange(texts(rig, "A1 B2 A3 A2 B3 B1 C2 C3 C1 D2 D3 D1")));
        rig.board().setState(1, TileState::Placed);
        rig.board().setState(3, TileState::Placed);
        rig.engine->bgDragDrop(2, 4);
        QCOMPARE(rig.engine->rating(), 30 + 1 + (3 + 4 - 1));
        QCOMPARE(rig.host.sounds, (QStringList{"GoodDropSound", "", "GoodWordSound"}));
        QVERIFY(rig.rowComplete(0));
        const tTile &t = rig.tile(1);
        QCOMPARE(t.Panel.caption, named(rig, "A1A2A3"));
        QCOMPARE(t.Panel.width, 222);
        for (int slot : {2, 3}) {
            QCOMPARE(rig.tile(slot).RowIndex, RetiredRow);
            QCOMPARE(rig.tile(slot).RowWord, QByteArray("?"));
            QCOMPARE(rig.tile(slot).Panel.caption, QByteArray("??"));
            QCOMPARE(rig.tile(slot).Panel.state, TileState::Retired);
            QVERIFY(!rig.tile(slot).Panel.visible);
        }
        QCOMPARE(rig.round().Parameters.WordsLeft, 3);
        QCOMPARE(rig.engine->bgDragOver(1, 4), false);
        QCOMPARE(rig.engine->bgDragOver(4, 1), false);
    }

    void joinKeepsTheRestOfTheRow()
    {
        // Five cells: A1 A2 join, A3 wrong, A4 A5 in place but apart from the pair.
        RoundRig rig;
        const QString five = "10 letters: 2-2-2-2-2";
        rig.setFormat(five);
        rig.setFixedNone();
        rig.setDistinctWords(4, five);
        rig.options.setWordCount(4);
        rig.engine->New1Click();
        noteSetup(rig);
        QVERIFY(rig.arrange(texts(rig, "A2 A1 B1 A4 A5 A3 B2 B3 B4 B5 C1 C2 C3 C4 C5 D1 D2 D3 D4 D5")));
        // Nothing else may be in place, or the scan would join it too.
        QVERIFY(rig.arrange(texts(rig, "A2 A1 B1 A4 A5 A3 B5 B2 B3 B4 C2 C3 C4 C5 C1 D2 D3 D4 D5 D1")));
        rig.engine->bgDragDrop(1, 2);
        QList<QByteArray> shown;
        for (int slot : rig.rowSlots(0))
            shown << rig.tile(slot).Panel.caption;
        // A1A2, then B1; A4 and A5 are in place and join as well.
        QCOMPARE(shown, (QList<QByteArray>{named(rig, "A1A2"), named(rig, "B1"), named(rig, "A4A5")}));
        QCOMPARE(rig.tile(3).Panel.state, TileState::Placed);
        QCOMPARE(rig.tile(3).CorrectText, named(rig, "A4A5"));
        QCOMPARE(rig.tile(2).CorrectText, named(rig, "A3"));
        QCOMPARE(rig.tile(2).Panel.state, TileState::Movable);
        QVERIFY(!rig.tile(4).Panel.visible && !rig.tile(5).Panel.visible);
        // Bringing A3 completes the row through two more joins.
        rig.engine->bgDragDrop(2, rig.movableShowing(named(rig, "A3")));
        QVERIFY(rig.rowComplete(0));
        QCOMPARE(rig.tile(1).Panel.caption, named(rig, "A1A2A3A4A5"));
    }

    void ratingArithmeticAndBands_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("amount");
        QTest::addColumn<int>("rating");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("band");
        QTest::newRow("98 + 5 caps at 100") << 98 << 5 << 100 << "100" << int(RatingBand::From86);
        QTest::newRow("86") << 80 << 6 << 86 << "86" << int(RatingBand::From86);
        QTest::newRow("85") << 80 << 5 << 85 << "85" << int(RatingBand::From71);
        QTest::newRow("71") << 80 << -9 << 71 << "71" << int(RatingBand::From71);
        QTest::newRow("70") << 80 << -10 << 70 << "70" << int(RatingBand::From56);
        QTest::newRow("56") << 50 << 6 << 56 << "56" << int(RatingBand::From56);
        QTest::newRow("55") << 50 << 5 << 55 << "55" << int(RatingBand::From41);
        QTest::newRow("41") << 50 << -9 << 41 << "41" << int(RatingBand::From41);
        QTest::newRow("40") << 50 << -10 << 40 << "40" << int(RatingBand::From26);
        QTest::newRow("26") << 30 << -4 << 26 << "26" << int(RatingBand::From26);
        QTest::newRow("25") << 30 << -5 << 25 << "25" << int(RatingBand::Below26);
        QTest::newRow("1") << 30 << -29 << 1 << "1" << int(RatingBand::Below26);
        QTest::newRow("exactly 0 loses") << 30 << -30 << 0 << "0" << int(RatingBand::Below26);
        QTest::newRow("below 0 loses, shows 0") << 3 << -5 << -2 << "0" << int(RatingBand::Below26);
        QTest::newRow("amount 0 sets 0") << 60 << 0 << 0 << "0" << int(RatingBand::Below26);
    }
    void ratingArithmeticAndBands()
    {
        QFETCH(int, start);
        QFETCH(int, amount);
        QFETCH(int, rating);
        QFETCH(QString, caption);
        QFETCH(int, band);
        RoundRig rig;
        startRound(rig);
        if (start != 30)
            rig.engine->ChangeRating(start - 30);
        const int starts = rig.timer1.starts;
        rig.engine->ChangeRating(amount);
        QCOMPARE(rig.engine->rating(), rating);
        QCOMPARE(rig.host.ratingCaption, caption);
        QCOMPARE(rig.host.ratingBand, RatingBand(band));
        QCOMPARE(rig.engine->ratingBand(), RatingBand(band));
        const bool lost = rating <= 0;
        QCOMPARE(rig.engine->inPlay(), !lost);
        QCOMPARE(rig.timer1.isActive(), !lost);
        QCOMPARE(rig.timer1.starts, lost ? starts : starts + 1); // the period starts afresh
        QCOMPARE(rig.host.statusText, lost ? QStringLiteral("Sorry, please try again.") : rig.host.statusText);
        if (rating == 100) {
            rig.engine->ChangeRating(-3);
            QCOMPARE(rig.engine->rating(), 97);
        }
    }

    void lostRoundShowsTheSolution()
    {
        RoundRig rig;
        startRound(rig);
        rig.engine->ChangeRating(-29);
        QVERIFY(rig.timer1.fire()); // countdown
        QCOMPARE(rig.engine->rating(), 1);
        QVERIFY(rig.timer1.fire()); // penalty
        QCOMPARE(rig.host.statusText, QStringLiteral("Sorry, please try again."));
        QCOMPARE(rig.host.outcome, RoundOutcome::Lost);
        QVERIFY(!rig.timer1.isActive());
        QVERIFY(!rig.host.bannerRunning);
        QCOMPARE(rig.host.ratingCaption, QStringLiteral("0"));
        const RoundCommands &c = rig.engine->commands();
        QVERIFY(!c.solve && !c.clue && !c.popupSolve && !c.popupClue && c.newGame);
        QVERIFY(rig.engine->commands().settingsPage);
        QCOMPARE(rig.round().Parameters.WordsLeft, 4);
        for (int slot = 1; slot <= 12; ++slot) {
            const tTile &t = rig.tile(slot);
            QCOMPARE(t.Panel.visible, t.FirstInRow);
            QCOMPARE(t.Panel.caption, t.RowWord);
            QCOMPARE(t.Panel.state, TileState::Solved);
            QCOMPARE(t.Panel.width, 222);
        }
        QCOMPARE(rig.host.sounds, (QStringList{"TimerStartSound", "GameOverSound"}));
        QVERIFY(!rig.engine->bgDragOver(2, 3));
        QVERIFY(!rig.timer1.fire());
    }

    void penaltyTimerPhases()
    {
        RoundRig rig;
        rig.setLevel("TIMER3", 7);
        rig.setLevel("DELAY3", 3);
        rig.setLevel("PENALTY3", -2);
        startRound(rig);
        QCOMPARE(rig.timer1.interval(), 3000);
        QCOMPARE(rig.round().timerPhase, TimerPhase::Waiting);
        QVERIFY(rig.timer1.fire());
        QCOMPARE(rig.round().timerPhase, TimerPhase::Ticking);
        QCOMPARE(rig.timer1.interval(), 7000);
        QCOMPARE(rig.engine->rating(), 30);
        QCOMPARE(rig.host.sounds, QStringList{"TimerStartSound"});
        QVERIFY(rig.timer1.fire());
        QVERIFY(rig.timer1.fire());
        QCOMPARE(rig.engine->rating(), 26);
        QCOMPARE(rig.host.sounds, (QStringList{"TimerStartSound", "PenaltySound", "PenaltySound"}));
        // A drop that changes the rating starts the period again.
        const int starts = rig.timer1.starts;
        QVERIFY(rig.arrange(texts(rig, "A2 A3 A1 B2 B3 B1 C2 C3 C1 D2 D3 D1")));
        rig.engine->bgDragDrop(7, 10);
        QCOMPARE(rig.timer1.starts, starts + 1);
        QVERIFY(rig.timer1.isActive());
        QCOMPARE(rig.timer1.interval(), 7000);
    }

    // Paused, the clock stands still and nothing moves; it goes on with the time it had left.
    void pauseHoldsTheClock()
    {
        RoundRig rig;
        rig.setLevel("TIMER3", 7);
        rig.setLevel("PENALTY3", -2);
        startRound(rig);
        QVERIFY(rig.timer1.fire()); // the countdown ends: penalties from now on
        rig.timer1.remaining = 2500;
        rig.engine->pause();
        QVERIFY(rig.engine->paused());
        QVERIFY(!rig.timer1.isActive());
        QVERIFY(rig.host.log.contains(QStringLiteral("sound:paused")));
        QCOMPARE(rig.engine->statusText(), QStringLiteral("Paused"));
        for (int tick = 0; tick < 3; ++tick)
            QVERIFY(!rig.timer1.fire());
        QCOMPARE(rig.engine->rating(), 30);
        QVERIFY(!rig.engine->bgDragOver(2, 3));
        const int clues = rig.round().Parameters.CluesLeft;
        rig.engine->Clue1Click();
        rig.engine->Solve1Click();
        QCOMPARE(rig.round().Parameters.CluesLeft, clues);
        QVERIFY(rig.engine->inPlay());

        rig.engine->resume();
        QVERIFY(!rig.engine->paused());
        QCOMPARE(rig.timer1.resumedAfter, 2500);
        QCOMPARE(rig.engine->statusText(), QStringLiteral("Resumed"));
        QVERIFY(rig.engine->bgDragOver(2, 3));
        QVERIFY(rig.timer1.fire());
        QCOMPARE(rig.engine->rating(), 28);
        // A new round ends a pause.
        rig.engine->pause();
        rig.engine->New1Click();
        QVERIFY(!rig.engine->paused());
        QVERIFY(rig.timer1.isActive());
    }

    void risingDifficulty_data()
    {
        QTest::addColumn<int>("pop");
        QTest::addColumn<int>("penalty");
        QTest::addColumn<int>("bad");
        QTest::addColumn<bool>("countdownStarted");
        QTest::newRow("defaults, clock running") << 5 << -1 << -5 << true;
        QTest::newRow("defaults, before the clock") << 5 << -1 << -5 << false;
        QTest::newRow("at the floors") << 2 << -6 << -10 << true;
        QTest::newRow("no penalty clock") << 0 << -1 << -5 << true;
    }
    void risingDifficulty()
    {
        QFETCH(int, pop);
        QFETCH(int, penalty);
        QFETCH(int, bad);
        QFETCH(bool, countdownStarted);
        QSet<int> seen;
        for (quint32 seed = 1; seed <= 12 && seen.size() < 3; ++seed) {
            RandomSource::setSeed(seed);
            RoundRig rig;
            rig.setLevel("TIMER3", pop);
            rig.setLevel("PENALTY3", penalty);
            rig.setLevel("BAD3", bad);
            rig.setLevel("START3", 100);
            startRound(rig);
            if (countdownStarted)
                rig.timer1.fire();
            const bool running = rig.timer1.isActive();
            QVERIFY(rig.completeRow(0)); // 3 left < 4 - 0: harder
            const RoundParameters &p = rig.round().Parameters;
            const int changes = (p.Pop != pop) + (p.Penalty != penalty) + (p.Bad != bad);
            QVERIFY(changes <= 1);
            if (p.Penalty != penalty) {
                QCOMPARE(p.Penalty, penalty - 1);
                seen.insert(0);
            } else if (p.Bad != bad) {
                QCOMPARE(p.Bad, bad - 1);
                seen.insert(1);
            } else if (p.Pop != pop) {
                QCOMPARE(p.Pop, pop - 1);
                seen.insert(2);
            } else {
                seen.insert(-1); // a floor held
            }
            QVERIFY(p.Pop >= qMin(pop, 2));
            QVERIFY(p.Penalty >= -6);
            QVERIFY(p.Bad >= -10);
            QCOMPARE(rig.timer1.isActive(), running);
            if (running)
                QCOMPARE(rig.timer1.interval(), countdownStarted ? p.Pop * 1000 : p.Delay * 1000);
        }
        if (pop == 5)
            QCOMPARE(seen.size(), 3); // each of the three changes occurs
        else if (pop == 2)
            QCOMPARE(seen, QSet<int>{-1}); // every floor holds
        else
            QVERIFY(!seen.contains(2)); // a round without penalty ticks keeps none
    }

    void dragOverAcceptsOnlyMovableTiles()
    {
        RoundRig rig;
        rig.setFormat(Format);
        rig.options.setFixedCell(FixedCell::First, true);
        rig.setDistinctWords(4, Format);
        rig.options.setWordCount(4);
        rig.engine->New1Click();
        QVERIFY(!rig.engine->bgDragOver(1, 2)); // onto a fixed tile
        QVERIFY(!rig.engine->bgDragOver(2, 1)); // a fixed tile dragged
        QVERIFY(rig.engine->bgDragOver(2, 2));  // over itself: accepted, and ignored on drop
        QVERIFY(rig.engine->bgDragOver(2, 3));
        QVERIFY(!rig.engine->bgDragOver(2, 13)); // beyond TileCount
        QVERIFY(!rig.engine->bgDragOver(0, 2));
        const QByteArray before = rig.tile(1).Panel.caption;
        rig.engine->bgDragDrop(1, 2);
        QCOMPARE(rig.tile(1).Panel.caption, before);
        QCOMPARE(rig.round().Moves, quint16(0));
    }

    void tickInTheMiddleOfADrop_data()
    {
        QTest::addColumn<int>("pause"); // the drop's event pause the losing tick comes in
        QTest::newRow("before the exchange") << 1;
        QTest::newRow("re-laying the first row") << 2;
    }
    void tickInTheMiddleOfADrop()
    {
        QFETCH(int, pause);
        RoundRig rig;
        startRound(rig);
        QVERIFY(rig.arrange(texts(rig, "A2 A3 A1 B2 B3 B1 C2 C3 C1 D2 D3 D1")));
        rig.engine->ChangeRating(-29);
        rig.timer1.fire();
        // The penalty tick that loses the round comes while the drop lets events run.
        bool fired = false;
        int pauses = 0;
        rig.host.onProcessEvents = [&] {
            if (!fired && ++pauses == pause)
                fired = rig.timer1.fire();
        };
        rig.engine->bgDragDrop(1, 3);
        QVERIFY(fired);
        QCOMPARE(rig.host.statusText, QStringLiteral("Sorry, please try again."));
        for (int slot = 1; slot <= 12; ++slot) {
            QCOMPARE(rig.tile(slot).Panel.caption, rig.tile(slot).RowWord); // the solution stays intact
            QCOMPARE(rig.tile(slot).Panel.width, RowWidth);
        }
        QVERIFY(rig.host.boardEnabled);
        QCOMPARE(rig.engine->rating(), 0);
        QCOMPARE(rig.round().Moves, quint16(0));
    }

    void clueOrSolveInTheMiddleOfADrop()
    {
        RoundRig rig;
        startRound(rig);
        QVERIFY(rig.arrange(texts(rig, "A2 A3 A1 B2 B3 B1 C2 C3 C1 D2 D3 D1")));
        bool asked = false;
        rig.host.onProcessEvents = [&] {
            if (!asked && !rig.host.boardEnabled) {
                asked = true;
                rig.engine->Clue1Click(); // waits for the drop
            }
        };
        rig.engine->bgDragDrop(1, 3);
        QVERIFY(asked);
        QCOMPARE(rig.engine->rating(), 31);
        QCOMPARE(rig.round().Moves, quint16(1));

        asked = false;
        rig.host.onProcessEvents = [&] {
            if (!asked && !rig.host.boardEnabled) {
                asked = true;
                rig.engine->Solve1Click();
            }
        };
        rig.engine->bgDragDrop(7, 10);
        QVERIFY(asked);
        QCOMPARE(rig.host.statusText, QStringLiteral("Try again."));
        QCOMPARE(rig.round().Moves, quint16(1)); // the drop no longer applied
        for (int slot = 1; slot <= 12; ++slot)
            QCOMPARE(rig.tile(slot).Panel.caption, rig.tile(slot).RowWord);
        QVERIFY(rig.host.boardEnabled);
    }

    void newRoundInTheMiddleOfADrop()
    {
        RoundRig rig;
        startRound(rig);
        QVERIFY(rig.arrange(texts(rig, "A2 A3 A1 B2 B3 B1 C2 C3 C1 D2 D3 D1")));
        bool started = false;
        rig.host.onProcessEvents = [&] {
            if (!started && !rig.round().Busy) {
                started = true;
                rig.engine->New1Click();
            }
        };
        rig.engine->bgDragDrop(1, 3);
        QVERIFY(started);
        QVERIFY(rig.host.boardEnabled);
        QCOMPARE(rig.round().Moves, quint16(0));
        QCOMPARE(rig.engine->rating(), 30);
        for (int slot = 1; slot <= 12; ++slot) {
            const tTile &t = rig.tile(slot);
            QVERIFY(t.Panel.state == TileState::Placed || t.Panel.caption != t.CorrectText);
        }
    }
};

QTEST_APPLESS_MAIN(MovesTest)
#include "moves_test.moc"
