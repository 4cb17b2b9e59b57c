// SPDX-License-Identifier: GPL-3.0-or-later
// The board's tile widgets, made when first needed.
#include "ui/board/tile_pool.h"

#include "ui/board/tile_widget.h"

#include <QWidget>

TilePool::TilePool(QWidget &board, const TileWidget &templateTile) : m_board(board), m_template(templateTile) {}

void TilePool::make()
{
    if (m_made)
        return;
    m_made = true;
    // Whatever the window put on the board after the template tile floats
    // over the tiles: the tiles go under the first of it.
    QWidget *above = nullptr;
    const QObjectList &children = m_board.children();
    const qsizetype templateAt = children.indexOf(&m_template);
    for (qsizetype i = templateAt + 1; templateAt >= 0 && i < children.size() && !above; ++i)
        above = qobject_cast<QWidget *>(children.at(i));
    for (int slot = 1; slot <= TileSlots; ++slot) {
        auto *tile = new TileWidget(&m_board, slot);
        tile->setObjectName(QStringLiteral("tile%1").arg(slot));
        tile->hide();
        tile->copyLookFrom(m_template);
        if (above)
            tile->stackUnder(above);
        m_tiles[size_t(slot - 1)] = tile;
    }
    for (const auto &step : m_whenMade)
        step();
}

const TilePool::Tiles &TilePool::all()
{
    make();
    return m_tiles;
}

TileWidget *TilePool::at(int slot)
{
    make();
    return m_tiles[size_t(slot - 1)];
}
