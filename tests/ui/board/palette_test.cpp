// SPDX-License-Identifier: GPL-3.0-or-later
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

// High contrast: every state's letters at least 4.5:1 against any tile colour
// the player may pick, computed from the palette as the tiles draw them.
class ContrastTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Palette::setHighContrast(false); }

    // The figures measured on the default face, before any lift.
    void defaultFace()
    {
        const QColor face(239, 239, 239);
        QCOMPARE(qRound(Palette::contrast(Palette::tileLetters(TileState::Placed), face) * 100), 263);
        QCOMPARE(qRound(Palette::contrast(Palette::tileLetters(TileState::Movable), face) * 100), 358);
        QCOMPARE(Palette::drawnLetters(Palette::tileLetters(TileState::Movable), face),
                 Palette::tileLetters(TileState::Movable));
    }

    void everyStateOnEveryFace_data()
    {
        QTest::addColumn<QColor>("face");
        QTest::newRow("button face") << QColor(239, 239, 239);
        QTest::newRow("white") << QColor(Qt::white);
        QTest::newRow("black") << QColor(Qt::black);
        QTest::newRow("middle grey") << QColor(119, 119, 119);
        QTest::newRow("board lilac") << QColor(188, 156, 248);
        QTest::newRow("styles green") << QColor(204, 221, 187);
        QTest::newRow("navy") << QColor(0, 0, 128);
        QTest::newRow("yellow") << QColor(255, 255, 0);
        QTest::newRow("movable red") << QColor(251, 0, 0);
        QTest::newRow("placed green") << QColor(0, 170, 102);
        QTest::newRow("solved blue") << QColor(0, 0, 236);
    }
    void everyStateOnEveryFace()
    {
        QFETCH(QColor, face);
        Palette::setHighContrast(true);
        for (TileState state : {TileState::Movable, TileState::Placed, TileState::Solved}) {
            const QColor drawn = Palette::drawnLetters(Palette::tileLetters(state), face);
            const double ratio = Palette::contrast(drawn, face);
            QVERIFY2(ratio >= Palette::MinimumContrast,
                     qPrintable(QStringLiteral("state %1: %2 on %3 is %4:1")
                                    .arg(int(state)).arg(drawn.name(), face.name()).arg(ratio, 0, 'f', 2)));
        }
    }

    // On the default face the states keep colours of their own, as well as their shapes.
    void statesStayApart()
    {
        Palette::setHighContrast(true);
        const QColor face(239, 239, 239);
        const QColor movable = Palette::drawnLetters(Palette::tileLetters(TileState::Movable), face);
        const QColor placed = Palette::drawnLetters(Palette::tileLetters(TileState::Placed), face);
        const QColor solved = Palette::drawnLetters(Palette::tileLetters(TileState::Solved), face);
        QVERIFY(movable != placed && placed != solved && movable != solved);
        QVERIFY(movable.red() > movable.green() && placed.green() > placed.red() && solved.blue() > solved.red());
    }
};

int main(int argc, char **argv)
{
    PaletteTest palette;
    ContrastTest contrast;
    return QTest::qExec(&palette, argc, argv) | QTest::qExec(&contrast, argc, argv);
}
#include "palette_test.moc"
