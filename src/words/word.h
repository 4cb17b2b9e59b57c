// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// One word of a round as word selection draws it from the dictionary.
struct tWord
{
    QByteArray Word;       // upper case, accents folded
    QByteArray Definition; // the hint of every tile of the row
};
