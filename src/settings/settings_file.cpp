#include "settings/settings_file.h"

#include "settings/file_lock.h"
#include "base/game_error.h"
#include "words/windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <cstring>
#include <QCoreApplication>

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QString trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

// Names and values are UTF-8; what is not valid UTF-8 came from an older tool
// in the Windows code page.
QString decodeText(QByteArrayView bytes)
{
    // A value may start with U+FEFF: only the file's own byte order mark is not text.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    return utf8.hasError() ? fromWindows1252(bytes) : text;
}

bool sameName(QByteArrayView bytes, const QString &name)
{
    return decodeText(bytes).compare(name, Qt::CaseInsensitive) == 0;
}

// The file's bytes, scanned where they lie: nothing is split into lines, so a
// huge hand-edited file costs one pass over its bytes at most. A line runs to
// its "\n"; its text ends at its first "\r" or "\n".
class Scanner
{
public:
    explicit Scanner(const QByteArray &data) : m_data(data.constData()), m_size(data.size())
    {
        if (data.startsWith(Utf8Bom))
            m_start = Utf8Bom.size();
    }

    qsizetype start() const { return m_start; }
    qsizetype size() const { return m_size; }

    // The position just past the line that holds pos (past its "\n").
    qsizetype nextLine(qsizetype pos) const
    {
        const void *lf = std::memchr(m_data + pos, '\n', size_t(m_size - pos));
        return lf ? static_cast<const char *>(lf) - m_data + 1 : m_size;
    }

    qsizetype textEnd(qsizetype lineStart) const
    {
        qsizetype i = lineStart;
        while (i < m_size && m_data[i] != '\n' && m_data[i] != '\r')
            ++i;
        return i;
    }

    // The ending that a rewritten line keeps: "\r\n" or "\n" (none at the end).
    qsizetype rawEnd(qsizetype lineStart) const
    {
        qsizetype end = nextLine(lineStart);
        if (end > lineStart && m_data[end - 1] == '\n') {
            --end;
            if (end > lineStart && m_data[end - 1] == '\r')
                --end;
        }
        return end;
    }

    qsizetype skipBlanks(qsizetype pos, qsizetype end) const
    {
        while (pos < end && isBlank(m_data[pos]))
            ++pos;
        return pos;
    }

    // The next section header at or after pos, up to end; its line start or -1.
    // Headers are found by their '[', each line looked at once.
    qsizetype nextHeader(qsizetype pos, qsizetype end, QByteArrayView *name = nullptr) const
    {
        while (pos < end) {
            const void *hit = std::memchr(m_data + pos, '[', size_t(end - pos));
            if (!hit)
                return -1;
            const qsizetype bracket = static_cast<const char *>(hit) - m_data;
            qsizetype lineStart = bracket;
            while (lineStart > m_start && isBlank(m_data[lineStart - 1]))
                --lineStart;
            if (lineStart == m_start || m_data[lineStart - 1] == '\n') {
                if (name) {
                    const qsizetype textEnd = this->textEnd(bracket);
                    qsizetype close = bracket + 1;
                    while (close < textEnd && m_data[close] != ']')
                        ++close;
                    *name = trimmed(bracket + 1, close);
                }
                return lineStart;
            }
            pos = nextLine(bracket);
        }
        return -1;
    }

    // The section's body: from the line after its first header to the next
    // header. False when there is no such section.
    bool findSection(const QString &section, qsizetype &bodyBegin, qsizetype &bodyEnd) const
    {
        QByteArrayView name;
        for (qsizetype pos = m_start; (pos = nextHeader(pos, m_size, &name)) >= 0;) {
            pos = nextLine(pos);
            if (sameName(name, section)) {
                bodyBegin = pos;
                bodyEnd = nextHeader(pos, m_size);
                if (bodyEnd < 0)
                    bodyEnd = m_size;
                return true;
            }
        }
        return false;
    }

    struct Entry
    {
        qsizetype lineStart = -1;
        qsizetype nameEnd = 0; // the '='
        qsizetype valueBegin = 0;
        qsizetype valueEnd = 0; // blanks trimmed
    };

    // The first entry of the key in [begin, end), found by its '='.
    Entry findKey(const QString &key, qsizetype begin, qsizetype end) const
    {
        qsizetype pos = begin;
        while (pos < end) {
            const void *hit = std::memchr(m_data + pos, '=', size_t(end - pos));
            if (!hit)
                break;
            const qsizetype eq = static_cast<const char *>(hit) - m_data;
            qsizetype lineStart = eq;
            while (lineStart > begin && m_data[lineStart - 1] != '\n')
                --lineStart;
            pos = nextLine(eq);
            const qsizetype nameBegin = skipBlanks(lineStart, eq);
            if (eq >= textEnd(lineStart) || nameBegin == eq || m_data[nameBegin] == ';' || m_data[nameBegin] == '#')
                continue;
            if (!sameName(trimmed(nameBegin, eq), key))
                continue;
            Entry entry;
            entry.lineStart = lineStart;
            entry.nameEnd = eq;
            entry.valueBegin = skipBlanks(eq + 1, textEnd(lineStart));
            entry.valueEnd = textEnd(lineStart);
            while (entry.valueEnd > entry.valueBegin && isBlank(m_data[entry.valueEnd - 1]))
                --entry.valueEnd;
            return entry;
        }
        return {};
    }

