// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A FIFO where a file is expected, as a player's folder may hold one, that
// counts whoever opens it to read. Such a reader would wait for a writer for
// good; here it reads an empty file at once: a test fails rather than hangs.

#include <QFile>
#include <QString>
#include <QThread>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class FifoWatch
{
public:
    explicit FifoWatch(const QString &path) : m_name(QFile::encodeName(path))
    {
        if (::mkfifo(m_name.constData(), 0600) != 0)
            qFatal("no FIFO at %s", m_name.constData());
        m_writer = std::thread([this] {
            // Opening to write waits for a reader, and lets it go on.
            for (;;) {
                const int fd = ::open(m_name.constData(), O_WRONLY | O_CLOEXEC);
                if (fd >= 0)
                    ::close(fd);
                if (m_stopping)
                    break;
                ++m_readers;
            }
            m_finished = true;
        });
    }
    ~FifoWatch() { stop(); }

    // How many opened it so far.
    int readers() const { return m_readers; }

    void stop()
    {
        if (!m_writer.joinable())
            return;
        m_stopping = true;
        // A reader of our own lets the writer's open go; it may not be in it yet.
        while (!m_finished) {
            const int fd = ::open(m_name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0)
                ::close(fd);
            QThread::msleep(1);
        }
        m_writer.join();
    }

private:
    QByteArray m_name;
    std::thread m_writer;
    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_finished{false};
    std::atomic<int> m_readers{0};
};
