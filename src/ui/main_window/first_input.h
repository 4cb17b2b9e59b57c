// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

// Runs an action once, at the first key pressed in a window or the first
// click on its board, then removes itself. The event goes on as usual.
class FirstInput : public QObject
{
public:
    FirstInput(QWidget *window, QWidget *board, std::function<void()> action);
    ~FirstInput() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_board;
    std::function<void()> m_action;
};
