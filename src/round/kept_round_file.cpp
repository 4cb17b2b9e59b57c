// SPDX-License-Identifier: GPL-3.0-or-later
// The kept round's file: written whole through a rename, read once, set aside when unreadable.
#include "round/kept_round_file.h"

#include "base/game_error.h"
#include "base/whole_file.h"
#include "settings/player_folders.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
// The one read of the file. Only a regular file of a kept round's size is read.
QByteArray readKeptBytes(const QString &path)
{
    return readWholeFile(path, FileKind::KeptRound);
}
} // namespace

QString KeptRoundFile::defaultPath()
{
    return PlayerFolders::writtenFilePath(QLatin1String(FileName));
}

KeptRoundFile::KeptRoundFile(const QString &path) : m_path(path)
{
    m_writer.setMaxThreadCount(1);
}

KeptRoundFile::~KeptRoundFile()
{
    waitForWrites();
}

void KeptRoundFile::waitForWrites()
{
    m_writer.waitForDone();
}

void KeptRoundFile::save(const KeptRound &kept)
{
    m_writer.start([path = m_path, kept] {
        const QByteArray bytes = KeptRoundFormat::write(kept);
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
            file.commit();
    });
}

void KeptRoundFile::remove()
{
    m_writer.start([path = m_path] {
        if (QFileInfo::exists(path))
            QFile::remove(path);
    });
}

KeptRoundFile::Loaded KeptRoundFile::load()
{
    waitForWrites();
    Loaded loaded;
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink())
        return loaded;
    try {
        loaded.round = KeptRoundFormat::read(readKeptBytes(m_path));
    } catch (const GameError &) {
        loaded.setAsidePath = m_path + QStringLiteral(".broken");
        QFile::remove(loaded.setAsidePath);
        if (!QFile::rename(m_path, loaded.setAsidePath))
            QFile::remove(m_path); // what cannot be set aside must not come back at every start
    }
    return loaded;
}
