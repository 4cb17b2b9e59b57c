// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever the player does in whatever order, the board never loses, makes up
// or moves a placed text, and every row keeps its width.
#include "base/random_source.h"
#include "settings/split_formats.h"
#include "support/round_rig.h"
#include "words/kbase.h"

#include <QtTest>

#include <random>

namespace {
const QStringList WinMessages = {"Success !", "Complete !", "Done !", "Finished !"};

// Records every slot the board changes, to check none lies beyond TileCount.
struct SlotWatcher : BoardListener
{
    explicit SlotWatcher(Board &b) : board(b) {}
    void tileChanged(int slot) override
    {
        if (slot < 1 || slot > board.TileCount())
            ++outside;
    }
    Board &board;
    int outside = 0;
};

quint64 textHash(const QByteArray &text)
{
    return qHash(text, 0x9e3779b9u) * 0x100000001b3ull + quint64(text.size());
}
} // namespace

// Thousands of seeded rounds of every format, played by random drops, clues,
// solves, penalty ticks and new games, with the board's invariants checked
// after every step.
class RoundPlayTest : public QObject
{
    Q_OBJECT

    RoundRig *m_rig = nullptr;
    std::mt19937 m_dice;
    quint64 m_placedLetters = 0;

    int roll(int n) { return int(m_dice() % quint32(n)); }

    void fillDictionary()
    {
        // For every letter count, words over a small alphabet (so cells repeat
        // and rows may share words), some of them phrases.
        QList<QByteArray> words, definitions;
        QSet<int> counts;
        for (const QString &format : splitFormats())
            counts.insert(splitFormatLetterCount(format));
        QList<int> ordered = counts.values(); // a fixed order: the same words every run
        std::sort(ordered.begin(), ordered.end());
        for (int count : ordered) {
            for (int i = 0; i < 80; ++i) {
                QByteArray word;
                for (int k = 0; k < count; ++k)
                    word += (k > 0 && k < count - 1 && roll(12) == 0) ? ' ' : char('a' + roll(i < 20 ? 3 : 8));
                words << word;
                definitions << "entry " + QByteArray::number(i);
            }
        }
        m_rig->setEntries(words, definitions);
    }

    // The invariants that hold after every step while a round is played.
    void checkInvariants(int step)
    {
        RoundRig &rig = *m_rig;
        Board &b = rig.board();
        QVERIFY2(rig.engine->rating() <= 100, qPrintable(QString("step %1").arg(step)));
        if (!rig.engine->inPlay())
            return;
        quint64 shown = 0, correct = 0, placedLetters = 0;
        int incomplete = 0;
        for (int slot = 1; slot <= b.TileCount(); ++slot) {
            const tTile &t = b.Tiles(slot);
            if (t.RowIndex == RetiredRow) {
                QVERIFY(!t.Panel.visible);
                continue;
            }
            shown += textHash(t.Panel.caption);
            correct += textHash(t.CorrectText);
            QVERIFY(t.Panel.visible);
            if (t.Panel.state != TileState::Movable) {
                QVERIFY2(t.Panel.caption == t.CorrectText, "a placed tile shows a wrong text");
                placedLetters += quint64(t.Panel.caption.size());
            }
            if (t.FirstInRow) {
                incomplete += !(t.Panel.state == TileState::Solved && t.Panel.caption == t.RowWord);
                // The row's unretired tiles span exactly 222 pixels.
                int last = slot;
                int widths = t.Panel.width;
                while (last < b.TileCount() && b.Tiles(last + 1).RowIndex == t.RowIndex) {
                    ++last;
                    widths += b.Tiles(last).Panel.width;
                }
                const TilePanel &end = b.Tiles(last).Panel;
                QCOMPARE(end.left + end.width - t.Panel.left, 222);
                QCOMPARE(widths, 222);
            }
        }
        QVERIFY2(shown == correct, qPrintable(QString("texts lost or made up at step %1").arg(step)));
        QVERIFY2(placedLetters >= m_placedLetters, "a placed tile moved again");
        m_placedLetters = placedLetters;
        QCOMPARE(m_rig->round().Parameters.WordsLeft, incomplete);
    }

    int randomMovable()
    {
        Board &b = m_rig->board();
        for (int attempt = 0; attempt < 50; ++attempt) {
            const int slot = 1 + roll(qMax(1, int(b.TileCount())));
            if (b.Tiles(slot).Panel.state == TileState::Movable)
                return slot;
        }
        return 1 + roll(qMax(1, int(b.TileCount())));
    }

