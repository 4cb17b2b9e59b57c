// SPDX-License-Identifier: GPL-3.0-or-later
// A tile draws its frame and caption in the look it is given and passes the
// mouse to the board.

#include "ui/board/tile_widget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

Q_DECLARE_METATYPE(TileBorder)

namespace {

const QColor Face(204, 221, 187);
const QColor Letters(251, 0, 0);
const QColor Light(255, 255, 255);
const QColor Dark(128, 128, 128);
const QColor DarkShadow(64, 64, 64);
const QColor Midlight(227, 227, 227);

QPalette bevelPalette()
{
    QPalette pal;
    pal.setColor(QPalette::Light, Light);
    pal.setColor(QPalette::Dark, Dark);
    pal.setColor(QPalette::Shadow, DarkShadow);
    pal.setColor(QPalette::Midlight, Midlight);
    return pal;
}

QImage paint(const TileBorder &border, const QString &caption = QString(), QSize size = QSize(60, 30))
{
    TileWidget tile;
    tile.setPalette(bevelPalette());
    tile.setTileColour(Face);
    tile.setBorder(border);
    tile.setCaption(caption);
    tile.setLetterColour(Letters);
    QFont font;
    font.setPixelSize(20);
    font.setBold(true);
    tile.setTileFont(font);
    tile.resize(size);
    return tile.grab().toImage();
}

// Records the presses that reach it.
class Board : public QWidget
{
public:
    int presses = 0;
    int doubleClicks = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    void mouseDoubleClickEvent(QMouseEvent *) override { ++doubleClicks; }
};

} // namespace

class TileWidgetTest : public QObject
{
    Q_OBJECT
private slots:
    void framePixels_data();
    void framePixels();
    void captionInLetterColour();
    void mouseReachesTheBoard();
    void hintOnlyWithOwnFlag();
    void longCaptionShrinksToFit_data();
    void longCaptionShrinksToFit();
};

void TileWidgetTest::framePixels_data()
{
    QTest::addColumn<TileBorder>("border");
    QTest::addColumn<QPoint>("at"); // negative coordinates count from the right or bottom edge
    QTest::addColumn<QColor>("expected");
    const TileBorder panel21 = borderForStyleName(QStringLiteral("panel21")); // raised 3
    const TileBorder panel1 = borderForStyleName(QStringLiteral("Panel1"));   // lowered 3
    QTest::newRow("raised top-left") << panel21 << QPoint(0, 0) << Light;
    QTest::newRow("raised bottom-right") << panel21 << QPoint(-1, -1) << Dark;
    QTest::newRow("raised top-right corner is dark") << panel21 << QPoint(-1, 0) << Dark;
    QTest::newRow("raised inside") << panel21 << QPoint(3, 3) << Face;
    QTest::newRow("lowered top-left") << panel1 << QPoint(1, 1) << Dark;
    QTest::newRow("lowered bottom-right") << panel1 << QPoint(-3, -3) << Light;

    const TileBorder panel12 = borderForStyleName(QStringLiteral("Panel12")); // gap 2, raised 1 inside
    QTest::newRow("gap outside") << panel12 << QPoint(0, 0) << Face;
    QTest::newRow("gap then bevel") << panel12 << QPoint(2, 2) << Light;

    const TileBorder panel11 = borderForStyleName(QStringLiteral("Panel11")); // raised 1, gap 2, raised 1
    QTest::newRow("gap: outer bevel") << panel11 << QPoint(0, 0) << Light;
    QTest::newRow("gap: first") << panel11 << QPoint(1, 1) << Face;
    QTest::newRow("gap: inner bevel") << panel11 << QPoint(3, 3) << Light;
    QTest::newRow("gap: inner bevel bottom") << panel11 << QPoint(-4, -4) << Dark;

    const TileBorder panel4 = borderForStyleName(QStringLiteral("Panel4")); // outer lowered, inner raised
    QTest::newRow("outer lowered") << panel4 << QPoint(0, 0) << Dark;
    QTest::newRow("inner raised") << panel4 << QPoint(1, 1) << Light;

    const TileBorder panel8 = borderForStyleName(QStringLiteral("Panel8")); // single, raised 3
    QTest::newRow("single: outer ring") << panel8 << QPoint(0, 0) << Dark;
    QTest::newRow("single: inner ring") << panel8 << QPoint(1, 1) << DarkShadow;
    QTest::newRow("single: inner ring bottom") << panel8 << QPoint(-2, -2) << Midlight;
    QTest::newRow("single: bevel inside") << panel8 << QPoint(2, 2) << Light;

}

