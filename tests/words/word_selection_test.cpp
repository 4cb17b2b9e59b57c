// SPDX-License-Identifier: GPL-3.0-or-later
// A round's words fit the format's letter count, are distinct, and come from
// the seeded random source.

#include "base/random_source.h"
#include "words/kbase.h"
#include "words/windows1252.h"
#include "words/word_selection.h"

#include <QtTest>

namespace {
void fill(tZRVDictionary &kb, const QList<QByteArray> &words, const QList<QByteArray> &definitions = {})
{
    kb.Items().Clear();
    for (qsizetype i = 0; i < words.size(); ++i) {
        TKbItem &item = kb.Items().Add();
        item.setN(words[i]);
        item.setD(i < definitions.size() ? definitions[i] : "about " + words[i]);
    }
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result += char(v);
    return result;
}
} // namespace

class WordSelectionTest : public QObject
{
    Q_OBJECT
private slots:
    void foldAccents_data()
    {
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        const int table[][2] = {{128, 199}, {130, 201}, {131, 194}, {133, 192}, {135, 199}, {136, 202},
                                {137, 203}, {138, 200}, {139, 207}, {140, 206}, {147, 212}, {149, 210},
                                {150, 219}, {151, 217}, {160, 193}, {129, '?'}, {142, '?'}, {159, '?'},
                                {189, '?'}, {190, 190}, {127, 127}, {'A', 'A'}, {201, 201}, {255, 255}};
        for (const auto &row : table)
            QTest::addRow("%d", row[0]) << row[0] << row[1];
    }
    void foldAccents()
    {
        QFETCH(int, in);
        QFETCH(int, out);
        QCOMPARE(FoldAccents(bytes({in})), bytes({out}));
    }

