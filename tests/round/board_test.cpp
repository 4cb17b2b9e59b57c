// SPDX-License-Identifier: GPL-3.0-or-later
// The tile pool fills, fits and changes its slots exactly, telling the view of each change.
#include "round/board.h"
#include "base/random_source.h"

#include <QtTest>

#include <stdexcept>

Q_DECLARE_METATYPE(QList<int>)

namespace {
// Fills one row of cells at (column, rowInColumn) starting at left 10.
void fillRow(Board &board, const QList<QByteArray> &cells, int rowIndex, int column, int rowInColumn)
{
    QByteArray word;
    for (const QByteArray &c : cells)
        word += c;
    int x = 10;
    for (int i = 0; i < cells.size(); ++i) {
        board.SetTile({.text = cells[i], .definition = "definition", .rowWord = word, .width = 50, .left = x,
                       .top = 10, .rowIndex = rowIndex, .column = column, .rowInColumn = rowInColumn,
                       .cellsInRow = int(cells.size()), .firstInRow = i == 0});
        x += 50;
    }
}

struct CountingListener : BoardListener
{
    void tileChanged(int slot) override { changed << slot; }
    void tileRaised(int slot) override { raised << slot; }
    QList<int> changed;
    QList<int> raised;
};
} // namespace

class BoardTest : public QObject
{
    Q_OBJECT
private slots:
    void fitRowSpreadsByLength_data()
    {
        QTest::addColumn<QList<QByteArray>>("cells");
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("2-1-2 over 222") << QList<QByteArray>{"AB", "C", "DE"} << 222 << QList<int>{89, 44, 89};
        QTest::newRow("halves go to even") << QList<QByteArray>{"A", "BCD"} << 222 << QList<int>{56, 166};
        QTest::newRow("last absorbs the rest") << QList<QByteArray>{"A", "B", "C", "D", "E"} << 222
                                               << QList<int>{44, 44, 44, 44, 46};
        QTest::newRow("last gives back the excess") << QList<QByteArray>{"ABC", "DEFG", "HIJ"} << 222
                                                    << QList<int>{67, 89, 66};
        QTest::newRow("15-pixel floor, last shrinks")
            << QList<QByteArray>{"A", QByteArray(30, 'B')} << 222 << QList<int>{15, 207};
        QTest::newRow("floor on a narrow row") << QList<QByteArray>{"A", "B", "C"} << 30 << QList<int>{15, 15, 0};
    }
    void fitRowSpreadsByLength()
    {
        QFETCH(QList<QByteArray>, cells);
        QFETCH(int, width);
        QFETCH(QList<int>, widths);
        Board board;
        board.MakeTiles();
        fillRow(board, cells, 0, 1, 1);
        board.FitRow(1, 1, width);
        int x = 10;
        for (int i = 0; i < cells.size(); ++i) {
            const TilePanel &p = board.Tiles(i + 1).Panel;
            QCOMPARE(p.width, widths[i]);
            QCOMPARE(p.left, x);
            x += p.width;
        }
        QCOMPARE(x, 10 + width);
    }

