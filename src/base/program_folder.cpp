// SPDX-License-Identifier: GPL-3.0-or-later
// The program folder and data paths under it, found without regard to letter case.
#include "base/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <filesystem>

namespace {
QString g_programFolder;

QString withOneTrailingSlash(QString folder)
{
    while (folder.size() > 1 && folder.endsWith('/'))
        folder.chop(1);
    if (folder == "/")
        return folder;
    return folder + '/';
}
} // namespace

QString folderOfExecutable(const QByteArray &executablePath)
{
    const qsizetype cut = executablePath.lastIndexOf('/');
    if (cut < 0)
        return QStringLiteral("./");
    const QByteArray folder = cut == 0 ? QByteArray("/") : executablePath.left(cut);
    const QString name = QFile::decodeName(folder);
    if (QFile::encodeName(name) == folder)
        return withOneTrailingSlash(name);
    // A name that is no UTF-8 (a folder named in Latin-1) has no text that
    // names it again: the folder is held open for the process's life and
    // reached through its descriptor.
    const int fd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return fd < 0 ? QString() : QStringLiteral("/proc/self/fd/%1/").arg(fd);
}

QString programFolder()
{
    if (g_programFolder.isEmpty()) {
        // The executable's path as the system has it, links followed, in
        // bytes: Qt's own answer loses a name that is no UTF-8 and then
        // says "/".
        std::error_code error;
        const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
        if (!error)
            g_programFolder = folderOfExecutable(QByteArray::fromStdString(executable.native()));
    }
    if (g_programFolder.isEmpty() && QCoreApplication::instance())
        g_programFolder = withOneTrailingSlash(QCoreApplication::applicationDirPath());
    if (g_programFolder.isEmpty())
        g_programFolder = withOneTrailingSlash(QDir::currentPath());
    return g_programFolder;
}

void setProgramFolder(const QString &folder)
{
    // An empty folder goes back to the executable's, not to the root.
    g_programFolder = folder.isEmpty() ? QString() : withOneTrailingSlash(folder);
}

QString dataPath(const QString &relativeName)
{
    QString path = programFolder();
    const QStringList parts = QString(relativeName).replace('\\', '/').split('/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        QString found = part;
        const QDir dir(path);
        if (!QFileInfo::exists(path + part)) {
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString &entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    found = entry;
                    break;
                }
            }
        }
        path += found;
        if (i + 1 < parts.size())
            path += '/';
    }
    if ((relativeName.endsWith('\\') || relativeName.endsWith('/')) && !path.endsWith('/'))
        path += '/';
    return path;
}
