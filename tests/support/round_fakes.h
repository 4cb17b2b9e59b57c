#pragma once

#include "round/round_host.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

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

    std::function<void()> onTimeout;
    int starts = 0; // periods begun (start, or a new interval while running)
    int stops = 0;

private:
    bool m_active = false;
    int m_interval;
};

// A main window that records what the engine asks of it. `log` holds every
// call in order as "name" or "name:argument".
class RecordingHost : public RoundHost
{
public:
    void setStatusText(const QString &text) override;
    void setStatusColour(QRgb colour, bool plainStyle) override;
    void showNextBannerLine() override;
    void setRatingCaption(const QString &caption) override;
    void setRatingBackground(QRgb colour) override;
    void PlaySoundEffect(const QString &text) override;
    void showWarning(const QString &text) override;
    void showInformation(const QString &text) override;
    void showError(const QString &text) override;
    void commandsChanged() override;
    void openOptionsDialog() override;
    bool hoverHints() const override { return hoverHintsOn; }
    void processEvents() override;
    void setBoardEnabled(bool enabled) override;
    void setBusyCursor(bool busy) override;
    void clearDebug() override;
    void appendDebugLine(const QString &line) override;
    void showDebugWindow() override;
    QSize screenSize() const override { return screen; }
    void setWindowGeometry(int left, int top, int width, int height) override;

    // Calls whose log entry starts with prefix ("sound:", "status:"), prefix removed.
    QStringList logged(const QString &prefix) const;
    void clearLog() { log.clear(); }

    QStringList log;
    QString statusText;
    QRgb statusColour = 0;
    bool statusPlain = false;
    QString ratingCaption;
    QRgb ratingBackground = 0;
    QStringList sounds;
    QStringList warnings;
    QStringList informations;
    QStringList errors;
    QStringList debugLines;
    bool debugShown = false;
    int bannerLines = 0;
    int commandChanges = 0;
    int optionsOpened = 0;
    int processEventsCalls = 0;
    bool boardEnabled = true;
    bool busyCursor = false;
    bool hoverHintsOn = true;
    QSize screen{1024, 768};
    int left = 0, top = 0, width = 0, height = 0;
    // Runs inside processEvents(): what a tick or a click in the middle would do.
    std::function<void()> onProcessEvents;
};
