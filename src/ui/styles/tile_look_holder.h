// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/styles/tile_look.h"

#include <QList>

class SettingsFile;
class TilePool;
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

    TileLookHolder(TileWidget &templateTile, TilePool &tiles);

    const TileLook &look() const { return m_look; }

    // Reads the look from the settings file and gives it to the template tile.
    void restore(const SettingsFile &settings);

    void pickStyle(const StyleSample &sample, SettingsFile &settings);
    void pickColour(const QColor &colour, SettingsFile &settings);
    void pickFont(const QFont &font, SettingsFile &settings);

private:
    QList<TileWidget *> restyledTiles() const;

    TileWidget &m_template;
    TilePool &m_tiles;
    TileLook m_look;
};
