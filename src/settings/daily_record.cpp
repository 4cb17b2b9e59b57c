// SPDX-License-Identifier: GPL-3.0-or-later
// The record of Today's Round: each day played with its result, and the runs worked out from them.
#include "settings/daily_record.h"

#include <algorithm>
#include <climits>
#include <exception>

namespace {

const QString TodaySection = QStringLiteral("Today");
const QString DayFormat = QStringLiteral("yyyy-MM-dd");
constexpr int MaxFigure = 1000000;

const char *const OutcomeWords[] = {"playing", "won", "lost"};

QDate dayOf(const QString &text)
{
    // Only the exact form: "Played", "Run" and other keys share the section.
    return text.size() == 10 ? QDate::fromString(text, DayFormat) : QDate();
}

int figure(QStringView text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    return ok ? int(qBound(qlonglong(0), value, qlonglong(MaxFigure))) : 0;
}

} // namespace

QString DayResult::text() const
{
    return QStringLiteral("%1,%2,%3,%4,%5,%6")
        .arg(QLatin1String(OutcomeWords[int(outcome)]))
        .arg(rating)
        .arg(wordsFound)
        .arg(wordCount)
        .arg(moves)
        .arg(seconds);
}

DayResult DayResult::parse(QStringView text)
{
    const QList<QStringView> parts = text.split(u',');
    DayResult r;
    r.outcome = DayOutcome::Lost;
    for (int o = 0; o < 3; ++o) {
        if (parts.value(0).trimmed().compare(QLatin1String(OutcomeWords[o]), Qt::CaseInsensitive) == 0)
            r.outcome = DayOutcome(o);
    }
    int *const figures[] = {&r.rating, &r.wordsFound, &r.wordCount, &r.moves, &r.seconds};
    for (int i = 0; i < 5 && i + 1 < parts.size(); ++i)
        *figures[i] = figure(parts[i + 1]);
    return r;
}

bool DailyRecord::Days::won(QDate day) const
{
    const auto it = days.constFind(day);
    if (it != days.cend())
        return it->outcome == DayOutcome::Won;
    return legacyFirst.isValid() && day >= legacyFirst && day <= legacyLast;
}

QDate DailyRecord::Days::last() const
{
    QDate last = days.isEmpty() ? QDate() : days.lastKey();
    if (legacyLast.isValid() && (!last.isValid() || legacyLast > last))
        last = legacyLast;
    return last;
}

qint64 DailyRecord::Days::legacyLength() const
{
    return legacyFirst.isValid() ? legacyFirst.daysTo(legacyLast) + 1 : 0;
}

DailyRecord::Days DailyRecord::read(const SettingsFile &settings)
{
    Days d;
    for (const auto &[key, value] : settings.readSection(TodaySection)) {
        const QDate day = dayOf(key);
        if (day.isValid())
            d.days.insert(day, DayResult::parse(value));
    }
    // An earlier version's record: its last day won ends its run, and its
    // last day played, when another, was not won (or is being played).
    const auto oldDay = [&](const char *key) {
        return dayOf(settings.readString(TodaySection, QLatin1String(key), QString()).trimmed());
    };
    const auto oldCount = [&](const char *key) {
        return qBound(0, settings.readInteger(TodaySection, QLatin1String(key), 0), int(MaxRun));
    };
    const QDate won = oldDay("Won");
    const int run = oldCount("Run");
    if (won.isValid()) {
        d.legacyLast = won;
        d.legacyFirst = won.addDays(1 - qMax(run, 1));
    }
    const QDate played = oldDay("Played");
    if (played.isValid() && played != won && !d.days.contains(played))
        d.days.insert(played, DayResult{});
    d.legacyBest = oldCount("Best");
    return d;
}

