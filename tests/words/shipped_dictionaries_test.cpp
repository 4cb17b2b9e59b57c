// The dictionaries in data/kbs, read with the game's own store and drawn from
// with the game's own word selection: every entry must be playable, and the
// default dictionary must fill a 45-word round of every split format.

#include "base/random_source.h"
#include "settings/split_formats.h"
#include "words/kbase.h"
#include "words/windows1252.h"
#include "words/word_selection.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <map>
#include <memory>

namespace {
const QString KbsFolder = QStringLiteral(SPLITWICK_SOURCE_DIR "/data/kbs");

// The longest letter count each shipped dictionary serves with 45 words (the
// help page says the same); every format up to it must work.
const std::map<QString, int> LongestServed = {
    {QStringLiteral("Animals and Plants"), 20},
    {QStringLiteral("English"), 25},
    {QStringLiteral("Everyday Words"), 15},
    {QStringLiteral("People and Places"), 20},
};

QStringList shippedNames()
{
    QStringList names;
    const QStringList files = QDir(KbsFolder).entryList({QStringLiteral("*.dic")}, QDir::Files);
    for (const QString &file : files)
        names.append(file.chopped(4));
    names.sort(Qt::CaseInsensitive);
    return names;
}

QSet<int> formatLengths()
{
    QSet<int> lengths;
    for (const QString &format : splitFormats())
        lengths.insert(splitFormatLetterCount(format));
    return lengths;
}

// Loaded once: the round test draws from the same dictionary 36,000 times.
const tZRVDictionary &loaded(const QString &name)
{
    static std::map<QString, std::unique_ptr<tZRVDictionary>> cache;
    auto &slot = cache[name];
    if (!slot) {
        slot = std::make_unique<tZRVDictionary>();
        slot->LoadFromFile(KbsFolder + '/' + name + QStringLiteral(".dic"));
    }
    return *slot;
}
} // namespace

class ShippedDictionariesTest : public QObject
{
    Q_OBJECT
private slots:
    void theSecondNameIsTheGeneralDefault();
    void everyEntryIsPlayable_data();
    void everyEntryIsPlayable();
    void formatsFillWithFortyFiveWords_data();
    void formatsFillWithFortyFiveWords();
};

void ShippedDictionariesTest::theSecondNameIsTheGeneralDefault()
{
    const QStringList names = shippedNames();
    QStringList expected;
    for (const auto &[name, longest] : LongestServed)
        expected.append(name);
    QCOMPARE(names, expected);
    // A fresh install plays the second dictionary of the case-blind list.
    QCOMPARE(names.at(1), QStringLiteral("English"));
    QCOMPARE(LongestServed.at(names.at(1)), 25);
}

void ShippedDictionariesTest::everyEntryIsPlayable_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : shippedNames())
        QTest::newRow(qPrintable(name)) << name;
}

void ShippedDictionariesTest::everyEntryIsPlayable()
{
    QFETCH(QString, name);
    const tZRVDictionary &kb = loaded(name);
    const TKbItems &items = kb.Items();
    QVERIFY2(items.Count() >= 5000, qPrintable(QString::number(items.Count())));

    const QSet<int> allowed = formatLengths();
    static const QRegularExpression letters(QStringLiteral("^[A-Z]+( [A-Z]+)*$"));
    QSet<QByteArray> words;
    int withAttributes = 0;
    for (int i = 0; i < items.Count(); ++i) {
        const TKbItem &item = items[i];
        const QByteArray word = prepareWord(item.n());
        const QByteArray where = name.toUtf8() + " #" + QByteArray::number(i) + " " + word;
        // The board spells the word: letters and single inner spaces only, no
        // comma (the draw would cut the word there), a length some format uses.
        QVERIFY2(letters.match(QString::fromLatin1(word)).hasMatch(), where.constData());
        QVERIFY2(allowed.contains(int(word.size())), where.constData());
        QVERIFY2(item.n() == item.n().trimmed(), where.constData());
        // One entry per word, whatever its case.
        QVERIFY2(!words.contains(word), where.constData());
        words.insert(word);
        // A short hint that does not give the answer away.
        QVERIFY2(!item.d().isEmpty() && item.d().size() < 120, where.constData());
        if (!word.contains(' ')) {
            const QByteArray hint = ' ' + upperCase1252(item.d()) + ' ';
            static const QRegularExpression nonLetters(QStringLiteral("[^A-Z]"));
            const QString spaced = QString::fromLatin1(hint).replace(nonLetters, QStringLiteral(" ")) + ' ';
            QVERIFY2(!spaced.contains(' ' + QString::fromLatin1(word) + ' '), where.constData());
        }
        // The carried fields hold the source data.
        QVERIFY2(item.r().startsWith("WordNet 3.0 "), where.constData());
        QVERIFY2(!item.a().isEmpty() && !item.f().isEmpty(), where.constData());
        bool any = false;
        for (int w = 1; w <= KbiWindowCount; ++w)
            any = any || item.window(w) != 0;
        withAttributes += any ? 1 : 0;
    }
    QVERIFY2(withAttributes > 0, "no entry carries an attribute");
}

void ShippedDictionariesTest::formatsFillWithFortyFiveWords_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("letterCount");
    QTest::addColumn<int>("rounds");
    for (const auto &[name, longest] : LongestServed) {
        // The default dictionary carries the promise of every format; the
        // others are checked more lightly on the formats the help page names.
        const int rounds = name == QStringLiteral("English") ? 1000 : 100;
        for (const QString &format : splitFormats()) {
            const int letters = splitFormatLetterCount(format);
            if (letters <= longest)
                QTest::newRow(qPrintable(name + ": " + format)) << name << letters << rounds;
        }
    }
}

void ShippedDictionariesTest::formatsFillWithFortyFiveWords()
{
    QFETCH(QString, name);
    QFETCH(int, letterCount);
    QFETCH(int, rounds);
    const tZRVDictionary &kb = loaded(name);
    // A different stream of seeds per row, the same on every run.
    RandomSource::setSeed(qHash(QString::fromUtf8(QTest::currentDataTag()), 20261207u));
    int worst = 0;
    for (int round = 0; round < rounds; ++round) {
        const WordDraw draw = drawWords(kb, letterCount, 45);
        QVERIFY2(draw.complete, qPrintable(QStringLiteral("shortage in round %1").arg(round)));
        QCOMPARE(draw.roundWords.size(), 45);
        QCOMPARE(draw.roundWords.first().Word.size(), letterCount);
        worst = std::max(worst, draw.draws);
    }
    // Far from the 5000-draw limit, not just under it.
    QVERIFY2(worst < 4500, qPrintable(QStringLiteral("worst round took %1 draws").arg(worst)));
}

QTEST_APPLESS_MAIN(ShippedDictionariesTest)
#include "shipped_dictionaries_test.moc"
