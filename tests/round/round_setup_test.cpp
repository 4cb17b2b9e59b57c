// SPDX-License-Identifier: GPL-3.0-or-later
// New Game deals a round the player can play: the words drawn, rows laid and
// shuffled, the level's numbers read, and a failed draw that loses nothing.
#include "base/random_source.h"
#include "base/game_error.h"
#include "settings/split_formats.h"
#include "support/round_rig.h"
#include "words/kbase.h"
#include "words/kbase_writer.h"

#include <QtTest>

namespace {
const QString Shortage = QStringLiteral("Insufficient words in dictionary matching your criteria.\nPlease change your options.");

void startRound(RoundRig &rig, const QString &format, int words, bool definitions = false)
{
    rig.setFormat(format);
    rig.setDistinctWords(words, format);
    rig.options.setWordCount(words);
    rig.options.setShowDefinitions(definitions);
    rig.engine->New1Click();
}

QMultiMap<QByteArray, int> shownTexts(Board &b)
{
    QMultiMap<QByteArray, int> texts;
    for (int slot = 1; slot <= b.TileCount(); ++slot)
        texts.insert(b.Tiles(slot).Panel.caption, 0);
    return texts;
}
} // namespace

class RoundSetupTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { RandomSource::setSeed(4242); }

    void layoutLevelAndClues_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("words");
        QTest::addColumn<bool>("definitions");
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("clues");
        QTest::addColumn<int>("blocks");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        const QString f212 = "5 letters: 2-1-2", f222 = "6 letters: 2-2-2", f25 = "25 letters: 5-5-5-5-5";
        QTest::newRow("10 x 2-1-2, definitions") << f212 << 10 << true << 30 << 5 << 5 << 1 << 250 << 436;
        QTest::newRow("45 x 25 letters") << f25 << 45 << false << 225 << 14 << 14 << 3 << 730 << 611;
        QTest::newRow("45 x 25 letters, definitions") << f25 << 45 << true << 225 << 15 << 15 << 3 << 730 << 611;
        QTest::newRow("12 rows") << f222 << 12 << false << 36 << 4 << 4 << 1 << 250 << 516;
        QTest::newRow("15 rows") << f222 << 15 << false << 45 << 4 << 4 << 1 << 250 << 611;
        QTest::newRow("20 rows") << f222 << 20 << false << 60 << 5 << 5 << 2 << 490 << 436;
        QTest::newRow("24 rows") << f222 << 24 << false << 72 << 5 << 5 << 3 << 730 << 366;
        QTest::newRow("30 rows") << f222 << 30 << false << 90 << 6 << 6 << 2 << 490 << 611;
        QTest::newRow("44 rows, one block") << f222 << 44 << false << 132 << 8 << 8 << 1 << 250 << 1636;
        QTest::newRow("4 rows of 1-2-1") << "4 letters: 1-2-1" << 4 << false << 12 << 3 << 3 << 1 << 250 << 236;
    }
    void layoutLevelAndClues()
    {
        QFETCH(QString, format);
        QFETCH(int, words);
        QFETCH(bool, definitions);
        QFETCH(int, cells);
        QFETCH(int, level);
        QFETCH(int, clues);
        QFETCH(int, blocks);
        QFETCH(int, width);
        QFETCH(int, height);
        RoundRig rig;
        rig.setLevel(QStringLiteral("TIMER%1").arg(qMin(level, 9)), 7);
        startRound(rig, format, words, definitions);
        Board &b = rig.board();
        QCOMPARE(int(b.TileCount()), cells);
        QCOMPARE(rig.round().Parameters.Level, level);
        QCOMPARE(rig.round().Parameters.Pop, 7);
        QCOMPARE(rig.round().Parameters.CluesLeft, clues);
        QCOMPARE(rig.engine->commands().clueCaption, QStringLiteral("Clue (%1)").arg(clues));
        QCOMPARE(b.Tiles(cells).Column, blocks);
        QCOMPARE(rig.host.width, width);
        QCOMPARE(rig.host.height, height);
        QCOMPARE(rig.host.left, (1024 - width) / 2);
        QCOMPARE(rig.host.top, (768 - height) / 2);
        QCOMPARE(rig.round().Parameters.WordsLeft, words);

        // Every row spans 222 pixels from its block's left edge, rows 35 pixels apart.
        for (int r = 0; r < words; ++r) {
            const QList<int> row = rig.rowSlots(r);
            const tTile &first = b.Tiles(row.first());
            const tTile &last = b.Tiles(row.last());
            QCOMPARE(first.Panel.left, 10 + 240 * (first.Column - 1));
            QCOMPARE(last.Panel.left + last.Panel.width - first.Panel.left, 222);
            QCOMPARE(first.Panel.top, 10 + 35 * (first.RowInColumn - 1));
            for (int slot : row)
                QVERIFY(b.Tiles(slot).Panel.visible);
        }
        QCOMPARE(rig.host.statusText, QString(25, ' ') + QStringLiteral("%1 words to find, level: %2, dictionary: test")
                                                             .arg(words)
                                                             .arg(level));
    }

    void handicap_data()
    {
        QTest::addColumn<int>("h");
        QTest::addColumn<QString>("adjusted");
        QTest::newRow("+3") << 3 << "pop=4 penalty=-4 good=1 bad=-8 word=0 start=30 delay=1";
        QTest::newRow("-3") << -3 << "pop=6 penalty=-1 good=2 bad=-2 word=0 start=60 delay=35";
        QTest::newRow("+1 keeps pop 5") << 1 << "pop=5 penalty=-2 good=1 bad=-6 word=0 start=30 delay=1";
        QTest::newRow("-1") << -1 << "pop=5 penalty=-1 good=2 bad=-4 word=0 start=40 delay=15";
    }
    void handicap()
    {
        QFETCH(int, h);
        QFETCH(QString, adjusted);
        RoundRig rig;
        rig.options.setHandicap(h);
        rig.options.setShowParameters(true);
        startRound(rig, "6 letters: 2-2-2", 10);
        const QString first = "level=4 pop=5 penalty=-1 good=1 bad=-5 word=0 start=30 delay=5";
        const QString expected = first + "\r\nlevel=4 " + adjusted;
        QCOMPARE(rig.engine->parameterText(), expected);
        QCOMPARE(rig.host.informations, QStringList{expected});
        const RoundParameters &p = rig.round().Parameters;
        QCOMPARE(rig.engine->rating(), p.Start);
        QCOMPARE(p.ClueCost, -6); // from the level's own BAD
        QCOMPARE(rig.timer1.interval(), p.Delay * 1000);
    }

    void settingsOutsideTheirRange_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("rating");
        QTest::addColumn<int>("interval");
        QTest::newRow("START 0 starts at 1") << "START4" << 0 << 1 << 5000;
        QTest::newRow("START -20 starts at 1") << "START4" << -20 << 1 << 5000;
        QTest::newRow("START 500 capped") << "START4" << 500 << 100 << 5000;
        QTest::newRow("DELAY 0: the clock never starts") << "DELAY4" << 0 << 30 << 0;
        QTest::newRow("DELAY -4 read as 0") << "DELAY4" << -4 << 30 << 0;
        QTest::newRow("DELAY huge kept in range") << "DELAY4" << 2147483647 << 30 << 1000000000;
        QTest::newRow("START lowest") << "START4" << int(-2147483647 - 1) << 1 << 5000;
    }
    void settingsOutsideTheirRange()
    {
        QFETCH(QString, key);
        QFETCH(int, value);
        QFETCH(int, rating);
        QFETCH(int, interval);
        RoundRig rig;
        rig.setLevel(key, value);
        startRound(rig, "6 letters: 2-2-2", 10);
        QCOMPARE(rig.engine->rating(), rating);
        QVERIFY(rig.engine->inPlay());
        QCOMPARE(rig.timer1.isActive(), interval > 0);
        QCOMPARE(rig.timer1.interval(), interval);
        QCOMPARE(rig.host.ratingBand, RatingBand::Dealing);
    }

    void clueAllowanceMarker()
    {
        RoundRig rig;
        QFile marker(rig.dir.filePath("c999"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        startRound(rig, "6 letters: 2-2-2", 10);
        QCOMPARE(rig.round().Parameters.CluesLeft, 999);
        QCOMPARE(rig.engine->commands().clueCaption, QStringLiteral("Clue"));
        QCOMPARE(rig.host.debugLines.last(), QStringLiteral("5 15000 999"));
    }

    void traceLines()
    {
        RoundRig rig;
        rig.settings->writeBool("Options", "trace", true);
        startRound(rig, "6 letters: 2-2-2", 4);
        QCOMPARE(rig.host.debugLines.size(), 7);
        // The first lines show the cells in their places, before the shuffle.
        QStringList cells;
        for (int slot = 1; slot <= 5; ++slot)
            cells << QString::fromLatin1(rig.tile(slot).CorrectText);
        // ... and the round's number, to deal it again.
        QCOMPARE(rig.host.debugLines[0], cells.join(':') + QStringLiteral("  round 4242"));
        QCOMPARE(rig.host.debugLines[2].count(':'), 4);
        QCOMPARE(rig.host.debugLines[6], QStringLiteral("5 15000 3"));
        QVERIFY(rig.host.debugShown);

        rig.engine->New1Click(); // the interval the previous round left
        QCOMPARE(rig.host.debugLines.size(), 7);
        QCOMPARE(rig.host.debugLines[6], QStringLiteral("5 5000 3"));
    }

    void fixedCell_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("choice"); // -1: none
        QTest::addColumn<QList<int>>("allowed");
        QTest::newRow("none") << "6 letters: 2-2-2" << -1 << QList<int>{};
        QTest::newRow("first") << "6 letters: 2-2-2" << int(FixedCell::First) << QList<int>{1};
        QTest::newRow("last of 4") << "8 letters: 2-2-2-2" << int(FixedCell::Last) << QList<int>{4};
        QTest::newRow("middle of 3") << "6 letters: 2-2-2" << int(FixedCell::Middle) << QList<int>{2};
        QTest::newRow("middle of 4") << "8 letters: 2-2-2-2" << int(FixedCell::Middle) << QList<int>{2, 3};
        QTest::newRow("middle of 5") << "10 letters: 2-2-2-2-2" << int(FixedCell::Middle) << QList<int>{3};
        QTest::newRow("random") << "10 letters: 2-2-2-2-2" << int(FixedCell::Random) << QList<int>{1, 2, 3, 4, 5};
        QTest::newRow("not first") << "10 letters: 2-2-2-2-2" << int(FixedCell::NotFirst) << QList<int>{2, 3, 4, 5};
    }
    void fixedCell()
    {
        QFETCH(QString, format);
        QFETCH(int, choice);
        QFETCH(QList<int>, allowed);
        RoundRig rig;
        rig.setFixedNone();
        if (choice >= 0)
            rig.options.setFixedCell(FixedCell(choice), true);
        startRound(rig, format, 24);
        QSet<int> seen;
        for (int round = 0; round < 3; ++round) {
            if (round > 0)
                rig.engine->New1Click();
            for (int r = 0; r < 24; ++r) {
                const QList<int> row = rig.rowSlots(r);
                QList<int> fixedAt;
                for (int i = 0; i < row.size(); ++i) {
                    const tTile &t = rig.tile(row[i]);
                    if (t.Panel.state == TileState::Placed) {
                        fixedAt << i + 1;
                        QCOMPARE(t.Panel.caption, t.CorrectText);
                    } else {
                        QCOMPARE(t.Panel.state, TileState::Movable);
                        QVERIFY2(t.Panel.caption != t.CorrectText, "a movable cell starts in its place");
                        QCOMPARE(t.Panel.caption.size(), t.CorrectText.size());
                    }
                }
                QCOMPARE(fixedAt.size(), allowed.isEmpty() ? 0 : 1);
                if (!fixedAt.isEmpty()) {
                    QVERIFY(allowed.contains(fixedAt.first()));
                    seen.insert(fixedAt.first());
                }
            }
        }
        QCOMPARE(seen.size(), int(allowed.size())); // every allowed place occurs in 72 rows
    }

    void shuffleKeepsTheCells_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("1-2-1 mixes lengths") << "4 letters: 1-2-1";
        QTest::newRow("2-5-2 by length") << "9 letters: 2-5-2";
        QTest::newRow("1-1-3-1 by length") << "6 letters: 1-1-3-1";
    }
    void shuffleKeepsTheCells()
    {
        QFETCH(QString, format);
        RoundRig rig;
        rig.setFormat(format);
        rig.setFixedNone();
        startRound(rig, format, 10);
        Board &b = rig.board();
        QMultiMap<QByteArray, int> correct;
        for (int slot = 1; slot <= b.TileCount(); ++slot)
            correct.insert(b.Tiles(slot).CorrectText, 0);
        QCOMPARE(shownTexts(b), correct);
        bool mixed = false;
        for (int slot = 1; slot <= b.TileCount(); ++slot)
            mixed = mixed || b.Tiles(slot).Panel.caption.size() != b.Tiles(slot).CorrectText.size();
        QCOMPARE(mixed, rig.options.presetsIndex() == 0);
    }

    // The running round is lost either way; only a draw that fails lets its
    // game-over sound be heard (a new round plays its own).
    void failedDrawOverARunningRoundSoundsGameOver()
    {
        RoundRig rig;
        startRound(rig, "6 letters: 2-2-2", 10);
        rig.host.sounds.clear();
        rig.options.setWordCount(45);
        rig.engine->New1Click();
        QVERIFY(!rig.engine->inPlay());
        QCOMPARE(rig.host.sounds, QStringList{"GameOverSound"});

        rig.host.sounds.clear();
        rig.engine->New1Click(); // nothing was running
        QCOMPARE(rig.host.sounds, QStringList());
    }

    void newRoundOverARunningOne()
    {
        RoundRig rig;
        startRound(rig, "6 letters: 2-2-2", 10);
        QVERIFY(rig.engine->inPlay());
        rig.host.clearLog();
        rig.host.sounds.clear();
        const int banners = rig.host.bannerLines;
        rig.engine->New1Click();

        const QStringList statuses = rig.host.logged("status:");
        QVERIFY(statuses.contains("Sorry, please try again."));
        QCOMPARE(statuses.last(), QString(25, ' ') + "10 words to find, level: 4, dictionary: test");
        QCOMPARE(rig.host.outcome, RoundOutcome::Lost); // left by the rating reset
        QCOMPARE(rig.host.bannerLines, banners + 1);
        QCOMPARE(rig.host.sounds, QStringList{"NewGameSound"});
        // The reset's lost-round steps come after the old tiles were hidden and before the draw.
        const int sorry = int(rig.host.log.indexOf("status:Sorry, please try again."));
        QVERIFY(sorry > rig.host.log.indexOf("banner"));
        QVERIFY(sorry < rig.host.log.lastIndexOf("rating:10"));
        QVERIFY(sorry < rig.host.log.indexOf(QRegularExpression("geometry:.*")));

        const RoundCommands &c = rig.engine->commands();
        QVERIFY(c.newGame && c.clue && c.solve && c.popupSolve && c.popupClue && c.newCells && c.settings);
        QVERIFY(!rig.engine->commands().settingsPage);
        QVERIFY(!rig.round().Busy);
        QCOMPARE(rig.round().Moves, quint16(0));
        QCOMPARE(rig.round().timerPhase, TimerPhase::Waiting);
        QVERIFY(rig.timer1.isActive());
        QVERIFY(rig.host.bannerRunning);
        QCOMPARE(rig.engine->modeText(), QString());
        QCOMPARE(rig.engine->rating(), 30);
        QCOMPARE(rig.host.ratingCaption, QStringLiteral("30"));
        QCOMPARE(rig.host.ratingBand, RatingBand::Dealing);
        QVERIFY(!rig.host.busyCursor);
    }

    void secondRequestWhileBusyIsIgnored()
    {
        RoundRig rig;
        int nested = 0;
        rig.host.onProcessEvents = [&] {
            if (rig.round().Busy) {
                ++nested;
                rig.engine->New1Click();
                rig.engine->bgDragDrop(1, 2);
                rig.engine->Clue1Click();
            }
        };
        startRound(rig, "6 letters: 2-2-2", 10);
        QVERIFY(nested > 30);
        QCOMPARE(rig.host.bannerLines, 1);
        QCOMPARE(rig.round().Moves, quint16(0));
        QCOMPARE(rig.host.logged("sound:"), QStringList{"NewGameSound"});
    }

    void errorInTheMiddleLeavesNewGameUsable()
    {
        RoundRig rig;
        int pumps = 0;
        rig.host.onProcessEvents = [&pumps] {
            if (++pumps == 5)
                throw GameError("Unable to create stream");
        };
        QVERIFY_THROWS_EXCEPTION(GameError, startRound(rig, "6 letters: 2-2-2", 10));
        QVERIFY(!rig.round().Busy);
        QVERIFY(rig.engine->commands().newGame);
        QVERIFY(!rig.host.busyCursor);
        rig.engine->New1Click();
        QVERIFY(rig.engine->inPlay());
    }

    void failedDraws_data()
    {
        QTest::addColumn<int>("entries"); // distinct fitting entries; -1: missing file
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("caption");
        QTest::newRow("missing dictionary file") << -1 << QString() << "Unable to create stream" << "10";
        QTest::newRow("empty dictionary") << 0 << Shortage << QString() << "10";
        QTest::newRow("9 for 10") << 9 << Shortage << QString() << "9";
    }
    void failedDraws()
    {
        QFETCH(int, entries);
        QFETCH(QString, warning);
        QFETCH(QString, error);
        QFETCH(QString, caption);
        RoundRig rig;
        startRound(rig, "6 letters: 2-2-2", 10);
        const QRect before(rig.host.left, rig.host.top, rig.host.width, rig.host.height);
        if (entries < 0) {
            rig.options.setDictionaryNames({"test", "missing"});
            rig.options.setDictionaryIndex(1);
        } else {
            rig.setDistinctWords(entries, "6 letters: 2-2-2");
        }
        for (int attempt = 0; attempt < 2; ++attempt) {
            rig.host.warnings.clear();
            rig.host.errors.clear();
            rig.engine->New1Click();
            QCOMPARE(rig.host.warnings, warning.isEmpty() ? QStringList() : QStringList{warning});
            QCOMPARE(rig.host.errors, error.isEmpty() ? QStringList() : QStringList{error});
            QVERIFY(!rig.round().Busy);
            QVERIFY(rig.engine->commands().newGame);
            QVERIFY(rig.engine->commands().settings);
            QVERIFY(rig.engine->commands().settingsPage);
            QVERIFY(rig.round().ChosenEntries.isEmpty());
            QVERIFY(rig.round().RoundWords.isEmpty());
            QVERIFY(!rig.engine->inPlay());
            QVERIFY(!rig.timer1.isActive());
            QCOMPARE(rig.host.ratingCaption, caption);
            QCOMPARE(rig.round().Parameters.WordsLeft, 10); // kept from the round before
            QCOMPARE(QRect(rig.host.left, rig.host.top, rig.host.width, rig.host.height), before);
            for (int slot = 1; slot <= rig.board().TileCount(); ++slot)
                QVERIFY(!rig.tile(slot).Panel.visible);
        }
        QCOMPARE(rig.round().LoadedDictionary, QStringLiteral("test"));
    }

    void dictionaryFileIsLoadedByName()
    {
        RoundRig rig;
        tZRVDictionary store;
        const char *const words[] = {"Mango", "lemon", "melon", "guava", "olive", "grape"};
        for (const char *w : words) {
            TKbItem &item = store.Items().Add();
            item.setN(w);
            item.setD(QByteArray("fruit ") + w);
        }
        QDir(rig.dir.path()).mkdir("kbs");
        saveDictionary(store, rig.dir.filePath("kbs/Fruit.dic"));
        rig.options.setDictionaryNames({"test", "fruit", "missing"});
        rig.options.setDictionaryIndex(1);
        rig.setFormat("5 letters: 2-1-2");
        rig.options.setWordCount(4);
        rig.engine->New1Click();
        QCOMPARE(rig.host.errors, QStringList());
        QCOMPARE(rig.round().LoadedDictionary, QStringLiteral("fruit"));
        QCOMPARE(rig.round().RoundWords.size(), 4);
        for (const tWord &w : rig.round().RoundWords)
            QCOMPARE(w.Definition, "fruit " + w.Word.toLower().replace("mango", "Mango"));

        // A failed load of another file empties the store: going back reads the file again.
        rig.options.setDictionaryIndex(2);
        rig.engine->New1Click();
        QCOMPARE(rig.host.errors, QStringList{"Unable to create stream"});
        rig.options.setDictionaryIndex(1);
        rig.engine->New1Click();
        QCOMPARE(rig.host.errors.size(), 1);
        QCOMPARE(rig.host.warnings, QStringList());
        QCOMPARE(rig.round().RoundWords.size(), 4);
    }

    // Hand-edited levels: the handicap works on the stored values and its
    // floors come last.
    void handicapOnHandEditedLevels_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("handicap");
        QTest::addColumn<int>("pop");
        QTest::addColumn<int>("delay");
        QTest::newRow("DELAY 0, easier by 1") << "DELAY4" << 0 << -1 << 5 << 10;
        QTest::newRow("DELAY -4, easier by 1") << "DELAY4" << -4 << -1 << 5 << 6;
        QTest::newRow("DELAY 0, harder") << "DELAY4" << 0 << 1 << 5 << 1;
        QTest::newRow("DELAY 0, no handicap: no clock") << "DELAY4" << 0 << 0 << 5 << 0;
        QTest::newRow("TIMER 0, harder: ticks every 2 s") << "TIMER4" << 0 << 2 << 2 << 1;
        QTest::newRow("TIMER -5, harder") << "TIMER4" << -5 << 1 << 2 << 1;
        QTest::newRow("TIMER 0, easier") << "TIMER4" << 0 << -3 << 2 << 35;
        QTest::newRow("TIMER 0, no handicap: no ticks") << "TIMER4" << 0 << 0 << 0 << 5;
    }
    void handicapOnHandEditedLevels()
    {
        QFETCH(QString, key);
        QFETCH(int, value);
        QFETCH(int, handicap);
        QFETCH(int, pop);
        QFETCH(int, delay);
        RoundRig rig;
        rig.setLevel(key, value);
        rig.options.setHandicap(handicap);
        startRound(rig, "6 letters: 2-2-2", 10);
        const RoundParameters &p = rig.round().Parameters;
        QCOMPARE(p.Pop, pop);
        QCOMPARE(p.Delay, delay);
        QCOMPARE(rig.timer1.interval(), delay * 1000);
        QCOMPARE(rig.timer1.fire(), delay > 0); // the countdown starts
        QCOMPARE(rig.timer1.isActive(), delay > 0 && pop > 0);
    }

    void penaltyTimerOffWithTimerZero()
    {
        RoundRig rig;
        rig.setLevel("TIMER4", 0);
        startRound(rig, "6 letters: 2-2-2", 10);
        QVERIFY(rig.timer1.fire()); // the countdown starts...
        QCOMPARE(rig.host.sounds.last(), QStringLiteral("TimerStartSound"));
        QCOMPARE(rig.round().timerPhase, TimerPhase::Ticking);
        QVERIFY(!rig.timer1.isActive()); // ...and never ticks
        QVERIFY(!rig.timer1.fire());
        const int rating = rig.engine->rating();
        rig.engine->ChangeRating(5);
        QVERIFY(!rig.timer1.isActive());
        QCOMPARE(rig.engine->rating(), rating + 5);
    }
};

QTEST_APPLESS_MAIN(RoundSetupTest)
#include "round_setup_test.moc"
