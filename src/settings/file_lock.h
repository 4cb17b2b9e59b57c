// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// An advisory lock (flock) on a file that is replaced by renaming a new file
// over it, so that two running copies of the game take turns at
// read-change-replace. The lock is taken on whatever file the path names once
// it is had: a lock on a file that was replaced meanwhile is dropped and taken
// again on the new one. A missing file is created empty to be locked. The lock
// goes with the process, even a killed one.
class FileLock
{
public:
    // Waits up to timeoutMs for the lock; locked() tells whether it was had.
    FileLock(const QString &path, int timeoutMs);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    bool locked() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};
