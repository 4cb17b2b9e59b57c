// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing a whole file, with errors that name its path.
#include "base/whole_file.h"

#include "base/game_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>

namespace {
QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}
} // namespace

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    // A folder opens on some systems; it is not a file to read.
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw GameError(QCoreApplication::translate("Files", "Cannot open file %1").arg(shownPath(path)));
    QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError)
        throw GameError(QCoreApplication::translate("Files", "Cannot open file %1").arg(shownPath(path)));
    return bytes;
}

void writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw GameError(QCoreApplication::translate("Files", "Cannot create file %1").arg(shownPath(path)));
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw GameError(QCoreApplication::translate("Files", "Cannot create file %1").arg(shownPath(path)));
}
