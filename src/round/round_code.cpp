// SPDX-License-Identifier: GPL-3.0-or-later
// Round codes: packing a round's options and seed into 13 characters and back.
#include "round/round_code.h"

#include "settings/split_formats.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>

namespace {
constexpr char Alphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int DataLength = RoundCode::Length - 1;
constexpr int FixedChoices = FixedCellCount + 1; // none, then each choice
constexpr int HandicapChoices = 2 * RoundCode::MaxHandicap + 1;
constexpr quint32 OptionValues =
    quint32(RoundCode::MaxWords - RoundCode::MinWords + 1) * SplitFormatCount * FixedChoices * 2 * HandicapChoices;
static_assert(OptionValues <= (1u << 17), "the options take 17 bits");
static_assert(32 + 17 + RoundCode::DictionaryIdBits == 5 * DataLength, "the fields fill the data characters");

// The value of a typed character, -1 for one outside the alphabet.
int symbolValue(QChar c)
{
    const char16_t u = QChar::toUpper(c.unicode());
    if (u == 'O')
        return 0;
    if (u == 'I' || u == 'L')
        return 1;
    for (int v = 0; v < 32; ++v) {
        if (Alphabet[v] == u)
            return v;
    }
    return -1;
}

// Multiplication in GF(32) modulo x^5 + x^2 + 1.
int gfMultiply(int a, int b)
{
    int product = 0;
    while (b != 0) {
        if (b & 1)
            product ^= a;
        b >>= 1;
        a <<= 1;
        if (a & 32)
            a ^= 0x25;
    }
    return product;
}

// Each position weighs the sum by its own power of x: since the weights are
// distinct and non-zero in a field, one changed character or two swapped
// neighbours always change the sum.
int checkValue(const std::array<int, DataLength> &data)
{
    int sum = 0;
    int weight = 1;
    for (int v : data) {
        weight = gfMultiply(weight, 2);
        sum ^= gfMultiply(weight, v);
    }
    return sum;
}

quint64 packOptions(const RoundCode &c)
{
    quint64 o = quint64(c.wordCount - RoundCode::MinWords);
    o = o * SplitFormatCount + quint64(c.presetsIndex);
    o = o * FixedChoices + (c.fixedCell ? quint64(*c.fixedCell) + 1 : 0);
    o = o * 2 + (c.showDefinitions ? 1 : 0);
    o = o * HandicapChoices + quint64(c.handicap + RoundCode::MaxHandicap);
    return o;
}

void unpackOptions(quint64 o, RoundCode &c)
{
    c.handicap = int(o % HandicapChoices) - RoundCode::MaxHandicap;
    o /= HandicapChoices;
    c.showDefinitions = o % 2 != 0;
    o /= 2;
    const int fixed = int(o % FixedChoices);
    c.fixedCell = fixed == 0 ? std::nullopt : std::optional<FixedCell>(FixedCell(fixed - 1));
    o /= FixedChoices;
    c.presetsIndex = int(o % SplitFormatCount);
    o /= SplitFormatCount;
    c.wordCount = int(o) + RoundCode::MinWords;
}
} // namespace

std::optional<RoundCode> RoundCode::forRound(const RoundOptions &options, quint32 dictionaryId, quint32 seed)
{
    if (options.wordCount < MinWords || options.wordCount > MaxWords || options.presetsIndex < 0 ||
        options.presetsIndex >= SplitFormatCount || qAbs(options.handicap) > MaxHandicap)
        return std::nullopt;
    RoundCode c;
    c.dictionaryId = dictionaryId & DictionaryIdMask;
    c.wordCount = options.wordCount;
    c.presetsIndex = options.presetsIndex;
    c.fixedCell = options.fixedCell;
    c.showDefinitions = options.showDefinitions;
    c.handicap = options.handicap;
    c.seed = seed;
    c.dictionaryName = options.dictionary;
    return c;
}

QString RoundCode::text() const
{
    const quint64 value = quint64(dictionaryId & DictionaryIdMask) << 49 | packOptions(*this) << 32 | seed;
    std::array<int, DataLength> data{};
    for (int i = 0; i < DataLength; ++i)
        data[size_t(i)] = int(value >> (5 * (DataLength - 1 - i)) & 31);
    QString code;
    for (int i = 0; i < DataLength; ++i) {
        if (i == 4 || i == 8)
            code += QLatin1Char('-');
        code += QLatin1Char(Alphabet[data[size_t(i)]]);
    }
    code += QLatin1Char(Alphabet[checkValue(data)]);
    return code;
}

