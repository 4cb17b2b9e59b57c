// SPDX-License-Identifier: GPL-3.0-or-later
// The main window plays the round as the engine rules it, with the mouse and
// the keys: dealing, dragging tiles, clues, solving, winning and losing.
#include "support/game_fixture.h"
#include "support/board_tiles.h"

#include "ui/board/board_view.h"
#include "ui/board/palette.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

namespace {
QString lbText(TfrmMain &window)
{
    return window.findChild<QLabel *>("LB")->text();
}

QColor lbColour(TfrmMain &window)
{
    return window.findChild<QLabel *>("LB")->palette().color(QPalette::WindowText);
}

QString counterText(TfrmMain &window)
{
    return window.findChild<QLabel *>("Counter")->text();
}
} // namespace

class BoardPlayTest : public QObject
{
    Q_OBJECT

private slots:
    void dealBuildsTheBoard_data();
    void dealBuildsTheBoard();
    void tilesMirrorTheBoard();
    void dragPlacesTiles();
    void wrongDropCostsRating();
    void dropOnPlacedTileIsRefused();
    void dropOutsideATileCancels();
    void doubleClickOnBoardStartsARound();
    void clueKeys();
    void solveKey();
    void wonRound();
    void lostRound();
};

void BoardPlayTest::dealBuildsTheBoard_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("cells");
    QTest::newRow("10 x 2-1-2") << "5 letters: 2-1-2" << 10 << 3;
    QTest::newRow("12 x 1-2-1") << "4 letters: 1-2-1" << 12 << 3;
    QTest::newRow("4 x 2-1-2") << "5 letters: 2-1-2" << 4 << 3;
}

void BoardPlayTest::dealBuildsTheBoard()
{
    QFETCH(QString, format);
    QFETCH(int, words);
    QFETCH(int, cells);
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(format, words, FixedCell::First);

    const Board &board = game.engine().board();
    QCOMPARE(int(board.TileCount()), words * cells);
    int visible = 0;
    for (int slot = 1; slot <= 250; ++slot)
        visible += boardTile(window, slot)->isVisible() ? 1 : 0;
    QCOMPARE(visible, words * cells);

    // The window takes the engine's outer size and place.
    const int rowPitch = window.templateTile()->height() + 2;
    const int expectedHeight = words == 10 ? rowPitch * 10 + 86 : 10 + words * rowPitch + 86;
    QCOMPARE(game.engine().windowHeight(), expectedHeight);
    QCOMPARE(game.engine().windowWidth(), 250);
    QCOMPARE(window.frameGeometry().size(), QSize(game.engine().windowWidth(), game.engine().windowHeight()));
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(game.engine().windowLeft(), game.engine().windowTop()));

    // A running round: clue and solve items on, the status line names the round.
    for (const char *name : {"mReveal", "mSolve", "Solve1", "Clue1"})
        QVERIFY2(window.findChild<QAction *>(QLatin1String(name))->isEnabled(), name);
    QVERIFY(lbText(window).contains(QStringLiteral("%1 words to find").arg(words)));
    QCOMPARE(counterText(window), QString::number(game.engine().rating()));
}

void BoardPlayTest::tilesMirrorTheBoard()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.options().setShowDefinitions(true);
    game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::Middle);
    const Board &board = game.engine().board();
    for (int slot = 1; slot <= board.TileCount(); ++slot) {
        const TilePanel &panel = board.Tiles(slot).Panel;
        const BoardTile tile = boardTile(window, slot);
        QCOMPARE(tile->caption(), QString::fromLatin1(panel.caption));
        QCOMPARE(tile->letterColour(), Palette::tileLetters(panel.state));
        QCOMPARE(tile->geometry(), QRect(panel.left, panel.top, panel.width, panel.height));
        QCOMPARE(tile->hintText(), QString::fromLatin1(panel.hint));
        QVERIFY(tile->showHint());
        // Every placed tile has the look of the template at the time.
        QCOMPARE(tile->border(), window.templateTile()->border());
        QCOMPARE(tile->tileColour(), window.templateTile()->tileColour());
        QCOMPARE(tile->tileFont(), window.templateTile()->tileFont());
        QCOMPARE(panel.state, (slot - 1) % 3 == 1 ? TileState::Placed : TileState::Movable);
    }
}

