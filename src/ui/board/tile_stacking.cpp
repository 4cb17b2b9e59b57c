// SPDX-License-Identifier: GPL-3.0-or-later
// The board's tiles stacked in reading order, with whatever floats over them kept above.
#include "ui/board/tile_stacking.h"

#include "ui/board/tile_widget.h"

#include <QSet>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace TileStacking {

namespace {

// The shown tiles' indices, top row first, each row from the left.
std::vector<size_t> readingOrder(const Tiles &tiles)
{
    std::vector<size_t> order;
    for (size_t i = 0; i < tiles.size(); ++i) {
        if (!tiles[i]->isHidden())
            order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&tiles](size_t a, size_t b) {
        const QPoint pa = tiles[a]->pos();
        const QPoint pb = tiles[b]->pos();
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return order;
}

// The keyboard's frames and a dragged copy: what is no tile and lies above the lowest tile.
QList<QWidget *> overlays(const QWidget &board, const Tiles &tiles)
{
    const QSet<const QObject *> isTile(tiles.begin(), tiles.end());
    QList<QWidget *> found;
    bool aboveTiles = false;
    for (QObject *child : board.children()) {
        if (isTile.contains(child))
            aboveTiles = true;
        else if (auto *widget = qobject_cast<QWidget *>(child); widget && aboveTiles)
            found << widget;
    }
    return found;
}

} // namespace

void stackAll(QWidget &board, const Tiles &tiles)
{
    const QList<QWidget *> above = overlays(board, tiles);
    for (size_t i : readingOrder(tiles))
        tiles[i]->raise();
    for (QWidget *widget : above)
        widget->raise();
}

void restack(QWidget &board, const Tiles &tiles, const Slots &raised)
{
    const QList<QWidget *> above = overlays(board, tiles);
    const std::vector<size_t> order = readingOrder(tiles);
    for (size_t k = 0; k < order.size(); ++k) {
        if (!raised.test(order[k]))
            continue;
        // Under the next tile that is in its place; the last ones go on top.
        const auto next = std::find_if(order.begin() + qsizetype(k) + 1, order.end(),
                                       [&raised](size_t i) { return !raised.test(i); });
        if (next != order.end())
            tiles[order[k]]->stackUnder(tiles[*next]);
        else
            tiles[order[k]]->raise();
    }
    for (QWidget *widget : above)
        widget->raise();
}

} // namespace TileStacking
