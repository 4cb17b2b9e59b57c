// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/shown_states.h"

#include <QSize>
#include <QString>

class SoundLayer;

// What the round engine asks of the window around it, one small interface
// per concern; tests record the calls.

// The status line LB and the help banner that shares it.
class StatusLine
{
public:
    virtual ~StatusLine() = default;
    virtual void setStatusText(const QString &text) = 0;
    // The line's look for how the round ended (the text comes separately).
    virtual void showOutcome(RoundOutcome outcome) = 0;
    // Shows the next help line (or stops the banner when it is switched off).
    virtual void showNextBannerLine() = 0;
    // The banner's creep: started with a round's opening message, stopped at its end.
    virtual void startBanner() = 0;
    virtual void stopBanner() = 0;
};

// Message boxes.
class RoundMessages
{
public:
    virtual ~RoundMessages() = default;
    virtual void showWarning(const QString &text) = 0;     // with an OK button
    virtual void showInformation(const QString &text) = 0;
    // An error that stopped an operation (the application's error box), e.g. "Unable to load the Knowledge Base".
    virtual void showError(const QString &text) = 0;
};

// The debug window's trace of each deal.
class TraceWindow
{
public:
    virtual ~TraceWindow() = default;
    virtual void clearDebug() = 0;
    virtual void appendDebugLine(const QString &line) = 0;
    virtual void showDebugWindow() = 0;
};

// The board panel and the window it sits in.
class BoardWindow
{
public:
    virtual ~BoardWindow() = default;
    // The board panel pGame takes no drags while disabled (during a drop).
    virtual void setBoardEnabled(bool enabled) = 0;
    virtual void setBusyCursor(bool busy) = 0; // hourglass on or off
    // The full-screen client area, and the main window's outer geometry to apply.
    virtual QSize screenSize() const = 0;
    virtual void setWindowGeometry(int left, int top, int width, int height) = 0;
};

// Lets pending window events run (repaints, timer ticks, the player's clicks).
class EventPump
{
public:
    virtual ~EventPump() = default;
    virtual void processEvents() = 0;
};

// Told when something the view reads from the engine changed.
class RoundListener
{
public:
    virtual ~RoundListener() = default;
    virtual void ratingChanged() {}   // rating(), ratingCaption(), ratingBand()
    virtual void commandsChanged() {} // commands(), modeText()
};

// Everything the engine reaches outside itself, handed over at its creation.
struct RoundWiring
{
    StatusLine &status;
    RoundMessages &messages;
    TraceWindow &trace;
    BoardWindow &window;
    EventPump &events;
    SoundLayer &sound;
    RoundListener &listener;
};
