// SPDX-License-Identifier: GPL-3.0-or-later
// The board paints once per change: tiles changed inside New Game or a drop
// are painted after it, and its pauses paint no half-laid board.
#include "support/game_fixture.h"

#include <QMap>

#include <random>

namespace {
// Counts the paints of every tile of the board.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(TfrmMain &window) : m_window(window)
    {
        for (int slot = 1; slot <= TileSlots; ++slot)
            window.tile(slot)->installEventFilter(this);
    }
    int paints(int slot) const { return m_paints.value(m_window.tile(slot)); }
    void reset() { m_paints.clear(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_paints[watched];
        return false;
    }

private:
    TfrmMain &m_window;
    QMap<QObject *, int> m_paints;
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
    // Every tile of the new board is painted, showing its new text.
    QTest::qWait(50);
    for (int slot = 1; slot <= board.TileCount(); ++slot) {
        QVERIFY(window.tile(slot)->isVisible());
        QCOMPARE(window.tile(slot)->caption(), QString::fromLatin1(board.Tiles(slot).Panel.caption));
        QVERIFY(counter.paints(slot) >= 1);
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
    const QString sourceText = window.tile(source)->caption();
    const QString targetText = window.tile(target)->caption();
    PaintCounter counter(window);

    game.drag(source, target);
    QTest::qWait(50);
    // Both tiles show their exchanged texts, painted after the drop.
    QCOMPARE(window.tile(source)->caption(), targetText);
    QCOMPARE(window.tile(target)->caption(), sourceText);
    QVERIFY(counter.paints(source) >= 1);
    QVERIFY(counter.paints(target) >= 1);
    QVERIFY(window.findChild<QWidget *>(QStringLiteral("pGame"))->isEnabled());
}

// The tiles are stacked anew after a deal and after joins; the background
// picture stays under every tile and the keyboard's frames over them.
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
    game.deal(QStringLiteral("5 letters: 2-1-2"), 45, FixedCell::First);
    for (int move = 0; move < 6; ++move) { // right moves join cells, raising them
        const auto [source, target] = game.rightMove();
        if (source)
            game.drag(source, target);
    }
    const QObjectList order = window.findChild<QWidget *>(QStringLiteral("pGame"))->children();
    const qsizetype picture = order.indexOf(window.findChild<QWidget *>(QStringLiteral("Image2")));
    QVERIFY(picture >= 0);
    for (const char *name : {"keyboardFocus", "keyboardCarried"}) {
        const qsizetype frame = order.indexOf(window.findChild<QWidget *>(QLatin1String(name)));
        for (int slot = 1; slot <= game.engine().board().TileCount(); ++slot) {
            const qsizetype at = order.indexOf(window.tile(slot));
            QVERIFY2(picture < at && at < frame, qPrintable(QStringLiteral("%1 %2").arg(name).arg(slot)));
        }
    }
}

int main(int argc, char *argv[])
{
    GameApplication app(argc, argv);
    initialiseProgram();
    BoardPaintTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "board_paint_test.moc"
