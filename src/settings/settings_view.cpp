// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file parsed once into its first values, re-read when its stamp changes.
#include "settings/settings_view.h"

#include "base/whole_file.h"
#include "settings/settings_text.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <ctime>
#include <sys/stat.h>

using namespace SettingsText;

namespace {

constexpr qint64 NanosPerSecond = 1000000000;
// A file changed less than this before it was read may change again without
// a new stamp: such a read is not trusted for long.
constexpr qint64 RacyNanos = NanosPerSecond;
constexpr qsizetype ChunkSize = 1 << 20;

SettingsView::Stamp stampOf(const struct stat &st)
{
    SettingsView::Stamp stamp;
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modified = qint64(st.st_mtim.tv_sec) * NanosPerSecond + st.st_mtim.tv_nsec;
    stamp.changed = qint64(st.st_ctim.tv_sec) * NanosPerSecond + st.st_ctim.tv_nsec;
    return stamp;
}

SettingsView::Stamp stampOf(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return stampOf(st);
}

bool racy(const SettingsView::Stamp &stamp)
{
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const qint64 nanos = qint64(now.tv_sec) * NanosPerSecond + now.tv_nsec;
    return nanos - stamp.modified < RacyNanos;
}

// Collects the first value of each key of the first section of each name
// from complete lines. Only lines holding '[' or '=' are looked at, found by
// memchr, so blank padding costs a pass over its bytes at most.
class Parser
{
public:
    explicit Parser(QHash<QString, QHash<QString, QByteArray>> &sections) : m_sections(sections) {}

    void feed(const char *data, qsizetype size)
    {
        const char *p = data;
        const char *const end = data + size;
        if (m_atStart) {
            m_atStart = false;
            if (size >= Utf8Bom.size() && std::memcmp(data, Utf8Bom.constData(), size_t(Utf8Bom.size())) == 0)
                p += Utf8Bom.size();
        }
        const char *bracket = nullptr;
        const char *equals = nullptr;
        while (p < end) {
            if (!bracket || bracket < p)
                bracket = find(p, end, '[');
            if (!equals || equals < p)
                equals = find(p, end, '=');
            const char *hit = std::min(bracket, equals);
            if (hit == end)
                return;
            const char *lineStart = hit;
            while (lineStart > p && lineStart[-1] != '\n')
                --lineStart;
            const char *lineEnd = find(hit, end, '\n');
            line(lineStart, lineEnd);
            p = lineEnd < end ? lineEnd + 1 : end;
        }
    }

private:
    static const char *find(const char *from, const char *end, char c)
    {
        const void *hit = std::memchr(from, c, size_t(end - from));
        return hit ? static_cast<const char *>(hit) : end;
    }

    static const char *skipBlanks(const char *p, const char *end)
    {
        while (p < end && isBlank(*p))
            ++p;
        return p;
    }

    static QByteArrayView trimmed(const char *begin, const char *end)
    {
        begin = skipBlanks(begin, end);
        while (end > begin && isBlank(end[-1]))
            --end;
        return QByteArrayView(begin, end - begin);
    }

    // One line without its "\n"; its text ends at its first "\r".
    void line(const char *begin, const char *end)
    {
        const char *textEnd = begin;
        while (textEnd < end && *textEnd != '\r')
            ++textEnd;
        const char *first = skipBlanks(begin, textEnd);
        if (first < textEnd && *first == '[') {
            const char *close = first + 1;
            while (close < textEnd && *close != ']')
                ++close;
            const QString name = decodeText(trimmed(first + 1, close)).toCaseFolded();
            // Of duplicate sections the first is the one read.
            m_section = m_sections.contains(name) ? nullptr : &m_sections[name];
            return;
        }
        if (!m_section)
            return;
        const char *equals = first;
        while (equals < textEnd && *equals != '=')
            ++equals;
        if (equals == textEnd || first == equals || *first == ';' || *first == '#')
            return;
        const QString key = decodeText(trimmed(first, equals)).toCaseFolded();
        if (!m_section->contains(key))
            m_section->insert(key, trimmed(equals + 1, textEnd).toByteArray());
    }

    QHash<QString, QHash<QString, QByteArray>> &m_sections;
    QHash<QString, QByteArray> *m_section = nullptr; // lines before the first section are never read
    bool m_atStart = true;
};

} // namespace

bool SettingsView::refresh(const QString &path)
{
    const Stamp now = stampOf(path);
    if (m_current && now == m_stamp)
        return true;
    m_sections.clear();
    m_current = false;
    QFile file;
    if (!openToRead(file, path, FileKind::Settings)) {
        if (QFileInfo::exists(path))
            return false;
        m_stamp = Stamp{}; // missing reads as empty, until it appears
        m_current = true;
        return true;
    }
    // The stamp before the bytes: a change while reading makes the next read
    // see a new stamp.
    struct stat st {};
    if (::fstat(file.handle(), &st) != 0)
        return false;
    ++m_fileReads;
    Parser parser(m_sections);
    QByteArray buffer(ChunkSize, Qt::Uninitialized);
    qsizetype held = 0;
    qint64 total = 0; // a file that grows while read is read no further than a settings file can be
    for (;;) {
        if (held == buffer.size())
            buffer.resize(buffer.size() * 2); // one line longer than the buffer
        const qint64 got = file.read(buffer.data() + held, buffer.size() - held);
        total += got;
        if (got < 0 || total > largestFile(FileKind::Settings)) {
            m_sections.clear();
            return false;
        }
        if (got == 0) {
            parser.feed(buffer.constData(), held); // a last line without "\n"
            break;
        }
        held += got;
        const void *lastBreak = memrchr(buffer.constData(), '\n', size_t(held));
        if (!lastBreak)
            continue;
        const qsizetype complete = static_cast<const char *>(lastBreak) - buffer.constData() + 1;
        parser.feed(buffer.constData(), complete);
        std::memmove(buffer.data(), buffer.constData() + complete, size_t(held - complete));
        held -= complete;
    }
    m_stamp = stampOf(st);
    m_current = !racy(m_stamp);
    return true;
}

void SettingsView::adopt(const QList<QByteArrayView> &pieces, const QString &path)
{
    m_sections.clear();
    Parser parser(m_sections);
    qsizetype size = 0;
    for (const QByteArrayView piece : pieces) {
        parser.feed(piece.data(), piece.size());
        size += piece.size();
    }
    // Written under the lock and stamped before it is let go: no other copy
    // wrote in between.
    m_stamp = stampOf(path);
    m_current = m_stamp.exists && m_stamp.size == size;
}

bool SettingsView::holds(const QString &path, const QString &section,
                         const QList<std::pair<QString, QString>> &entries) const
{
    if (!m_current || stampOf(path) != m_stamp)
        return false;
    QByteArray stored;
    for (const auto &[key, value] : entries) {
        if (!find(section, key, stored) || decodeText(stored) != value)
            return false;
    }
    return true;
}

bool SettingsView::find(const QString &section, const QString &key, QByteArray &value) const
{
    const auto s = m_sections.constFind(trimBlanks(section).toCaseFolded());
    if (s == m_sections.cend())
        return false;
    const auto k = s->constFind(trimBlanks(key).toCaseFolded());
    if (k == s->cend())
        return false;
    value = k.value();
    return true;
}

QList<QString> SettingsView::keys(const QString &section) const
{
    const auto s = m_sections.constFind(trimBlanks(section).toCaseFolded());
    return s == m_sections.cend() ? QList<QString>() : s->keys();
}
