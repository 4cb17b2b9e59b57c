// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary files on this machine, by name and by content id.
#include "round/dictionary_files.h"

#include "base/program_folder.h"
#include "base/whole_file.h"
#include "settings/player_folders.h"
#include "words/dictionary_id.h"

#include <QDir>
#include <QLocale>

namespace {
// A list of a few lines: anything larger is not the game's.
constexpr qint64 MaxLanguageListSize = 64 * 1024;

// "fr=Mots français" lines of the installation's list; blank lines and "#" notes skipped.
QString listedDictionary(const QString &code)
{
    const std::optional<QByteArray> list = readFile(dataPath(QStringLiteral("kbs/languages.txt")), FileKind::List);
    if (!list || list->size() > MaxLanguageListSize)
        return QString();
    const QString text = QString::fromUtf8(*list);
    for (const QString &line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        const qsizetype equals = trimmed.indexOf(u'=');
        if (trimmed.startsWith(u'#') || equals < 0)
            continue;
        if (trimmed.left(equals).trimmed().compare(code, Qt::CaseInsensitive) == 0)
            return trimmed.mid(equals + 1).trimmed();
    }
    return QString();
}

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

std::optional<DictionaryFile> ofLanguage(const QString &code)
{
    const QString listed = listedDictionary(code);
    if (!listed.isEmpty()) {
        if (auto file = shipped(listed))
            return file;
    }
    const QLocale locale(code);
    if (code.isEmpty() || locale.language() == QLocale::C)
        return std::nullopt;
    for (const QString &name : {QLocale::languageToString(locale.language()), locale.nativeLanguageName()}) {
        if (auto file = shipped(name))
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
