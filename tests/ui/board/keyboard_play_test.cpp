// SPDX-License-Identifier: GPL-3.0-or-later
// A round played with the keyboard alone: the frame's moves over the board,
// picking up, dropping through the same acceptance as a drag, and Escape.
#include "support/game_fixture.h"
#include "support/board_tiles.h"

#include "ui/accessibility/announcer.h"
#include "ui/board/board_panel.h"
#include "ui/board/keyboard_moves.h"
#include "ui/board/keyboard_play.h"
#include "ui/board/keyboard_player.h"

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <algorithm>

namespace {
const QString Format = QStringLiteral("5 letters: 2-1-2");

// The game, with a dictionary "gamma" of 24 distinct words beside the fixture's.
TfrmMain &startGame(GameFixture &game)
{
    QList<QByteArray> entries;
    for (int r = 0; r < 24; ++r)
        entries << distinctWord(r, Format);
    game.writeDictionary(QStringLiteral("gamma"), entries);
    game.writeQuietSettings();
    return game.start();
}

// Deals `words` rows of gamma.
void dealDistinct(GameFixture &game, int words, FixedCell fixed = FixedCell::First)
{
    game.options().setDictionaryIndex(int(game.options().dictionaryNames().indexOf(QStringLiteral("gamma"))));
    game.options().setPresetsIndex(int(splitFormats().indexOf(Format)));
    game.options().setWordCount(words);
    game.options().setFixedCell(fixed, true);
    QTest::keyClick(&game.main(), Qt::Key_F2);
}

// A key as the player presses it: to the window, which hands it to its focus widget.
void press(GameFixture &game, int key)
{
    QTest::keyClick(game.main().windowHandle(), Qt::Key(key));
}

// The visible tiles of a row, left to right.
QList<int> row(GameFixture &game, int column, int rowInColumn)
{
    const Board &b = game.engine().board();
    QList<int> cells;
    for (int s = 1; s <= b.TileCount(); ++s)
        if (b.Tiles(s).Panel.visible && b.Tiles(s).Column == column && b.Tiles(s).RowInColumn == rowInColumn)
            cells << s;
    std::sort(cells.begin(), cells.end(),
              [&b](int x, int y) { return b.Tiles(x).Panel.left < b.Tiles(y).Panel.left; });
    return cells;
}

int tileAt(GameFixture &game, int column, int rowInColumn, int index)
{
    const QList<int> cells = row(game, column, rowInColumn);
    return index < 0 ? cells.last() : cells.at(index);
}

bool walkTo(GameFixture &game, int slot)
{
    return KeyboardPlayer::walkTo(game.engine().board(), *game.main().keyboardPlay(), slot);
}
} // namespace

class KeyboardPlayTest : public QObject
{
    Q_OBJECT

private slots:
    void roundWonWithTheKeyboardAlone();
    void frameMoves_data();
    void frameMoves();
    void escapePutsTheTileBack();
    void refusedTargetKeepsTheTileInHand();
    void frameShowsAroundItsTile();
};

