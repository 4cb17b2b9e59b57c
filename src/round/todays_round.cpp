// SPDX-License-Identifier: GPL-3.0-or-later
// The day's round: its seed, options and dictionary from the date and the language.
#include "round/todays_round.h"

#include "base/count_text.h"
#include "round/dictionary_files.h"
#include "round/round_engine.h"
#include "settings/split_formats.h"

#include <QCoreApplication>

namespace TodaysRound {

quint32 seedFor(QDate day)
{
    // A fixed mix of the day number: neighbouring days get unrelated seeds,
    // and the result never depends on the machine.
    quint64 x = quint64(day.toJulianDay()) + 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    x ^= x >> 31;
    return quint32(x);
}

RoundOptions optionsFor(QDate day)
{
    // Monday's words are short; the week grows towards the weekend.
    static const char *const formats[] = {"5 letters: 2-1-2", "6 letters: 2-2-2", "7 letters: 3-1-3",
                                          "7 letters: 2-2-2-1", "8 letters: 2-3-3", "9 letters: 3-3-3",
                                          "8 letters: 2-2-2-2"};
    RoundOptions o;
    o.wordCount = 10;
    o.presetsIndex = int(splitFormats().indexOf(QLatin1String(formats[day.dayOfWeek() - 1])));
    o.fixedCell = FixedCell::Random;
    o.day = day;
    return o;
}

QString dictionaryForLanguage(const QString &code)
{
    if (const auto file = DictionaryFiles::ofLanguage(code))
        return file->name;
    if (const auto file = DictionaryFiles::ofLanguage(QStringLiteral("en")))
        return file->name;
    return QStringLiteral("English");
}

QString dictionaryNameFor(const QLocale &locale)
{
    return dictionaryForLanguage(QLocale::languageToCode(locale.language()));
}

CodeDeal dealFor(QDate day, const QLocale &locale)
{
    return dealFor(day, QLocale::languageToCode(locale.language()));
}

CodeDeal dealFor(QDate day, const QString &languageCode)
{
    CodeDeal deal;
    deal.options = optionsFor(day);
    deal.seed = seedFor(day);
    const QString name = dictionaryForLanguage(languageCode);
    const std::optional<DictionaryFile> file = DictionaryFiles::shipped(name);
    if (!file) {
        const char *text = QT_TRANSLATE_NOOP("TodaysRound",
                                             "Today's Round needs the dictionary \"%1\" that comes with the game.");
        deal.problem = QCoreApplication::translate("TodaysRound", text).arg(name);
        return deal;
    }
    deal.options.dictionary = file->name;
    deal.options.dictionaryPath = file->path;
    return deal;
}

QString resultText(QDate day, const DayResult &result, int run, const QString &code)
{
    const int s = result.seconds;
    const QString time = s >= 3600 ? QStringLiteral("%1:%2:%3").arg(s / 3600).arg(s / 60 % 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10, QLatin1Char('0'))
                                   : QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
    QStringList lines;
    lines << QCoreApplication::translate("TodaysRound", "Splitwick, Today's Round of %1").arg(day.toString(Qt::ISODate));
    if (result.outcome == DayOutcome::Won)
        lines << QCoreApplication::translate("TodaysRound", "Won: %1 of %2 words, rating %3").arg(result.wordsFound).arg(result.wordCount).arg(result.rating);
    else
        lines << QCoreApplication::translate("TodaysRound", "Not solved: %1 of %2 words").arg(result.wordsFound).arg(result.wordCount);
    lines << countText("TodaysRound", QT_TRANSLATE_N_NOOP("TodaysRound", "%n move(s) in %1"), result.moves).arg(time);
    lines << countText("TodaysRound", QT_TRANSLATE_N_NOOP("TodaysRound", "Run: %n day(s) in a row"), run);
    if (!code.isEmpty())
        lines << QCoreApplication::translate("TodaysRound", "Play the same board: %1").arg(code);
    return lines.join(QLatin1Char('\n'));
}

std::optional<QString> resultOf(const RoundEngine &engine, const SettingsFile &settings)
{
    const QDate day = engine.dealtOptions().day;
    if (!day.isValid() || engine.inPlay() || engine.round().RoundWords.isEmpty())
        return std::nullopt;
    const DailyRecord record(settings);
    const std::optional<DayResult> result = record.resultOf(day);
    if (!result || result->outcome == DayOutcome::Playing)
        return std::nullopt;
    const std::optional<RoundCode> code = roundCodeOf(engine);
    return resultText(day, *result, record.currentRun(day), code ? code->textWithName() : QString());
}

} // namespace TodaysRound
