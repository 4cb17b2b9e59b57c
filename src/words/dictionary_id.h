// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <optional>

// A dictionary's identity by its contents: two copies of the same file agree
// whatever they are called, and any change to the file gives another id
// (barring a rare collision: round codes keep only the low bits).
quint32 dictionaryContentId(QByteArrayView bytes);

// The id of a dictionary file's bytes; nothing when it cannot be read. The
// last ids are kept by path, size and change time, so asking again is cheap.
std::optional<quint32> dictionaryFileId(const QString &path);
