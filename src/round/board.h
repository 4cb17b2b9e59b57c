// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/shown_states.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

// The tile of one slot as the view shows it. The view draws every visible
// tile at (left, top, width, height) with the caption coloured by its state;
// texts are Windows-1252 bytes (see words/windows1252.h to draw them).
struct TilePanel
{
    QByteArray caption;
    TileState state = TileState::Retired;
    int left = 1;
    int top = 1;
    int width = 11;
    int height = 0;
    bool visible = false;
    QByteArray hint;       // the row's definition
    bool showHint = false; // the tile's own show-hint flag
    int tag = 0;           // the slot number
    bool draggable() const { return state == TileState::Movable; } // also: accepts drops
};

// One slot of the pool.
struct tTile
{
    qint32 RowIndex = 0;    // 0-based row in RoundWords; RetiredRow once absorbed by a join
    qint32 Column = 0;      // column block 1..3
    qint32 RowInColumn = 0; // row inside the block, 1..44
    TilePanel Panel;
    QByteArray CorrectText; // the text that belongs here
    quint16 CellsInRow = 0;
    QByteArray RowWord; // the whole word, upper case; "?" once retired
    bool FirstInRow = false;
};

inline constexpr qint32 RetiredRow = 99;
inline constexpr int TileSlots = 250;
inline constexpr int RowWidth = 222;

// Told of every change to a tile, so the view can repaint it.
class BoardListener
{
public:
    virtual ~BoardListener() = default;
    virtual void tileChanged(int slot) = 0; // anything of Tiles(slot).Panel changed
    virtual void tileRaised(int slot) { Q_UNUSED(slot); } // bring the tile in front of its neighbours
    // The changes told between these two belong together: the view may hold
    // them back and paint them at once when the batch ends.
    virtual void batchBegun() {}
    virtual void batchEnded() {}
};

// The board: the 250-slot tile pool, its slots, rows and their fitting.
class Board
{
public:
    Board();

    // Slot 1..250; any other number throws std::out_of_range.
    const tTile &Tiles(int slot) const;
    quint16 TileCount() const { return m_tileCount; }

    // The view listens (nullptr: nobody).
    void setListener(BoardListener *listener) { m_listener = listener; }

    // Height of the template tile, set by the view at start-up before MakeTiles.
    int templateHeight() const { return m_templateHeight; }
    void setTemplateHeight(int height) { m_templateHeight = height; }

    // Resets all 250 tiles to hidden, width 11, template height, empty caption, (1,1).
    void MakeTiles();
    // What SetTile puts in a slot: one cell of a round's row.
    struct NewTile
    {
        QByteArray text;       // the cell's correct text, shown first
        QByteArray definition; // the row word's definition, the hover hint
        QByteArray rowWord;    // the whole word of its row
        int width = 0;
        int left = 0;
        int top = 0;
        int rowIndex = 0;    // 0-based over the round
        int column = 1;      // the column block, from 1
        int rowInColumn = 1; // the row within its block, from 1
        int cellsInRow = 0;
        bool fixed = false; // placed at setup: never moves
        bool firstInRow = false;
        bool showHint = false; // the "Show Definitions" option at the time of filling
    };
    // Fills slot TileCount+1 and counts it; a 251st slot throws std::out_of_range.
    void SetTile(const NewTile &newTile);
    // Spreads the row at (column, rowInColumn) over width pixels by the lengths of its captions.
    // A row that no slot holds throws std::out_of_range.
    void FitRow(int column, int rowInColumn, int width);

    // Collects the tile changes made while it lives (nested batches count as
    // one), so that pauses letting events run inside it paint nothing half-done.
    class Batch
    {
    public:
        explicit Batch(Board &board) : m_board(board)
        {
            if (m_board.m_batchDepth++ == 0 && m_board.m_listener)
                m_board.m_listener->batchBegun();
        }
        ~Batch()
        {
            if (--m_board.m_batchDepth == 0 && m_board.m_listener)
                m_board.m_listener->batchEnded();
        }
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        Board &m_board;
    };
    // Hands the changes collected so far to the view, before a message box shows the board.
    void flushBatch()
    {
        if (m_batchDepth > 0 && m_listener) {
            m_listener->batchEnded();
            m_listener->batchBegun();
        }
    }

    // Puts a kept round's tiles back in slots 1..tiles.size() (at most
    // TileSlots); the slots after them are hidden. Each slot keeps its number as its tag.
    void restoreTiles(const QList<tTile> &tiles);

    // Round setup empties the pool before refilling it.
    void clearTileCount() { m_tileCount = 0; }

    // Tile mutations; each tells the listener.
    void setCaption(int slot, const QByteArray &caption);
    void setState(int slot, TileState state);
    void setLeft(int slot, int left);
    void setWidth(int slot, int width);
    void setVisible(int slot, bool visible);
    void setShowHint(int slot, bool on);
    void raise(int slot);
    // Slot fields (no view change).
    void setCorrectText(int slot, const QByteArray &text);
    void setRowIndex(int slot, qint32 rowIndex);
    void setRowWord(int slot, const QByteArray &word);

private:
    tTile &slotRef(int slot);
    void changed(int slot)
    {
        if (m_listener)
            m_listener->tileChanged(slot);
    }

    std::array<tTile, TileSlots> m_tiles;
    quint16 m_tileCount = 0;
    int m_templateHeight = 33;
    BoardListener *m_listener = nullptr;
    int m_batchDepth = 0;
};
