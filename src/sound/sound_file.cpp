// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a sound or music file with its type and size checked, and finding it in a folder.
#include "sound/sound_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace SoundFile {

bool readable(const QString &path)
{
    // isFile() follows links and is false for FIFOs, sockets and devices,
    // which are never opened: opening a FIFO blocks until a writer comes.
    const QFileInfo info(path);
    return info.isFile() && info.size() <= MaxBytes && info.isReadable();
}

std::optional<QByteArray> read(const QString &path)
{
    if (!readable(path))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The size may have changed since, or not be known (files of /proc).
    QByteArray bytes = file.read(MaxBytes + 1);
    if (file.error() != QFile::NoError || bytes.size() > MaxBytes)
        return std::nullopt;
    return bytes;
}

Finder inFolder(const QString &folder)
{
    return [folder](const QString &name) {
        const QString written = folder + u'/' + name;
        if (QFileInfo::exists(written) || name.contains(u'/'))
            return written;
        // A settings file carried over from elsewhere may differ in case.
        const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        for (const QString &entry : entries) {
            if (entry.compare(name, Qt::CaseInsensitive) == 0)
                return folder + u'/' + entry;
        }
        return written;
    };
}

} // namespace SoundFile
