// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// The 36 split formats of the Options dialog, in index order: the letter
// count of a word and the lengths of the cells it is cut into.
inline constexpr int SplitFormatCount = 36;
const QStringList &splitFormats();

// The format as the player reads it, built from the game language's pattern
// ("8 lettres : 2-3-3"); the program's own text stays the stored value.
QString splitFormatCaption(const QString &format);

// The letter count before the first space ("5 letters: 2-1-2" gives 5).
int splitFormatLetterCount(const QString &format);

// The cell lengths after ": " ("5 letters: 2-1-2" gives 2, 1, 2).
QList<int> splitFormatCellLengths(const QString &format);
