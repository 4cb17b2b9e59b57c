// SPDX-License-Identifier: GPL-3.0-or-later
// The clock of Today's Round.
#include "settings/day_clock.h"

namespace {
std::function<QDateTime()> &injected()
{
    static std::function<QDateTime()> set;
    return set;
}
} // namespace

namespace DayClock {

QDateTime now()
{
    return injected() ? injected()() : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

qint64 secondsToNextDay()
{
    const QDateTime at = now();
    // Local midnight, whatever a change to summer time did to the day's length.
    QDateTime next = at;
    next.setDate(at.date().addDays(1));
    next.setTime(QTime(0, 0));
    return qMax<qint64>(0, at.secsTo(next));
}

void set(std::function<QDateTime()> replacement)
{
    injected() = std::move(replacement);
}

} // namespace DayClock
