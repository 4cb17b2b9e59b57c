#include "round/round_engine.h"

#include "settings/options_model.h"

#include <Qt>

QRgb RoundEngine::ratingBand(int rating)
{
    if (rating >= 86)
        return 0xFF5C017E; // RGB(92,1,126)
    if (rating >= 71)
        return 0xFF0000A0; // RGB(0,0,160)
    if (rating >= 56)
        return 0xFF008080; // RGB(0,128,128)
    if (rating >= 41)
        return 0xFF0D8000; // RGB(13,128,0)
    if (rating >= 26)
        return 0xFFCD5A54; // RGB(205,90,84)
    return 0xFFF5150A;     // RGB(245,21,10)
}

// Every change of the rating starts the penalty period afresh; a rating of 0
// or less loses the round.
void RoundEngine::ChangeRating(int amount)
{
    const bool wasRunning = m_timer1.isActive();
    m_timer1.stop();
    if (amount == 0)
        m_rating = 0;
    else
        m_rating += amount;
    if (m_rating > 100)
        m_rating = 100;
    setRatingCaption(QString::number(m_rating));
    setRatingBackground(ratingBand(m_rating));
    if (m_rating > 0) {
        if (wasRunning)
            m_timer1.start();
    } else {
        loseRound();
    }
}

void RoundEngine::loseRound()
{
    const bool wasInPlay = m_inPlay;
    m_inPlay = false;
    m_timer1.stop();
    setStatus(QStringLiteral("Sorry, please try again."));
    m_host.setStatusColour(0xFF800000, true);
    m_bTimer.stop();
    RevealWords();
    setRatingCaption(QStringLiteral("0"));
    RoundCommands c = m_commands;
    c.mSolve = c.mReveal = c.Solve1 = c.Clue1 = false;
    updateCommands(c);
    // The step that lost plays no sound of its own after this one.
    if (wasInPlay && !m_quietLoss)
        m_host.PlaySoundEffect(m_options.soundText(SoundSlot::GameOver));
}

void RoundEngine::Timer1Timer()
{
    // A tick that was already queued when the round ended is dropped.
    if (!m_inPlay || !m_timer1.isActive())
        return;
    RoundParameters &p = m_board.Parameters;
    if (m_board.TimerPhase == 'W') {
        startPenaltyTimer(p.Pop > 0 ? p.Pop * 1000 : 0);
        m_host.PlaySoundEffect(m_options.soundText(SoundSlot::TimerStart));
        m_board.TimerPhase = 'G';
    } else {
        ChangeRating(p.Penalty);
        if (m_inPlay)
            m_host.PlaySoundEffect(m_options.soundText(SoundSlot::Penalty));
    }
}

bool RoundEngine::FormShortCut(int key, int modifiers)
{
    switch (key) {
    case Qt::Key_F12:
        if (modifiers & Qt::ShiftModifier) {
            if (!m_commands.Clue1)
                return false;
            Clue1Click();
            return true;
        }
        if (!m_commands.Solve1)
            return false;
        Solve1Click();
        return true;
    case Qt::Key_F2:
        New1Click();
        return true;
    case Qt::Key_F3:
        return true;
    case Qt::Key_F7:
        if (m_commands.mSettings)
            m_host.openOptionsDialog();
        return true;
    default:
        return false;
    }
}