    void oneStep()
    {
        RoundRig &rig = *m_rig;
        RoundEngine &e = *rig.engine;
        const int dice = roll(1000);
        if (dice < 860) {
            const int target = randomMovable();
            int source = randomMovable();
            if (roll(2) == 0) {
                // Mostly useful drops, so that rounds are also won.
                const int wanted = rig.movableShowing(rig.tile(target).CorrectText, target);
                if (wanted != 0)
                    source = wanted;
            }
            if (e.bgDragOver(target, source))
                e.bgDragDrop(target, source);
        } else if (dice < 900) {
            if (e.commands().clue || roll(4) == 0)
                e.Clue1Click();
        } else if (dice < 990) {
            rig.timer1.fire();
        } else if (dice < 993) {
            if (e.commands().popupSolve) // F12
                e.Solve1Click();
        } else if (dice < 996) {
            e.New1Click(); // F2
        } else {
            e.ChangeRating(roll(11) - 5);
        }
    }

private slots:
    void randomRounds()
    {
        RoundRig rig;
        m_rig = &rig;
        m_dice.seed(20261207);
        fillDictionary();
        SlotWatcher watcher(rig.board());
        rig.board().setListener(&watcher);
        rig.host.onProcessEvents = [this, &rig] {
            // Now and then a tick, or a drop attempt, arrives while the engine lets events run.
            const int dice = roll(4000);
            if (dice == 0)
                rig.timer1.fire();
            else if (dice == 1)
                rig.engine->bgDragDrop(randomMovable(), randomMovable());
        };

        const int wordCounts[] = {4, 10, 20, 24, 30, 45, 15, 7};
        QMap<QString, int> outcomes;
        int rounds = 0, steps = 0;
        const int perCombination = 4;
        for (int f = 0; f < SplitFormatCount; ++f) {
            for (int words : wordCounts) {
                for (int n = 0; n < perCombination; ++n) {
                    RandomSource::setSeed(quint32(rounds * 7919 + 17));
                    rig.options.setPresetsIndex(f);
                    rig.options.setWordCount(words);
                    rig.options.setHandicap(roll(7) - 3);
                    rig.options.setShowDefinitions(roll(2) == 0);
                    rig.engine->setHintsOnHover(roll(2) == 0);
                    const int fixed = roll(FixedCellCount + 1);
                    rig.setFixedNone();
                    if (fixed < FixedCellCount)
                        rig.options.setFixedCell(FixedCell(fixed), true);

                    rig.host.clearLog();
                    rig.engine->New1Click();
                    QVERIFY2(rig.host.warnings.isEmpty(), qPrintable(rig.options.presetsText()));
                    QVERIFY(rig.engine->inPlay());
                    QCOMPARE(int(rig.board().TileCount()), words * int(splitFormatCellLengths(rig.options.presetsText()).size()));
                    m_placedLetters = 0;
                    checkInvariants(0);
                    ++rounds;

                    int step = 0;
                    quint64 serial = 0;
                    while (rig.engine->inPlay() && step < 5000) {
                        const int before = rig.host.bannerLines;
                        oneStep();
                        ++step;
                        if (rig.host.bannerLines != before) {
                            // F2 started a new round over this one: it counts as given up (lost).
                            outcomes["new game"]++;
                            m_placedLetters = 0;
                            ++serial;
                        }
                        checkInvariants(step);
                        if (QTest::currentTestFailed())
                            return;
                    }
                    steps += step;
                    QVERIFY2(!rig.engine->inPlay(), "a round never ended");
                    const QString status = rig.host.statusText;
                    if (WinMessages.contains(status)) {
                        outcomes["won"]++;
                        QCOMPARE(rig.round().Parameters.WordsLeft, 0);
                    } else if (status == "Sorry, please try again.") {
                        outcomes["lost"]++;
                    } else {
                        QCOMPARE(status, QStringLiteral("Try again."));
                        outcomes["solved"]++;
                    }
                    // The ended board shows every row whole.
                    for (int slot = 1; slot <= rig.board().TileCount(); ++slot) {
                        const tTile &t = rig.tile(slot);
                        QCOMPARE(t.Panel.state, TileState::Solved);
                        QCOMPARE(t.Panel.visible, t.FirstInRow);
                    }
                    Q_UNUSED(serial);
                }
            }
        }
        QCOMPARE(watcher.outside, 0);
        qInfo("%d rounds, %d steps: %d won, %d lost, %d solved, %d replaced by a new game", rounds, steps,
              outcomes["won"], outcomes["lost"], outcomes["solved"], outcomes["new game"]);
        QVERIFY(rounds >= 1000);
        QVERIFY(outcomes["won"] > rounds / 10);
        QVERIFY(outcomes["lost"] > rounds / 10);
        QVERIFY(outcomes["solved"] > 0);
        rig.board().setListener(nullptr);
    }
};

QTEST_APPLESS_MAIN(RoundPlayTest)
#include "round_play_test.moc"
