// SPDX-License-Identifier: GPL-3.0-or-later
// The words a screen reader reads for a board tile and for its whole row.
#include "ui/accessibility/tile_description.h"

#include "round/board.h"
#include "words/windows1252.h"

#include <QCoreApplication>
#include <QList>
#include <QWidget>
#include <algorithm>

namespace TileDescription {
namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("TileDescription", text);
}

QString stateWords(TileState state, RoundEnd end)
{
    switch (state) {
    case TileState::Movable: return tr("movable");
    case TileState::Placed: return tr("placed");
    case TileState::Solved: return end == RoundEnd::Revealed ? tr("revealed") : tr("row complete");
    case TileState::Retired: break;
    }
    return QString();
}

QString placeIn(const tTile &t, int blocks)
{
    if (blocks > 1)
        return tr("block %1, row %2").arg(t.Column).arg(t.RowInColumn);
    return tr("row %1").arg(t.RowInColumn);
}
} // namespace

QList<int> visibleRow(const Board &board, int slot)
{
    const tTile &t = board.Tiles(slot);
    QList<int> row;
    for (int s = 1; s <= board.TileCount(); ++s) {
        const tTile &o = board.Tiles(s);
        if (o.Panel.visible && o.Column == t.Column && o.RowInColumn == t.RowInColumn)
            row << s;
    }
    std::sort(row.begin(), row.end(),
              [&board](int a, int b) { return board.Tiles(a).Panel.left < board.Tiles(b).Panel.left; });
    return row;
}

int blockCount(const Board &board)
{
    int blocks = 0;
    for (int s = 1; s <= board.TileCount(); ++s)
        blocks = std::max(blocks, int(board.Tiles(s).Column));
    return blocks;
}

QString rowPlace(const Board &board, int slot)
{
    return placeIn(board.Tiles(slot), blockCount(board));
}

QString describe(const Board &board, int slot, RoundEnd end, bool hintShown)
{
    return describe(board, slot, end, hintShown, visibleRow(board, slot), blockCount(board));
}

QString describe(const Board &board, int slot, RoundEnd end, bool hintShown, const QList<int> &row, int blocks)
{
    const tTile &t = board.Tiles(slot);
    QString description = stateWords(t.Panel.state, end);
    if (description.isEmpty() || !t.Panel.visible || t.RowIndex == RetiredRow)
        return description;
    if (row.size() > 1)
        description += QStringLiteral(", ") + tr("cell %1 of %2").arg(row.indexOf(slot) + 1).arg(row.size());
    description += QStringLiteral(", ") + placeIn(t, blocks);
    if (hintShown && !t.Panel.hint.isEmpty())
        description += QStringLiteral("; ") + tr("Hint: %1").arg(fromWindows1252(t.Panel.hint));
    return description;
}

QString readRow(const Board &board, int slot)
{
    QStringList cells;
    for (int s : visibleRow(board, slot)) {
        const TilePanel &p = board.Tiles(s).Panel;
        cells << fromWindows1252(p.caption) + QLatin1Char(' ') + stateWords(p.state, RoundEnd::InPlay);
    }
    QString place = rowPlace(board, slot);
    place[0] = place[0].toUpper();
    return place + QStringLiteral(": ") + cells.join(QStringLiteral(", "));
}

} // namespace TileDescription
