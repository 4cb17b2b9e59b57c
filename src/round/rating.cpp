// SPDX-License-Identifier: GPL-3.0-or-later
// The rating, the penalty timer's ticks and the lost round.
#include "round/round_engine.h"

#include "settings/options_model.h"
#include <QCoreApplication>

RatingBand RoundEngine::bandFor(int rating)
{
    if (rating >= 86)
        return RatingBand::From86;
    if (rating >= 71)
        return RatingBand::From71;
    if (rating >= 56)
        return RatingBand::From56;
    if (rating >= 41)
        return RatingBand::From41;
    if (rating >= 26)
        return RatingBand::From26;
    return RatingBand::Below26;
}

void RoundEngine::ChangeRating(int amount)
{
    (void)changeRating(amount);
}

// Every change of the rating starts the penalty period afresh; a rating of 0
// or less loses the round.
bool RoundEngine::changeRating(int amount)
{
    const bool wasRunning = m_penaltyTimer.isActive();
    m_penaltyTimer.stop();
    if (amount == 0)
        m_rating = 0;
    else
        m_rating += amount;
    if (m_rating > 100)
        m_rating = 100;
    setRatingCaption(QString::number(m_rating));
    setRatingBand(bandFor(m_rating));
    if (m_rating > 0) {
        if (wasRunning)
            m_penaltyTimer.start();
        return false;
    }
    return loseRound();
}

bool RoundEngine::loseRound()
{
    const bool wasInPlay = m_inPlay;
    if (wasInPlay && m_countsForToday)
        recordDayLost();
    m_inPlay = false;
    m_penaltyTimer.stop();
    keepRound();
    setStatus(QCoreApplication::translate("RoundEngine", "Sorry, please try again."));
    m_outcome = RoundOutcome::Lost;
    m_host.status.showOutcome(RoundOutcome::Lost);
    m_host.status.stopBanner();
    if (RevealWords())
        return true;
    setRatingCaption(QStringLiteral("0"));
    RoundCommands c = m_commands;
    c.solve = c.clue = c.popupSolve = c.popupClue = false;
    updateCommands(c);
    // The step that lost plays no sound of its own after this one.
    if (wasInPlay && !m_quietLoss)
        playSound(SoundSlot::GameOver);
    return false;
}

void RoundEngine::Timer1Timer()
{
    // A tick that was already queued when the round ended is dropped.
    if (!m_inPlay || m_paused || !m_penaltyTimer.isActive())
        return;
    RoundParameters &p = m_round.Parameters;
    if (m_round.timerPhase == TimerPhase::Waiting) {
        startPenaltyTimer(p.Pop > 0 ? p.Pop * 1000 : 0);
        playSound(SoundSlot::TimerStart);
        m_round.timerPhase = TimerPhase::Ticking;
    } else {
        if (changeRating(p.Penalty))
            return; // the penalty lost the round and a new one took the board during its reveal
        if (m_inPlay)
            playSound(SoundSlot::Penalty);
    }
    keepRound();
}
