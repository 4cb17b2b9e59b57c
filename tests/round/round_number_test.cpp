// SPDX-License-Identifier: GPL-3.0-or-later
// A round's number deals that round again: the same words, fixed cells and
// shuffle, whatever board came before; another number deals another round.
#include "base/random_source.h"
#include "settings/split_formats.h"
#include "support/round_rig.h"

#include <QtTest>

namespace {
const QString Format = QStringLiteral("6 letters: 2-2-2");

// Everything a deal decides: each slot's shown text, its right text and its state.
QList<QByteArray> boardOf(RoundRig &rig)
{
    QList<QByteArray> cells;
    for (int slot = 1; slot <= rig.board().TileCount(); ++slot) {
        const tTile &t = rig.tile(slot);
        cells << t.Panel.caption + '/' + t.CorrectText + '/' + QByteArray::number(int(t.Panel.state));
    }
    return cells;
}

void prepare(RoundRig &rig, int words)
{
    rig.setFormat(Format);
    rig.setDistinctWords(30, Format); // more entries than a round draws: the draw matters
    rig.options.setWordCount(words);
    rig.options.setFixedCell(FixedCell::Random, true);
}
} // namespace

class RoundNumberTest : public QObject
{
    Q_OBJECT
private slots:
    void numberIsTheSeedAtNewGame()
    {
        RoundRig rig;
        prepare(rig, 10);
        RandomSource::setSeed(777);
        rig.engine->New1Click();
        QCOMPARE(rig.engine->roundNumber(), 777u);
        // The next round's number is wherever the generator stands.
        const quint32 next = RandomSource::seed();
        rig.engine->New1Click();
        QCOMPARE(rig.engine->roundNumber(), next);
        QVERIFY(next != 777u);
    }

    void sameNumberSameBoard_data()
    {
        QTest::addColumn<quint32>("number");
        QTest::addColumn<int>("words");
        QTest::newRow("small number") << 1u << 10;
        QTest::newRow("clock seed") << 45296789u << 12;
        QTest::newRow("top of the range") << 4294967295u << 15;
    }

    void sameNumberSameBoard()
    {
        QFETCH(quint32, number);
        QFETCH(int, words);
        RoundRig rig;
        prepare(rig, words);
        rig.engine->dealRound(number);
        const QList<QByteArray> first = boardOf(rig);
        QCOMPARE(first.size(), words * 3);

        // Another round in between, with a board of its own to hide, and a move on it.
        rig.engine->New1Click();
        QVERIFY(boardOf(rig) != first);
        rig.engine->bgDragDrop(2, 3);

        rig.engine->dealRound(number);
        QCOMPARE(rig.engine->roundNumber(), number);
        QCOMPARE(boardOf(rig), first);
    }

    void twoNumbersTwoBoards()
    {
        RoundRig rig;
        prepare(rig, 10);
        rig.engine->dealRound(1000);
        const QList<QByteArray> first = boardOf(rig);
        rig.engine->dealRound(1001);
        QVERIFY(boardOf(rig) != first);
    }

    void refusedWhileDealing()
    {
        RoundRig rig;
        prepare(rig, 10);
        rig.engine->dealRound(5);
        rig.round().Busy = true;
        RandomSource::setSeed(99);
        rig.engine->dealRound(6);
        QCOMPARE(rig.engine->roundNumber(), 5u);
        QCOMPARE(RandomSource::seed(), 99u); // the generator is left alone
        rig.round().Busy = false;
    }
};

QTEST_GUILESS_MAIN(RoundNumberTest)
#include "round_number_test.moc"