    void fitRowStopsAtRetiredSlotsAndTileCount()
    {
        Board board;
        board.MakeTiles();
        fillRow(board, {"AB", "CD", "EF"}, 0, 1, 1);
        board.setRowIndex(3, RetiredRow);
        board.setWidth(3, 77);
        board.FitRow(1, 1, 222);
        QCOMPARE(board.Tiles(1).Panel.width, 111);
        QCOMPARE(board.Tiles(2).Panel.width, 111);
        QCOMPARE(board.Tiles(3).Panel.width, 77);

        // A 4 x 4 round followed by a 4 x 3 round: slot 13 still holds the old
        // fourth row's cell but is not part of the new fourth row.
        board.clearTileCount();
        for (int r = 0; r < 4; ++r)
            fillRow(board, {"AB", "CD", "EF", "GH"}, r, 1, r + 1);
        board.clearTileCount();
        for (int r = 0; r < 4; ++r)
            fillRow(board, {"AB", "CD", "EF"}, r, 1, r + 1);
        QCOMPARE(board.TileCount(), quint16(12));
        QCOMPARE(board.Tiles(13).RowInColumn, 4);
        board.FitRow(1, 4, 222);
        QCOMPARE(board.Tiles(10).Panel.width + board.Tiles(11).Panel.width + board.Tiles(12).Panel.width, 222);
        QCOMPARE(board.Tiles(13).Panel.width, 50);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, board.FitRow(2, 1, 222));
    }

    void slotRangeAndPoolLimit()
    {
        Board board;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, board.Tiles(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, board.Tiles(251));
        QCOMPARE(board.Tiles(250).Panel.tag, 250);
        const Board::NewTile anyTile{.text = "AB", .definition = "", .rowWord = "ab", .width = 50, .left = 1, .top = 1, .cellsInRow = 5};
        for (int i = 0; i < 250; ++i)
            board.SetTile(anyTile);
        QCOMPARE(board.TileCount(), quint16(250));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                 board.SetTile(anyTile));
        QCOMPARE(board.TileCount(), quint16(250));
    }

    void setTileFillsTheSlot_data()
    {
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<bool>("showHint");
        QTest::addColumn<int>("state");
        QTest::newRow("fixed, hints") << true << true << int(TileState::Placed);
        QTest::newRow("movable, no hints") << false << false << int(TileState::Movable);
    }
    void setTileFillsTheSlot()
    {
        QFETCH(bool, fixed);
        QFETCH(bool, showHint);
        QFETCH(int, state);
        Board board;
        board.setTemplateHeight(41);
        board.MakeTiles();
        board.SetTile({.text = "Ca", .definition = "a drink", .rowWord = "Caf\xe9 au", .width = 50, .left = 60,
                       .top = 45, .rowIndex = 2, .column = 1, .rowInColumn = 3, .cellsInRow = 3, .fixed = fixed,
                       .firstInRow = true, .showHint = showHint});
        const tTile &t = board.Tiles(1);
        QCOMPARE(t.Panel.caption, QByteArray("Ca"));
        QCOMPARE(t.CorrectText, QByteArray("Ca"));
        QCOMPARE(t.RowWord, QByteArray("CAF\xe9 AU")); // a-z only
        QCOMPARE(int(t.Panel.state), state);
        QCOMPARE(t.Panel.draggable(), !fixed);
        QCOMPARE(t.Panel.showHint, showHint);
        QCOMPARE(t.Panel.hint, QByteArray("a drink"));
        QCOMPARE(t.Panel.height, 41);
        QVERIFY(!t.Panel.visible);
        QCOMPARE(t.RowIndex, 2);
        QCOMPARE(t.RowInColumn, 3);
        QCOMPARE(t.CellsInRow, quint16(3));
        QVERIFY(t.FirstInRow);
    }

    void listenerHearsEveryTileChange()
    {
        Board board;
        CountingListener listener;
        board.setListener(&listener);
        board.MakeTiles();
        QCOMPARE(listener.changed.size(), 250);
        listener.changed.clear();
        fillRow(board, {"AB", "C", "DE"}, 0, 1, 1);
        board.FitRow(1, 1, 222);
        board.setCaption(2, "X");
        board.setState(2, TileState::Placed);
        board.setVisible(3, true);
        board.raise(1);
        QCOMPARE(listener.changed, (QList<int>{1, 2, 3, 1, 2, 3, 2, 2, 3}));
        QCOMPARE(listener.raised, QList<int>{1});
    }

    void randomSourceSequence()
    {
        RandomSource::setSeed(12345);
        const int ranges[] = {10, 100, 1000, 2147483647, 1};
        const quint32 seeds[] = {1655067934u, 1242767767u, 342459380u, 2377737157u, 2721613530u};
        const int draws[] = {3, 28, 79, 1188868577, 0};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(RandomSource::random(ranges[i]), draws[i]);
            QCOMPARE(RandomSource::seed(), seeds[i]);
        }
        RandomSource::setSeed(0xFFFFFFFFu);
        QCOMPARE(RandomSource::random(250), 242);
        QCOMPARE(RandomSource::seed(), 4160191484u);
        QCOMPARE(RandomSource::random(0), 0);
        QCOMPARE(RandomSource::seed(), 4160191484u);
        RandomSource::seedFromClock();
        QVERIFY(RandomSource::seed() < 86400000u);
    }
};

QTEST_APPLESS_MAIN(BoardTest)
#include "board_test.moc"