void BoardPlayTest::dragPlacesTiles()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
    // A last cell whose neighbour is still wrong, fetched from a tile that stays wrong: one placement, no join.
    int source = 0, target = 0;
    for (int t = 3; t <= game.engine().board().TileCount() && !target; t += 3) {
        const int s = game.sourceFor(t);
        if (s && game.movable(t - 1) && game.slot(t).Panel.caption != game.slot(s).CorrectText)
            source = s, target = t;
    }
    QVERIFY(source && target);
    const QByteArray right = game.slot(target).CorrectText;
    const QByteArray moved = game.slot(target).Panel.caption;
    const int rating = game.engine().rating();

    // While the button is down a copy of the tile follows the pointer.
    QWindow *handle = window.windowHandle();
    const QPoint from = game.centreOf(source);
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    BoardPanel *board = window.board();
    QVERIFY(!board->dragCopyRect().isEmpty());
    const QPoint startPos = board->dragCopyRect().topLeft();
    QTest::mouseMove(handle, from + QPoint(7, 5));
    QCOMPARE(board->dragCopyRect().topLeft(), startPos + QPoint(7, 5));
    QTest::mouseMove(handle, game.centreOf(target));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, game.centreOf(target));
    QVERIFY(board->dragCopyRect().isEmpty());

    QCOMPARE(boardTile(window, target)->caption(), QString::fromLatin1(right));
    QCOMPARE(boardTile(window, target)->letterColour(), QColor(0, 170, 102));
    QCOMPARE(boardTile(window, source)->caption(), QString::fromLatin1(moved));
    QCOMPARE(game.engine().rating(), rating + 1);
    QCOMPARE(counterText(window), QString::number(game.engine().rating()));
    QCOMPARE(int(game.engine().round().Moves), 1);
    QVERIFY(window.board()->isEnabled());
}

void BoardPlayTest::wrongDropCostsRating()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
    const auto [source, target] = game.wrongMove();
    QVERIFY(source && target);
    const QString sourceText = boardTile(window, source)->caption();
    const QString targetText = boardTile(window, target)->caption();
    const int rating = game.engine().rating();
    game.drag(source, target);
    QCOMPARE(boardTile(window, source)->caption(), targetText);
    QCOMPARE(boardTile(window, target)->caption(), sourceText);
    QCOMPARE(boardTile(window, source)->letterColour(), QColor(251, 0, 0));
    QCOMPARE(boardTile(window, target)->letterColour(), QColor(251, 0, 0));
    QCOMPARE(game.engine().rating(), rating - 5);
    QCOMPARE(counterText(window), QString::number(rating - 5));
}

void BoardPlayTest::dropOnPlacedTileIsRefused()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
    const int placed = 1; // the first cell of row 1 is fixed
    QCOMPARE(game.slot(placed).Panel.state, TileState::Placed);
    const int source = 2;
    QVERIFY(game.movable(source));
    const QString before = boardTile(window, placed)->caption();
    const int rating = game.engine().rating();
    game.drag(source, placed);
    QCOMPARE(boardTile(window, placed)->caption(), before);
    QCOMPARE(game.engine().rating(), rating);
    QCOMPARE(int(game.engine().round().Moves), 0);

    // A green tile cannot be picked up either.
    game.drag(placed, source);
    QCOMPARE(boardTile(window, placed)->caption(), before);
    QCOMPARE(int(game.engine().round().Moves), 0);
}

