// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_file.h"

#include <QDate>
#include <QList>
#include <QMap>

#include <optional>
#include <utility>

// How a day's counted round ended; Playing until it does. A day left Playing
// once the next day came was not won.
enum class DayOutcome { Playing, Won, Lost };

// A counted round of Today's Round as the record keeps it.
struct DayResult
{
    DayOutcome outcome = DayOutcome::Playing;
    int rating = 0;
    int wordsFound = 0;
    int wordCount = 0;
    int moves = 0;
    int seconds = 0;

    // "won,27,10,10,35,182": the outcome, then the figures in the order above.
    QString text() const;
    // Figures out of range or missing read as 0; an unknown outcome as Lost.
    static DayResult parse(QStringView text);
    bool operator==(const DayResult &) const = default;
};

// Today's Round in section "Today" of the settings file: one key per day
// played, its local date (yyyy-MM-dd), valued with its result. The run and
// the best run are worked out from the days, never stored.
//
// The first deal of a day counts, unless the day was already played or a
// later day is on record (a clock set back plays practice only). A counted
// round's result replaces its "playing" mark once; nothing replaces a result.
//
// Files of earlier versions hold "Played" (the last day dealt), "Won" (the
// last day won), "Run" (days in a row won up to then) and "Best": they read
// as a day played, a run of won days ending on "Won", and a best run at least
// "Best". Values out of range read as the nearest sound ones.
//
// Each change is one locked read-change-write of the file as it is then, so
// two running copies never count the same day twice or lose a result. Like the
// scores, recording never stands in the way of the game: a file that cannot be
// written keeps the record as it was.
class DailyRecord
{
public:
    explicit DailyRecord(SettingsFile &settings) : m_settings(settings), m_writable(&settings) {}
    // Only to read: startDay and the records change nothing.
    explicit DailyRecord(const SettingsFile &settings) : m_settings(settings) {}

    // A longer run or best read from an old file is taken as this long.
    static constexpr int MaxRun = 36525;

    // True when a first play of day counts now.
    bool counts(QDate day) const;
    // True when day counts; it is marked as being played now.
    bool startDay(QDate day);
    // The result of a counted round of day. Does nothing for a day that did
    // not count or already has its result.
    void recordResult(QDate day, const DayResult &result);
    void recordWin(QDate day) { recordResult(day, DayResult{DayOutcome::Won}); }
    // What recordResult writes, given the file as it is now (read under the
    // lock): nothing when the result is not to be recorded. For a caller that
    // writes other records in the same locked write.
    static SettingsFile::Changes resultChanges(const SettingsFile &current, QDate day, const DayResult &result);

    std::optional<DayResult> resultOf(QDate day) const;
    bool wonOn(QDate day) const;
    // Days in a row won up to today, or up to yesterday while today is still
    // being played or to be played. With the clock before the last day on
    // record, the run as of that day.
    int currentRun(QDate today) const;
    int bestRun() const;
    int daysPlayed() const;
    int daysWon() const;
    // The last day on record; invalid when there is none.
    QDate lastDay() const;

private:
    struct Days
    {
        QMap<QDate, DayResult> days;  // kept per day, and an old file's last day played
        QDate legacyFirst, legacyLast; // an old file's run of won days, where no day says otherwise
        int legacyBest = 0;

        bool won(QDate day) const;
        QDate last() const;
        qint64 legacyLength() const;
    };
    static Days read(const SettingsFile &settings);
    static QList<std::pair<qint64, qint64>> wonSpans(const Days &d);

    const SettingsFile &m_settings;
    SettingsFile *m_writable = nullptr;
};
