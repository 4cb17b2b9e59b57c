// SPDX-License-Identifier: GPL-3.0-or-later
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

#include <cstring>
#include <map>
#include <memory>

namespace {
const QString KbsFolder = QStringLiteral(SPLITWICK_SOURCE_DIR "/data/kbs");

// What each shipped dictionary promises: the longest letter count it serves
// with 45 words (the help page says the same; every format up to it must
// work), its least size, and the source its entries name.
struct Shipped {
    const char *name; // UTF-8
    int longest;
    int leastEntries;
    const char *source;
    const char *language; // its words' language; the others are English
};
const Shipped ShippedTable[] = {
    {"Animals and Plants", 20, 5000, "WordNet 3.0 ", "en"},
    {"English", 25, 5000, "WordNet 3.0 ", "en"},
    {"English (Hinweise auf Deutsch)", 16, 5000, "FreeDict ", "en"},
    {"English (indices en français)", 11, 5000, "FreeDict ", "en"},
    {"English (pistas en español)", 11, 3000, "FreeDict ", "en"},
    {"Everyday Words", 15, 5000, "WordNet 3.0 ", "en"},
    {"Mots français", 12, 5000, "FreeDict ", "fr"},
    {"Palabras en español", 12, 3000, "FreeDict ", "es"},
    {"People and Places", 20, 5000, "WordNet 3.0 ", "en"},
    {"Wörter auf Deutsch", 20, 5000, "FreeDict ", "de"},
};

const Shipped &shipped(const QString &name)
{
    for (const Shipped &s : ShippedTable) {
        if (QString::fromUtf8(s.name) == name)
            return s;
    }
    qFatal("not in the table: %s", qPrintable(name));
}

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
    for (const Shipped &s : ShippedTable)
        expected.append(QString::fromUtf8(s.name));
    QCOMPARE(names, expected);
    // A fresh install plays the second dictionary of the case-blind list: the
    // other languages' names sort after it.
    QCOMPARE(names.at(1), QStringLiteral("English"));
    QCOMPARE(shipped(names.at(1)).longest, 25);
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
    const Shipped &promise = shipped(name);
    const bool wordNet = QByteArray(promise.source).startsWith("WordNet");
    const tZRVDictionary &kb = loaded(name);
    const TKbItems &items = kb.Items();
    QVERIFY2(items.Count() >= promise.leastEntries, qPrintable(QString::number(items.Count())));

    const QSet<int> allowed = formatLengths();
    // Capitals (and ß) the board shows as they are: a word the game would fold into
    // another letter or a "?" must have been left out.
    static const QRegularExpression letters(QStringLiteral("^[A-Z\u00C0-\u00D6\u00D8-\u00DF]+( [A-Z\u00C0-\u00D6\u00D8-\u00DF]+)*$"));
    static const QRegularExpression nonLetters(QStringLiteral("[^A-Z\u00C0-\u00D6\u00D8-\u00DF]"));
    QSet<QByteArray> words;
    int withAttributes = 0;
    int accented = 0;
    for (int i = 0; i < items.Count(); ++i) {
        const TKbItem &item = items[i];
        const QByteArray word = prepareWord(item.n());
        const QByteArray where = name.toUtf8() + " #" + QByteArray::number(i) + " " + word;
        // The board spells the word: letters and single inner spaces only, no
        // comma (the draw would cut the word there), a length some format uses.
        QVERIFY2(letters.match(QString::fromLatin1(word)).hasMatch(), where.constData());
        accented += QString::fromLatin1(word).contains(QRegularExpression(QStringLiteral("[^A-Z ]"))) ? 1 : 0;
        QVERIFY2(allowed.contains(int(word.size())), where.constData());
        QVERIFY2(item.n() == item.n().trimmed(), where.constData());
        // One entry per word, whatever its case.
        QVERIFY2(!words.contains(word), where.constData());
        words.insert(word);
        // A short hint that does not give the answer away.
        QVERIFY2(!item.d().isEmpty() && item.d().size() < 120, where.constData());
        if (!word.contains(' ')) {
            const QByteArray hint = ' ' + upperCase1252(item.d()) + ' ';
            const QString spaced = QString::fromLatin1(hint).replace(nonLetters, QStringLiteral(" ")) + ' ';
            QVERIFY2(!spaced.contains(' ' + QString::fromLatin1(word) + ' '), where.constData());
        }
        // The carried fields hold the source data.
        QVERIFY2(item.r().startsWith(promise.source), where.constData());
        QVERIFY2(!wordNet || (!item.a().isEmpty() && !item.f().isEmpty()), where.constData());
        bool any = false;
        for (int w = 1; w <= KbiWindowCount; ++w)
            any = any || item.window(w) != 0;
        withAttributes += any ? 1 : 0;
    }
    QVERIFY2(!wordNet || withAttributes > 0, "no entry carries an attribute");
    // The accents of French, German and Spanish words are kept, not folded
    // away; English words have none.
    if (qstrcmp(promise.language, "en") == 0)
        QCOMPARE(accented, 0);
    else
        QVERIFY2(accented * 10 > items.Count(), qPrintable(QString::number(accented)));
}

void ShippedDictionariesTest::formatsFillWithFortyFiveWords_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("letterCount");
    QTest::addColumn<int>("rounds");
    for (const Shipped &s : ShippedTable) {
        // The default dictionary carries the promise of every format; the
        // others are checked more lightly on the formats the help page names.
        const QString name = QString::fromUtf8(s.name);
        const int rounds = name == QStringLiteral("English") ? 1000 : 100;
        for (const QString &format : splitFormats()) {
            const int letters = splitFormatLetterCount(format);
            if (letters <= s.longest)
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
