// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QScrollArea>

// The game area around the board panel. While the window fits the screen it
// is invisible: the board fills it exactly. When a round asks for a window
// taller or wider than the screen's available area, the window is clamped to
// that area and the board keeps its full size inside scroll bars, so the menu
// and the status line stay in reach.
class BoardScroll : public QScrollArea
{
    Q_OBJECT
public:
    explicit BoardScroll(QWidget *board, QWidget *parent = nullptr);

    // The board's full size while the window is clamped; an empty size lets
    // the board follow the area again.
    void setBoardSize(const QSize &size);
    bool scrolls() const { return m_boardSize.isValid() && !m_boardSize.isEmpty(); }

    // The outer window rectangle for the one asked: unchanged when it fits
    // the available area; otherwise clamped to it, centred, widened (or made
    // taller) by a scroll bar's breadth where there is room, so that only the
    // clamped direction scrolls.
    static QRect fitWindow(const QRect &asked, const QRect &available, int scrollBarExtent);

    // Brings a board rectangle into view (keyboard play follows its focus).
    void showBoardRect(const QRect &rect);

private:
    QSize m_boardSize;
};
