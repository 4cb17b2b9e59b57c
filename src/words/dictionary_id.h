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

// The id of a dictionary file's bytes, read a piece at a time; nothing when
// it cannot be read or is no dictionary (its signature and size are looked at
// before anything else is read). Each file's answer is kept by path until the
// file changes, so asking again reads nothing.
std::optional<quint32> dictionaryFileId(const QString &path);
