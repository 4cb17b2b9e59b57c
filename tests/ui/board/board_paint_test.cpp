// SPDX-License-Identifier: GPL-3.0-or-later
// The board paints once per change: tiles changed inside New Game or a drop
// are painted after it, and its pauses paint no half-laid board.
#include "support/game_fixture.h"
#include "support/board_tiles.h"
#include "ui/background/background_image.h"

#include <QPaintEvent>
#include <QPainter>

#include <random>

namespace {
// Counts the paints of every tile of the board: the board's paints whose
// region reaches the tile.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(TfrmMain &window) : m_window(window) { window.board()->installEventFilter(this); }
    int paints(int slot) const
    {
        int count = 0;
        for (const QRegion &region : m_regions)
            count += region.intersects(m_window.board()->tileRect(slot)) ? 1 : 0;
        return count;
    }
    void reset() { m_regions.clear(); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_regions << static_cast<QPaintEvent *>(event)->region();
        return false;
    }

private:
    TfrmMain &m_window;
    QList<QRegion> m_regions;
};
} // namespace

class BoardPaintTest : public QObject
{
    Q_OBJECT

private slots:
    void newGamePaintsEachTileOnce();
    void dropPaintsItsTiles();
    void tilesLieBetweenPictureAndFrames();
};

void BoardPaintTest::newGamePaintsEachTileOnce()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(QStringLiteral("5 letters: 2-1-2"), 12, FixedCell::First);
    QTest::qWait(50);
    QList<TileFace> before;
    QList<QRect> placesBefore;
    for (int slot = 1; slot <= TileSlots; ++slot) {
        before << boardTile(window, slot).face();
        placesBefore << boardTile(window, slot)->geometry();
    }
    PaintCounter counter(window);

    // F2 while a round runs: the old board hides and the new one is laid;
    // its pauses paint no tile more than once.
    QTest::keyClick(&window, Qt::Key_F2);
    const Board &board = game.engine().board();
    QCOMPARE(int(board.TileCount()), 36);
    // Only the first row may be painted again, as the keyboard focus frame lands on it.
    int paints = 0;
    for (int slot = 1; slot <= TileSlots; ++slot)
        paints += counter.paints(slot);
    QVERIFY2(paints <= board.TileCount() + 3, qPrintable(QString::number(paints)));
    // Every tile of the new board is painted, showing its new text, unless
    // it shows exactly what the old board showed there.
    QTest::qWait(50);
    for (int slot = 1; slot <= board.TileCount(); ++slot) {
        QVERIFY(boardTile(window, slot)->isVisible());
        QCOMPARE(boardTile(window, slot)->caption(), QString::fromLatin1(board.Tiles(slot).Panel.caption));
        const bool unchanged = boardTile(window, slot)->geometry() == placesBefore[slot - 1] &&
                               boardTile(window, slot)->caption() == before[slot - 1].caption &&
                               boardTile(window, slot)->letterColour() == before[slot - 1].letters;
        QVERIFY(counter.paints(slot) >= 1 || unchanged);
    }
}

void BoardPaintTest::dropPaintsItsTiles()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(QStringLiteral("5 letters: 2-1-2"), 12, FixedCell::First);
    QTest::qWait(50);
    const auto [source, target] = game.wrongMove();
    QVERIFY(source);
    const QString sourceText = boardTile(window, source)->caption();
    const QString targetText = boardTile(window, target)->caption();
    PaintCounter counter(window);

    game.drag(source, target);
    QTest::qWait(50);
    // Both tiles show their exchanged texts, painted after the drop.
    QCOMPARE(boardTile(window, source)->caption(), targetText);
    QCOMPARE(boardTile(window, target)->caption(), sourceText);
    QVERIFY(counter.paints(source) >= 1);
    QVERIFY(counter.paints(target) >= 1);
    QVERIFY(window.findChild<QWidget *>(QStringLiteral("pGame"))->isEnabled());
}

// After a deal and after joins the background picture stays under every
// tile and the keyboard's frames over them.
void BoardPaintTest::tilesLieBetweenPictureAndFrames()
{
    GameFixture game;
    std::mt19937 dice(7);
    QList<QByteArray> words;
    for (int i = 0; i < 60; ++i) {
        QByteArray word;
        for (int k = 0; k < 5; ++k)
            word += char('A' + dice() % 26);
        words << word;
    }
    game.writeDictionary(QStringLiteral("beta"), words);
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(QColor(1, 254, 3));
    window.backgroundImage()->setPicture(picture);
    game.deal(QStringLiteral("5 letters: 2-1-2"), 45, FixedCell::First);
    for (int move = 0; move < 6; ++move) { // right moves join cells
        const auto [source, target] = game.rightMove();
        if (source)
            game.drag(source, target);
    }
    BoardPanel *board = window.board();
    const QImage shot = board->grab().toImage();
    QCOMPARE(shot.pixelColor(board->contentsRect().topLeft()), QColor(1, 254, 3));
    for (int slot = 1; slot <= game.engine().board().TileCount(); ++slot) {
        const QRect tile = board->tileRect(slot);
        if (!tile.isEmpty())
            QVERIFY2(shot.pixelColor(tile.center()) != QColor(1, 254, 3), qPrintable(QString::number(slot)));
    }
    QCOMPARE(shot.pixelColor(board->focusMarkRect().topLeft()), QColor(Qt::black));
}

int main(int argc, char *argv[])
{
    GameApplication app(argc, argv);
    initialiseProgram();
    BoardPaintTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "board_paint_test.moc"
