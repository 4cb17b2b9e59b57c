// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/styles/tile_look.h"

#include <functional>


class SettingsFile;
class BoardPanel;
struct TileFace;
class TileWidget;

// Holds the current tile look and puts it on the board: the hidden template
// tile, from which every tile a round places copies its look, and the tiles
// that may be showing now. A pick takes effect at once and is written to the
// settings file at once.
class TileLookHolder
{
public:
    // Tiles 1 ... 240 are restyled by a pick; the rest take the look from the
    // template tile when a round places them.
    static constexpr int RestyledTiles = 240;

    TileLookHolder(TileWidget &templateTile, BoardPanel &board);

    const TileLook &look() const { return m_look; }

    // Reads the look from the settings file and gives it to the template tile.
    void restore(const SettingsFile &settings);

    void pickStyle(const StyleSample &sample, SettingsFile &settings);
    void pickColour(const QColor &colour, SettingsFile &settings);
    void pickFont(const QFont &font, SettingsFile &settings);

private:
    // The board's tiles 1 ... RestyledTiles, each changed the same way.
    void restyleBoard(const std::function<void(TileFace &)> &change);

    TileWidget &m_template;
    BoardPanel &m_board;
    TileLook m_look;
};
