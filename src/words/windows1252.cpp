// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1252 text: upper case, comparison without case, and conversion to and from Unicode.
#include "words/windows1252.h"

char upperCase1252(char c)
{
    const auto b = quint8(c);
    if (b >= 'a' && b <= 'z')
        return char(b - 32);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7)
        return char(b - 32);
    switch (b) {
    case 0x9A: return char(0x8A); // š
    case 0x9C: return char(0x8C); // œ
    case 0x9E: return char(0x8E); // ž
    case 0xFF: return char(0x9F); // ÿ
    default: return c;
    }
}

QByteArray upperCase1252(QByteArrayView text)
{
    QByteArray result(text.data(), text.size());
    for (char &c : result)
        c = upperCase1252(c);
    return result;
}

bool equalsIgnoreCase1252(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && upperCase1252(a[i]) != upperCase1252(b[i]))
            return false;
    }
    return true;
}

namespace {
// 0x80..0x9F differ from Latin-1; the five unassigned codes map to themselves.
constexpr char16_t high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

bool toWindows1252(char32_t c, char &byte)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        byte = char(c);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (high[i] == c) {
            byte = char(0x80 + i);
            return true;
        }
    }
    return false;
}

QString fromWindows1252(QByteArrayView text)
{
    QString result(text.size(), Qt::Uninitialized);
    QChar *out = result.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto b = quint8(text[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(high[b - 0x80]) : QChar(b);
    }
    return result;
}
