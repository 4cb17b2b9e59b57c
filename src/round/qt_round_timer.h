// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/round_timer.h"

#include <QTimer>

// RoundTimer on a QTimer: connect timer()'s timeout to the handler
// (RoundEngine::Timer1Timer, the banner's tick). A period of 0 or less does
// not run (a QTimer would fire continuously).
class QtRoundTimer : public RoundTimer
{
public:
    explicit QtRoundTimer(int intervalMs);

    QTimer *timer() { return &m_timer; }

    using RoundTimer::start;

    void start() override;
    void stop() override;
    bool isActive() const override { return m_timer.isActive(); }
    int interval() const override { return m_interval; }
    void setInterval(int ms) override;
    int remainingTime() const override { return m_timer.isActive() ? m_timer.remainingTime() : -1; }
    void startRemaining(int remainingMs) override;

private:
    QTimer m_timer;
    int m_interval;
    bool m_shortPeriod = false; // the running period is a remainder: the next one is whole again
};
