// SPDX-License-Identifier: GPL-3.0-or-later
// Round codes carry every field there and back, forgive the way people type
// them, and refuse a typing mistake instead of dealing another round.
#include "round/round_code.h"
#include "settings/split_formats.h"
#include "words/dictionary_id.h"

#include <QCryptographicHash>

#include <QtTest>

Q_DECLARE_METATYPE(std::optional<FixedCell>)

namespace {
const QString Alphabet = QStringLiteral("0123456789ABCDEFGHJKMNPQRSTVWXYZ");

RoundCode code(quint32 dictionary, int words, int presets, std::optional<FixedCell> fixed, bool def, int handicap,
               quint32 seed)
{
    RoundCode c;
    c.dictionaryId = dictionary;
    c.wordCount = words;
    c.presetsIndex = presets;
    c.fixedCell = fixed;
    c.showDefinitions = def;
    c.handicap = handicap;
    c.seed = seed;
    return c;
}

std::optional<RoundCode> parsed(const QString &text)
{
    const auto result = RoundCode::parse(text);
    if (const auto *c = std::get_if<RoundCode>(&result))
        return *c;
    return std::nullopt;
}
} // namespace

class RoundCodeTest : public QObject
{
    Q_OBJECT
private slots:
    void dictionaryIdsNeverChange()
    {
        // A code names its dictionary by the first bytes of the file's
        // SHA-256: codes shared before must find the same file after.
        QCOMPARE(dictionaryContentId(QByteArrayView("")), 0xe3b0c442u);
        QCOMPARE(dictionaryContentId(QByteArrayView("abc")), 0xba7816bfu);
        QByteArray large(3 << 20, Qt::Uninitialized);
        for (qsizetype i = 0; i < large.size(); ++i)
            large[i] = char(i * 7919 >> 3);
        const QByteArray digest = QCryptographicHash::hash(large, QCryptographicHash::Sha256);
        QCOMPARE(dictionaryContentId(large), qFromBigEndian<quint32>(digest.constData()));
    }

    void roundTrip_data()
    {
        QTest::addColumn<RoundCode>("code");
        QTest::newRow("smallest of everything") << code(0, 4, 0, std::nullopt, false, -3, 0);
        QTest::newRow("largest of everything") << code(0x7FF, 45, 35, FixedCell::NotFirst, true, 3, 0xFFFFFFFFu);
        QTest::newRow("first") << code(1, 15, 13, FixedCell::First, true, -1, 123u);
        QTest::newRow("middle") << code(1024, 20, 20, FixedCell::Middle, false, 2, 0x80000000u);
        QTest::newRow("last") << code(7, 44, 33, FixedCell::Last, true, 1, 99999u);
    }

    void roundTrip()
    {
        QFETCH(RoundCode, code);
        const QString text = code.text();
        QCOMPARE(text.size(), RoundCode::Length + 2); // two hyphens
        QVERIFY(std::all_of(text.begin(), text.end(), [](QChar c) { return c == '-' || Alphabet.contains(c); }));
        QCOMPARE(parsed(text), code);

        // As people type it: lower case, no hyphens, blanks, O for 0, l or I for 1.
        QString typed = text.toLower().remove('-');
        typed.insert(6, QStringLiteral("  "));
        typed.replace('0', 'o').replace('1', 'l');
        QCOMPARE(parsed(typed), code);

        // The name travels in brackets and changes nothing else.
        RoundCode named = code;
        named.dictionaryName = QStringLiteral("People and Places");
        QCOMPARE(named.textWithName(), text + QStringLiteral(" (People and Places)"));
        QCOMPARE(parsed(named.textWithName()), named);
    }

    // Every position, every other character: refused, never another round.
    void anyTypoIsRefused()
    {
        for (const RoundCode &c : {code(0x155, 10, 4, FixedCell::Random, false, 0, 777u),
                                   code(0x7FF, 45, 35, std::nullopt, true, 3, 0xFFFFFFFFu)}) {
            const QString bare = c.text().remove('-');
            for (int i = 0; i < bare.size(); ++i) {
                for (QChar other : Alphabet) {
                    if (other == bare[i])
                        continue;
                    QString typo = bare;
                    typo[i] = other;
                    QCOMPARE(std::get<RoundCode::Fault>(RoundCode::parse(typo)), RoundCode::Fault::Check);
                }
                if (i + 1 < bare.size() && bare[i] != bare[i + 1]) {
                    QString swapped = bare;
                    std::swap(swapped[i], swapped[i + 1]);
                    QVERIFY2(!parsed(swapped), qPrintable(swapped));
                }
            }
        }
    }

    void faults_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("fault");
        const QString good = code(3, 10, 4, FixedCell::Random, false, 0, 5u).text();
        QTest::newRow("empty") << QString() << int(RoundCode::Fault::Length);
        QTest::newRow("one short") << good.chopped(1) << int(RoundCode::Fault::Length);
        QTest::newRow("one too many") << good + "7" << int(RoundCode::Fault::Length);
        QTest::newRow("U is not used") << "U" + good.mid(1) << int(RoundCode::Fault::Character);
    }

    void faults()
    {
        QFETCH(QString, text);
        QFETCH(int, fault);
        const auto result = RoundCode::parse(text);
        QVERIFY(std::holds_alternative<RoundCode::Fault>(result));
        QCOMPARE(int(std::get<RoundCode::Fault>(result)), fault);
    }

    void pastedFromAChat_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");
        QTest::addColumn<bool>("pickedOut");
        QTest::addColumn<QString>("name");
        const QString good = code(3, 10, 4, FixedCell::Random, false, 0, 5u).text();
        const QString other = code(3, 10, 4, FixedCell::Random, false, 0, 6u).text();
        const QString zwsp(QChar(0x200B)), rlm(QChar(0x200F)), joiner(QChar(0x2060)), bom(QChar(0xFEFF));
        QTest::newRow("invisible marks around") << zwsp + good + rlm << true << false << "";
        QTest::newRow("invisible marks inside") << good.left(6) + joiner + good.mid(6, 4) + bom + good.mid(10) + " (English)"
                                                << true << false << "English";
        QTest::newRow("chat text around") << "Beat that: " + good + " (English) took me 3 min!" << true << true << "English";
        QTest::newRow("lower case in a sentence") << "try " + good.toLower() + ", it's hard" << true << true << "";
        QTest::newRow("two codes") << good + " or " + other << false << false << "";
    }

    void pastedFromAChat()
    {
        QFETCH(QString, text);
        QFETCH(bool, found);
        QFETCH(bool, pickedOut);
        QFETCH(QString, name);
        const std::optional<RoundCode> c = parsed(text);
        QCOMPARE(c.has_value(), found);
        if (!found)
            return;
        QCOMPARE(c->text(), code(3, 10, 4, FixedCell::Random, false, 0, 5u).text());
        QCOMPARE(c->pickedOut, pickedOut);
        QCOMPARE(c->dictionaryName, name);
    }

    // Options values beyond every round's are kept for codes of a later kind:
    // with the right check character such a code is refused as unknown.
    void laterKindIsRefused()
    {
        const QString data = QStringLiteral("00FZZW000000"); // every option bit set, seed 0
        int unknown = 0;
        for (QChar check : Alphabet) {
            const auto result = RoundCode::parse(data + check);
            QVERIFY(std::holds_alternative<RoundCode::Fault>(result));
            unknown += std::get<RoundCode::Fault>(result) == RoundCode::Fault::Unknown;
        }
        QCOMPARE(unknown, 1);
    }
};

QTEST_GUILESS_MAIN(RoundCodeTest)
#include "round_code_test.moc"
