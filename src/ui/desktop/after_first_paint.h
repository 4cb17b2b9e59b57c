// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

// Runs an action once the program has put its first picture on screen (the
// first paint of any of its widgets, finished), so that work the first window
// does not need - decoding the background music - does not hold it back. The
// action runs in the event loop after that paint, and never once context is
// gone.
void runAfterFirstPaint(QObject *context, std::function<void()> action);
