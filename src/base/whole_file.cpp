// SPDX-License-Identifier: GPL-3.0-or-later
// The one opener of files to read, and whole-file reads and writes with errors that name the path.
#include "base/whole_file.h"

#include "base/game_error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

bool fits(const struct stat &st, FileKind kind)
{
    return S_ISREG(st.st_mode) && st.st_size <= largestFile(kind);
}
} // namespace

qint64 largestFile(FileKind kind)
{
    switch (kind) {
    case FileKind::Settings: return qint64(256) << 20; // five times the largest hand-edited file seen
    case FileKind::Dictionary: return qint64(UINT32_MAX);
    case FileKind::Sound: return qint64(64) << 20;
    case FileKind::Picture: return qint64(256) << 20; // Qt's image readers allocate no more
    case FileKind::KeptRound: return qint64(4) << 20;
    case FileKind::List: return qint64(256) << 10;
    }
    return 0;
}

bool fileFits(const QString &path, FileKind kind)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    return ::stat(name.constData(), &st) == 0 && fits(st, kind) && ::access(name.constData(), R_OK) == 0;
}

bool openToRead(QFile &file, const QString &path, FileKind kind)
{
    const QByteArray name = QFile::encodeName(path);
    // Looked at before it is opened: opening a FIFO is what blocks.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0 || !fits(st, kind))
        return false;
    // Never blocking, should a FIFO have been put in its place meanwhile;
    // regular files read the same either way.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (::fstat(fd, &st) != 0 || !fits(st, kind)) {
        ::close(fd);
        return false;
    }
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

std::optional<QByteArray> readRest(QFile &file, FileKind kind)
{
    // One byte past the size it had when opened shows the end; a file that
    // grows meanwhile, or whose size is not known (files of /proc), is read
    // on up to its kind's size, never further.
    const qint64 limit = largestFile(kind);
    QByteArray bytes(qBound(qint64(0), file.size() - file.pos(), limit) + 1, Qt::Uninitialized);
    qint64 held = 0;
    for (;;) {
        if (held == bytes.size()) {
            if (held > limit)
                return std::nullopt;
            bytes.resize(qMin(held * 2, limit + 1));
        }
        const qint64 got = file.read(bytes.data() + held, bytes.size() - held);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        held += got;
    }
    if (held > limit)
        return std::nullopt;
    bytes.truncate(held);
    return bytes;
}

std::optional<QByteArray> readFile(const QString &path, FileKind kind)
{
    QFile file;
    if (!openToRead(file, path, kind))
        return std::nullopt;
    return readRest(file, kind);
}

QByteArray readWholeFile(const QString &path, FileKind kind)
{
    std::optional<QByteArray> bytes = readFile(path, kind);
    if (!bytes)
        throw GameError(QCoreApplication::translate("Files", "Cannot open file %1").arg(shownPath(path)));
    return std::move(*bytes);
}

void writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw GameError(QCoreApplication::translate("Files", "Cannot create file %1").arg(shownPath(path)));
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw GameError(QCoreApplication::translate("Files", "Cannot create file %1").arg(shownPath(path)));
}