// The runs of won days as spans of day numbers, merged, in order.
QList<std::pair<qint64, qint64>> DailyRecord::wonSpans(const Days &d)
{
    QList<std::pair<qint64, qint64>> spans;
    if (d.legacyFirst.isValid()) {
        // A day on record inside the old run says what it was.
        qint64 from = d.legacyFirst.toJulianDay();
        for (auto it = d.days.lowerBound(d.legacyFirst); it != d.days.cend() && it.key() <= d.legacyLast; ++it) {
            if (it->outcome == DayOutcome::Won)
                continue;
            const qint64 at = it.key().toJulianDay();
            if (from < at)
                spans.append({from, at - 1});
            from = at + 1;
        }
        if (from <= d.legacyLast.toJulianDay())
            spans.append({from, d.legacyLast.toJulianDay()});
    }
    for (auto it = d.days.cbegin(); it != d.days.cend(); ++it) {
        if (it->outcome == DayOutcome::Won)
            spans.append({it.key().toJulianDay(), it.key().toJulianDay()});
    }
    std::sort(spans.begin(), spans.end());
    QList<std::pair<qint64, qint64>> merged;
    for (const auto &span : spans) {
        if (!merged.isEmpty() && span.first <= merged.last().second + 1)
            merged.last().second = qMax(merged.last().second, span.second);
        else
            merged.append(span);
    }
    return merged;
}

bool DailyRecord::counts(QDate day) const
{
    const QDate last = read(m_settings).last();
    return day.isValid() && (!last.isValid() || day > last);
}

bool DailyRecord::startDay(QDate day)
{
    if (!m_writable || !counts(day))
        return false;
    bool counted = true;
    try {
        m_writable->update([&](const SettingsFile &current) {
            // Decided again under the lock: another copy may have started the day meanwhile.
            counted = DailyRecord(current).counts(day);
            if (!counted)
                return SettingsFile::Changes();
            return SettingsFile::Changes{{TodaySection, {{day.toString(DayFormat), DayResult{}.text()}}}};
        });
    } catch (const std::exception &) {
        // The day still counts: a settings file that cannot be written loses its record, not the round.
    }
    return counted;
}

SettingsFile::Changes DailyRecord::resultChanges(const SettingsFile &current, QDate day, const DayResult &result)
{
    if (!day.isValid() || result.outcome == DayOutcome::Playing)
        return {};
    const DailyRecord record(current);
    const std::optional<DayResult> stored = record.resultOf(day);
    // Only the day's own mark is replaced; a day whose mark could not be
    // written still gets its result while it would count.
    const bool marked = stored && stored->outcome == DayOutcome::Playing;
    if (!marked && (stored || !record.counts(day)))
        return {};
    return {{TodaySection, {{day.toString(DayFormat), result.text()}}}};
}

void DailyRecord::recordResult(QDate day, const DayResult &result)
{
    if (!m_writable)
        return;
    try {
        m_writable->update([&](const SettingsFile &current) { return resultChanges(current, day, result); });
    } catch (const std::exception &) {
    }
}

std::optional<DayResult> DailyRecord::resultOf(QDate day) const
{
    const Days d = read(m_settings);
    if (const auto it = d.days.constFind(day); it != d.days.cend())
        return *it;
    if (d.won(day))
        return DayResult{DayOutcome::Won};
    return std::nullopt;
}

bool DailyRecord::wonOn(QDate day) const
{
    return day.isValid() && read(m_settings).won(day);
}

int DailyRecord::currentRun(QDate today) const
{
    const Days d = read(m_settings);
    QDate end = qMax(today, d.last());
    if (!end.isValid())
        return 0;
    // A day still being played (or not yet played) leaves the run standing as of the day before.
    if (!d.won(end) && (end > d.last() || d.days.value(end).outcome == DayOutcome::Playing))
        end = end.addDays(-1);
    const qint64 at = end.toJulianDay();
    for (const auto &[first, last] : wonSpans(d)) {
        if (first <= at && at <= last)
            return int(qMin<qint64>(at - first + 1, INT_MAX));
    }
    return 0;
}

int DailyRecord::bestRun() const
{
    const Days d = read(m_settings);
    qint64 best = d.legacyBest;
    for (const auto &[first, last] : wonSpans(d))
        best = qMax(best, last - first + 1);
    return int(qMin<qint64>(best, INT_MAX));
}

int DailyRecord::daysPlayed() const
{
    const Days d = read(m_settings);
    qint64 played = d.days.size() + d.legacyLength();
    for (auto it = d.days.lowerBound(d.legacyFirst); d.legacyFirst.isValid() && it != d.days.cend(); ++it)
        played -= it.key() <= d.legacyLast ? 1 : 0; // counted once
    return int(played);
}

int DailyRecord::daysWon() const
{
    qint64 won = 0;
    for (const auto &[first, last] : wonSpans(read(m_settings)))
        won += last - first + 1;
    return int(won);
}

QDate DailyRecord::lastDay() const
{
    return read(m_settings).last();
}
