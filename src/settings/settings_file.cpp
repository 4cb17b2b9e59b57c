// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: reads through the view, writes as one locked read-change-rename.
#include "settings/settings_file.h"

#include "base/game_error.h"
#include "base/whole_file.h"
#include "settings/file_lock.h"
#include "settings/settings_scanner.h"
#include "settings/settings_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>

using namespace SettingsText;

namespace {

// A missing file reads as empty; an unreadable one fails.
bool loadBytes(const QString &path, QByteArray &data)
{
    std::optional<QByteArray> bytes = readFile(path, FileKind::Settings);
    if (!bytes)
        return !QFileInfo::exists(path);
    data = std::move(*bytes);
    return true;
}

bool holdsLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

// Only a regular file is rewritten, or a missing one made: a FIFO or a
// device in its place is never opened, not even for the lock. A settings file
// may be a link (dotfiles often are), and the write goes to where it points,
// but only into a regular file of the player's own.
bool writableThroughLinks(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat link {};
    if (::lstat(name.constData(), &link) != 0)
        return true;
    if (!S_ISLNK(link.st_mode))
        return S_ISREG(link.st_mode);
    struct stat target {};
    return ::stat(name.constData(), &target) == 0 && S_ISREG(target.st_mode) && target.st_uid == ::geteuid();
}

// The file's bytes with the entries written, as pieces to write one after
// the other: runs of the old bytes, and the lines written anew. Each key is
// replaced where it stands (a line with the same value left as it is), the
// missing ones added in their order after the section's last entry, the
// section added to the end when there is none. Every piece but the last ends
// a line. No pieces when nothing changes. Nothing is copied: a large file is
// written from the bytes it was read into.
struct Rewrite
{
    QList<QByteArrayView> pieces; // into the old bytes or into lines (whose texts never move)
    QByteArrayList lines;         // the lines written anew
    qsizetype size = 0;

    void add(QByteArrayView piece)
    {
        if (piece.isEmpty())
            return;
        pieces.append(piece);
        size += piece.size();
    }
    void addLine(QByteArray line)
    {
        lines.append(std::move(line));
        add(lines.constLast());
    }
    bool endsLine() const { return pieces.isEmpty() || pieces.constLast().endsWith('\n'); }
};

Rewrite withEntries(const QByteArray &data, const QString &section, const QList<SettingsFile::Entry> &entries)
{
    const Scanner scan(data);
    const QByteArray eol = scan.lineEnding();
    Rewrite out;
    QByteArray added;
    const auto addLines = [&](qsizetype from) {
        for (qsizetype i = from; i < entries.size(); ++i)
            added += entries[i].first.toUtf8() + '=' + entries[i].second.toUtf8() + eol;
    };
    qsizetype begin = 0;
    qsizetype end = 0;
    if (!scan.findSection(section, begin, end)) {
        out.add(data);
        if (!out.endsLine())
            out.addLine(eol);
        addLines(0);
        out.addLine('[' + section.toUtf8() + ']' + eol + added);
        return out;
    }
    QStringList keys;
    for (const SettingsFile::Entry &entry : entries)
        keys << entry.first;
    const QList<Scanner::Entry> found = scan.findKeys(keys, begin, end);

    struct Replacement
    {
        qsizetype begin;
        qsizetype end; // past the line's ending
        QByteArray line;
    };
    QList<Replacement> replacements;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Scanner::Entry &entry = found[i];
        const QString &value = entries[i].second;
        if (entry.lineStart < 0) {
            added += entries[i].first.toUtf8() + '=' + value.toUtf8() + eol;
            continue;
        }
        // The same value is left as it is, in whatever code page it was written.
        if (decodeText(scan.bytes(entry.valueBegin, entry.valueEnd)) == value)
            continue;
        // The line is written anew: its name as it stands, without blanks,
        // and its own ending (the file's last line had none).
        const qsizetype rawEnd = scan.rawEnd(entry.lineStart);
        const qsizetype lineEnd = scan.nextLine(entry.lineStart);
        QByteArray line = scan.trimmed(entry.lineStart, entry.nameEnd).toByteArray() + '=' + value.toUtf8();
        line += rawEnd == data.size() ? eol : scan.bytes(rawEnd, lineEnd).toByteArray();
        replacements.append({entry.lineStart, lineEnd, line});
    }
    if (replacements.isEmpty() && added.isEmpty())
        return {};
    std::sort(replacements.begin(), replacements.end(),
              [](const Replacement &a, const Replacement &b) { return a.begin < b.begin; });

