// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "words/kbase_tsv.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// A word list as editors write it, turned into the dictionary's Windows-1252
// bytes: UTF-8 when it starts with a byte-order mark or is valid UTF-8
// throughout, else Windows-1252 as it stands (plain ASCII reads the same
// either way). CRLF line ends become LF; a carriage return anywhere else is
// left for the parser to refuse. A character the code page cannot hold, or a
// byte that is not UTF-8 after a byte-order mark, is refused with its line.
std::optional<TsvError> textListToWindows1252(QByteArrayView input, QByteArray &out);
