// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionaries in data/kbs, read with the game's own store and drawn from
// with the game's own word selection: every entry must be playable, every
// dictionary must fill 45-word rounds of the letter counts it promises, and its
// hints must be in its promised language, never give the answer away and
// never offend.

#include "base/random_source.h"
#include "settings/split_formats.h"
#include "words/kbase.h"
#include "words/windows1252.h"
#include "words/word_selection.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <algorithm>
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
    const char *language; // its words' language
    const char *hints;    // its hints' language
};
const Shipped ShippedTable[] = {
    {"Animals and Plants", 20, 5000, "WordNet 3.0 ", "en", "en"},
    {"English", 25, 5000, "WordNet 3.0 ", "en", "en"},
    {"English (Hinweise auf Deutsch)", 16, 5000, "FreeDict ", "en", "de"},
    {"English (indices en français)", 11, 5000, "FreeDict ", "en", "fr"},
    {"English (pistas en español)", 11, 3000, "FreeDict ", "en", "es"},
    {"Everyday Words", 15, 5000, "WordNet 3.0 ", "en", "en"},
    {"Mots français", 16, 7000, "MyThes ", "fr", "fr"},
    {"Palabras en español", 15, 4000, "MyThes ", "es", "es"},
    {"People and Places", 20, 5000, "WordNet 3.0 ", "en", "en"},
    {"Wörter auf Deutsch", 25, 4000, "OpenThesaurus", "de", "de"},
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

// Letters of a hint folded for comparing: lower case, no accents, ß as ss.
QString folded(const QString &text)
{
    // Most words are plain ASCII: no decomposition needed.
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toLower();
    QString out;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QChar(0xDF))
            out += QStringLiteral("ss");
        else
            out += c.toLower();
    }
    return out;
}

// 1 - edit distance / longer length, spaces and hyphens aside: the measure
// the importers keep every hint item under 0.8 by ("zèbre", "zebra": 0.8).
double similarity(QString a, QString b)
{
    a = folded(a).remove(QLatin1Char(' ')).remove(QLatin1Char('-'));
    b = folded(b).remove(QLatin1Char(' ')).remove(QLatin1Char('-'));
    if (a.isEmpty() || b.isEmpty())
        return 0;
    // The lengths alone keep most pairs apart: spare the table.
    if (1.0 - double(std::abs(a.size() - b.size())) / std::max(a.size(), b.size()) < 0.8)
        return 0;
    QList<int> previous(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j)
        previous[j] = j;
    for (int i = 1; i <= a.size(); ++i) {
        QList<int> current(b.size() + 1);
        current[0] = i;
        for (int j = 1; j <= b.size(); ++j)
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (a[i - 1] != b[j - 1])});
        previous = current;
    }
    return 1.0 - double(previous.last()) / std::max(a.size(), b.size());
}