void TileWidgetTest::framePixels()
{
    QFETCH(TileBorder, border);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);
    const QImage image = paint(border);
    const QPoint p(at.x() < 0 ? image.width() + at.x() : at.x(), at.y() < 0 ? image.height() + at.y() : at.y());
    QCOMPARE(image.pixelColor(p), expected);
}

void TileWidgetTest::captionInLetterColour()
{
    const QImage blank = paint(defaultTileBorder());
    const QImage image = paint(defaultTileBorder(), QStringLiteral("HH"));
    int letterPixels = 0;
    int minX = image.width(), maxX = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == Letters) {
                ++letterPixels;
                minX = qMin(minX, x);
                maxX = qMax(maxX, x);
            }
    QVERIFY(letterPixels > 20);
    // Centred: the text's margins left and right differ by a pixel or two at most.
    QVERIFY2(qAbs(minX - (image.width() - 1 - maxX)) <= 2, qPrintable(QStringLiteral("%1 %2").arg(minX).arg(maxX)));
    // The frame is not painted over.
    QCOMPARE(image.pixelColor(0, 0), blank.pixelColor(0, 0));
}

void TileWidgetTest::mouseReachesTheBoard()
{
    Board board;
    board.resize(200, 100);
    auto *tile = new TileWidget(&board, 7);
    tile->setGeometry(10, 10, 50, 30);
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    QTest::mousePress(tile, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(tile, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(board.presses, 1);
    QTest::mouseDClick(tile, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(board.doubleClicks, 1);
    QCOMPARE(tile->tag(), 7);
}

void TileWidgetTest::hintOnlyWithOwnFlag()
{
    TileWidget tile;
    tile.setHintText(QStringLiteral("a small domestic animal"));
    QCOMPARE(tile.toolTip(), QString());
    tile.setShowHint(true);
    QCOMPARE(tile.toolTip(), QStringLiteral("a small domestic animal"));
    tile.setHintText(QStringLiteral("<b>bold</b> claim"));
    QVERIFY(tile.toolTip().contains(QStringLiteral("&lt;b&gt;")));
    tile.setShowHint(false);
    QCOMPARE(tile.toolTip(), QString());
}

void TileWidgetTest::longCaptionShrinksToFit_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("shrinks");
    QTest::newRow("short caption keeps the font") << "AB" << 60 << false;
    QTest::newRow("five letters in a fifth of a row") << "GASTR" << 38 << true;
    QTest::newRow("too wide even at the smallest size") << "WWWWWWWW" << 20 << true;
    QTest::newRow("a whole phrase") << "COMPREHENSIVE EXAMINATION" << 200 << true;
}

void TileWidgetTest::longCaptionShrinksToFit()
{
    QFETCH(QString, caption);
    QFETCH(int, width);
    QFETCH(bool, shrinks);
    QFont font("Tahoma");
    font.setPixelSize(13);
    font.setBold(true);
    const QFont fitted = TileWidget::fittingFont(font, caption, width);
    QCOMPARE(fitted.pixelSize() < font.pixelSize(), shrinks);
    QVERIFY(fitted.pixelSize() >= TileWidget::MinimumFittedPixels);
    if (shrinks) // fits, unless legibility set the floor first
        QVERIFY(QFontMetrics(fitted).horizontalAdvance(caption) <= width
                || fitted.pixelSize() == TileWidget::MinimumFittedPixels);
}

QTEST_MAIN(TileWidgetTest)
#include "tile_widget_test.moc"