void BoardPlayTest::dropOutsideATileCancels()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
    const auto [source, target] = game.wrongMove();
    const QString text = boardTile(window, source)->caption();
    // The board's free right-hand margin, then the status bar.
    game.dragTo(source, window.board()->mapTo(&window, QPoint(window.board()->width() - 5, 5)));
    game.dragTo(source, window.findChild<QWidget *>("LB")->mapTo(&window, QPoint(3, 3)));
    // Dropping a tile on itself is no move.
    game.drag(source, source);
    QCOMPARE(boardTile(window, source)->caption(), text);
    QCOMPARE(int(game.engine().round().Moves), 0);

    // The right button during a drag opens the pop-up menu and ends the drag.
    QWindow *handle = window.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, game.centreOf(source));
    QTest::mouseMove(handle, game.centreOf(target));
    QVERIFY(!window.board()->dragCopyRect().isEmpty());
    QTest::mousePress(handle, Qt::RightButton, {}, game.centreOf(target));
    QVERIFY(window.board()->dragCopyRect().isEmpty());
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    QTest::mouseRelease(handle, Qt::LeftButton, {}, game.centreOf(target));
    QCOMPARE(boardTile(window, source)->caption(), text);
    QCOMPARE(int(game.engine().round().Moves), 0);
}

void BoardPlayTest::doubleClickOnBoardStartsARound()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.options().setPresetsIndex(3);
    game.options().setWordCount(4);
    QWidget *board = window.board();
    QTest::mouseDClick(board, Qt::LeftButton, {}, QPoint(board->width() / 2, board->height() / 2));
    QCOMPARE(int(game.engine().board().TileCount()), 12);

    // A quick second click on a tile is no request for a new round.
    const QByteArray caption = game.slot(2).Panel.caption;
    game.options().setWordCount(5);
    QTest::mouseDClick(window.board(), Qt::LeftButton, {}, boardTile(window, 2)->geometry().center());
    QCOMPARE(int(game.engine().board().TileCount()), 12);
    QCOMPARE(game.slot(2).Panel.caption, caption);
}

void BoardPlayTest::clueKeys()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
    QAction *mReveal = window.findChild<QAction *>("mReveal");
    const int clues = game.engine().round().Parameters.CluesLeft;
    QVERIFY(clues >= 2);
    QCOMPARE(mReveal->text(), QStringLiteral("Clue (%1)").arg(clues));

    QTest::keyClick(&window, Qt::Key_F11);
    QCOMPARE(game.engine().round().Parameters.CluesLeft, clues - 1);
    QCOMPARE(mReveal->text(), QStringLiteral("Clue (%1)").arg(clues - 1));
    QCOMPARE(int(game.engine().round().Moves), 1);

    QTest::keyClick(&window, Qt::Key_F12, Qt::ShiftModifier);
    QCOMPARE(game.engine().round().Parameters.CluesLeft, clues - 2);
    QCOMPARE(int(game.engine().round().Moves), 2);
    QCOMPARE(game.engine().modeText(), QString()); // not solved
    QCOMPARE(counterText(window), QString::number(game.engine().rating()));
}

