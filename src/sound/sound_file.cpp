// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a sound or music file with its type and size checked, and finding it in a folder.
#include "sound/sound_file.h"

#include "base/whole_file.h"

#include <QDir>
#include <QFileInfo>

namespace SoundFile {

bool readable(const QString &path)
{
    return fileFits(path, FileKind::Sound);
}

std::optional<QByteArray> read(const QString &path)
{
    return readFile(path, FileKind::Sound);
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
