// SPDX-License-Identifier: GPL-3.0-or-later
// The split formats of the Options dialog and the cell lengths each cuts a word into.
#include "settings/split_formats.h"

#include <QCoreApplication>

const QStringList &splitFormats()
{
    static const QStringList formats = {
        "4 letters: 1-2-1",      "4 letters: 1-1-1-1",    "5 letters: 1-1-1-1-1",  "5 letters: 2-1-2",
        "5 letters: 1-2-2",      "6 letters: 2-2-2",      "6 letters: 1-1-3-1",    "7 letters: 3-1-3",
        "7 letters: 2-2-2-1",    "7 letters: 1-2-2-2",    "8 letters: 2-3-3",      "8 letters: 2-2-2-2",
        "8 letters: 4-1-3",      "9 letters: 3-3-3",      "9 letters: 2-3-4",      "9 letters: 2-3-2-2",
        "9 letters: 2-5-2",      "10 letters: 2-3-3-2",   "10 letters: 1-2-4-3",   "10 letters: 1-2-3-4",
        "10 letters: 2-2-2-2-2", "11 letters: 2-3-3-3",   "11 letters: 2-2-3-2-2", "12 letters: 3-3-3-3",
        "12 letters: 4-4-4",     "13 letters: 3-4-3-3",   "13 letters: 3-5-3-2",   "14 letters: 3-4-4-3",
        "14 letters: 3-5-3-3",   "15 letters: 3-3-3-3-3", "15 letters: 5-5-5",     "16 letters: 4-4-4-4",
        "16 letters: 5-6-5",     "20 letters: 5-5-5-5",   "20 letters: 4-4-4-4-4", "25 letters: 5-5-5-5-5",
    };
    return formats;
}

QString splitFormatCaption(const QString &format)
{
    return QCoreApplication::translate("SplitFormats", "%1 letters: %2")
        .arg(splitFormatLetterCount(format))
        .arg(format.section(QStringLiteral(": "), 1));
}

int splitFormatLetterCount(const QString &format)
{
    return format.section(' ', 0, 0).toInt();
}

QList<int> splitFormatCellLengths(const QString &format)
{
    // Everything up to ":" and the blank after it goes; then each cell length
    // is one digit followed by a "-" (or the end).
    QList<int> lengths;
    const qsizetype colon = format.indexOf(':');
    QString rest = colon < 0 ? QString() : format.mid(colon + 2);
    while (!rest.isEmpty() && lengths.size() < 7) {
        if (rest[0].isDigit())
            lengths.append(rest[0].digitValue());
        rest.remove(0, 2);
    }
    return lengths;
}
