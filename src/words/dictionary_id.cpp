// SPDX-License-Identifier: GPL-3.0-or-later
// The content id of dictionary files, with a small cache by path.
#include "words/dictionary_id.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <QMutex>

#include <gcrypt.h>

#include <algorithm>

namespace {
using HashBuffer = void (*)(int algorithm, void *digest, const void *buffer, size_t length);

// libgcrypt's SHA-256 uses the processor's SHA instructions: a dictionary
// takes a millisecond or two, where Qt's own takes twenty. The system's
// libraries have it loaded already; it is looked up when first needed rather
// than linked, as every library the program names is searched for each of
// the thousands of symbols bound at start-up. Without it, Qt's serves.
HashBuffer systemHash()
{
    static const HashBuffer hash = []() -> HashBuffer {
        QLibrary library(QStringLiteral("gcrypt"), 20);
        library.setLoadHints(QLibrary::PreventUnloadHint);
        using Control = gcry_error_t (*)(enum gcry_ctl_cmds, ...);
        using CheckVersion = const char *(*)(const char *);
        const auto control = reinterpret_cast<Control>(library.resolve("gcry_control"));
        const auto checkVersion = reinterpret_cast<CheckVersion>(library.resolve("gcry_check_version"));
        const auto hashBuffer = reinterpret_cast<HashBuffer>(library.resolve("gcry_md_hash_buffer"));
        if (!control || !checkVersion || !hashBuffer)
            return nullptr;
        // Set up as the system's libraries set it up, unless one of them has.
        if (!control(GCRYCTL_INITIALIZATION_FINISHED_P)) {
            if (!checkVersion(nullptr))
                return nullptr;
            control(GCRYCTL_DISABLE_SECMEM, 0);
            control(GCRYCTL_INITIALIZATION_FINISHED, 0);
        }
        return hashBuffer;
    }();
    return hash;
}
} // namespace

quint32 dictionaryContentId(QByteArrayView bytes)
{
    // SHA-256 rather than a home-made hash: its value is fixed for good, and
    // the ids travel between machines inside round codes.
    unsigned char digest[32];
    if (const HashBuffer hash = systemHash()) {
        hash(GCRY_MD_SHA256, digest, bytes.data(), size_t(bytes.size()));
    } else {
        const QByteArray qtDigest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
        std::copy_n(qtDigest.constData(), 4, digest);
    }
    return quint32(digest[0]) << 24 | quint32(digest[1]) << 16 | quint32(digest[2]) << 8 | quint32(digest[3]);
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