    // Every entry line lies before the insertion point.
    const qsizetype at = added.isEmpty() ? data.size() : scan.insertionPoint(begin, end);
    qsizetype copied = 0;
    for (Replacement &r : replacements) {
        out.add(scan.bytes(copied, r.begin));
        out.addLine(std::move(r.line));
        copied = r.end;
    }
    out.add(scan.bytes(copied, at));
    if (!added.isEmpty()) {
        if (!out.endsLine())
            out.addLine(eol);
        out.addLine(added);
    }
    out.add(scan.bytes(at, data.size()));
    return out;
}

} // namespace

bool parseSettingsInteger(QStringView text, qint32 &value)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    bool signedValue = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        signedValue = true;
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == u'$') {
        base = 16;
        i += 1;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    } else if (i < n && (text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        i += 1;
    }
    if (i >= n)
        return false;
    // Unsigned hexadecimal is any 32-bit pattern; anything with a sign, and
    // every decimal, must fit a signed 32-bit integer.
    const quint64 limit = (base == 16 && !signedValue) ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    quint64 magnitude = 0;
    for (; i < n; ++i) {
        int d = -1;
        if (text[i] >= u'0' && text[i] <= u'9')
            d = text[i].unicode() - '0';
        else if (base == 16 && text[i] >= u'a' && text[i] <= u'f')
            d = text[i].unicode() - 'a' + 10;
        else if (base == 16 && text[i] >= u'A' && text[i] <= u'F')
            d = text[i].unicode() - 'A' + 10;
        if (d < 0)
            return false;
        magnitude = magnitude * base + quint64(d);
        if (magnitude > limit)
            return false;
    }
    const quint32 bits = quint32(magnitude);
    value = qint32(negative ? quint32(0u - bits) : bits);
    return true;
}

SettingsFile::SettingsFile(const QString &path) : m_path(path) {}

bool SettingsFile::readValue(const QString &section, const QString &key, QString &value) const
{
    QByteArray bytes;
    if (!m_view.refresh(m_path) || !m_view.find(section, key, bytes))
        return false;
    value = decodeText(bytes);
    return true;
}

QString SettingsFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    QString value;
    if (!readValue(section, key, value))
        return defaultValue;
    if (value.size() > MaxTextLength) {
        value.truncate(MaxTextLength);
        if (value.back().isHighSurrogate())
            value.chop(1); // never leave half a character
    }
    return value;
}

qint32 SettingsFile::readInteger(const QString &section, const QString &key, qint32 defaultValue) const
{
    // The length cut is for texts: a number is read whole.
    QString text;
    qint32 value = defaultValue;
    if (!readValue(section, key, text) || !parseSettingsInteger(text, value))
        return defaultValue;
    return value;
}

bool SettingsFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool SettingsFile::canStore(const QString &section, const QString &key, const QString &value)
{
    const QString sectionName = trimBlanks(section);
    const QString keyName = trimBlanks(key);
    // What could not be read back as written is never written: a line break
    // would inject entries, the other characters would change the line's kind.
    return !(holdsLineBreak(section) || holdsLineBreak(key) || holdsLineBreak(value) || keyName.isEmpty()
             || keyName.contains(u'=') || keyName.startsWith(u'[') || keyName.startsWith(u';')
             || keyName.startsWith(u'#') || sectionName.contains(u']'));
}

void SettingsFile::writeString(const QString &section, const QString &key, const QString &value)
{
    writeEntries(section, {{key, value}});
}

QList<SettingsFile::Entry> SettingsFile::readSection(const QString &section) const
{
    QList<Entry> entries;
    if (!m_view.refresh(m_path))
        return entries;
    QByteArray value;
    for (const QString &key : m_view.keys(section)) {
        if (m_view.find(section, key, value))
            entries.append({key, decodeText(value).left(MaxTextLength)});
    }
    return entries;
}

void SettingsFile::writeEntries(const QString &section, const QList<Entry> &entries)
{
    // Refused before the lock, which would create a missing file.
    for (const Entry &entry : entries) {
        if (!canStore(section, entry.first, entry.second))
            throw GameError(QCoreApplication::translate("Files", "Unable to write to %1")
                                .arg(QDir::toNativeSeparators(QFileInfo(m_path).absoluteFilePath())));
    }
    if (entries.isEmpty())
        return;
    update([&](const SettingsFile &) { return Changes{{section, entries}}; });
}

