// SPDX-License-Identifier: GPL-3.0-or-later
// The round's timers on QTimer.
#include "round/qt_round_timer.h"

QtRoundTimer::QtRoundTimer(int intervalMs) : m_interval(intervalMs)
{
    m_timer.setInterval(qMax(intervalMs, 1));
    // A coarse timer may run late by a twentieth of its period: the time to
    // the next tick, kept across a quit, is meant to the millisecond.
    m_timer.setTimerType(Qt::PreciseTimer);
    // Connected before any handler: the handler's own restarts see the whole period.
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
        if (m_shortPeriod) {
            m_shortPeriod = false;
            m_timer.start(m_interval);
        }
    });
}

void QtRoundTimer::startRemaining(int remainingMs)
{
    if (m_interval <= 0) {
        m_timer.stop();
        return;
    }
    m_shortPeriod = true;
    m_timer.start(qBound(1, remainingMs, m_interval));
}

void QtRoundTimer::start()
{
    m_shortPeriod = false;
    if (m_interval <= 0) {
        m_timer.stop();
        return;
    }
    m_timer.start(m_interval);
}

void QtRoundTimer::stop()
{
    m_shortPeriod = false;
    m_timer.stop();
}

void QtRoundTimer::setInterval(int ms)
{
    m_interval = ms;
    m_shortPeriod = false;
    if (ms <= 0) {
        m_timer.stop();
        return;
    }
    if (m_timer.isActive())
        m_timer.start(ms);
    else
        m_timer.setInterval(ms);
}
