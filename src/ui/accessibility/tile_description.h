// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class Board;
class QWidget;

// What a screen reader says of a board tile: its text as the name, and as the
// description whether it can still move, its place in its word, its row as
// the player sees it (rows count down each column block) and, while the
// tile shows its hint, the definition: "movable, cell 2 of 3, row 4",
// "placed, cell 1 of 3, block 2, row 1; Hint: a small island".
namespace TileDescription {

// How the board shows a tile that is no longer in play.
enum class RoundEnd {
    InPlay,   // or won: a finished row is complete
    Revealed, // lost or solved: the words were shown
};

QString describe(const Board &board, int slot, RoundEnd end, bool hintShown);
// The same for a tile whose row is worked out already: a change describes
// every tile of its row, and a deal every tile of the board.
QString describe(const Board &board, int slot, RoundEnd end, bool hintShown, const QList<int> &row, int blocks);
// The visible tiles of slot's row, left to right.
QList<int> visibleRow(const Board &board, int slot);
// How many column blocks the board has, counted over every filled slot,
// shown or not: the count holds while a round is dealt.
int blockCount(const Board &board);
// The row of slot read out whole, its cells left to right with their states:
// "Row 4: IS placed, LA movable, ND movable".
QString readRow(const Board &board, int slot);
// Where the row of slot stands as the player sees it: "row 4" or "block 2, row 1".
QString rowPlace(const Board &board, int slot);

} // namespace TileDescription
