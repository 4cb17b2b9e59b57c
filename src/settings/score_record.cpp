// SPDX-License-Identifier: GPL-3.0-or-later
// Won rounds recorded in section "scores": class letter, efficiency band and running average.
#include "settings/score_record.h"

#include "settings/settings_file.h"

#include <exception>
#include <optional>

namespace {

const QString ScoresSection = QStringLiteral("scores");
const char *const MissingValue = "0,0";

// Decimal digits with an optional sign and blanks around them.
std::optional<qint64> parseDecimal(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > 0xFFFFFFFFll)
            return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<int> parseCount(QStringView text)
{
    const std::optional<qint64> value = parseDecimal(text);
    if (!value || *value < 0 || *value > 65535)
        return std::nullopt;
    return int(*value);
}

} // namespace

QChar scoreClassLetter(int level)
{
    if (level <= 2)
        return u'E';
    if (level <= 5)
        return u'M';
    if (level <= 7)
        return u'H';
    return u'I';
}

QString efficiencyBand(int moves, int tileCount)
{
    if (tileCount == 0)
        return QStringLiteral("100");
    const qint64 percent = qint64(moves) * 100 / tileCount;
    const QString padded = QString::number(percent).rightJustified(3, u'0');
    for (const char *band : {"025", "050", "075"}) {
        if (padded.compare(QLatin1String(band)) <= 0)
            return QString::fromLatin1(band);
    }
    return QStringLiteral("100");
}

SettingsFile::Changes scoreChanges(const SettingsFile &current, int rating, int moves, int tileCount, int level)
{
    if (rating <= 0 || tileCount == 0)
        return {};
    const QString key = scoreClassLetter(level) + efficiencyBand(moves, tileCount);
    const QString stored = current.readString(ScoresSection, key, MissingValue);
    const qsizetype comma = stored.indexOf(u',');
    if (comma < 0)
        return {};
    const std::optional<int> average = parseCount(QStringView(stored).left(comma));
    const std::optional<int> count = parseCount(QStringView(stored).mid(comma + 1, 9));
    if (!average || !count)
        return {};
    const int newCount = (*count + 1) & 0xFFFF; // a 16-bit count: 65535 wraps to 0
    const qint64 newAverage = newCount > 1 ? (qint64(rating) + *average) / 2 : rating;
    return {{ScoresSection, {{key, QStringLiteral("%1,%2").arg(newAverage).arg(newCount)}}}};
}

void RecordScore(SettingsFile &settings, int rating, int moves, int tileCount, int level)
{
    if (rating <= 0 || tileCount == 0)
        return;
    try {
        // Read under the lock: another copy's win in between is counted, not overwritten.
        settings.update([&](const SettingsFile &current) {
            return scoreChanges(current, rating, moves, tileCount, level);
        });
    } catch (...) {
        // Recording must never disturb the end of a round.
    }
}

QString ReadScore(const SettingsFile &settings, const QString &key)
{
    const QString stored = settings.readString(ScoresSection, key, MissingValue);
    const qsizetype comma = stored.indexOf(u',');
    if (comma < 0)
        return QStringLiteral("0");
    const std::optional<qint64> average = parseDecimal(QStringView(stored).left(comma));
    if (!average || *average < -2147483648ll || *average > 2147483647ll)
        return QStringLiteral("0");
    return QString::number(*average);
}