QString RoundCode::textWithName() const
{
    return dictionaryName.isEmpty() ? text() : QStringLiteral("%1 (%2)").arg(text(), dictionaryName);
}

namespace {
std::variant<RoundCode, RoundCode::Fault> parseWhole(const QString &typed);

// Codes standing on their own in longer text: 13 symbols, in groups or not,
// then perhaps a bracketed name.
std::optional<RoundCode> pickOut(const QString &text)
{
    static const QRegularExpression candidate(QStringLiteral(
        "(?<![0-9A-Za-z])[0-9A-Za-z]{4}[- ]?[0-9A-Za-z]{4}[- ]?[0-9A-Za-z]{5}(?![0-9A-Za-z])(?:\\s*\\([^()]*\\))?"));
    std::optional<RoundCode> found;
    for (const QRegularExpressionMatch &match : candidate.globalMatch(text)) {
        const auto parsed = parseWhole(match.captured());
        const RoundCode *code = std::get_if<RoundCode>(&parsed);
        if (!code)
            continue;
        if (found && found->text() != code->text())
            return std::nullopt; // two codes: which one is meant is the player's to say
        if (!found || found->dictionaryName.isEmpty())
            found = *code;
    }
    if (found)
        found->pickedOut = true;
    return found;
}
} // namespace

QString RoundCode::withoutInvisible(const QString &text)
{
    QString visible;
    visible.reserve(text.size());
    for (const QChar c : text) {
        // Format characters: zero-width spaces and joiners, direction marks
        // and isolates, the byte order mark, the soft hyphen.
        if (c.category() == QChar::Other_Format || (c.category() == QChar::Other_Control && !c.isSpace()))
            continue;
        visible += c;
    }
    return visible;
}

std::variant<RoundCode, RoundCode::Fault> RoundCode::parse(const QString &typed)
{
    const QString visible = withoutInvisible(typed).trimmed();
    const auto whole = parseWhole(visible);
    const auto *fault = std::get_if<Fault>(&whole);
    if (fault && (*fault == Fault::Character || *fault == Fault::Length)) {
        if (std::optional<RoundCode> code = pickOut(visible))
            return *code;
    }
    return whole;
}

namespace {
std::variant<RoundCode, RoundCode::Fault> parseWhole(const QString &typed)
{
    using Fault = RoundCode::Fault;
    constexpr int Length = RoundCode::Length;
    QString codePart = typed;
    QString name;
    const qsizetype bracket = typed.indexOf(QLatin1Char('('));
    if (bracket >= 0) {
        codePart = typed.left(bracket);
        name = typed.mid(bracket + 1).trimmed();
        if (name.endsWith(QLatin1Char(')')))
            name.chop(1);
        name = name.trimmed();
    }

    std::array<int, RoundCode::Length> symbols{};
    int count = 0;
    for (QChar ch : codePart) {
        if (ch.isSpace() || ch == QLatin1Char('-'))
            continue;
        const int v = symbolValue(ch);
        if (v < 0)
            return Fault::Character;
        if (count == Length)
            return Fault::Length;
        symbols[size_t(count++)] = v;
    }
    if (count != Length)
        return Fault::Length;

    std::array<int, DataLength> data{};
    quint64 value = 0;
    for (int i = 0; i < DataLength; ++i) {
        data[size_t(i)] = symbols[size_t(i)];
        value = value << 5 | quint64(symbols[size_t(i)]);
    }
    if (checkValue(data) != symbols[DataLength])
        return Fault::Check;
    const quint64 options = value >> 32 & ((1u << 17) - 1);
    if (options >= OptionValues)
        return Fault::Unknown; // room kept for codes of a later kind

    RoundCode c;
    c.seed = quint32(value);
    c.dictionaryId = quint32(value >> 49) & RoundCode::DictionaryIdMask;
    unpackOptions(options, c);
    c.dictionaryName = name;
    return c;
}
} // namespace

QString RoundCode::faultMessage(Fault fault)
{
    switch (fault) {
    case Fault::Length:
        return QCoreApplication::translate("RoundCode",
                                           "A round code has 13 letters and digits, such as 7K3M-9QXP-R2TD5.");
    case Fault::Character:
        return QCoreApplication::translate("RoundCode",
                                           "A round code holds only digits and the letters A to Z without U.");
    case Fault::Check:
        return QCoreApplication::translate("RoundCode",
                                           "This round code has a typing mistake: please check every character.");
    case Fault::Unknown:
        break;
    }
    return QCoreApplication::translate("RoundCode", "This round code comes from a newer version of the game.");
}
