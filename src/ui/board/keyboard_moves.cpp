// SPDX-License-Identifier: GPL-3.0-or-later
// Where an arrow key takes the keyboard's focus on the board.
#include "ui/board/keyboard_moves.h"

#include "round/board.h"

#include <QList>
#include <algorithm>
#include <cstdlib>
#include <limits>

namespace KeyboardMoves {
namespace {

bool shown(const Board &board, int slot)
{
    return slot >= 1 && slot <= board.TileCount() && board.Tiles(slot).Panel.visible;
}

// The visible tiles of one row, left to right.
QList<int> rowAtColumn(const Board &board, int column, int rowInColumn)
{
    QList<int> row;
    for (int slot = 1; slot <= board.TileCount(); ++slot) {
        const tTile &t = board.Tiles(slot);
        if (t.Panel.visible && t.Column == column && t.RowInColumn == rowInColumn)
            row << slot;
    }
    std::sort(row.begin(), row.end(),
              [&board](int a, int b) { return board.Tiles(a).Panel.left < board.Tiles(b).Panel.left; });
    return row;
}

// The last row of a block that shows a tile; 0 when the block is empty.
int lastRow(const Board &board, int column)
{
    int last = 0;
    for (int slot = 1; slot <= board.TileCount(); ++slot) {
        const tTile &t = board.Tiles(slot);
        if (t.Panel.visible && t.Column == column)
            last = std::max(last, int(t.RowInColumn));
    }
    return last;
}

// The tile of a row whose middle lies nearest to offset, measured from the row's left end.
int nearestInRow(const Board &board, const QList<int> &row, int offset)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    const int start = board.Tiles(row.first()).Panel.left;
    for (int slot : row) {
        const TilePanel &p = board.Tiles(slot).Panel;
        const int distance = std::abs(p.left - start + p.width / 2 - offset);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = slot;
        }
    }
    return best;
}

} // namespace

int first(const Board &board)
{
    int firstShown = 0;
    int firstMovable = 0;
    const auto before = [&board](int a, int b) {
        const tTile &x = board.Tiles(a);
        const tTile &y = board.Tiles(b);
        if (x.Column != y.Column)
            return x.Column < y.Column;
        if (x.RowInColumn != y.RowInColumn)
            return x.RowInColumn < y.RowInColumn;
        return x.Panel.left < y.Panel.left;
    };
    for (int slot = 1; slot <= board.TileCount(); ++slot) {
        if (!shown(board, slot))
            continue;
        if (!firstShown || before(slot, firstShown))
            firstShown = slot;
        if (board.Tiles(slot).Panel.draggable() && (!firstMovable || before(slot, firstMovable)))
            firstMovable = slot;
    }
    return firstMovable ? firstMovable : firstShown;
}

int nearest(const Board &board, int slot)
{
    if (shown(board, slot))
        return slot;
    if (slot < 1 || slot > board.TileCount())
        return first(board);
    const tTile &gone = board.Tiles(slot);
    QList<int> row;
    // A retired tile has left its row: look in the row its place belongs to.
    for (int column = gone.Column, r = gone.RowInColumn; row.isEmpty() && r >= 1; --r)
        row = rowAtColumn(board, column, r);
    if (row.isEmpty())
        return first(board);
    const int middle = gone.Panel.left + gone.Panel.width / 2;
    for (int s : row) {
        const TilePanel &p = board.Tiles(s).Panel;
        if (middle >= p.left && middle < p.left + p.width)
            return s;
    }
    return nearestInRow(board, row, middle - board.Tiles(row.first()).Panel.left);
}

int next(const Board &board, int slot, Step step)
{
    if (!shown(board, slot))
        return first(board);
    const tTile &t = board.Tiles(slot);
    const QList<int> row = rowAtColumn(board, t.Column, t.RowInColumn);
    const qsizetype at = row.indexOf(slot);

    if (step == Step::Left || step == Step::Right) {
        const bool right = step == Step::Right;
        if (right && at + 1 < row.size())
            return row[at + 1];
        if (!right && at > 0)
            return row[at - 1];
        // Past the row's end: the row beside it in the neighbouring block.
        const int column = t.Column + (right ? 1 : -1);
        const int last = lastRow(board, column);
        if (last == 0)
            return slot;
        const QList<int> beside = rowAtColumn(board, column, std::min(int(t.RowInColumn), last));
        if (beside.isEmpty())
            return slot;
        return right ? beside.first() : beside.last();
    }

    const int offset = t.Panel.left - board.Tiles(row.first()).Panel.left + t.Panel.width / 2;
    int column = t.Column;
    int target = t.RowInColumn + (step == Step::Down ? 1 : -1);
    if (target < 1 || target > lastRow(board, column)) {
        // Past a block's top or bottom: on into the neighbouring block.
        column += step == Step::Down ? 1 : -1;
        const int last = lastRow(board, column);
        if (last == 0)
            return slot;
        target = step == Step::Down ? 1 : last;
    }
    const QList<int> other = rowAtColumn(board, column, target);
    return other.isEmpty() ? slot : nearestInRow(board, other, offset);
}

} // namespace KeyboardMoves
