#pragma once

struct tTile;
class QWidget;

// What a screen reader says of a board tile: its text as the name, and
// whether it can still move and which row it sits in as the description
// ("movable, row 3", "placed, row 3", "row complete, row 3").
namespace TileDescription {

void describe(QWidget &tile, const tTile &slot);

} // namespace TileDescription
