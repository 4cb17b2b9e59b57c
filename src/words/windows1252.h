// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Dictionary and board texts are Windows-1252 bytes.

// Upper case by the Windows-1252 rules: a-z, the small letters 224..254 except
// 247, and 154, 156, 158, 255 (to 138, 140, 142, 159).
char upperCase1252(char c);
QByteArray upperCase1252(QByteArrayView text);
// Equal without regard to letter case (by upperCase1252).
bool equalsIgnoreCase1252(QByteArrayView a, QByteArrayView b);
// For drawing.
QString fromWindows1252(QByteArrayView text);
// The Windows-1252 byte that stands for a character, the inverse of
// fromWindows1252; false when the code page has none.
bool toWindows1252(char32_t c, char &byte);
