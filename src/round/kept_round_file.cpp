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

KeptRoundFile::KeptRoundFile(const QString &path) : m_path(path) {}

KeptRoundFile::~KeptRoundFile() = default;

void KeptRoundFile::waitForWrites()
{
    // Every write is made before save() or remove() returns.
}

void KeptRoundFile::save(const KeptRound &kept)
{
    const QByteArray bytes = KeptRoundFormat::write(kept);
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        file.commit();
}

void KeptRoundFile::remove()
{
    if (QFileInfo::exists(m_path))
        QFile::remove(m_path);
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