// The options saved by an earlier game, then F2, the arrow keys, Space and
// Enter, each at the widget that has the focus, as the desktop delivers them.
void KeyboardPlayTest::roundWonWithTheKeyboardAlone()
{
    GameFixture game;
    SettingsFile ini = game.ini();
    ini.writeString(QStringLiteral("Options"), QStringLiteral("Dictionary"), QStringLiteral("gamma"));
    ini.writeInteger(QStringLiteral("Options"), QStringLiteral("Presets"), int(splitFormats().indexOf(Format)));
    ini.writeBool(QStringLiteral("Options"), QStringLiteral("vfirst"), true);
    TfrmMain &window = startGame(game);
    QVERIFY(KeyboardPlayer::press(Qt::Key_F2));
    QVERIFY(game.engine().inPlay());
    KeyboardPlay &play = *window.keyboardPlay();

    // The deal puts the frame on the first red cell and the keys on the board.
    QCOMPARE(QApplication::focusWidget(), window.board());
    QCOMPARE(play.focusSlot(), tileAt(game, 1, 1, 1));
    QVERIFY(game.movable(play.focusSlot()));

    int moves = 0;
    while (game.engine().inPlay() && moves < 60) {
        const auto [source, target] = game.rightMove();
        QVERIFY(source && target);
        QVERIFY(walkTo(game, source));
        QVERIFY(KeyboardPlayer::press(moves % 2 ? Qt::Key_Return : Qt::Key_Space));
        QCOMPARE(play.carriedSlot(), source);
        QVERIFY(walkTo(game, target));
        QVERIFY(KeyboardPlayer::press(moves % 2 ? Qt::Key_Space : Qt::Key_Enter));
        QCOMPARE(play.carriedSlot(), 0);
        ++moves;
    }
    QVERIFY(!game.engine().inPlay());
    QVERIFY(game.engine().rating() > 0);
    // Every row is one green tile showing its word; the status line and the rating show the win.
    const Board &board = game.engine().board();
    int words = 0;
    for (int s = 1; s <= board.TileCount(); ++s) {
        if (!board.Tiles(s).Panel.visible)
            continue;
        ++words;
        QCOMPARE(board.Tiles(s).Panel.state, TileState::Solved);
    }
    QCOMPARE(words, game.options().wordCount());
    const QString shown = window.findChild<QLabel *>(QStringLiteral("LB"))->text().trimmed();
    QVERIFY2(QRegularExpression(QStringLiteral("^(Success|Complete|Done|Finished) !$")).match(shown).hasMatch(),
             qPrintable(shown));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Counter"))->text(), QString::number(game.engine().rating()));
    // The win is told to the screen reader through the focused board, with the rating.
    QTRY_VERIFY(play.announcer().lastNews().endsWith(QStringLiteral(" Rating %1. %2").arg(game.engine().rating()).arg(shown)));
    QCOMPARE(window.board()->accessibleName(), play.announcer().lastNews());
    QCOMPARE(QApplication::focusWidget(), window.board());
}

void KeyboardPlayTest::frameMoves_data()
{
    // Twenty rows: two blocks of ten. Tiles as (block, row, cell; -1 the last).
    QTest::addColumn<QList<int>>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QList<int>>("to");
    QTest::newRow("right along the row") << QList<int>{1, 1, 0} << int(Qt::Key_Right) << QList<int>{1, 1, 1};
    QTest::newRow("left along the row") << QList<int>{1, 4, -1} << int(Qt::Key_Left) << QList<int>{1, 4, 1};
    QTest::newRow("right past the row's end") << QList<int>{1, 3, -1} << int(Qt::Key_Right) << QList<int>{2, 3, 0};
    QTest::newRow("left past the row's start") << QList<int>{2, 5, 0} << int(Qt::Key_Left) << QList<int>{1, 5, -1};
    QTest::newRow("right at the board's edge") << QList<int>{2, 3, -1} << int(Qt::Key_Right) << QList<int>{2, 3, -1};
    QTest::newRow("left at the board's edge") << QList<int>{1, 7, 0} << int(Qt::Key_Left) << QList<int>{1, 7, 0};
    QTest::newRow("down to the row below") << QList<int>{1, 1, 1} << int(Qt::Key_Down) << QList<int>{1, 2, 1};
    QTest::newRow("up to the row above") << QList<int>{2, 6, -1} << int(Qt::Key_Up) << QList<int>{2, 5, -1};
    QTest::newRow("down past the block's bottom") << QList<int>{1, 10, 0} << int(Qt::Key_Down) << QList<int>{2, 1, 0};
    QTest::newRow("up past the block's top") << QList<int>{2, 1, -1} << int(Qt::Key_Up) << QList<int>{1, 10, -1};
    QTest::newRow("up at the board's top") << QList<int>{1, 1, 1} << int(Qt::Key_Up) << QList<int>{1, 1, 1};
    QTest::newRow("down at the board's bottom") << QList<int>{2, 10, 0} << int(Qt::Key_Down) << QList<int>{2, 10, 0};
}

void KeyboardPlayTest::frameMoves()
{
    QFETCH(QList<int>, from);
    QFETCH(int, key);
    QFETCH(QList<int>, to);
    GameFixture game;
    TfrmMain &window = startGame(game);
    dealDistinct(game, 20);
    QCOMPARE(row(game, 2, 10).size(), 3);

    KeyboardPlay &play = *window.keyboardPlay();
    play.focusTile(tileAt(game, from[0], from[1], from[2]));
    press(game, key);
    QCOMPARE(play.focusSlot(), tileAt(game, to[0], to[1], to[2]));
}

