// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The dictionary tool's text form: one entry per line, the texts n, d, a, f,
// s, j, p, r and the attribute names joined by ",", separated by TABs. In the
// texts a backslash, TAB, line feed and carriage return are written as \\,
// \t, \n and \r; every other byte stands for itself.

#include <QByteArray>
#include <QString>

#include <optional>

class TKbItem;
class TKbItems;

constexpr int KbTsvFieldCount = 9; // eight texts, then the attributes

// Appends the entry's line, ending in "\n".
void appendTsvLine(QByteArray &out, const TKbItem &item);

struct TsvError
{
    int line = 0; // 1-based
    QString message; // without the line number
    QString toString() const { return QStringLiteral("line %1: %2").arg(line).arg(message); }
};

// Appends one entry per line of the input. Lines end with "\n"; the last may
// lack it. Missing trailing fields are empty. A line with more than nine
// fields, a raw carriage return, an escape other than the four above, a
// backslash ending a field, or an unknown or empty attribute name is an error;
// parsing stops at the first one (the items then hold what was read up to it).
std::optional<TsvError> parseTsv(QByteArrayView input, TKbItems &items);
