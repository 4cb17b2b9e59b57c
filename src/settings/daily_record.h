// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

class SettingsFile;

// Today's Round in section "Today" of the settings file: the last day whose
// round was dealt ("Played"), the last day won ("Won"), the days in a row
// won up to then ("Run") and the longest run ("Best"). Days are local dates
// written yyyy-MM-dd.
//
// The first deal of a day counts; any later one that day is practice. A
// counted round that is won extends the run when the day before was won too,
// and starts a new run of 1 otherwise. Like the scores, recording never
// stands in the way of the game: failures leave the record as it was.
class DailyRecord
{
public:
    explicit DailyRecord(SettingsFile &settings) : m_settings(settings), m_writable(&settings) {}
    // Only to read: startDay and recordWin change nothing.
    explicit DailyRecord(const SettingsFile &settings) : m_settings(settings) {}

    // True when no round was dealt yet on day (it is marked so now): its result counts.
    bool startDay(QDate day);
    // A counted round of day won; a second win of the same day changes nothing.
    void recordWin(QDate day);

    // Days in a row won up to today, or up to yesterday while today is still to play.
    int currentRun(QDate today) const;
    int bestRun() const;
    bool wonOn(QDate day) const;

private:
    QDate readDay(const char *key) const;
    int readCount(const char *key) const;

    const SettingsFile &m_settings;
    SettingsFile *m_writable = nullptr;
};
