// SPDX-License-Identifier: GPL-3.0-or-later
// The window around the board: sized for the board at its zoom, within the screen.
#include "ui/main_window/main_window.h"

#include "ui/board/board_panel.h"
#include "ui/board/board_scroll.h"
#include "ui/board/board_zoom.h"
#include "ui/main_window/status_panel.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

QSize TfrmMain::chromeSize() const
{
    const QSize frame = frameGeometry().size() - geometry().size();
    return frame + QSize(0, menuBar()->sizeHint().height() + StatusPanel::Height);
}

void TfrmMain::placeBoard(const QPoint &centre)
{
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize chrome = chromeSize();
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize natural = m_boardPanel->naturalSize();
    const QSize board = natural * (m_zoom / 100.0);
    const QSize outer = board + chrome;
    const QRect asked(centre - QPoint(outer.width() / 2, outer.height() / 2), outer);
    // A window larger than the screen's available area would put the menu
    // and the status line out of reach: it is clamped and the board scrolls.
    const QRect available = screen ? screen->availableGeometry() : asked;
    const QRect fitted = BoardScroll::fitWindow(asked, available, style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    m_boardScroll->setBoardSize(fitted == asked ? QSize() : board);
    // Never smaller than the board's natural size, where the screen has room for it.
    setMinimumSize((natural + chrome).boundedTo(available.size()) - frame);
    if (isMaximized() || isFullScreen())
        return; // the board fills the window at whatever scale that gives
    setOuterGeometry(fitted.x(), fitted.y(), fitted.width(), fitted.height());
}

void TfrmMain::zoomTo(int percent)
{
    m_zoom = qBound(BoardZoom::Natural, percent, BoardZoom::Largest);
    if (isMaximized() || isFullScreen())
        showNormal();
    placeBoard(frameGeometry().center());
}
