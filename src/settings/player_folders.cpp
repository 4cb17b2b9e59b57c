// SPDX-License-Identifier: GPL-3.0-or-later
// Where the player's files live: beside the program, or in the XDG configuration and data folders.
#include "settings/player_folders.h"

#include "base/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>

namespace PlayerFolders {
namespace {

QString withSlash(QString folder)
{
    while (folder.size() > 1 && folder.endsWith('/'))
        folder.chop(1);
    return folder == "/" ? folder : folder + '/';
}

// An XDG base folder: the variable when it holds an absolute path, else the
// fallback under the home folder.
QString baseFolder(const char *variable, const QString &fallbackUnderHome)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return withSlash(value);
    return withSlash(QDir::homePath()) + fallbackUnderHome;
}

// name inside folder, matched without regard to case; as written when absent.
QString findIn(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + name))
        return folder + name;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + entry;
    }
    return folder + name;
}

struct Decision
{
    QString programFolder;
    QString configFolder;
    QString folder;
};

Decision &decision()
{
    static Decision d;
    return d;
}

} // namespace

bool isWritableFolder(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(withSlash(folder) + QStringLiteral(".splitwick-write-test-XXXXXX"));
    return probe.open();
}

bool isInstalledFolder(const QString &folder)
{
    return QFileInfo(withSlash(folder) + QLatin1String(InstalledMarkerName)).isFile();
}

QString configFolder()
{
    return baseFolder("XDG_CONFIG_HOME", QStringLiteral(".config/")) + QStringLiteral("splitwick/");
}

QString dataFolder()
{
    return baseFolder("XDG_DATA_HOME", QStringLiteral(".local/share/")) + QStringLiteral("splitwick/");
}

QString writtenFilesFolder()
{
    Decision &d = decision();
    const QString program = programFolder();
    const QString config = configFolder();
    if (d.folder.isEmpty() || d.programFolder != program || d.configFolder != config) {
        d.programFolder = program;
        d.configFolder = config;
        // An installed game never writes into its installation, whoever runs
        // it; when the configuration folder cannot be made, each write there
        // reports its own failure. A copied folder whose configuration folder
        // cannot be made either stays where it is: its files can still be read.
        if (isInstalledFolder(program)) {
            QDir().mkpath(config);
            d.folder = config;
        } else if (isWritableFolder(program) || !QDir().mkpath(config) || !isWritableFolder(config)) {
            d.folder = program;
        } else {
            d.folder = config;
        }
    }
    return d.folder;
}

QString writtenFilePath(const QString &name)
{
    return findIn(writtenFilesFolder(), name);
}

QString existingFilePath(const QString &name)
{
    const QString written = writtenFilePath(name);
    return QFileInfo::exists(written) ? written : dataPath(name);
}

QString settingsFilePath()
{
    const QString name = QString::fromLatin1(SettingsFileName);
    const QString path = writtenFilePath(name);
    if (writtenFilesFolder() != programFolder() && !QFileInfo::exists(path)) {
        const QString shipped = dataPath(name);
        if (QFileInfo(shipped).isFile() && QFile::copy(shipped, path)) {
            // The copy must be the player's to rewrite, whatever the installed file's mode.
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        }
    }
    return path;
}

QString playerDataFolder(const QString &kind)
{
    return dataFolder() + kind + '/';
}

QString dataFilePath(const QString &kind, const QString &fileName)
{
    const QString own = findIn(playerDataFolder(kind), fileName);
    if (QFileInfo(own).isFile())
        return own;
    return dataPath(kind + '/' + fileName);
}

QStringList mergeFileLists(const QStringList &shipped, const QStringList &own)
{
    QStringList merged = own;
    for (const QString &name : shipped) {
        const bool taken = std::any_of(own.begin(), own.end(), [&](const QString &mine) {
            return mine.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (!taken)
            merged << name;
    }
    std::sort(merged.begin(), merged.end(), [](const QString &a, const QString &b) {
        const int blind = a.compare(b, Qt::CaseInsensitive);
        return blind != 0 ? blind < 0 : a < b;
    });
    merged.removeDuplicates();
    return merged;
}

} // namespace PlayerFolders
