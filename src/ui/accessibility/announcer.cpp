// SPDX-License-Identifier: GPL-3.0-or-later
// Screen reader announcements through the board's name and focus.
#include "ui/accessibility/announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
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
    if (m_board->hasFocus() && m_board->isEnabled()) {
        QAccessibleEvent focus(m_board, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void Announcer::focusMovedOn()
{
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
