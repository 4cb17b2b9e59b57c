// SPDX-License-Identifier: GPL-3.0-or-later
// A round code read off one program folder deals the same board in another
// whose player has other options, and leaves those options alone; a code for
// a dictionary the player lacks names it; old round numbers still deal with
// the player's options.
#include "round/code_deal.h"
#include "settings/split_formats.h"
#include "support/dictionary_file.h"
#include "support/round_rig.h"

#include <QtTest>

namespace {
QList<QByteArray> boardOf(RoundRig &rig)
{
    QList<QByteArray> cells;
    for (int slot = 1; slot <= rig.board().TileCount(); ++slot) {
        const tTile &t = rig.tile(slot);
        cells << t.Panel.caption + '/' + t.CorrectText + '/' + QByteArray::number(int(t.Panel.state));
    }
    return cells;
}

// Dictionary files in the rig's program folder, by name and salt of their words; the first selected.
void giveDictionaries(RoundRig &rig, const QList<std::pair<QString, quint32>> &files)
{
    QStringList names;
    for (const auto &[name, salt] : files) {
        writeDictionaryFile(rig.dir.filePath("kbs/" + name + ".dic"), madeUpWords({4, 5, 6, 7, 8, 9}, 50, salt));
        names << name;
    }
    rig.options.setDictionaryNames(names);
    rig.options.setDictionaryIndex(0);
}

// Deals a round of a dictionary "Words" in a program folder of its own: its board, parameters and code.
std::tuple<QList<QByteArray>, QString, QString> dealInFirstFolder(const QString &format, int words,
                                                                 std::optional<FixedCell> fixed, bool def, int h)
{
    RoundRig first;
    giveDictionaries(first, {{"Words", 0}});
    first.setFormat(format);
    first.options.setWordCount(words);
    first.setFixedNone();
    if (fixed)
        first.options.setFixedCell(*fixed, true);
    first.options.setShowDefinitions(def);
    first.options.setHandicap(h);
    first.engine->New1Click();
    const std::optional<RoundCode> code = roundCodeOf(*first.engine);
    return {boardOf(first), first.engine->parameterText(), code ? code->textWithName() : QString()};
}

// A player whose every option differs from the first player's.
void setOtherOptions(RoundRig &rig)
{
    rig.options.selectDictionary(QStringLiteral("Other"));
    rig.options.setWordCount(20);
    rig.setFormat(QStringLiteral("4 letters: 1-2-1"));
    rig.options.setFixedCell(FixedCell::First, true);
    rig.options.setShowDefinitions(true);
    rig.options.setHandicap(2);
}
} // namespace

Q_DECLARE_METATYPE(std::optional<FixedCell>)

class CodeDealTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_playerData.isValid());
        qputenv("XDG_DATA_HOME", m_playerData.path().toLocal8Bit()); // no dictionaries of the player's own
    }

    void sameBoardInAnotherFolder_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("words");
        QTest::addColumn<std::optional<FixedCell>>("fixed");
        QTest::addColumn<bool>("definitions");
        QTest::addColumn<int>("handicap");
        QTest::newRow("middle, harder") << "8 letters: 2-2-2-2" << 15 << std::optional(FixedCell::Middle) << true << 3;
        QTest::newRow("nothing fixed, easier") << "9 letters: 2-3-4" << 24 << std::optional<FixedCell>() << false << -3;
        QTest::newRow("not first") << "6 letters: 1-1-3-1" << 45 << std::optional(FixedCell::NotFirst) << true << 1;
    }

    void sameBoardInAnotherFolder()
    {
        QFETCH(QString, format);
        QFETCH(int, words);
        QFETCH(std::optional<FixedCell>, fixed);
        QFETCH(bool, definitions);
        QFETCH(int, handicap);
        const auto [board, parameters, code] = dealInFirstFolder(format, words, fixed, definitions, handicap);
        QCOMPARE(board.size(), words * int(splitFormatCellLengths(format).size()));

        // The other machine keeps the same file under another name, beside one of its own.
        RoundRig second;
        giveDictionaries(second, {{"Copy of the words", 0}, {"Other", 1}});
        setOtherOptions(second);
        const RoundOptions own = RoundOptions::fromModel(second.options);
        const CodeDeal deal = CodeDeal::fromText(code, own);
        QVERIFY2(deal.ok(), qPrintable(deal.problem));
        second.engine->dealRound(deal.seed, deal.options);
        QCOMPARE(boardOf(second), board);
        QCOMPARE(second.engine->parameterText(), parameters);
        // The status line names the round by its code.
        QVERIFY(second.engine->statusText().endsWith("dictionary: Copy of the words, round: " + code.left(15)));

        // The player's own options stay, and the next New Game deals with them.
        QCOMPARE(RoundOptions::fromModel(second.options), own);
        second.engine->New1Click();
        QCOMPARE(second.board().TileCount(), 20 * 3);
    }

    void missingDictionaryIsNamed_data()
    {
        QTest::addColumn<bool>("withName");
        QTest::addColumn<QString>("dictionaryHere");
        QTest::addColumn<QString>("problem");
        QTest::newRow("named, not here")
            << true << "Other" << "This round needs the dictionary \"Words\", which this game does not have.";
        QTest::newRow("named, another version here")
            << true << "Words" << "This round needs another version of the dictionary \"Words\" than the one here.";
        QTest::newRow("typed without its name")
            << false << "Other"
            << "This round needs a dictionary that this game does not have. Ask for the code with the "
               "dictionary's name after it, as the game copies it.";
    }

    void missingDictionaryIsNamed()
    {
        QFETCH(bool, withName);
        QFETCH(QString, dictionaryHere);
        QFETCH(QString, problem);
        const QString code = std::get<2>(dealInFirstFolder("5 letters: 2-1-2", 10, FixedCell::Random, false, 0));
        RoundRig second;
        giveDictionaries(second, {{dictionaryHere, 7}});
        const QString typed = withName ? code : code.left(15);
        const CodeDeal deal = CodeDeal::fromText(typed, RoundOptions::fromModel(second.options));
        QCOMPARE(deal.problem, problem);
    }

    void oldNumbersUseThePlayersOptions_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::newRow("clock seed, blanks") << " 45296789 " << true;
        QTest::newRow("top of the range") << "4294967295" << true;
        QTest::newRow("beyond it") << "4294967296" << false;
        QTest::newRow("eleven digits read as a code") << "12345678901" << false;
    }

    void oldNumbersUseThePlayersOptions()
    {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        RoundRig rig;
        giveDictionaries(rig, {{"Other", 3}});
        setOtherOptions(rig);
        const RoundOptions own = RoundOptions::fromModel(rig.options);
        const CodeDeal deal = CodeDeal::fromText(typed, own);
        QCOMPARE(deal.ok(), ok);
        if (!ok)
            return;
        QCOMPARE(deal.options, own);
        rig.engine->dealRound(deal.seed, deal.options);
        const QList<QByteArray> board = boardOf(rig);
        rig.engine->dealRound(typed.trimmed().toUInt()); // the old way, straight from the number
        QCOMPARE(boardOf(rig), board);
    }

private:
    QTemporaryDir m_playerData;
};

QTEST_GUILESS_MAIN(CodeDealTest)
#include "code_deal_test.moc"
