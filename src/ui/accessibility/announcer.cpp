// SPDX-License-Identifier: GPL-3.0-or-later
// Screen reader announcements through the board's name and focus.
#include "ui/accessibility/announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

Announcer::Announcer(QWidget *board, QObject *parent) : QObject(parent), m_board(board)
{
    if (m_board->accessibleName().isEmpty())
        m_board->setAccessibleName(boardName());
    m_board->window()->installEventFilter(this);
}

Announcer::~Announcer()
{
    if (m_board)
        m_board->window()->removeEventFilter(this);
}

QString Announcer::boardName()
{
    return QCoreApplication::translate("Announcer", "Board");
}

void Announcer::answer(const QString &news)
{
    m_stepAside = true;
    announce(news);
}

void Announcer::announce(const QString &news)
{
    if (news.isEmpty() || !m_board)
        return;
    for (const QString &part : {std::exchange(m_held, QString()), news})
        if (!part.isEmpty())
            m_pending = m_pending.isEmpty() ? part : m_pending + QLatin1Char(' ') + part;
    if (m_board->window()->isActiveWindow() || !m_board->window()->isVisible())
        deliver();
}

void Announcer::deliver()
{
    if (m_pending.isEmpty() || !m_board)
        return;
    m_last = m_pending;
    m_pending.clear();
    // The same words twice are no change of name: a reader would stay silent.
    if (m_board->accessibleName() == m_last)
        m_board->setAccessibleName(boardName());
    m_board->setAccessibleName(m_last);
    // While the board holds the keys, it takes the reader's focus back from
    // its tile; a board about to take the keys back is spoken as it does.
    if (!m_board->hasFocus() || !m_board->isEnabled())
        return;
    QAccessibleInterface *tile =
        std::exchange(m_stepAside, false) && m_readerOnBoard && m_frameTile ? m_frameTile() : nullptr;
    if (!tile) {
        focusBoard();
        return;
    }
    // A reader already on the board hears no new name of it, and drops a focus
    // that moves on at once: the tile first, the board a moment later.
    QAccessibleEvent away(tile, QAccessible::Focus);
    QAccessible::updateAccessibility(&away);
    m_readerOnBoard = false;
    QTimer::singleShot(StepAsideMs, this, [this, moves = m_focusMoves] {
        if (moves == m_focusMoves && m_board && m_board->hasFocus())
            focusBoard();
    });
}

void Announcer::focusBoard()
{
    QAccessibleEvent focus(m_board, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
    m_readerOnBoard = true;
}

void Announcer::focusMovedOn()
{
    m_readerOnBoard = false;
    ++m_focusMoves;
    if (m_board && m_board->accessibleName() != boardName())
        m_board->setAccessibleName(boardName());
}

bool Announcer::eventFilter(QObject *watched, QEvent *event)
{
    if (m_board && watched == m_board->window() && event->type() == QEvent::ActivationChange &&
        m_board->window()->isActiveWindow())
        deliver();
    return false;
}
