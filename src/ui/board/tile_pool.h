// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/board.h"

#include <array>
#include <functional>
#include <vector>

class QWidget;
class TileWidget;

// The board's 250 tile widgets, made together the first time one is asked
// for, or once the window has been painted: making them is most of the cost
// of building the window, and a window that shows no round yet does not need
// them. Until then every tile would be hidden anyway. Each tile is made
// hidden, with the template tile's look, stacked where the window built them
// before it (just above the template tile, under the keyboard's frames).
class TilePool
{
public:
    using Tiles = std::array<TileWidget *, TileSlots>;

    TilePool(QWidget &board, const TileWidget &templateTile);

    bool made() const { return m_made; }
    void make();
    // Each asks for the tiles, so each makes them first.
    const Tiles &all();
    TileWidget *at(int slot); // 1 ... TileSlots

    // Run once the tiles are made, in the order given.
    void whenMade(std::function<void()> step) { m_whenMade.push_back(std::move(step)); }

private:
    QWidget &m_board;
    const TileWidget &m_template;
    Tiles m_tiles{};
    bool m_made = false;
    std::vector<std::function<void()>> m_whenMade;
};
