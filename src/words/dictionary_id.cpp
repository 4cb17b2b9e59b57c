// SPDX-License-Identifier: GPL-3.0-or-later
// The content id of dictionary files, with a small cache by path.
#include "words/dictionary_id.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

quint32 dictionaryContentId(QByteArrayView bytes)
{
    // SHA-256 rather than a home-made hash: its value is fixed for good, and
    // the ids travel between machines inside round codes.
    const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    return quint32(quint8(digest[0])) << 24 | quint32(quint8(digest[1])) << 16 | quint32(quint8(digest[2])) << 8 |
           quint32(quint8(digest[3]));
}

namespace {
struct CachedId
{
    qint64 size = -1;
    QDateTime modified;
    quint32 id = 0;
};
} // namespace

std::optional<quint32> dictionaryFileId(const QString &path)
{
    static QMutex mutex;
    static QHash<QString, CachedId> cache;

    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    const QMutexLocker lock(&mutex);
    const auto found = cache.constFind(info.absoluteFilePath());
    if (found != cache.cend() && found->size == info.size() && found->modified == info.lastModified())
        return found->id;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    const quint32 id = dictionaryContentId(bytes);
    cache.insert(info.absoluteFilePath(), CachedId{info.size(), info.lastModified(), id});
    return id;
}
