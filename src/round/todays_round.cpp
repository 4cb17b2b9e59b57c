// SPDX-License-Identifier: GPL-3.0-or-later
// The day's round: its seed, options and dictionary from the date and the language.
#include "round/todays_round.h"

#include "round/dictionary_files.h"
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

QString dictionaryNameFor(const QLocale &locale)
{
    for (const QString &name : {QLocale::languageToString(locale.language()), locale.nativeLanguageName()}) {
        if (const auto file = DictionaryFiles::shipped(name))
            return file->name;
    }
    return QStringLiteral("English");
}

CodeDeal dealFor(QDate day, const QLocale &locale)
{
    CodeDeal deal;
    deal.options = optionsFor(day);
    deal.seed = seedFor(day);
    const QString name = dictionaryNameFor(locale);
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

} // namespace TodaysRound
