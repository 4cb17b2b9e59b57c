// SPDX-License-Identifier: GPL-3.0-or-later
// A paused round: the clock and the sound stand still and the board takes no moves.
#include "round/round_engine.h"

#include "sound/sound_layer.h"

void RoundEngine::pause()
{
    if (m_paused || !m_inPlay || m_round.Busy)
        return;
    m_paused = true;
    m_pausedAt.start();
    // A round brought back from the last close holds its clock until now.
    m_pausedClockMs = m_penaltyTimer.isActive() ? m_penaltyTimer.remainingTime() : m_heldClock;
    m_heldClock = -1;
    m_penaltyTimer.stop();
    m_sound->setPaused(true);
    setStatus(QCoreApplication::translate("RoundEngine", "Paused"));
}

qint64 RoundEngine::playedMs() const
{
    if (!m_playTime.isValid())
        return 0;
    return m_playTime.elapsed() - m_pausedMs - (m_paused ? m_pausedAt.elapsed() : 0);
}

int RoundEngine::msToNextTick() const
{
    if (m_paused)
        return m_pausedClockMs;
    return m_inPlay && m_penaltyTimer.isActive() ? m_penaltyTimer.remainingTime() : -1;
}

void RoundEngine::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    m_pausedMs += m_pausedAt.elapsed();
    m_sound->setPaused(false);
    if (m_inPlay && m_pausedClockMs >= 0)
        m_penaltyTimer.startRemaining(m_pausedClockMs);
    m_pausedClockMs = -1;
    setStatus(QCoreApplication::translate("RoundEngine", "Resumed"));
}