    void upperCase_data()
    {
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        const int table[][2] = {{'a', 'A'}, {'z', 'Z'}, {'A', 'A'}, {0xE9, 0xC9}, {0xE0, 0xC0}, {0xFE, 0xDE},
                                {0xF7, 0xF7}, {0xFF, 0x9F}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E},
                                {0xDF, 0xDF}, {0xB5, 0xB5}, {'1', '1'}, {',', ','}};
        for (const auto &row : table)
            QTest::addRow("%d", row[0]) << row[0] << row[1];
    }
    void upperCase()
    {
        QFETCH(int, in);
        QFETCH(int, out);
        QCOMPARE(upperCase1252(bytes({in})), bytes({out}));
        QVERIFY(equalsIgnoreCase1252(bytes({in}), bytes({out})));
    }

    void prepareWord_data()
    {
        QTest::addColumn<QByteArray>("n");
        QTest::addColumn<QByteArray>("word");
        QTest::newRow("cafe with blanks") << QByteArray("  caf\xe9 ") << QByteArray("CAF\xc9");
        QTest::newRow("control characters") << QByteArray("\t\x01ice cream\x1f\r\n") << QByteArray("ICE CREAM");
        QTest::newRow("s-caron, oe, z-caron fold after upper case")
            << bytes({0x9A, 0x9C, 0x9E}) << bytes({200, 206, '?'});
        QTest::newRow("inner blanks stay") << QByteArray(" a  b ") << QByteArray("A  B");
        QTest::newRow("cut at 255") << QByteArray(300, 'x') << QByteArray(255, 'X');
        QTest::newRow("all blank") << QByteArray(" \t ") << QByteArray();
    }
    void prepareWord()
    {
        QFETCH(QByteArray, n);
        QFETCH(QByteArray, word);
        QCOMPARE(::prepareWord(n), word);
    }

    void drawTakesOnlyTheLetterCount()
    {
        tZRVDictionary kb;
        fill(kb, {"apple", "pear", "AB CD", " caf\xe9s ", "melons", "kiwis", "x", "grape"});
        RandomSource::setSeed(7);
        int accepted = 0;
        const WordDraw draw = drawWords(kb, 5, 5, [&accepted] { ++accepted; });
        QVERIFY(draw.complete);
        QCOMPARE(accepted, 5);
        QStringList words;
        for (const tWord &w : draw.roundWords)
            words << QString::fromLatin1(w.Word);
        words.sort();
        QCOMPARE(words, (QStringList{"AB CD", "APPLE", "CAF\u00c9S", "GRAPE", "KIWIS"}));
        for (qsizetype i = 0; i < draw.roundWords.size(); ++i)
            QCOMPARE(draw.chosenEntries[i], draw.roundWords[i].Word + ',' + draw.roundWords[i].Definition);
        QVERIFY(draw.draws >= 5);
    }

    void commaWordsStayWhole()
    {
        tZRVDictionary kb;
        fill(kb, {"ab,cd", "efghi"}, {"first, with comma", "second"});
        RandomSource::setSeed(1);
        const WordDraw draw = drawWords(kb, 5, 2);
        QVERIFY(draw.complete);
        bool seen = false;
        for (const tWord &w : draw.roundWords) {
            QCOMPARE(w.Word.size(), 5);
            if (w.Word == "AB,CD") {
                QCOMPARE(w.Definition, QByteArray("first, with comma"));
                seen = true;
            }
        }
        QVERIFY(seen);
        QVERIFY(draw.chosenEntries.contains("AB,CD,first, with comma"));
    }

    void duplicates_data()
    {
        QTest::addColumn<QList<QByteArray>>("words");
        QTest::addColumn<QList<QByteArray>>("definitions");
        QTest::addColumn<bool>("complete");
        QTest::newRow("same text in other case") << QList<QByteArray>{"abcde", "ABCDE"}
                                                 << QList<QByteArray>{"def x", "DEF X"} << false;
        QTest::newRow("accented small and capital") << QList<QByteArray>{"abcde", "abcde"}
                                                    << QList<QByteArray>{"\xe9t\xe9", "\xc9T\xc9"} << false;
        QTest::newRow("same word, other definition") << QList<QByteArray>{"abcde", "abcde"}
                                                     << QList<QByteArray>{"one", "two"} << true;
    }
    void duplicates()
    {
        QFETCH(QList<QByteArray>, words);
        QFETCH(QList<QByteArray>, definitions);
        QFETCH(bool, complete);
        tZRVDictionary kb;
        fill(kb, words, definitions);
        RandomSource::setSeed(99);
        const WordDraw draw = drawWords(kb, 5, 2);
        QCOMPARE(draw.complete, complete);
        QCOMPARE(draw.chosenEntries.size(), complete ? 2 : 0);
    }

    void shortageGivesUpAfter5001Draws_data()
    {
        QTest::addColumn<int>("fitting");
        QTest::addColumn<int>("others");
        QTest::addColumn<int>("wanted");
        QTest::newRow("9 distinct for 10") << 9 << 20 << 10;
        QTest::newRow("no entry fits") << 0 << 5 << 4;
        QTest::newRow("length 2 never fits") << 0 << 0 << 4;
    }
    void shortageGivesUpAfter5001Draws()
    {
        QFETCH(int, fitting);
        QFETCH(int, others);
        QFETCH(int, wanted);
        QList<QByteArray> words;
        for (int i = 0; i < fitting; ++i)
            words << QByteArray("word") + char('a' + i);
        for (int i = 0; i < others; ++i)
            words << QByteArray("long word ") + char('a' + i);
        const int letterCount = words.isEmpty() ? 2 : 5;
        if (words.isEmpty())
            words << "ab" << "cd";
        tZRVDictionary kb;
        fill(kb, words);
        RandomSource::setSeed(3);
        int accepted = 0;
        const WordDraw draw = drawWords(kb, letterCount, wanted, [&accepted] { ++accepted; });
        QVERIFY(!draw.complete);
        QCOMPARE(draw.draws, 5001);
        QCOMPARE(accepted, fitting);
        QVERIFY(draw.chosenEntries.isEmpty());
        QVERIFY(draw.roundWords.isEmpty());
    }

    void emptyDictionaryEndsAtOnce()
    {
        tZRVDictionary kb;
        const WordDraw draw = drawWords(kb, 5, 10);
        QVERIFY(!draw.complete);
        QCOMPARE(draw.draws, 0);
    }

    void longDefinitionIsCutToFit()
    {
        tZRVDictionary kb;
        fill(kb, {"apple"}, {QByteArray(300, 'd')});
        RandomSource::setSeed(5);
        const WordDraw draw = drawWords(kb, 5, 1);
        QVERIFY(draw.complete);
        QCOMPARE(draw.chosenEntries.first().size(), 5 + 1 + 255);
        QCOMPARE(draw.roundWords.first().Word, QByteArray("APPLE"));
        QCOMPARE(draw.roundWords.first().Definition, QByteArray(249, 'd'));
    }

    void sameSeedSameWords()
    {
        tZRVDictionary kb;
        QList<QByteArray> words;
        for (int i = 0; i < 200; ++i)
            words << QByteArray::number(10000 + i);
        fill(kb, words);
        RandomSource::setSeed(2024);
        const WordDraw first = drawWords(kb, 5, 45);
        RandomSource::setSeed(2024);
        const WordDraw second = drawWords(kb, 5, 45);
        QVERIFY(first.complete);
        QCOMPARE(first.chosenEntries, second.chosenEntries);
        QCOMPARE(first.chosenEntries.size(), 45);
    }

    void windows1252ForDrawing()
    {
        QCOMPARE(fromWindows1252(bytes({0x80, 'a', 0x93, 0xE9, 0x8D})), QString::fromUtf8("\u20aca\u201c\u00e9\u008d"));
    }
};

QTEST_APPLESS_MAIN(WordSelectionTest)
#include "word_selection_test.moc"
