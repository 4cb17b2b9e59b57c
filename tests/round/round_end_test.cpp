// SPDX-License-Identifier: GPL-3.0-or-later
// A round ends once, on its own board: the ends (win, loss, solve, clue) leave the
// board, the commands and the statistics as the player expects, and never reach
// into a round dealt meanwhile.
#include "base/random_source.h"
#include "settings/score_record.h"
#include "support/round_rig.h"

#include <QtTest>

#include <algorithm>

namespace {
const QString Format = QStringLiteral("6 letters: 2-2-2");
const QStringList WinMessages = {"Success !", "Complete !", "Done !", "Finished !"};

void startRound(RoundRig &rig, int words = 4)
{
    rig.setFormat(Format);
    rig.setFixedNone();
    rig.setDistinctWords(words, Format);
    rig.options.setWordCount(words);
    rig.engine->New1Click();
    rig.host.clearLog();
    rig.host.sounds.clear();
}

// Every row a cycle of its own three cells: any single exchange that puts one
// cell right leaves the other wrong.
void cycleRows(RoundRig &rig)
{
    QList<QByteArray> texts;
    for (int slot = 1; slot <= rig.board().TileCount(); slot += 3)
        texts << rig.tile(slot + 1).CorrectText << rig.tile(slot + 2).CorrectText << rig.tile(slot).CorrectText;
    QVERIFY(rig.arrange(texts));
}

int placedCount(RoundRig &rig)
{
    int placed = 0;
    for (int slot = 1; slot <= rig.board().TileCount(); ++slot)
        placed += rig.tile(slot).Panel.state == TileState::Placed;
    return placed;
}

void verifyEnded(RoundRig &rig)
{
    const RoundCommands &c = rig.engine->commands();
    QVERIFY(!c.solve && !c.clue && !c.popupSolve && !c.popupClue);
    QVERIFY(c.newGame);
    QVERIFY(!rig.timer1.isActive());
    QVERIFY(!rig.host.bannerRunning);
    QVERIFY(rig.engine->commands().settingsPage);
    for (int slot = 1; slot <= rig.board().TileCount(); ++slot) {
        const tTile &t = rig.tile(slot);
        QCOMPARE(t.Panel.visible, t.FirstInRow);
        QCOMPARE(t.Panel.state, TileState::Solved);
        QCOMPARE(t.Panel.showHint, rig.engine->hintsOnHover());
        if (t.FirstInRow) {
            QCOMPARE(t.Panel.caption, t.RowWord);
            QCOMPARE(t.Panel.width, 222);
        }
    }
    // Nothing acts on an ended round.
    const int rating = rig.engine->rating();
    const QStringList sounds = rig.host.sounds;
    rig.engine->Clue1Click();
    rig.engine->Solve1Click();
    rig.engine->bgDragDrop(1, 2);
    QVERIFY(!rig.timer1.fire());
    QCOMPARE(rig.engine->rating(), rating);
    QCOMPARE(rig.host.sounds, sounds);
}

QString scores(RoundRig &rig)
{
    QFile file(rig.settings->path());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QString text = QString::fromLatin1(file.readAll()).replace("\r\n", "\n");
    const qsizetype at = text.indexOf("[scores]", 0, Qt::CaseInsensitive);
    return at < 0 ? QString() : text.mid(at).trimmed();
}
} // namespace

class RoundEndTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { RandomSource::setSeed(31337); }

    void clueCaptions_data()
    {
        QTest::addColumn<int>("allowance");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("3") << 3 << QStringList{"Clue (2)", "Clue (1)", "Clue (No more)"};
        QTest::newRow("101") << 101 << QStringList{"Clue", "Clue (99)", "Clue (98)"};
    }
    void clueCaptions()
    {
        QFETCH(int, allowance);
        QFETCH(QStringList, captions);
        RoundRig rig;
        rig.setLevel("START4", 100);
        if (allowance >= 100) {
            QFile marker(rig.dir.filePath("c999"));
            QVERIFY(marker.open(QIODevice::WriteOnly));
        }
        startRound(rig, 10);
        rig.round().Parameters.CluesLeft = allowance;
        for (const QString &caption : captions) {
            QVERIFY(rig.engine->commands().clue);
            rig.engine->Clue1Click();
            QCOMPARE(rig.engine->commands().clueCaption, caption);
        }
        QCOMPARE(rig.round().Parameters.CluesLeft, allowance - 3);
        QCOMPARE(rig.engine->commands().clue, allowance > 3);
        QCOMPARE(rig.engine->commands().popupClue, allowance > 3);
        if (allowance == 3) {
            const int rating = rig.engine->rating();
            rig.engine->Clue1Click();
            QVERIFY(!rig.engine->commands().popupClue); // Shift+F12 is refused
            QCOMPARE(rig.engine->rating(), rating);
            QCOMPARE(rig.round().Parameters.CluesLeft, 0);
        }
    }

    void clueCost_data()
    {
        QTest::addColumn<int>("rating");
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("lost");
        QTest::newRow("30 gives 25") << 30 << 25 << false;
        QTest::newRow("5 loses") << 5 << 0 << true;
        QTest::newRow("at the cost: nothing") << -6 << -6 << false;
    }
    void clueCost()
    {
        QFETCH(int, rating);
        QFETCH(int, after);
        QFETCH(bool, lost);
        RoundRig rig;
        startRound(rig);
        cycleRows(rig);
        if (rating < 0) {
            // A rating not above the cost: simulate a cost above the rating.
            rig.round().Parameters.ClueCost = 30;
            rating = 30;
            after = 30;
        } else if (rating != 30) {
            rig.engine->ChangeRating(rating - 30);
        }
        const int clues = rig.round().Parameters.CluesLeft;
        rig.engine->Clue1Click();
        QCOMPARE(rig.engine->rating(), after);
        const bool given = after != rating;
        QCOMPARE(rig.round().Parameters.CluesLeft, given ? clues - 1 : clues);
        QCOMPARE(int(rig.round().Moves), given ? 1 : 0);
        // A clue that loses ends on the game-over sound instead of its own.
        const QString last = lost ? QStringLiteral("GameOverSound") : QStringLiteral("GoodDropSound");
        QCOMPARE(rig.host.sounds, given ? (QStringList{"GoodDropSound", last}) : QStringList());
        QCOMPARE(!rig.engine->inPlay(), lost);
        if (lost) {
            QCOMPARE(rig.host.statusText, QStringLiteral("Sorry, please try again."));
            verifyEnded(rig);
        } else if (given) {
            QCOMPARE(placedCount(rig), 1);
            QVERIFY(rig.engine->commands().clue);
        }
    }

    void clueWithoutMatchStillCosts()
    {
        RoundRig rig;
        startRound(rig);
        cycleRows(rig);
        // Only slot 5 stays movable; the text it needs is shown by no movable tile.
        for (int slot = 1; slot <= 12; ++slot) {
            if (slot != 5)
                rig.board().setState(slot, TileState::Placed);
        }
        rig.engine->Clue1Click();
        QCOMPARE(rig.engine->rating(), 24);
        QCOMPARE(rig.round().Moves, quint16(0));
        QCOMPARE(rig.host.sounds, QStringList{"GoodDropSound"});
        QCOMPARE(rig.engine->commands().clueCaption, QStringLiteral("Clue (2)"));
    }

    void clueFindingNothingIsFree()
    {
        RoundRig rig;
        startRound(rig);
        for (int slot = 1; slot <= 12; ++slot)
            rig.board().setState(slot, TileState::Placed);
        const int clues = rig.round().Parameters.CluesLeft;
        const int pumps = rig.host.processEventsCalls;
        rig.engine->Clue1Click();
        QCOMPARE(rig.host.processEventsCalls - pumps, 1 + 99);
        QCOMPARE(rig.engine->rating(), 30);
        QCOMPARE(rig.round().Parameters.CluesLeft, clues);
        QVERIFY(rig.engine->commands().clue);
        QVERIFY(rig.host.sounds.isEmpty());
    }

    void clueThatWinsCostsNothing()
    {
        RoundRig rig;
        startRound(rig);
        for (int r = 0; r < 3; ++r)
            QVERIFY(rig.completeRow(r));
        rig.round().Parameters.CluesLeft = 10;
        int clues = 0;
        int before = 0;
        while (rig.engine->inPlay() && clues < 5) {
            before = rig.engine->rating();
            rig.engine->Clue1Click();
            ++clues;
        }
        QVERIFY(!rig.engine->inPlay());
        QVERIFY(WinMessages.contains(rig.host.statusText));
        QVERIFY(!rig.host.logged("status:").contains("Sorry, please try again."));
        QCOMPARE(rig.host.sounds.last(), QStringLiteral("GameWonSound"));
        // The winning clue: its placements and the row bonus, no cost.
        QVERIFY(rig.engine->rating() > before);
        QCOMPARE(rig.round().Parameters.CluesLeft, 10 - clues);
        const RoundParameters &p = rig.round().Parameters;
        const QString key = scoreClassLetter(p.Level) + efficiencyBand(rig.round().Moves - 1, 12);
        QCOMPARE(scores(rig), QStringLiteral("[scores]\n%1=%2,1").arg(key).arg(rig.engine->rating()));
        verifyEnded(rig);
    }

    void solve()
    {
        RoundRig rig;
        startRound(rig, 10);
        QVERIFY(rig.completeRow(0));
        rig.host.sounds.clear();
        QVERIFY(rig.engine->commands().popupSolve); // F12 is offered
        rig.engine->Solve1Click();
        QCOMPARE(rig.host.statusText, QStringLiteral("Try again."));
        QCOMPARE(rig.host.outcome, RoundOutcome::Solved);
        QCOMPARE(rig.engine->modeText(), QStringLiteral("Solving"));
        QCOMPARE(rig.host.ratingCaption, QStringLiteral("0"));
        QCOMPARE(rig.engine->rating(), 0);
        QCOMPARE(rig.round().Parameters.WordsLeft, 0);
        QVERIFY(rig.host.sounds.isEmpty());
        QCOMPARE(scores(rig), QString());
        verifyEnded(rig);
        rig.engine->New1Click();
        QCOMPARE(rig.engine->modeText(), QString());
        QVERIFY(rig.engine->inPlay());
    }

    void winByDrops_data()
    {
        QTest::addColumn<bool>("hints");
        QTest::newRow("hover hints on") << true;
        QTest::newRow("hover hints off") << false;
    }
    void winByDrops()
    {
        QFETCH(bool, hints);
        RoundRig rig;
        rig.engine->setHintsOnHover(hints);
        startRound(rig);
        for (int r = 0; r < 4; ++r)
            QVERIFY(rig.completeRow(r));
        QVERIFY(!rig.engine->inPlay());
        QVERIFY(WinMessages.contains(rig.host.statusText));
        QCOMPARE(rig.host.outcome, RoundOutcome::Won);
        QCOMPARE(rig.host.sounds.last(), QStringLiteral("GameWonSound"));
        QCOMPARE(rig.round().Parameters.WordsLeft, 0);
        QCOMPARE(rig.host.ratingCaption, QString::number(rig.engine->rating()));
        const int moves = rig.round().Moves;
        const int level = rig.round().Parameters.Level;
        const QString key = scoreClassLetter(level) + efficiencyBand(moves - 1, 12);
        QCOMPARE(scores(rig), QStringLiteral("[scores]\n%1=%2,1").arg(key).arg(rig.engine->rating()));
        verifyEnded(rig);
    }

    void winMessagesAreAllUsed()
    {
        QSet<QString> seen;
        for (quint32 seed = 1; seed <= 16 && seen.size() < 4; ++seed) {
            RandomSource::setSeed(seed);
            RoundRig rig;
            startRound(rig);
            for (int r = 0; r < 4; ++r)
                rig.completeRow(r);
            seen.insert(rig.host.statusText);
        }
        QCOMPARE(seen, QSet<QString>(WinMessages.begin(), WinMessages.end()));
    }

    // A New Game started while an ended round's solution is revealed takes
    // the board: none of the old round's remaining end steps may touch the new
    // round, and only a real win reaches the statistics.
    void newRoundDuringTheReveal_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("won");
        QTest::newRow("winning drop") << "winning drop" << true;
        QTest::newRow("losing tick") << "losing tick" << false;
        QTest::newRow("solve") << "solve" << false;
        QTest::newRow("losing drop") << "losing drop" << false;
        QTest::newRow("winning clue") << "winning clue" << true;
        QTest::newRow("losing clue") << "losing clue" << false;
    }
    void newRoundDuringTheReveal()
    {
        QFETCH(QString, path);
        QFETCH(bool, won);
        RoundRig rig;
        startRound(rig);
        if (path == "winning drop" || path == "winning clue") {
            for (int r = 0; r < 3; ++r)
                QVERIFY(rig.completeRow(r));
        } else if (path != "solve") {
            cycleRows(rig);
        }

        bool started = false;
        QString oldWin; // the ended round's result, as a win would record it
        rig.host.onProcessEvents = [&] {
            if (started || rig.engine->inPlay())
                return; // only the reveal runs with the round out of play
            started = true;
            const RoundState &old = rig.round();
            oldWin = QStringLiteral("%1=%2,1")
                         .arg(scoreClassLetter(old.Parameters.Level) +
                              efficiencyBand(old.Moves, rig.board().TileCount()))
                         .arg(rig.engine->rating());
            rig.engine->New1Click();
        };

        if (path == "winning drop") {
            // The last row's drops until the one that wins.
            for (int guard = 0; guard < 10 && !started; ++guard) {
                const QList<int> row = rig.rowSlots(3);
                const auto target = std::find_if(row.begin(), row.end(), [&rig](int slot) {
                    return rig.tile(slot).Panel.state == TileState::Movable;
                });
                QVERIFY(target != row.end());
                rig.engine->bgDragDrop(*target, rig.movableShowing(rig.tile(*target).CorrectText, *target));
            }
        } else if (path == "losing tick") {
            rig.engine->ChangeRating(-29);
            QVERIFY(rig.timer1.fire()); // the countdown
            QVERIFY(rig.timer1.fire()); // the penalty that loses
        } else if (path == "solve") {
            rig.engine->Solve1Click();
        } else if (path == "losing drop") {
            rig.engine->ChangeRating(-29);
            rig.engine->bgDragDrop(1, 4); // across rows: nothing can be placed
        } else if (path == "winning clue") {
            rig.round().Parameters.CluesLeft = 10;
            for (int clue = 0; clue < 5 && !started; ++clue)
                rig.engine->Clue1Click();
        } else if (path == "losing clue") {
            rig.engine->ChangeRating(-25); // the clue's placement and cost end at 0
            rig.engine->Clue1Click();
        }
        QVERIFY(started);

        // The new round is dealt and untouched by the rest of the old one.
        QVERIFY(rig.engine->inPlay());
        for (int slot = 1; slot <= 12; ++slot) {
            QCOMPARE(rig.tile(slot).Panel.state, TileState::Movable);
            QVERIFY(rig.tile(slot).Panel.visible);
        }
        QCOMPARE(rig.host.statusText, QString(25, ' ') + "4 words to find, level: 3, dictionary: test");
        QCOMPARE(rig.host.sounds.last(), QStringLiteral("NewGameSound"));
        QCOMPARE(rig.engine->rating(), 30);
        QCOMPARE(rig.host.ratingCaption, QStringLiteral("30"));
        QCOMPARE(rig.round().Parameters.WordsLeft, 4);
        QCOMPARE(rig.round().Moves, quint16(0));
        QCOMPARE(rig.engine->modeText(), QString());
        const RoundCommands &c = rig.engine->commands();
        QVERIFY(c.newGame && c.solve && c.clue && c.popupSolve && c.popupClue);
        QVERIFY(!rig.engine->commands().settingsPage);
        QVERIFY(rig.timer1.isActive());
        QVERIFY(rig.host.bannerRunning);
        QVERIFY(rig.host.boardEnabled);
        QVERIFY(rig.engine->boardEnabled());
        QVERIFY(!rig.host.busyCursor);
        // Only the old round's own win is in the statistics.
        QCOMPARE(scores(rig), won ? QStringLiteral("[scores]\n") + oldWin : QString());

        // And it plays.
        rig.host.onProcessEvents = {};
        QVERIFY(rig.completeRow(0));
        QVERIFY(rig.round().Moves > 0);
        QVERIFY(rig.engine->inPlay());
    }
};

QTEST_APPLESS_MAIN(RoundEndTest)
#include "round_end_test.moc"
