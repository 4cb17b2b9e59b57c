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
    // Milliseconds to the next tick while running, else -1.
    virtual int remainingTime() const { return isActive() ? interval() : -1; }
    // Starts a period that ends after remainingMs (a period broken off
    // earlier), the following ones at interval().
    virtual void startRemaining(int remainingMs) { Q_UNUSED(remainingMs); start(); }
};
