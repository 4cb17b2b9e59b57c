// SPDX-License-Identifier: GPL-3.0-or-later
// The tile pool: filling slots, fitting rows and telling the view of each change.
#include "round/board.h"

#include <stdexcept>
#include <string>

namespace {
// p / 100 * width, rounded to the nearest integer with halves to the even one.
int scaledWidth(int percent, int width)
{
    const int product = percent * width;
    int whole = product / 100;
    const int rest = product % 100;
    if (rest > 50 || (rest == 50 && (whole % 2) != 0))
        ++whole;
    return whole;
}

void rangeError(int slot)
{
    throw std::out_of_range("Range check error: slot " + std::to_string(slot));
}
} // namespace

Board::Board()
{
    for (int slot = 1; slot <= TileSlots; ++slot)
        m_tiles[slot - 1].Panel.tag = slot;
}

const tTile &Board::Tiles(int slot) const
{
    if (slot < 1 || slot > TileSlots)
        rangeError(slot);
    return m_tiles[size_t(slot - 1)];
}

tTile &Board::slotRef(int slot)
{
    if (slot < 1 || slot > TileSlots)
        rangeError(slot);
    return m_tiles[size_t(slot - 1)];
}

void Board::MakeTiles()
{
    for (int slot = 1; slot <= TileSlots; ++slot) {
        TilePanel &panel = m_tiles[size_t(slot - 1)].Panel;
        panel.visible = false;
        panel.width = 11;
        panel.height = m_templateHeight;
        panel.caption.clear();
        panel.left = 1;
        panel.top = 1;
        panel.tag = slot;
        changed(slot);
    }
}

void Board::SetTile(const NewTile &newTile)
{
    const auto &[text, definition, rowWord, width, left, top, rowIndex, column, rowInColumn, cellsInRow, fixed,
                 firstInRow, showHint] = newTile;
    const int slot = m_tileCount + 1;
    if (slot > TileSlots)
        rangeError(slot);
    m_tileCount = quint16(slot);
    tTile &tile = m_tiles[size_t(slot - 1)];
    TilePanel &panel = tile.Panel;
    panel.visible = false;
    panel.width = width;
    panel.height = m_templateHeight;
    panel.caption = text;
    panel.left = left;
    panel.top = top;
    panel.tag = slot;
    tile.CorrectText = text;
    tile.RowIndex = rowIndex;
    tile.Column = column;
    tile.RowInColumn = rowInColumn;
    tile.CellsInRow = quint16(cellsInRow);
    tile.FirstInRow = firstInRow;
    tile.RowWord = rowWord;
    for (char &c : tile.RowWord) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    panel.state = fixed ? TileState::Placed : TileState::Movable;
    panel.hint = definition;
    panel.showHint = showHint;
    changed(slot);
}

void Board::FitRow(int column, int rowInColumn, int width)
{
    int first = 0;
    for (int slot = 1; slot <= m_tileCount; ++slot) {
        const tTile &tile = m_tiles[size_t(slot - 1)];
        if (tile.Column == column && tile.RowInColumn == rowInColumn) {
            first = slot;
            break;
        }
    }
    if (first == 0)
        throw std::out_of_range("Range check error: no row " + std::to_string(column) + "/" +
                                std::to_string(rowInColumn));

    int last = first;
    int total = 0;
    for (int slot = first; slot <= m_tileCount; ++slot) {
        const tTile &tile = m_tiles[size_t(slot - 1)];
        if (tile.Column != column || tile.RowInColumn != rowInColumn || tile.RowIndex == RetiredRow)
            break;
        total += int(tile.Panel.caption.size());
        last = slot;
    }
    if (total == 0)
        total = 1; // cannot happen with real cells; keeps the division defined

    int x = m_tiles[size_t(first - 1)].Panel.left;
    int remaining = width;
    for (int slot = first; slot <= last; ++slot) {
        TilePanel &panel = m_tiles[size_t(slot - 1)].Panel;
        const int percent = int(panel.caption.size()) * 100 / total;
        int w = scaledWidth(percent, width);
        if (w < 15)
            w = 15;
        panel.width = w;
        panel.left = x;
        x += w;
        remaining -= w;
        if (slot != last)
            changed(slot);
    }
    m_tiles[size_t(last - 1)].Panel.width += remaining;
    changed(last);
}

void Board::setCaption(int slot, const QByteArray &caption)
{
    slotRef(slot).Panel.caption = caption;
    changed(slot);
}

void Board::setState(int slot, TileState state)
{
    slotRef(slot).Panel.state = state;
    changed(slot);
}

void Board::setLeft(int slot, int left)
{
    slotRef(slot).Panel.left = left;
    changed(slot);
}

void Board::setWidth(int slot, int width)
{
    slotRef(slot).Panel.width = width;
    changed(slot);
}

void Board::setVisible(int slot, bool visible)
{
    slotRef(slot).Panel.visible = visible;
    changed(slot);
}

void Board::setShowHint(int slot, bool on)
{
    slotRef(slot).Panel.showHint = on;
    changed(slot);
}

void Board::raise(int slot)
{
    slotRef(slot);
    if (m_listener)
        m_listener->tileRaised(slot);
}

void Board::setCorrectText(int slot, const QByteArray &text)
{
    slotRef(slot).CorrectText = text;
}

void Board::setRowIndex(int slot, qint32 rowIndex)
{
    slotRef(slot).RowIndex = rowIndex;
}

void Board::setRowWord(int slot, const QByteArray &word)
{
    slotRef(slot).RowWord = word;
}

void Board::restoreTiles(const QList<tTile> &tiles)
{
    if (tiles.size() > TileSlots)
        rangeError(int(tiles.size()));
    Batch batch(*this);
    m_tileCount = quint16(tiles.size());
    for (int slot = 1; slot <= TileSlots; ++slot) {
        tTile &tile = m_tiles[size_t(slot - 1)];
        if (slot <= tiles.size())
            tile = tiles[slot - 1];
        else
            tile.Panel.visible = false;
        tile.Panel.tag = slot;
        changed(slot);
    }
}
