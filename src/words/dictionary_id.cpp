// SPDX-License-Identifier: GPL-3.0-or-later
// The content id of dictionary files, kept by path until the file changes.
#include "words/dictionary_id.h"

#include "base/whole_file.h"
#include "words/kbase.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QLibrary>
#include <QMutex>

#include <gcrypt.h>

#include <sys/stat.h>

#include <algorithm>

namespace {
// libgcrypt's SHA-256 uses the processor's SHA instructions: a dictionary
// takes a millisecond or two, where Qt's own takes twenty. The system's
// libraries have it loaded already; it is looked up when first needed rather
// than linked, as every library the program names is searched for each of
// the thousands of symbols bound at start-up. Without it, Qt's serves.
struct SystemHash
{
    gcry_error_t (*open)(gcry_md_hd_t *hash, int algorithm, unsigned int flags);
    void (*write)(gcry_md_hd_t hash, const void *buffer, size_t length);
    unsigned char *(*read)(gcry_md_hd_t hash, int algorithm);
    void (*close)(gcry_md_hd_t hash);
};

const SystemHash *systemHash()
{
    static const std::optional<SystemHash> hash = []() -> std::optional<SystemHash> {
        QLibrary library(QStringLiteral("gcrypt"), 20);
        library.setLoadHints(QLibrary::PreventUnloadHint);
        using Control = gcry_error_t (*)(enum gcry_ctl_cmds, ...);
        using CheckVersion = const char *(*)(const char *);
        const auto control = reinterpret_cast<Control>(library.resolve("gcry_control"));
        const auto checkVersion = reinterpret_cast<CheckVersion>(library.resolve("gcry_check_version"));
        SystemHash functions{reinterpret_cast<decltype(SystemHash::open)>(library.resolve("gcry_md_open")),
                             reinterpret_cast<decltype(SystemHash::write)>(library.resolve("gcry_md_write")),
                             reinterpret_cast<decltype(SystemHash::read)>(library.resolve("gcry_md_read")),
                             reinterpret_cast<decltype(SystemHash::close)>(library.resolve("gcry_md_close"))};
        if (!control || !checkVersion || !functions.open || !functions.write || !functions.read || !functions.close)
            return std::nullopt;
        // Set up as the system's libraries set it up, unless one of them has.
        if (!control(GCRYCTL_INITIALIZATION_FINISHED_P)) {
            if (!checkVersion(nullptr))
                return std::nullopt;
            control(GCRYCTL_DISABLE_SECMEM, 0);
            control(GCRYCTL_INITIALIZATION_FINISHED, 0);
        }
        return functions;
    }();
    return hash ? &*hash : nullptr;
}

// SHA-256 fed in pieces, so that a file is hashed without being held whole.
class Sha256
{
public:
    Sha256() : m_system(systemHash())
    {
        if (m_system && m_system->open(&m_handle, GCRY_MD_SHA256, 0) != 0)
            m_system = nullptr;
    }
    ~Sha256()
    {
        if (m_system)
            m_system->close(m_handle);
    }
    Sha256(const Sha256 &) = delete;
    Sha256 &operator=(const Sha256 &) = delete;

    void add(QByteArrayView bytes)
    {
        if (m_system)
            m_system->write(m_handle, bytes.data(), size_t(bytes.size()));
        else
            m_qt.addData(bytes);
    }

    // The id: the digest's first four bytes, big-endian.
    quint32 id()
    {
        const unsigned char *digest = m_system ? m_system->read(m_handle, GCRY_MD_SHA256)
                                               : reinterpret_cast<const unsigned char *>(m_qt.resultView().data());
        return quint32(digest[0]) << 24 | quint32(digest[1]) << 16 | quint32(digest[2]) << 8 | quint32(digest[3]);
    }

private:
    const SystemHash *m_system;
    gcry_md_hd_t m_handle = nullptr;
    QCryptographicHash m_qt{QCryptographicHash::Sha256};
};

// A file's id from its bytes, read a piece at a time; nothing for a file
// that is no dictionary (its signature and size looked at first) or a read
// that failed.
std::optional<quint32> idOfFile(const QString &path)
{
    QFile file;
    if (!openToRead(file, path, FileKind::Dictionary) || !startsAsDictionary(file))
        return std::nullopt;
    Sha256 hash;
    QByteArray piece(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(piece.data(), piece.size());
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return hash.id();
        hash.add(QByteArrayView(piece.constData(), got));
    }
}

// What tells that a file changed: any write moves its change time.
struct Stamp
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    qint64 modified = 0;
    qint64 changed = 0;
    bool operator==(const Stamp &) const = default;
};

std::optional<Stamp> stampOf(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    constexpr qint64 Nanos = 1000000000;
    return Stamp{st.st_dev, st.st_ino, st.st_size, qint64(st.st_mtim.tv_sec) * Nanos + st.st_mtim.tv_nsec,
                 qint64(st.st_ctim.tv_sec) * Nanos + st.st_ctim.tv_nsec};
}

struct CachedId
{
    Stamp stamp;
    std::optional<quint32> id; // nothing: not a dictionary, asked again only once it changes
};
} // namespace

quint32 dictionaryContentId(QByteArrayView bytes)
{
    // SHA-256 rather than a home-made hash: its value is fixed for good, and
    // the ids travel between machines inside round codes.
    Sha256 hash;
    hash.add(bytes);
    return hash.id();
}

std::optional<quint32> dictionaryFileId(const QString &path)
{
    static QMutex mutex;
    static QHash<QString, CachedId> cache;

    const std::optional<Stamp> before = stampOf(path);
    if (!before)
        return std::nullopt;
    const QMutexLocker lock(&mutex);
    const auto found = cache.constFind(path);
    if (found != cache.cend() && found->stamp == *before)
        return found->id;
    const std::optional<quint32> id = idOfFile(path);
    // A file that changed while it was read is read again when next asked.
    if (stampOf(path) == before)
        cache.insert(path, CachedId{*before, id});
    return id;
}
