// SPDX-License-Identifier: GPL-3.0-or-later
// The twenty-one border styles fill their grid, and a stored style name selects
// its sample.

#include "ui/styles/tile_style.h"

#include <QApplication>
#include <QSet>
#include <QtTest>

Q_DECLARE_METATYPE(TileBorder)

class TileStyleTest : public QObject
{
    Q_OBJECT
private slots:
    void samplesFillTheGrid();
    void storedNameSelectsSample_data();
    void storedNameSelectsSample();
    void colourRoundTrip_data();
    void colourRoundTrip();
    void systemColoursFollowThePalette();
};

void TileStyleTest::samplesFillTheGrid()
{
    // Every component name once, every grid place once.
    QSet<QString> names;
    QSet<int> places;
    for (const StyleSample &sample : styleSamples()) {
        names.insert(QString::fromLatin1(sample.name));
        QVERIFY(sample.row >= 1 && sample.row <= 3 && sample.column >= 1 && sample.column <= 7);
        places.insert(sample.row * 10 + sample.column);
    }
    QCOMPARE(places.size(), StyleSampleCount);
    QVERIFY(names.contains(QStringLiteral("panel21")));
    for (int n = 1; n <= 20; ++n)
        QVERIFY2(names.contains(QStringLiteral("Panel%1").arg(n)), qPrintable(QString::number(n)));
    QCOMPARE(names.size(), StyleSampleCount);
    QCOMPARE(findStyleSample(QStringLiteral("panel1")), nullptr); // component names are exact
}

void TileStyleTest::storedNameSelectsSample_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("sample");
    QTest::addColumn<TileBorder>("border");
    const TileBorder panel7{Bevel::Lowered, Bevel::Raised, 1, BorderStyle::None, 2};
    const TileBorder panel1{Bevel::Lowered, Bevel::None, 3, BorderStyle::None, 0};
    QTest::newRow("panel7") << "panel7" << "Panel7" << panel7;
    QTest::newRow("PANEL7") << "PANEL7" << "Panel7" << panel7;
    QTest::newRow("Panel7") << "Panel7" << "Panel7" << panel7;
    QTest::newRow("Panel22") << "Panel22" << "Panel1" << panel1;
    QTest::newRow("empty") << "" << "Panel1" << panel1;
    QTest::newRow("PANEL1") << "PANEL1" << "Panel1" << panel1;
    QTest::newRow("Panel02") << "Panel02" << "Panel1" << panel1;
    QTest::newRow("panel21") << "panel21" << "panel21"
                             << TileBorder{Bevel::Raised, Bevel::None, 3, BorderStyle::None, 0};
    QTest::newRow("panel16") << "panel16" << "Panel16"
                             << TileBorder{Bevel::Raised, Bevel::Raised, 1, BorderStyle::Single, 2};
    QTest::newRow("Panel20") << "PaNeL20" << "Panel20"
                             << TileBorder{Bevel::Lowered, Bevel::None, 1, BorderStyle::None, 2};
    QTest::newRow("Panel18") << "Panel18" << "Panel18"
                             << TileBorder{Bevel::Lowered, Bevel::Raised, 2, BorderStyle::None, 2};
}

void TileStyleTest::storedNameSelectsSample()
{
    QFETCH(QString, stored);
    QFETCH(QString, sample);
    QFETCH(TileBorder, border);
    QCOMPARE(QString::fromLatin1(styleSampleForStoredName(stored).name), sample);
    QVERIFY(borderForStyleName(stored) == border);
}

void TileStyleTest::colourRoundTrip_data()
{
    QTest::addColumn<qint32>("stored");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("tile colour panel") << qint32(204 + (221 << 8) + (187 << 16)) << QColor(204, 221, 187);
    QTest::newRow("red is the low byte") << qint32(0x0000FF) << QColor(255, 0, 0);
    QTest::newRow("blue is the third byte") << qint32(0xFF0000) << QColor(0, 0, 255);
}

void TileStyleTest::colourRoundTrip()
{
    QFETCH(qint32, stored);
    QFETCH(QColor, colour);
    QCOMPARE(colourFromStored(stored), colour);
    QCOMPARE(storedFromColour(colour), stored);
    QCOMPARE(TileColour::fromColour(colour).stored, stored);
}

void TileStyleTest::systemColoursFollowThePalette()
{
    QPalette pal = QApplication::palette();
    pal.setColor(QPalette::Button, QColor(10, 20, 30));
    pal.setColor(QPalette::ButtonText, QColor(40, 50, 60));
    QApplication::setPalette(pal);
    QCOMPARE(colourFromStored(-2147483633), QColor(10, 20, 30));
    QCOMPARE(colourFromStored(qint32(0x80000012)), QColor(40, 50, 60)); // button text
    // The button face stays a system colour until a real colour is picked.
    const TileColour face = TileColour::buttonFace();
    QCOMPARE(face.stored, qint32(-2147483633));
    QCOMPARE(face.colour(), QColor(10, 20, 30));
    QVERIFY(TileColour::fromColour(face.colour()).stored >= 0);
    QApplication::setPalette(QPalette());
}

QTEST_MAIN(TileStyleTest)
#include "tile_style_test.moc"
