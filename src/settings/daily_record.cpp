// SPDX-License-Identifier: GPL-3.0-or-later
// The record of Today's Round: the day played, the day won and the run of days won.
#include "settings/daily_record.h"

#include "settings/settings_file.h"

#include <exception>

namespace {
const QString TodaySection = QStringLiteral("Today");
const QString DayFormat = QStringLiteral("yyyy-MM-dd");
} // namespace

QDate DailyRecord::readDay(const char *key) const
{
    return QDate::fromString(m_settings.readString(TodaySection, QLatin1String(key), QString()).trimmed(), DayFormat);
}

int DailyRecord::readCount(const char *key) const
{
    return qMax(0, m_settings.readInteger(TodaySection, QLatin1String(key), 0));
}

bool DailyRecord::startDay(QDate day)
{
    if (!day.isValid() || readDay("Played") == day || !m_writable)
        return false;
    try {
        m_writable->writeString(TodaySection, QStringLiteral("Played"), day.toString(DayFormat));
    } catch (const std::exception &) {
        // The day still counts: a settings file that cannot be written loses its record, not the round.
    }
    return true;
}

void DailyRecord::recordWin(QDate day)
{
    const QDate lastWon = readDay("Won");
    if (!day.isValid() || lastWon == day || !m_writable)
        return;
    const int run = lastWon.isValid() && lastWon.addDays(1) == day ? readCount("Run") + 1 : 1;
    try {
        m_writable->writeString(TodaySection, QStringLiteral("Won"), day.toString(DayFormat));
        m_writable->writeInteger(TodaySection, QStringLiteral("Run"), run);
        if (run > readCount("Best"))
            m_writable->writeInteger(TodaySection, QStringLiteral("Best"), run);
    } catch (const std::exception &) {
    }
}

int DailyRecord::currentRun(QDate today) const
{
    const QDate lastWon = readDay("Won");
    if (!lastWon.isValid() || lastWon > today || lastWon.addDays(1) < today)
        return 0;
    return readCount("Run");
}

int DailyRecord::bestRun() const
{
    return qMax(readCount("Best"), readCount("Run"));
}

bool DailyRecord::wonOn(QDate day) const
{
    return day.isValid() && readDay("Won") == day;
}