void BoardPlayTest::solveKey()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
    QTest::keyClick(&window, Qt::Key_F12);
    QCOMPARE(lbText(window), QStringLiteral("Try again."));
    QCOMPARE(lbColour(window), QColor(255, 0, 0));
    QCOMPARE(counterText(window), QStringLiteral("0"));
    QCOMPARE(window.findChild<QLabel *>("lROund")->text(), QStringLiteral("Solving"));
    for (int row = 0; row < 10; ++row) {
        const BoardTile first = boardTile(window, row * 3 + 1);
        QVERIFY(first->isVisible());
        QCOMPARE(first->letterColour(), QColor(0, 0, 236));
        QCOMPARE(first->width(), 222);
        QVERIFY(!boardTile(window, row * 3 + 2)->isVisible());
    }
    for (const char *name : {"mReveal", "mSolve", "Solve1", "Clue1"})
        QVERIFY2(!window.findChild<QAction *>(QLatin1String(name))->isEnabled(), name);
    // After the end F12 and F11 do nothing, and nothing takes a drop.
    QTest::keyClick(&window, Qt::Key_F12);
    QTest::keyClick(&window, Qt::Key_F11);
    QCOMPARE(lbText(window), QStringLiteral("Try again."));
    game.drag(1, 4);
    QCOMPARE(int(game.engine().round().Moves), 0);

    // Solving while a tile is being dragged ends the drag with the round.
    game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::Last);
    int source = 0;
    for (int s = 1; s <= 28 && !source; s += 3)
        source = game.movable(s) ? s : 0; // the first cell of a row stays shown when the row joins
    QVERIFY(source);
    QWindow *handle = window.windowHandle();
    const QPoint at = game.centreOf(source) + QPoint(9, 6);
    QTest::mousePress(handle, Qt::LeftButton, {}, game.centreOf(source));
    QTest::mouseMove(handle, at);
    QVERIFY(!window.board()->dragCopyRect().isEmpty());
    QTest::keyClick(&window, Qt::Key_F12);
    QVERIFY(boardTile(window, source)->isVisible());
    QVERIFY(window.board()->dragCopyRect().isEmpty());
    QTest::mouseRelease(handle, Qt::LeftButton, {}, at);
}

void BoardPlayTest::wonRound()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
    int drops = 0;
    while (game.engine().round().Parameters.WordsLeft > 0 && drops < 40) {
        const auto [source, target] = game.rightMove();
        QVERIFY(source && target);
        game.drag(source, target);
        ++drops;
    }
    QCOMPARE(game.engine().round().Parameters.WordsLeft, 0);
    const QStringList wins = {"Success !", "Complete !", "Done !", "Finished !"};
    QVERIFY2(wins.contains(lbText(window)), qPrintable(lbText(window)));
    QCOMPARE(lbColour(window), QColor(128, 0, 0));
    QVERIFY(!window.findChild<QTimer *>("bTimer")->isActive());
    QVERIFY(!window.findChild<QTimer *>("Timer1")->isActive());
    QVERIFY(!window.findChild<QAction *>("mSolve")->isEnabled());
    QVERIFY(window.findChild<QAction *>("Game1")->isEnabled());
    for (int row = 0; row < 10; ++row)
        QCOMPARE(boardTile(window, row * 3 + 1)->letterColour(), QColor(0, 0, 236));
    QCOMPARE(counterText(window), QString::number(game.engine().rating()));
}

void BoardPlayTest::lostRound()
{
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
    int drops = 0;
    while (game.engine().rating() > 0 && drops < 20) {
        const auto [source, target] = game.wrongMove();
        QVERIFY(source && target);
        game.drag(source, target);
        ++drops;
    }
    QCOMPARE(drops, 6); // 30 - 6 x 5
    QCOMPARE(lbText(window), QStringLiteral("Sorry, please try again."));
    QCOMPARE(lbColour(window), QColor(128, 0, 0));
    QCOMPARE(counterText(window), QStringLiteral("0"));
    QVERIFY(!window.findChild<QTimer *>("bTimer")->isActive());
    for (const char *name : {"mReveal", "mSolve", "Solve1", "Clue1"})
        QVERIFY2(!window.findChild<QAction *>(QLatin1String(name))->isEnabled(), name);
    // The solution is shown and takes no more drops.
    QCOMPARE(boardTile(window, 1)->letterColour(), QColor(0, 0, 236));
    const int moves = game.engine().round().Moves;
    game.drag(1, 4);
    QCOMPARE(int(game.engine().round().Moves), moves);
}

int main(int argc, char *argv[])
{
    GameApplication app(argc, argv);
    initialiseProgram();
    BoardPlayTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "board_play_test.moc"
