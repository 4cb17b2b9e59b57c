// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/board.h"

#include <array>
#include <bitset>

class QWidget;
class TileWidget;

// The board's tiles do not overlap once a change has been laid out, so the
// order in which they lie on the board shows nowhere. In reading order (row by
// row across the column blocks) the window system works out what the opaque
// tiles cover in one pass, appending each tile's rectangle; in slot order, a
// column block after another, it merges every tile into that region, which
// made that work the main cost of painting a drop on a 45-row board.
namespace TileStacking {

using Tiles = std::array<TileWidget *, TileSlots>;
using Slots = std::bitset<TileSlots>; // slot - 1

// Stacks every shown tile in reading order.
void stackAll(QWidget &board, const Tiles &tiles);
// Puts the tiles of the given slots, raised out of order, back into reading
// order among the others.
void restack(QWidget &board, const Tiles &tiles, const Slots &raised);

} // namespace TileStacking
