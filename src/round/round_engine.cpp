#include "round/round_engine.h"

#include "settings/options_model.h"
#include "words/kbase.h"

RoundEngine::RoundEngine(RoundHost &host, OptionsModel &options, SettingsFile &settings, RoundTimer &penaltyTimer,
                         RoundTimer &bannerTimer)
    : m_host(host), m_options(options), m_settings(settings), m_timer1(penaltyTimer), m_bTimer(bannerTimer),
      m_dictionary(std::make_unique<tZRVDictionary>())
{
    m_board.setEventPump([this] { m_host.processEvents(); });
    // The penalty timer's period before the first round.
    m_timer1.stop();
    m_timer1.setInterval(15000);
}

RoundEngine::~RoundEngine() = default;

void RoundEngine::setStatus(const QString &text)
{
    m_statusText = text;
    m_host.setStatusText(text);
}

void RoundEngine::setRatingCaption(const QString &caption)
{
    m_ratingCaption = caption;
    m_host.setRatingCaption(caption);
}

void RoundEngine::setRatingBackground(QRgb colour)
{
    m_ratingBackground = colour;
    m_host.setRatingBackground(colour);
}

void RoundEngine::updateCommands(const RoundCommands &commands)
{
    if (commands == m_commands)
        return;
    m_commands = commands;
    m_host.commandsChanged();
}

void RoundEngine::setBoardEnabled(bool enabled)
{
    m_boardEnabled = enabled;
    m_host.setBoardEnabled(enabled);
}

void RoundEngine::startPenaltyTimer(int ms)
{
    // A period of 0 or less means no ticks at all (a zero-period timer would fire continuously).
    m_timer1.setInterval(ms);
    if (ms > 0)
        m_timer1.start();
    else
        m_timer1.stop();
}
