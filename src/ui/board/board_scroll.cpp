// SPDX-License-Identifier: GPL-3.0-or-later
// The scroll area around the board, and a window clamped to the screen when a round needs more room.
#include "ui/board/board_scroll.h"

#include <QScrollBar>

BoardScroll::BoardScroll(QWidget *board, QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("boardScroll"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::NoFocus);
    setWidget(board);
}

void BoardScroll::setBoardSize(const QSize &size)
{
    m_boardSize = size;
    widget()->setMinimumSize(scrolls() ? size : QSize(0, 0));
}

QRect BoardScroll::fitWindow(const QRect &asked, const QRect &available, int scrollBarExtent)
{
    const bool tooWide = asked.width() > available.width();
    const bool tooTall = asked.height() > available.height();
    if (!tooWide && !tooTall)
        return asked;
    const int width = qMin(available.width(), asked.width() + (tooTall ? scrollBarExtent : 0));
    const int height = qMin(available.height(), asked.height() + (tooWide ? scrollBarExtent : 0));
    return QRect(available.x() + (available.width() - width) / 2, available.y() + (available.height() - height) / 2,
                 width, height);
}

void BoardScroll::showBoardRect(const QRect &rect)
{
    if (scrolls())
        ensureVisible(rect.center().x(), rect.center().y(), rect.width() / 2 + 8, rect.height() / 2 + 8);
}
