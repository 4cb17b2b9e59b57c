#pragma once

#include "round/tile_colours.h"

#include <QSize>
#include <QString>

// A periodic timer of the main window (the penalty timer Timer1, the banner
// timer bTimer). The view wraps a QTimer (QtRoundTimer); tests fire by hand.
class RoundTimer
{
public:
    virtual ~RoundTimer() = default;
    virtual void start() = 0;                 // (re)starts the current period; a period <= 0 never runs
    virtual void stop() = 0;                  // no more ticks until the next start
    virtual bool isActive() const = 0;        // running
    virtual int interval() const = 0;         // the period in milliseconds
    virtual void setInterval(int ms) = 0;     // a running timer starts the new period afresh
    void start(int ms) { setInterval(ms); start(); }
};

// Everything the round engine asks of the main window. One method per need;
// tests record the calls.
class RoundHost
{
public:
    virtual ~RoundHost() = default;

    // Status line LB: its text, and its letter colour (plainStyle: regular, not bold/italic/...).
    virtual void setStatusText(const QString &text) = 0;
    virtual void setStatusColour(QRgb colour, bool plainStyle) = 0;
    // Banner: show the next help line (or stop the banner when it is switched off).
    virtual void showNextBannerLine() = 0;

    // Rating label Counter: caption and background colour (letters stay yellow).
    virtual void setRatingCaption(const QString &caption) = 0;
    virtual void setRatingBackground(QRgb colour) = 0;

    // Sound request by the text of an Options sound slot; an empty text only stops the playing sound.
    virtual void PlaySoundEffect(const QString &text) = 0;

    // Message boxes: a warning with an OK button, an information box.
    virtual void showWarning(const QString &text) = 0;
    virtual void showInformation(const QString &text) = 0;
    // An error that stopped an operation (the application's error box), e.g. "Unable to load the Knowledge Base".
    virtual void showError(const QString &text) = 0;

    // Enabled states or captions of the commands changed: re-read RoundEngine::commands().
    virtual void commandsChanged() = 0;
    // F7 through the shortcut hook: Options1Click (the dialog; "New Cells" then calls New1Click).
    virtual void openOptionsDialog() = 0;
    // Whether Options > "Hover Hints" is ticked.
    virtual bool hoverHints() const = 0;

    // Let pending window events run (repaints, timer ticks).
    virtual void processEvents() = 0;
    // The board panel pGame takes no drags while disabled (during a drop).
    virtual void setBoardEnabled(bool enabled) = 0;
    // Hourglass cursor on or off.
    virtual void setBusyCursor(bool busy) = 0;

    // Debug window: clear its memo, append a line, show the window.
    virtual void clearDebug() = 0;
    virtual void appendDebugLine(const QString &line) = 0;
    virtual void showDebugWindow() = 0;

    // The full-screen client area, and the main window's outer geometry to apply.
    virtual QSize screenSize() const = 0;
    virtual void setWindowGeometry(int left, int top, int width, int height) = 0;
};
