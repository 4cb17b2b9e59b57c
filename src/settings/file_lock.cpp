// SPDX-License-Identifier: GPL-3.0-or-later
// The advisory lock that two running copies take turns at before rewriting the settings file.
#include "settings/file_lock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whether the descriptor still is the file that the path names.
bool stillNamedBy(int fd, const char *path)
{
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::stat(path, &named) == 0 && held.st_dev == named.st_dev
           && held.st_ino == named.st_ino;
}

} // namespace

FileLock::FileLock(const QString &path, int timeoutMs)
{
    const QByteArray name = QFile::encodeName(path);
    const QDeadlineTimer deadline(timeoutMs);
    int fd = -1;
    for (;;) {
        if (fd < 0) {
            // Never blocking on a FIFO put in the file's place.
            fd = ::open(name.constData(), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
            if (fd < 0)
                return;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (stillNamedBy(fd, name.constData())) {
                m_fd = fd;
                return;
            }
            ::close(fd); // replaced while we waited: lock the new file
            fd = -1;
            continue;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired())
            break;
        QThread::usleep(200);
    }
    ::close(fd);
}

FileLock::~FileLock()
{
    if (m_fd < 0)
        return;
    ::close(m_fd); // closing the descriptor releases the lock
    // A waiter polls every 200 us: stay away a little longer, or a writer that
    // locks again at once could keep another copy out until it gives up.
    QThread::usleep(400);
}
