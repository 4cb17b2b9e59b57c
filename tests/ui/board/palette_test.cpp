// The game's colours stay exactly what they were for every state the engine reports.
#include "round/round_engine.h"
#include "ui/board/palette.h"

#include <QtTest>

class PaletteTest : public QObject
{
    Q_OBJECT
private slots:
    void tileLetters_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("movable") << int(TileState::Movable) << QColor(251, 0, 0);
        QTest::newRow("placed") << int(TileState::Placed) << QColor(0, 170, 102);
        QTest::newRow("solved") << int(TileState::Solved) << QColor(0, 0, 236);
        QTest::newRow("retired") << int(TileState::Retired) << QColor(0, 0, 0);
    }
    void tileLetters()
    {
        QFETCH(int, state);
        QFETCH(QColor, colour);
        QCOMPARE(Palette::tileLetters(TileState(state)), colour);
    }

    // Each band's lowest and highest rating, as the engine sorts them.
    void ratingBands_data()
    {
        QTest::addColumn<int>("rating");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("100") << 100 << QColor(92, 1, 126);
        QTest::newRow("86") << 86 << QColor(92, 1, 126);
        QTest::newRow("85") << 85 << QColor(0, 0, 160);
        QTest::newRow("71") << 71 << QColor(0, 0, 160);
        QTest::newRow("70") << 70 << QColor(0, 128, 128);
        QTest::newRow("56") << 56 << QColor(0, 128, 128);
        QTest::newRow("55") << 55 << QColor(13, 128, 0);
        QTest::newRow("41") << 41 << QColor(13, 128, 0);
        QTest::newRow("40") << 40 << QColor(205, 90, 84);
        QTest::newRow("26") << 26 << QColor(205, 90, 84);
        QTest::newRow("25") << 25 << QColor(245, 21, 10);
        QTest::newRow("0") << 0 << QColor(245, 21, 10);
        QTest::newRow("-2") << -2 << QColor(245, 21, 10);
    }
    void ratingBands()
    {
        QFETCH(int, rating);
        QFETCH(QColor, colour);
        QCOMPARE(Palette::ratingBackground(RoundEngine::bandFor(rating)), colour);
    }

    void dealingIsNavy() { QCOMPARE(Palette::ratingBackground(RatingBand::Dealing), QColor(0, 0, 128)); }

    void statusLine_data()
    {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("plain");
        QTest::newRow("lost") << int(RoundOutcome::Lost) << QColor(128, 0, 0) << true;
        QTest::newRow("won") << int(RoundOutcome::Won) << QColor(128, 0, 0) << true;
        QTest::newRow("solved") << int(RoundOutcome::Solved) << QColor(255, 0, 0) << false;
    }
    void statusLine()
    {
        QFETCH(int, outcome);
        QFETCH(QColor, colour);
        QFETCH(bool, plain);
        const Palette::StatusLook look = Palette::statusLine(RoundOutcome(outcome));
        QCOMPARE(look.letters, colour);
        QCOMPARE(look.plainStyle, plain);
    }
};

QTEST_APPLESS_MAIN(PaletteTest)
#include "palette_test.moc"
