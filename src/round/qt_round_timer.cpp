// SPDX-License-Identifier: GPL-3.0-or-later
// The round's timers on QTimer.
#include "round/qt_round_timer.h"

QtRoundTimer::QtRoundTimer(int intervalMs) : m_interval(intervalMs)
{
    m_timer.setInterval(qMax(intervalMs, 1));
}

void QtRoundTimer::start()
{
    if (m_interval <= 0) {
        m_timer.stop();
        return;
    }
    m_timer.start(m_interval);
}

void QtRoundTimer::stop()
{
    m_timer.stop();
}

void QtRoundTimer::setInterval(int ms)
{
    m_interval = ms;
    if (ms <= 0) {
        m_timer.stop();
        return;
    }
    if (m_timer.isActive())
        m_timer.start(ms);
    else
        m_timer.setInterval(ms);
}
