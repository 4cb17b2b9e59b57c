// SPDX-License-Identifier: GPL-3.0-or-later
// The board grows with the window: the zoom keys and a window resized by hand
// scale every tile together, the zoom is kept for the next start, and a drag,
// a hover hint and keyboard play work on the enlarged board as at its natural size.
#include "support/game_fixture.h"
#include "support/board_tiles.h"
#include "support/offscreen_screen.h"

#include "ui/board/board_panel.h"
#include "ui/board/keyboard_play.h"
#include "ui/board/keyboard_player.h"

#include <QFile>
#include <QHelpEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolTip>

namespace {
const QString Format = QStringLiteral("5 letters: 2-1-2");

// Every shown tile of the board at `scale` times its natural place (edges rounded).
bool tilesAtScale(GameFixture &game, qreal scale)
{
    const Board &board = game.engine().board();
    for (int s = 1; s <= board.TileCount(); ++s) {
        const TilePanel &p = board.Tiles(s).Panel;
        if (!p.visible)
            continue;
        const QRect drawn = boardTile(game.main(), s)->geometry();
        if (qAbs(drawn.width() - p.width * scale) > 1.5 || qAbs(drawn.height() - p.height * scale) > 1.5)
            return false;
    }
    return true;
}

void zoomKey(TfrmMain &window, Qt::Key key)
{
    QTest::keyClick(&window, key, Qt::ControlModifier);
    QCoreApplication::processEvents();
}
} // namespace

class BoardZoomTest : public QObject
{
    Q_OBJECT

private slots:
    void zoomKeysScaleTheBoardAndAreKept();
    void windowSizedByHandScalesTheBoard();
    void playAtTwiceTheSize();
    void fullRoundMaximisedFillsTheScreen();
};

void BoardZoomTest::zoomKeysScaleTheBoardAndAreKept()
{
    GameFixture game;
    game.writeQuietSettings();
    {
        TfrmMain &window = game.start();
        game.deal(Format, 6, FixedCell::First);
        const QSize natural = window.board()->naturalSize();
        QCOMPARE(window.board()->scale(), 1.0);
        zoomKey(window, Qt::Key_Plus);
        zoomKey(window, Qt::Key_Plus);
        QCOMPARE(window.zoom(), 150);
        QTRY_COMPARE(window.board()->scale(), 1.5);
        QVERIFY(tilesAtScale(game, 1.5));
        QCOMPARE(window.board()->size(), natural * 1.5);
        zoomKey(window, Qt::Key_Minus);
        QTRY_COMPARE(window.board()->scale(), 1.25);
        zoomKey(window, Qt::Key_0);
        QTRY_COMPARE(window.board()->scale(), 1.0);
        QVERIFY(tilesAtScale(game, 1.0));
        // Never below the natural size.
        zoomKey(window, Qt::Key_Minus);
        QCOMPARE(window.zoom(), 100);
        zoomKey(window, Qt::Key_Plus);
        QTRY_COMPARE(window.board()->scale(), 1.25);
        window.close();
    }
    QCOMPARE(game.ini().readInteger(QStringLiteral("Options"), QStringLiteral("Zoom"), 0), 125);
    // The next start opens at that zoom, and so does its first round.
    game.program.reset();
    TfrmMain &again = game.start();
    QCOMPARE(again.zoom(), 125);
    game.deal(Format, 6, FixedCell::First);
    QTRY_COMPARE(again.board()->scale(), 1.25);
    QVERIFY(tilesAtScale(game, 1.25));
}

void BoardZoomTest::windowSizedByHandScalesTheBoard()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(Format, 6, FixedCell::First);
    const QSize natural = window.board()->naturalSize();
    // Twice as wide, three times as tall: the board takes twice its size, centred, aspect kept.
    window.resize(window.width() + natural.width(), window.height() + 2 * natural.height());
    QTRY_COMPARE(window.board()->scale(), 2.0);
    QVERIFY(tilesAtScale(game, 2.0));
    const QRect first = boardTile(window, 1)->geometry();
    QCOMPARE(first.left(), 2 * game.slot(1).Panel.left);
    QVERIFY(qAbs(first.top() - (window.board()->height() - 2 * natural.height()) / 2 - 2 * game.slot(1).Panel.top) <= 1);
    // The status line widens with the window, up to its right edge.
    const QWidget *strip = window.findChild<QWidget *>("pStatus");
    const QWidget *line = window.findChild<QWidget *>("LB");
    QVERIFY(strip->width() - line->mapTo(strip, QPoint(line->width(), 0)).x() <= 20);
    // Smaller than the natural size it cannot go.
    window.resize(100, 100);
    QCOMPARE(window.size(), window.minimumSize());
    QTRY_COMPARE(window.board()->scale(), 1.0);
    QVERIFY(window.board()->size().width() >= natural.width());
}