QStringList letterWords(const QString &text)
{
    QStringList words;
    QString word;
    for (const QChar c : folded(text)) {
        if (c.isLetter()) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

// The reviewed list of words no entry may hold, by language ("con" is no
// insult in Spanish, nor "bite" in English); inHints leaves out those it keeps
// out of entries only ("a cock bred for fighting" is a fair definition).
const QSet<QString> &offensiveWords(const QString &language, bool inHints)
{
    static const std::map<std::pair<QString, bool>, QSet<QString>> words = [] {
        std::map<std::pair<QString, bool>, QSet<QString>> lists;
        QFile file(QStringLiteral(SPLITWICK_SOURCE_DIR "/tools/import_dictionaries/offensive_words.txt"));
        if (file.open(QIODevice::ReadOnly)) {
            for (const QString &line : QString::fromUtf8(file.readAll()).split('\n')) {
                const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
                if (fields.size() < 2 || line.startsWith('#'))
                    continue;
                lists[{fields[0], false}].insert(folded(fields[1]));
                if (fields.size() == 2)
                    lists[{fields[0], true}].insert(folded(fields[1]));
            }
        }
        return lists;
    }();
    static const QSet<QString> none;
    const auto found = words.find({language, inHints});
    return found == words.end() ? none : found->second;
}

// Debian's word lists (wamerican-large, wfrench, wngerman, wspanish), folded.
const QSet<QString> &wordList(const QString &language)
{
    static const std::map<QString, const char *> files = {
        {"en", "american-english-large"}, {"fr", "french"}, {"de", "ngerman"}, {"es", "spanish"}};
    static std::map<QString, QSet<QString>> lists;
    QSet<QString> &list = lists[language];
    QFile file(QStringLiteral("/usr/share/dict/") + QLatin1String(files.at(language)));
    if (list.isEmpty() && file.open(QIODevice::ReadOnly))
        for (const QByteArray &line : file.readAll().split('\n'))
            list.insert(folded(QString::fromUtf8(line)));
    return list;
}

// The language whose word list knows most words of the hint; a tie (a
// word both languages share, "animal") counts for the promised language.
bool hintIsIn(const QStringList &hintWords, const QString &promised)
{
    static const QStringList languages = {QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("de"), QStringLiteral("es")};
    std::map<QString, int> known;
    for (const QString &word : hintWords) {
        if (word.size() < 3)
            continue;
        for (const QString &language : languages)
            known[language] += wordList(language).contains(word) ? 1 : 0;
    }
    int best = 0;
    for (const auto &[language, count] : known)
        best = std::max(best, count);
    return best > 0 && known[promised] == best;
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
    void hintsHelpInThePromisedLanguage_data();
    void hintsHelpInThePromisedLanguage();
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
        // others deal at least 300 rounds of each letter count they promise
        // (a format's draw depends on its letter count alone).
        const QString name = QString::fromUtf8(s.name);
        const bool general = name == QStringLiteral("English");
        QSet<int> dealt;
        for (const QString &format : splitFormats()) {
            const int letters = splitFormatLetterCount(format);
            if (letters > s.longest || (!general && dealt.contains(letters)))
                continue;
            dealt.insert(letters);
            const auto sameCount = std::count_if(splitFormats().cbegin(), splitFormats().cend(),
                                                 [letters](const QString &f) { return splitFormatLetterCount(f) == letters; });
            QTest::newRow(qPrintable(name + ": " + format)) << name << letters << (general ? 1000 : std::max(300, 100 * int(sameCount)));
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

void ShippedDictionariesTest::hintsHelpInThePromisedLanguage_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : shippedNames())
        QTest::newRow(qPrintable(name)) << name;
}

void ShippedDictionariesTest::hintsHelpInThePromisedLanguage()
{
    QFETCH(QString, name);
    const Shipped &promise = shipped(name);
    const QString language = QString::fromLatin1(promise.hints);
    QVERIFY2(wordList(language).size() > 10000, "the Debian word lists are missing (scripts/deps.sh installs them)");
    const TKbItems &items = loaded(name).Items();
    int inLanguage = 0;
    const QSet<QString> &entryList = offensiveWords(QString::fromLatin1(promise.language), false);
    const QSet<QString> &hintList = offensiveWords(language, true);
    QStringList faults;
    for (int i = 0; i < items.Count(); ++i) {
        const QString word = fromWindows1252(items[i].n());
        const QString hint = fromWindows1252(items[i].d());
        const QStringList wordWords = letterWords(word);
        const QStringList hintWords = letterWords(hint);
        // Not a near-copy of the answer, nor holding it (accents aside).
        bool fault = false;
        for (const QString &item : hint.split(QStringLiteral(", ")))
            fault = fault || similarity(item, word) >= 0.8;
        if (word.size() >= 3) {
            const QString spaced = QLatin1Char(' ') + hintWords.join(' ') + QLatin1Char(' ');
            fault = fault || spaced.contains(QLatin1Char(' ') + wordWords.join(' ') + QLatin1Char(' '));
        }
        // No word of the reviewed list in the entry or its hint.
        for (const QString &text : wordWords)
            fault = fault || entryList.contains(text);
        for (const QString &text : hintWords)
            fault = fault || hintList.contains(text);
        if (fault)
            faults << word + QStringLiteral(" = ") + hint;
        inLanguage += hintIsIn(hintWords, language) ? 1 : 0;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(name + QStringLiteral(": ") + faults.join(QStringLiteral(" | "))));
    QVERIFY2(!offensiveWords(language, false).isEmpty(), "the reviewed list is missing");
    const double share = double(inLanguage) / items.Count();
    qInfo("%s: %.1f %% of hints in %s", qPrintable(name), share * 100, promise.hints);
    QVERIFY2(share >= 0.95, qPrintable(QString::number(share)));
}

QTEST_APPLESS_MAIN(ShippedDictionariesTest)
#include "shipped_dictionaries_test.moc"
