// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A tile of the main window's board as a test finds it: what the board
// panel paints in one slot, read through the accessors a tile widget had.

#include "ui/board/board_panel.h"
#include "ui/main_window/main_window.h"

#include <QAccessible>
#include <QPixmap>

class BoardTile
{
public:
    BoardTile(TfrmMain &window, int slot) : m_board(window.board()), m_slot(slot) {}

    const BoardTile *operator->() const { return this; }

    TileFace face() const { return shown().face; }
    QString caption() const { return shown().face.caption; }
    QColor letterColour() const { return shown().face.letters; }
    TileColour tileColour() const { return shown().face.colour; }
    QFont tileFont() const { return shown().face.font; }
    TileBorder border() const { return shown().face.border; }
    QString hintText() const { return shown().hint; }
    bool showHint() const { return shown().showHint; }
    bool isVisible() const { return shown().visible && m_board->isVisible(); }

    // Where it is painted, in the board's coordinates.
    QRect geometry() const { return m_board->tileRect(m_slot); }
    QPoint pos() const { return geometry().topLeft(); }
    QSize size() const { return geometry().size(); }
    int x() const { return pos().x(); }
    int y() const { return pos().y(); }
    int width() const { return size().width(); }
    int height() const { return size().height(); }
    QRect rect() const { return QRect(QPoint(0, 0), size()); }
    QRect contentRect() const
    {
        return TilePainter::contentRect(rect(), TilePainter::scaled(shown().face, m_board->scale()).border);
    }
    QPoint mapTo(const QWidget *parent, const QPoint &point) const { return m_board->mapTo(parent, pos() + point); }
    QPixmap grab() const { return m_board->tilePicture(m_slot); }

    QAccessibleInterface *accessible() const { return m_board->tileInterface(m_slot); }

private:
    const ShownTile &shown() const { return m_board->tile(m_slot); }

    BoardPanel *m_board;
    int m_slot;
};

inline BoardTile boardTile(TfrmMain &window, int slot)
{
    return BoardTile(window, slot);
}