void BoardZoomTest::playAtTwiceTheSize()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.options().setShowDefinitions(true);
    game.deal(Format, 4, FixedCell::First); // twice its size, it still fits the screen
    for (int step = 0; step < 4; ++step)
        zoomKey(window, Qt::Key_Plus);
    QTRY_COMPARE(window.board()->scale(), 2.0);

    // A drag as the player makes it, from the enlarged tile to the enlarged tile.
    const auto [source, target] = game.rightMove();
    QVERIFY(source);
    const int rating = game.engine().rating();
    game.drag(source, target);
    QCOMPARE(int(game.engine().round().Moves), 1);
    QVERIFY(game.engine().rating() > rating); // put right: the rating rose

    // The hint of the tile under the mouse, where the window system asks for it.
    const int hinted = game.rightMove().first;
    QVERIFY(hinted && game.slot(hinted).Panel.showHint);
    const QPoint at = boardTile(window, hinted)->geometry().bottomRight() - QPoint(2, 2);
    QHelpEvent ask(QEvent::ToolTip, at, window.board()->mapToGlobal(at));
    QApplication::sendEvent(window.board(), &ask);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QString::fromLatin1(game.slot(hinted).Panel.hint));

    // Keyboard play: the frame walks to a movable tile, twice its size, and the drop is made.
    const auto [from, to] = game.rightMove();
    KeyboardPlay &play = *window.keyboardPlay();
    QVERIFY(KeyboardPlayer::walkTo(game.engine().board(), play, from));
    const int out = 2 * BoardPanel::FocusOutset;
    QCOMPARE(window.board()->focusMarkRect(), boardTile(window, from)->geometry().adjusted(-out, -out, out, out));
    QVERIFY(KeyboardPlayer::press(Qt::Key_Space));
    QVERIFY(KeyboardPlayer::walkTo(game.engine().board(), play, to));
    const int moves = game.engine().round().Moves;
    QVERIFY(KeyboardPlayer::press(Qt::Key_Space));
    QTRY_COMPARE(int(game.engine().round().Moves), moves + 1);
}

// A 45-word round on a laptop's 1366 x 768 screen, maximised: the board
// takes the screen's height and its captions grow with it.
void BoardZoomTest::fullRoundMaximisedFillsTheScreen()
{
    GameFixture game;
    QVERIFY(QFile::copy(QStringLiteral(SPLITWICK_SOURCE_DIR "/data/kbs/English.dic"),
                        game.dir.filePath(QStringLiteral("kbs/English.dic"))));
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.options().selectDictionary(QStringLiteral("English"));
    game.options().setPresetsIndex(int(splitFormats().indexOf(QStringLiteral("7 letters: 3-1-3"))));
    game.options().setWordCount(45);
    window.New1Click();
    QCOMPARE(int(game.engine().round().RoundWords.size()), 45);
    const QSize natural = window.board()->naturalSize();
    window.showMaximized();
    window.setGeometry(window.screen()->availableGeometry()); // no window manager here to do it
    QTRY_VERIFY(window.board()->scale() > 1.0);
    const QRect board = window.board()->rect();
    QVERIFY(qAbs(board.height() - natural.height() * window.board()->scale()) <= 2 ||
            qAbs(board.width() - natural.width() * window.board()->scale()) <= 2);
    for (int s = 1; s <= game.engine().board().TileCount(); ++s)
        if (game.slot(s).Panel.visible)
            QVERIFY2(board.contains(boardTile(window, s)->geometry()), qPrintable(QString::number(s)));
    if (qEnvironmentVariableIsSet("SPLITWICK_SHOTS"))
        window.grab().save(qEnvironmentVariable("SPLITWICK_SHOTS") + QStringLiteral("/maximised.png"));
}

int main(int argc, char *argv[])
{
    // A laptop's screen, as players have it.
    QTemporaryDir dir;
    if (!useOffscreenScreen(dir, 1366, 768))
        return 1;
    GameApplication app(argc, argv);
    initialiseProgram();
    BoardZoomTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "board_zoom_test.moc"
