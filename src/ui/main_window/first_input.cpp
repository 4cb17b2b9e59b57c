// SPDX-License-Identifier: GPL-3.0-or-later
// A one-time watch for the player's first key or click.
#include "ui/main_window/first_input.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

FirstInput::FirstInput(QWidget *window, QWidget *board, std::function<void()> action)
    : QObject(window), m_window(window), m_board(board), m_action(std::move(action))
{
    // Keys go to whatever child has the focus: watch them all.
    qApp->installEventFilter(this);
}

FirstInput::~FirstInput()
{
    qApp->removeEventFilter(this);
}

bool FirstInput::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_action || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    const bool key = event->type() == QEvent::KeyPress && m_window && widget->window() == m_window;
    const bool click = event->type() == QEvent::MouseButtonPress && m_board &&
                       (widget == m_board || m_board->isAncestorOf(widget));
    if (key || click) {
        const std::function<void()> action = std::move(m_action);
        m_action = nullptr;
        qApp->removeEventFilter(this);
        deleteLater();
        action();
    }
    return false;
}