    // After the body's last line that is neither blank nor a comment, so a new
    // key does not land among the lines that lead into the next section.
    qsizetype insertionPoint(qsizetype bodyBegin, qsizetype bodyEnd) const
    {
        qsizetype at = bodyEnd;
        while (at > bodyBegin) {
            qsizetype lineStart = at - 1;
            while (lineStart > bodyBegin && m_data[lineStart - 1] != '\n')
                --lineStart;
            const qsizetype first = skipBlanks(lineStart, textEnd(lineStart));
            if (first < textEnd(lineStart) && m_data[first] != ';' && m_data[first] != '#')
                break;
            at = lineStart;
        }
        return at;
    }

    QByteArrayView bytes(qsizetype begin, qsizetype end) const { return QByteArrayView(m_data + begin, end - begin); }

    QByteArrayView trimmed(qsizetype begin, qsizetype end) const
    {
        begin = skipBlanks(begin, end);
        while (end > begin && isBlank(m_data[end - 1]))
            --end;
        return bytes(begin, end);
    }

    QByteArray lineEnding() const
    {
        const void *lf = std::memchr(m_data + m_start, '\n', size_t(m_size - m_start));
        if (!lf)
            return "\r\n";
        const char *p = static_cast<const char *>(lf);
        return (p > m_data + m_start && p[-1] == '\r') ? "\r\n" : "\n";
    }

private:
    const char *m_data;
    qsizetype m_size;
    qsizetype m_start = 0;
};

// A missing file reads as empty; an unreadable one fails.
bool loadBytes(const QString &path, QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return !file.exists();
    data = file.readAll();
    return file.error() == QFile::NoError;
}

// The stored value, whole; false when the key is missing.
bool readValue(const QString &path, const QString &section, const QString &key, QString &value)
{
    QByteArray data;
    if (!loadBytes(path, data))
        return false;
    const Scanner scan(data);
    qsizetype begin = 0;
    qsizetype end = 0;
    if (!scan.findSection(trimBlanks(section), begin, end))
        return false;
    const Scanner::Entry entry = scan.findKey(trimBlanks(key), begin, end);
    if (entry.lineStart < 0)
        return false;
    value = decodeText(scan.bytes(entry.valueBegin, entry.valueEnd));
    return true;
}

bool holdsLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
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

QString SettingsFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    QString value;
    if (!readValue(m_path, section, key, value))
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
    if (!readValue(m_path, section, key, text) || !parseSettingsInteger(text, value))
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
    const QString failure = QCoreApplication::translate("Files", "Unable to write to %1")
                                .arg(QDir::toNativeSeparators(QFileInfo(m_path).absoluteFilePath()));
    if (!canStore(section, key, value))
        throw GameError(failure);
    const QString sectionName = trimBlanks(section);
    const QString keyName = trimBlanks(key);

    // Read, change and replace under the lock, so another copy's write in
    // between is not lost.
    const FileLock lock(m_path, LockTimeoutMs);
    if (!lock.locked())
        throw GameError(failure);

    QByteArray data;
    if (!loadBytes(m_path, data))
        throw GameError(failure);
    const Scanner scan(data);
    const QByteArray eol = scan.lineEnding();
    const QByteArray newValue = value.toUtf8();

    qsizetype begin = 0;
    qsizetype end = 0;
    if (scan.findSection(sectionName, begin, end)) {
        const Scanner::Entry entry = scan.findKey(keyName, begin, end);
        if (entry.lineStart >= 0) {
            // The same value is left as it is, in whatever code page it was written.
            if (decodeText(scan.bytes(entry.valueBegin, entry.valueEnd)) == value)
                return;
            // The line is written anew: its name as it stands, without blanks.
            const qsizetype end = scan.rawEnd(entry.lineStart);
            QByteArray line = scan.trimmed(entry.lineStart, entry.nameEnd).toByteArray() + '=' + newValue;
            if (end == data.size())
                line += eol; // the file's last line had no ending
            data.replace(entry.lineStart, end - entry.lineStart, line);
        } else {
            const qsizetype at = scan.insertionPoint(begin, end);
            QByteArray line = keyName.toUtf8() + '=' + newValue + eol;
            if (at > 0 && data[at - 1] != '\n')
                line.prepend(eol);
            data.insert(at, line);
        }
    } else {
        if (!data.isEmpty() && !data.endsWith('\n'))
            data += eol;
        data += '[' + sectionName.toUtf8() + ']' + eol + keyName.toUtf8() + '=' + newValue + eol;
    }

    // A temporary file beside the old one, renamed over it: a crash or a full
    // disk leaves the old file whole.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        throw GameError(failure);
    // Qt takes a short write (a full disk) for success: check the size on disk
    // before the rename. Without commit() the temporary file is discarded.
    if (file.write(data) != data.size() || !file.flush() || file.size() != data.size() || !file.commit())
        throw GameError(failure);
}

void SettingsFile::writeInteger(const QString &section, const QString &key, qint32 value)
{
    writeString(section, key, QString::number(value));
}

void SettingsFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
