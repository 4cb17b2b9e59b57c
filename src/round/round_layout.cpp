// SPDX-License-Identifier: GPL-3.0-or-later
// Laying out a round's rows: where each row and cell sits, the fixed cell, the window's size.
#include "base/random_source.h"
#include "round/round_engine.h"

#include "settings/split_formats.h"

namespace {
constexpr int BoardMargin = 10;
constexpr int ColumnPitch = 240;
constexpr int FirstTileWidth = 50;

// A new column block starts before row r of a round of `rows` rows.
bool blockBreak(int rows, int r)
{
    switch (rows) {
    case 20: return r == 10;
    case 24: return r == 8 || r == 16;
    case 30: return r == 15;
    case 45: return r == 15 || r == 30;
    default: return false;
    }
}

// Where each row of a round of `rows` rows sits: rows fill a column block
// top-down, and a block break starts the next block to its right.
struct RowPlace
{
    int column;
    int rowInColumn;
};
QList<RowPlace> rowPlaces(int rows)
{
    QList<RowPlace> places;
    RowPlace place{1, 1};
    for (int r = 0; r < rows; ++r) {
        if (blockBreak(rows, r))
            place = {place.column + 1, 1};
        places.append(place);
        ++place.rowInColumn;
    }
    return places;
}

int rowsHeight(int rows, int pitch)
{
    switch (rows) {
    case 10:
    case 20: return pitch * 10;
    case 24: return pitch * 8;
    case 15:
    case 30:
    case 45: return pitch * 15;
    default: return BoardMargin + rows * pitch;
    }
}
} // namespace

void RoundEngine::chooseFixedCell(int cells, bool fixed[8]) const
{
    int position = 0;
    if (m_dealt.fixedCell == FixedCell::Random)
        position = 1 + RandomSource::random(cells);
    else if (m_dealt.fixedCell == FixedCell::NotFirst)
        position = 2 + RandomSource::random(cells - 1);
    else if (m_dealt.fixedCell == FixedCell::First)
        position = 1;
    else if (m_dealt.fixedCell == FixedCell::Middle)
        position = cells == 4 ? 2 + RandomSource::random(2) : (cells + 1) / 2;
    else if (m_dealt.fixedCell == FixedCell::Last)
        position = cells;
    if (position >= 1 && position <= cells)
        fixed[position] = true;
}

void RoundEngine::BuildRows()
{
    Board &b = m_board;
    b.clearTileCount();
    const QList<int> lengths = splitFormatCellLengths(m_dealt.presetsText());
    const int cells = int(lengths.size());
    const int pitch = b.templateHeight() + 2;
    const int rows = int(m_round.RoundWords.size());
    const bool showHints = m_dealt.showDefinitions;

    const QList<RowPlace> places = rowPlaces(rows);
    int lastColumn = 1;
    for (int r = 0; r < rows; ++r) {
        const auto [column, rowInColumn] = places[r];
        lastColumn = column;
        const int x0 = BoardMargin + (column - 1) * ColumnPitch;
        const int y = BoardMargin + (rowInColumn - 1) * pitch;
        bool fixed[8] = {};
        chooseFixedCell(cells, fixed);

        const tWord &word = m_round.RoundWords[r];
        qsizetype used = 0;
        int x = x0;
        for (int i = 1; i <= cells; ++i) {
            const QByteArray text = word.Word.mid(used, lengths[i - 1]);
            b.SetTile({.text = text,
                       .definition = word.Definition,
                       .rowWord = word.Word,
                       .width = FirstTileWidth,
                       .left = x,
                       .top = y,
                       .rowIndex = r,
                       .column = column,
                       .rowInColumn = rowInColumn,
                       .cellsInRow = cells,
                       .fixed = fixed[i],
                       .firstInRow = i == 1,
                       .showHint = showHints});
            settle();
            used += lengths[i - 1];
            x += FirstTileWidth;
        }
    }
    m_windowWidth = BoardMargin + lastColumn * ColumnPitch;
    m_windowHeight = rowsHeight(rows, pitch) + 86;
}

void RoundEngine::DrawGrid()
{
    const QSize screen = m_host.window.screenSize();
    m_windowLeft = (screen.width() - m_windowWidth) / 2;
    m_windowTop = (screen.height() - m_windowHeight) / 2;
    m_host.window.setWindowGeometry(m_windowLeft, m_windowTop, m_windowWidth, m_windowHeight);
}

void RoundEngine::FitRows()
{
    for (const RowPlace &place : rowPlaces(int(m_round.RoundWords.size()))) {
        m_board.FitRow(place.column, place.rowInColumn, RowWidth);
        settle();
    }
}