void KeyboardPlayTest::escapePutsTheTileBack()
{
    GameFixture game;
    TfrmMain &window = startGame(game);
    dealDistinct(game, 4);
    KeyboardPlay &play = *window.keyboardPlay();
    const auto [source, target] = game.wrongMove();
    QVERIFY(source && target);
    const QByteArray sourceText = game.slot(source).Panel.caption;
    const int rating = game.engine().rating();

    play.focusTile(source);
    press(game, Qt::Key_Space);
    QCOMPARE(play.carriedSlot(), source);
    QVERIFY(!window.board()->carriedMarkRect().isEmpty());
    QVERIFY(walkTo(game, target));
    press(game, Qt::Key_Escape);
    QCOMPARE(play.carriedSlot(), 0);
    QVERIFY(window.board()->carriedMarkRect().isEmpty());
    // Nothing moved, nothing was charged; the next Space picks up the tile in the frame.
    QCOMPARE(game.slot(source).Panel.caption, sourceText);
    QCOMPARE(game.engine().rating(), rating);
    press(game, Qt::Key_Space);
    QCOMPARE(play.carriedSlot(), target);
    // Space on the carried tile itself puts it back too.
    press(game, Qt::Key_Space);
    QCOMPARE(play.carriedSlot(), 0);
    QCOMPARE(game.engine().rating(), rating);
}

void KeyboardPlayTest::refusedTargetKeepsTheTileInHand()
{
    GameFixture game;
    TfrmMain &window = startGame(game);
    dealDistinct(game, 4);
    KeyboardPlay &play = *window.keyboardPlay();
    const int placed = tileAt(game, 1, 2, 0); // the fixed first cell
    QCOMPARE(game.slot(placed).Panel.state, TileState::Placed);
    const int source = tileAt(game, 1, 1, 1);
    const int rating = game.engine().rating();

    // A placed tile can be neither picked up nor dropped on.
    play.focusTile(placed);
    press(game, Qt::Key_Space);
    QCOMPARE(play.carriedSlot(), 0);
    play.focusTile(source);
    press(game, Qt::Key_Space);
    play.focusTile(placed);
    press(game, Qt::Key_Enter);
    QCOMPARE(play.carriedSlot(), source);
    QCOMPARE(game.engine().rating(), rating);

    press(game, Qt::Key_Escape);

    // A wrong exchange lands and is charged as a drag's would be.
    const auto [first, second] = game.wrongMove();
    QVERIFY(first && second);
    const QByteArray firstText = game.slot(first).Panel.caption;
    play.focusTile(first);
    press(game, Qt::Key_Space);
    play.focusTile(second);
    press(game, Qt::Key_Space);
    QCOMPARE(play.carriedSlot(), 0);
    QCOMPARE(game.slot(second).Panel.caption, firstText);
    QVERIFY(game.engine().rating() < rating);
}

void KeyboardPlayTest::frameShowsAroundItsTile()
{
    GameFixture game;
    TfrmMain &window = startGame(game);
    dealDistinct(game, 4);
    BoardPanel *board = window.board();
    QVERIFY(!board->focusMarkRect().isEmpty());
    const int slot = window.keyboardPlay()->focusSlot();
    const QRect tile = boardTile(window, slot)->geometry();
    const int out = BoardPanel::FocusOutset;
    QCOMPARE(board->focusMarkRect(), tile.adjusted(-out, -out, out, out));
    // Black and white both show on the ring, whatever the tile's colour.
    const QImage ring = board->grab(board->focusMarkRect()).toImage();
    QCOMPARE(ring.pixelColor(0, ring.height() / 2), QColor(Qt::black));
    QCOMPARE(ring.pixelColor(1, ring.height() / 2), QColor(Qt::white));
    // New Game clears the board: the frame leaves with the old tiles and lands on the new round.
    QTest::keyClick(&window, Qt::Key_F2);
    QVERIFY(!board->focusMarkRect().isEmpty());
    QVERIFY(game.movable(window.keyboardPlay()->focusSlot()));
}

QTEST_MAIN(KeyboardPlayTest)
#include "keyboard_play_test.moc"
