// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/round_host.h"
#include "round/round_timer.h"
#include "sound/sound_layer.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class RoundEngine;

// A timer that ticks only when a test fires it.
class ManualTimer : public RoundTimer
{
public:
    explicit ManualTimer(int intervalMs = 0) : m_interval(intervalMs) {}

    using RoundTimer::start;

    void start() override
    {
        m_active = m_interval > 0;
        ++starts;
    }
    void stop() override
    {
        m_active = false;
        ++stops;
    }
    bool isActive() const override { return m_active; }
    int interval() const override { return m_interval; }
    void setInterval(int ms) override
    {
        m_interval = ms;
        if (ms <= 0)
            m_active = false;
        else if (m_active)
            ++starts; // a running timer starts the new period afresh
    }

    // Delivers one tick to onTimeout when the timer runs; false when it does not.
    bool fire()
    {
        if (!m_active)
            return false;
        if (onTimeout)
            onTimeout();
        return true;
    }

    // The time left to the next tick is what the test says it is.
    int remainingTime() const override { return remaining; }
    void startRemaining(int ms) override
    {
        resumedAfter = ms;
        start();
    }

    std::function<void()> onTimeout;
    int starts = 0; // periods begun (start, or a new interval while running)
    int stops = 0;
    int remaining = 0;
    int resumedAfter = -1;

private:
    bool m_active = false;
    int m_interval;
};

// A sound layer that notes each effect asked for ("sound:" in the shared log).
class RecordingSound : public SoundLayer
{
public:
    RecordingSound(QStringList &log, QStringList &sounds) : m_log(log), m_sounds(sounds) {}
    void PlaySoundEffect(const QString &slotText) override;
    void StartMusic() override {}
    void stopAll() override {}
    int outputLevel() const override { return m_level; }
    void setOutputLevel(int level) override { m_level = level; }
    void saveDeviceVolume() override {}
    void restoreDeviceVolume() override {}
    void setPaused(bool paused) override { m_log << (paused ? QStringLiteral("sound:paused") : QStringLiteral("sound:going on")); }

private:
    QStringList &m_log;
    QStringList &m_sounds;
    int m_level = 0;
};

// The window around a round engine, recording what the engine asks of it
// through each of its interfaces. `log` holds every call in order as "name"
// or "name:argument"; the rating and commands are read back from the engine
// when it says they changed.
class RecordingHost : public StatusLine,
                      public RoundMessages,
                      public TraceWindow,
                      public BoardWindow,
                      public EventPump,
                      public RoundListener
{
public:
    // Every interface of this recorder, with `sound` for the effects.
    RoundWiring wiring() { return RoundWiring{*this, *this, *this, *this, *this, sound, *this}; }
    void listenTo(const RoundEngine &engine) { m_engine = &engine; }

    void setStatusText(const QString &text) override;
    void showOutcome(RoundOutcome outcome) override;
    void showNextBannerLine() override;
    void startBanner() override { bannerRunning = true; }
    void stopBanner() override { bannerRunning = false; }
    void showWarning(const QString &text) override;
    void showInformation(const QString &text) override;
    void showError(const QString &text) override;
    void clearDebug() override;
    void appendDebugLine(const QString &line) override;
    void showDebugWindow() override;
    void setBoardEnabled(bool enabled) override;
    void setBusyCursor(bool busy) override;
    QSize screenSize() const override { return screen; }
    void setWindowGeometry(int left, int top, int width, int height) override;
    void processEvents() override;
    void ratingChanged() override;
    void commandsChanged() override;

    // Calls whose log entry starts with prefix ("sound:", "status:"), prefix removed.
    QStringList logged(const QString &prefix) const;
    void clearLog() { log.clear(); }

    QStringList log;
    QString statusText;
    bool outcomeShown = false;
    RoundOutcome outcome = RoundOutcome::Lost;
    QString ratingCaption;
    RatingBand ratingBand = RatingBand::Below26;
    QStringList sounds;
    RecordingSound sound{log, sounds};
    QStringList warnings;
    QStringList informations;
    QStringList errors;
    QStringList debugLines;
    bool debugShown = false;
    int bannerLines = 0;
    bool bannerRunning = false;
    int commandChanges = 0;
    int processEventsCalls = 0;
    bool boardEnabled = true;
    bool busyCursor = false;
    QSize screen{1024, 768};
    int left = 0, top = 0, width = 0, height = 0;
    // Runs inside processEvents(): what a tick or a click in the middle would do.
    std::function<void()> onProcessEvents;

private:
    const RoundEngine *m_engine = nullptr;
};
