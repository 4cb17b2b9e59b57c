// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include <functional>

// The local date and time that Today's Round goes by: the machine's, or the
// one a test sets, so that days can be lived through without the machine's clock.
namespace DayClock {

QDateTime now();
QDate today();
// Seconds from now until the next day begins, at local midnight.
qint64 secondsToNextDay();
// An empty function brings back the machine's clock.
void set(std::function<QDateTime()> clock);

} // namespace DayClock
