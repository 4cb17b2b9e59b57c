// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

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
    // Time left until the next tick of a running timer.
    virtual int remainingTime() const { return interval(); }
    // Starts again with its next tick after ms (then every period): a pause
    // leaves the clock where it was.
    virtual void resumeAfter(int ms) { Q_UNUSED(ms); start(); }
};
