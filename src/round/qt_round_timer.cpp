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

int QtRoundTimer::remainingTime() const
{
    return m_timer.isActive() ? qMax(0, m_timer.remainingTime()) : m_interval;
}

void QtRoundTimer::resumeAfter(int ms)
{
    if (m_interval <= 0)
        return;
    // The first period is what was left; once it ends the timer keeps its own period.
    m_timer.start(qBound(0, ms, m_interval));
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { m_timer.setInterval(m_interval); },
                     Qt::SingleShotConnection);
}
