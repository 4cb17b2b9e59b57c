// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// Sound and music files come from folders anyone can drop things into: a
// file is read only when it is a regular file (a link is followed) of at most
// a sound file's size (FileKind::Sound), and never more than that is read,
// whatever it claims.
namespace SoundFile {

// The whole file, or nothing for a missing, unreadable, too large or special
// file (a FIFO or a device would block or never end).
std::optional<QByteArray> read(const QString &path);

// Whether read() would find a file to read: a regular, readable file of at most
// a sound file's size (it may still change or go before it is read).
bool readable(const QString &path);

// Where a listed sound or music file is read from, by its listed name.
using Finder = std::function<QString(const QString &name)>;

// A finder for one folder: the name as written, else found without regard to case.
Finder inFolder(const QString &folder);

} // namespace SoundFile