void SettingsFile::update(const std::function<Changes(const SettingsFile &current)> &change)
{
    const QString failure = QCoreApplication::translate("Files", "Unable to write to %1")
                                .arg(QDir::toNativeSeparators(QFileInfo(m_path).absoluteFilePath()));
    if (!writableThroughLinks(m_path))
        throw GameError(failure);

    // Read, change and replace under the lock, so another copy's write in
    // between is not lost.
    const FileLock lock(m_path, LockTimeoutMs);
    if (!lock.locked())
        throw GameError(failure);
    // The change reads through the view, which the lock makes current.
    const Changes changes = change(*this);

    Changes prepared;
    bool held = true;
    for (const auto &[section, entries] : changes) {
        QList<Entry> trimmed;
        for (const Entry &entry : entries) {
            if (!canStore(section, entry.first, entry.second))
                throw GameError(failure);
            const QString key = trimBlanks(entry.first);
            // A key given twice keeps its first place and its last value.
            const auto same = std::find_if(trimmed.begin(), trimmed.end(), [&](const Entry &e) {
                return e.first.compare(key, Qt::CaseInsensitive) == 0;
            });
            if (same != trimmed.end())
                same->second = entry.second;
            else
                trimmed.append({key, entry.second});
        }
        if (trimmed.isEmpty())
            continue;
        // Every value already there, in the file as this copy last read it:
        // the file stays as it is, and is not even read (a close saves every option).
        held = held && m_view.holds(m_path, trimBlanks(section), trimmed);
        prepared.append({trimBlanks(section), trimmed});
    }
    if (prepared.isEmpty() || held)
        return;
    QByteArray data;
    if (!loadBytes(m_path, data))
        throw GameError(failure);
    // Sections before the last are applied to a copy; the last is written
    // from the pieces, so a large file with one change is never copied.
    bool earlierChanged = false;
    for (qsizetype i = 0; i + 1 < prepared.size(); ++i) {
        const Rewrite changed = withEntries(data, prepared[i].first, prepared[i].second);
        if (changed.pieces.isEmpty())
            continue;
        earlierChanged = true;
        QByteArray next;
        next.reserve(changed.size);
        for (const QByteArrayView piece : changed.pieces)
            next.append(piece);
        data = std::move(next);
    }
    Rewrite changed = withEntries(data, prepared.constLast().first, prepared.constLast().second);
    if (changed.pieces.isEmpty()) {
        if (!earlierChanged)
            return;
        changed.add(data); // only the earlier sections changed
    }

    // A temporary file beside the old one, renamed over it: a crash or a full
    // disk leaves the old file whole.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        throw GameError(failure);
    // Qt takes a short write (a full disk) for success: check the size on disk
    // before the rename. Without commit() the temporary file is discarded.
    for (const QByteArrayView piece : changed.pieces) {
        if (file.write(piece.data(), piece.size()) != piece.size())
            throw GameError(failure);
    }
    if (!file.flush() || file.size() != changed.size || !file.commit())
        throw GameError(failure);
    m_view.adopt(changed.pieces, m_path);
}

void SettingsFile::writeInteger(const QString &section, const QString &key, qint32 value)
{
    writeString(section, key, QString::number(value));
}

void SettingsFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

int SettingsFile::removeLeftovers()
{
    const QFileInfo info(m_path);
    // QSaveFile's name for its temporary file: ours followed by six letters or digits.
    static const QRegularExpression temporary(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    const QString prefix = info.fileName();
    QStringList found;
    for (const QString &name : info.dir().entryList({prefix + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden)) {
        const QString path = info.dir().filePath(name);
        struct stat st {};
        if (name.startsWith(prefix) && temporary.match(QStringView(name).mid(prefix.size())).hasMatch()
            && ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            found << path;
    }
    // The lock is taken only then, and not waited for: a copy writing now is
    // not killed, and the file it writes is its own.
    if (found.isEmpty() || !info.isFile())
        return 0;
    const FileLock lock(m_path, 0);
    if (!lock.locked())
        return 0;
    int removed = 0;
    for (const QString &path : found)
        removed += QFile::remove(path) ? 1 : 0;
    return removed;
}
