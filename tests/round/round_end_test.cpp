#include "round/random_source.h"
#include "settings/score_record.h"
#include "support/round_rig.h"

#include <QtTest>

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
    QVERIFY(!c.mSolve && !c.mReveal && !c.Solve1 && !c.Clue1);
    QVERIFY(c.Game1);
    QVERIFY(!rig.timer1.isActive());
    QVERIFY(!rig.bTimer.isActive());
    QVERIFY(rig.options.settingsPageEnabled());
    for (int slot = 1; slot <= rig.board().TileCount(); ++slot) {
        const tTile &t = rig.tile(slot);
        QCOMPARE(t.Panel.visible, t.FirstInRow);
        QCOMPARE(t.Panel.state, TileState::Solved);
        QCOMPARE(t.Panel.showHint, rig.host.hoverHintsOn);
        if (t.FirstInRow) {
            QCOMPARE(t.Panel.caption, t.RowWord);
            QCOMPARE(t.Panel.width, 222);
        }
    }
    // Nothing acts on an ended round.
    const int rating = rig.engine->rating();
    const QStringList sounds = rig.host.sounds;
    QVERIFY(!rig.engine->FormShortCut(Qt::Key_F12, 0));
    QVERIFY(!rig.engine->FormShortCut(Qt::Key_F12, Qt::ShiftModifier));
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
        rig.board().Parameters.CluesLeft = allowance;
        for (const QString &caption : captions) {
            QVERIFY(rig.engine->commands().mReveal);
            rig.engine->Clue1Click();
            QCOMPARE(rig.engine->commands().mRevealCaption, caption);
        }
        QCOMPARE(rig.board().Parameters.CluesLeft, allowance - 3);
        QCOMPARE(rig.engine->commands().mReveal, allowance > 3);
        QCOMPARE(rig.engine->commands().Clue1, allowance > 3);
        if (allowance == 3) {
            const int rating = rig.engine->rating();
            rig.engine->Clue1Click();
            QVERIFY(!rig.engine->FormShortCut(Qt::Key_F12, Qt::ShiftModifier));
            QCOMPARE(rig.engine->rating(), rating);
            QCOMPARE(rig.board().Parameters.CluesLeft, 0);
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
            rig.board().Parameters.ClueCost = 30;
            rating = 30;
            after = 30;
        } else if (rating != 30) {
            rig.engine->ChangeRating(rating - 30);
        }
        const int clues = rig.board().Parameters.CluesLeft;
        rig.engine->Clue1Click();
        QCOMPARE(rig.engine->rating(), after);
        const bool given = after != rating;
        QCOMPARE(rig.board().Parameters.CluesLeft, given ? clues - 1 : clues);
        QCOMPARE(int(rig.board().Moves), given ? 1 : 0);
        // A clue that loses ends on the game-over sound instead of its own.
        const QString last = lost ? QStringLiteral("GameOverSound") : QStringLiteral("GoodDropSound");
        QCOMPARE(rig.host.sounds, given ? (QStringList{"GoodDropSound", last}) : QStringList());
        QCOMPARE(!rig.engine->inPlay(), lost);
        if (lost) {
            QCOMPARE(rig.host.statusText, QStringLiteral("Sorry, please try again."));
            verifyEnded(rig);
        } else if (given) {
            QCOMPARE(placedCount(rig), 1);
            QVERIFY(rig.engine->commands().mReveal);
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
        QCOMPARE(rig.board().Moves, quint16(0));
        QCOMPARE(rig.host.sounds, QStringList{"GoodDropSound"});
        QCOMPARE(rig.engine->commands().mRevealCaption, QStringLiteral("Clue (2)"));
    }

    void clueFindingNothingIsFree()
    {
        RoundRig rig;
        startRound(rig);
        for (int slot = 1; slot <= 12; ++slot)
            rig.board().setState(slot, TileState::Placed);
        const int clues = rig.board().Parameters.CluesLeft;
        const int pumps = rig.host.processEventsCalls;
        rig.engine->Clue1Click();
        QCOMPARE(rig.host.processEventsCalls - pumps, 1 + 99);
        QCOMPARE(rig.engine->rating(), 30);
        QCOMPARE(rig.board().Parameters.CluesLeft, clues);
        QVERIFY(rig.engine->commands().mReveal);
        QVERIFY(rig.host.sounds.isEmpty());
    }

    void clueThatWinsCostsNothing()
    {
        RoundRig rig;
        startRound(rig);
        for (int r = 0; r < 3; ++r)
            QVERIFY(rig.completeRow(r));
        rig.board().Parameters.CluesLeft = 10;
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
        QCOMPARE(rig.board().Parameters.CluesLeft, 10 - clues);
        const RoundParameters &p = rig.board().Parameters;
        const QString key = scoreClassLetter(p.Level) + efficiencyBand(rig.board().Moves - 1, 12);
        QCOMPARE(scores(rig), QStringLiteral("[scores]\n%1=%2,1").arg(key).arg(rig.engine->rating()));
        verifyEnded(rig);
    }

    void solve()
    {
        RoundRig rig;
        startRound(rig, 10);
        QVERIFY(rig.completeRow(0));
        rig.host.sounds.clear();
        QVERIFY(rig.engine->FormShortCut(Qt::Key_F12, 0));
        QCOMPARE(rig.host.statusText, QStringLiteral("Try again."));
        QCOMPARE(rig.host.statusColour, QRgb(0xFFFF0000));
        QCOMPARE(rig.engine->modeText(), QStringLiteral("Solving"));
        QCOMPARE(rig.host.ratingCaption, QStringLiteral("0"));
        QCOMPARE(rig.engine->rating(), 0);
        QCOMPARE(rig.board().Parameters.WordsLeft, 0);
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
        rig.host.hoverHintsOn = hints;
        startRound(rig);
        for (int r = 0; r < 4; ++r)
            QVERIFY(rig.completeRow(r));
        QVERIFY(!rig.engine->inPlay());
        QVERIFY(WinMessages.contains(rig.host.statusText));
        QCOMPARE(rig.host.statusColour, QRgb(0xFF800000));
        QVERIFY(rig.host.statusPlain);
        QCOMPARE(rig.host.sounds.last(), QStringLiteral("GameWonSound"));
        QCOMPARE(rig.board().Parameters.WordsLeft, 0);
        QCOMPARE(rig.host.ratingCaption, QString::number(rig.engine->rating()));
        const int moves = rig.board().Moves;
        const int level = rig.board().Parameters.Level;
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

    void newRoundDuringTheReveal()
    {
        RoundRig rig;
        startRound(rig);
        bool started = false;
        rig.host.onProcessEvents = [&] {
            if (!started && rig.engine->modeText() == "Solving") {
                started = true;
                rig.engine->New1Click();
            }
        };
        rig.engine->Solve1Click();
        QVERIFY(started);
        // The new round's board is untouched by the rest of the old reveal.
        QVERIFY(rig.engine->inPlay());
        for (int slot = 1; slot <= 12; ++slot) {
            QCOMPARE(rig.tile(slot).Panel.state, TileState::Movable);
            QVERIFY(rig.tile(slot).Panel.visible);
        }
    }
};

QTEST_APPLESS_MAIN(RoundEndTest)
#include "round_end_test.moc"
