// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Board;

// Where the keyboard's focus goes on the board. Only visible tiles are
// visited. Left and right step along a row; past its end they go on to the
// row at the same height in the neighbouring column block (its nearest
// end). Up and down go to the nearest tile of the row above or below; past
// a block's top or bottom row they go on to the last or first row of the
// neighbouring block. At the board's outer edges the focus stays.
namespace KeyboardMoves {

enum class Step { Left, Right, Up, Down };

// The tile a step from slot leads to (slot itself at an edge); 0 when no
// tile is visible. An invisible slot starts from the first tile.
int next(const Board &board, int slot, Step step);

// The first movable tile in reading order (block by block, row by row,
// left to right); the first visible tile when none is movable; 0 when none.
int first(const Board &board);

// The visible tile nearest to where slot was (itself while visible): a
// joined tile's place passes to the tile that took it in.
int nearest(const Board &board, int slot);

} // namespace KeyboardMoves
