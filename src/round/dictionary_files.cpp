// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary files on this machine, by name and by content id.
#include "round/dictionary_files.h"

#include "base/program_folder.h"
#include "settings/player_folders.h"
#include "words/dictionary_id.h"

#include <QDir>

namespace {
QList<DictionaryFile> listFolder(const QString &folder)
{
    QList<DictionaryFile> files;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &info : entries) {
        if (info.suffix().compare(QLatin1String("dic"), Qt::CaseInsensitive) == 0)
            files << DictionaryFile{info.completeBaseName(), info.filePath()};
    }
    return files;
}
} // namespace

namespace DictionaryFiles {

QList<DictionaryFile> all()
{
    return listFolder(PlayerFolders::playerDataFolder(QStringLiteral("kbs"))) +
           listFolder(dataPath(QStringLiteral("kbs")));
}

std::optional<DictionaryFile> shipped(const QString &name)
{
    for (const DictionaryFile &file : listFolder(dataPath(QStringLiteral("kbs")))) {
        if (file.name.compare(name, Qt::CaseInsensitive) == 0)
            return file;
    }
    return std::nullopt;
}

std::optional<DictionaryFile> findById(quint32 codeId, quint32 mask, const QString &preferredName)
{
    std::optional<DictionaryFile> first;
    for (const DictionaryFile &file : all()) {
        const std::optional<quint32> id = dictionaryFileId(file.path);
        if (!id || (*id & mask) != (codeId & mask))
            continue;
        if (file.name.compare(preferredName, Qt::CaseInsensitive) == 0)
            return file;
        if (!first)
            first = file;
    }
    return first;
}

} // namespace DictionaryFiles
