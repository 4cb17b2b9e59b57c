// SPDX-License-Identifier: GPL-3.0-or-later
// The round engine's construction and the small steps every part of it shares.
#include "round/round_engine.h"

#include "settings/options_model.h"
#include "sound/sound_layer.h"
#include "words/kbase.h"

RoundEngine::RoundEngine(const RoundWiring &wiring, const OptionsModel &options, SettingsFile &settings,
                         RoundTimer &penaltyTimer)
    : m_host(wiring), m_sound(&wiring.sound), m_options(options), m_settings(settings), m_penaltyTimer(penaltyTimer),
      m_dictionary(std::make_unique<tZRVDictionary>())
{
    // The penalty timer's period before the first round.
    m_penaltyTimer.stop();
    m_penaltyTimer.setInterval(15000);
}

RoundEngine::~RoundEngine() = default;

bool RoundEngine::pauseInterrupts(quint64 serial, Needs needs)
{
    m_host.events.processEvents();
    return roundChanged(serial) || (needs == Needs::RoundInPlay && !m_inPlay);
}

void RoundEngine::settle()
{
    const bool replaced = pauseInterrupts(m_serial, Needs::SameRound);
    Q_ASSERT(!replaced);
    Q_UNUSED(replaced);
}

void RoundEngine::playSound(SoundSlot slot)
{
    m_sound->PlaySoundEffect(m_options.soundText(slot));
}

void RoundEngine::stopSound()
{
    m_sound->PlaySoundEffect(QString());
}

void RoundEngine::setStatus(const QString &text)
{
    m_statusText = text;
    m_host.status.setStatusText(text);
}

void RoundEngine::setRatingCaption(const QString &caption)
{
    m_ratingCaption = caption;
    m_host.listener.ratingChanged();
}

void RoundEngine::setRatingBand(RatingBand band)
{
    m_ratingBand = band;
    m_host.listener.ratingChanged();
}

void RoundEngine::updateCommands(const RoundCommands &commands)
{
    if (commands == m_commands)
        return;
    m_commands = commands;
    m_host.listener.commandsChanged();
}

// The Options dialog's settings page opens again once a round no longer takes moves.
void RoundEngine::openSettingsPage()
{
    RoundCommands c = m_commands;
    c.settingsPage = true;
    updateCommands(c);
}

void RoundEngine::setBoardEnabled(bool enabled)
{
    m_boardEnabled = enabled;
    m_host.window.setBoardEnabled(enabled);
}

void RoundEngine::startPenaltyTimer(int ms)
{
    // A period of 0 or less means no ticks at all (a zero-period timer would fire continuously).
    m_penaltyTimer.setInterval(ms);
    if (ms > 0)
        m_penaltyTimer.start();
    else
        m_penaltyTimer.stop();
}
