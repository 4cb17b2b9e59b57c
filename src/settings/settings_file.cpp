#include "settings/settings_file.h"

#include "settings/game_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");

enum class LineKind { Blank, Comment, Section, Entry, Other };

struct ParsedLine
{
    LineKind kind = LineKind::Blank;
    QString name;  // section name or key
    QString value; // entries only
};

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

ParsedLine parseLine(const QByteArray &raw)
{
    ParsedLine line;
    const QString text = trimBlanks(QString::fromUtf8(raw));
    if (text.isEmpty())
        return line;
    if (text.startsWith(u';') || text.startsWith(u'#')) {
        line.kind = LineKind::Comment;
    } else if (text.startsWith(u'[')) {
        line.kind = LineKind::Section;
        const qsizetype close = text.indexOf(u']');
        line.name = trimBlanks(QStringView(text).mid(1, close < 0 ? -1 : close - 1));
    } else if (const qsizetype eq = text.indexOf(u'='); eq > 0) {
        line.kind = LineKind::Entry;
        line.name = trimBlanks(QStringView(text).left(eq));
        line.value = trimBlanks(QStringView(text).mid(eq + 1));
    } else {
        line.kind = LineKind::Other; // kept, never read
    }
    return line;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The file as lines without their endings; rewritten whole on every write.
struct Document
{
    QList<QByteArray> lines;
    QByteArray eol = "\r\n";
    bool bom = false;

    int findSection(const QString &section) const
    {
        for (int i = 0; i < lines.size(); ++i) {
            const ParsedLine line = parseLine(lines[i]);
            if (line.kind == LineKind::Section && sameName(line.name, section))
                return i;
        }
        return -1;
    }

    int sectionEnd(int header) const
    {
        for (int i = header + 1; i < lines.size(); ++i) {
            if (parseLine(lines[i]).kind == LineKind::Section)
                return i;
        }
        return int(lines.size());
    }

    // The first entry of the key in the first section of that name.
    int findKey(const QString &section, const QString &key, ParsedLine *found = nullptr) const
    {
        const int header = findSection(section);
        if (header < 0)
            return -1;
        // One pass to the next section header: every line is parsed once.
        for (int i = header + 1; i < lines.size(); ++i) {
            ParsedLine line = parseLine(lines[i]);
            if (line.kind == LineKind::Section)
                break;
            if (line.kind == LineKind::Entry && sameName(line.name, key)) {
                if (found)
                    *found = std::move(line);
                return i;
            }
        }
        return -1;
    }

    QByteArray serialize() const
    {
        QByteArray out;
        if (bom)
            out += Utf8Bom;
        for (const QByteArray &line : lines) {
            out += line;
            out += eol;
        }
        return out;
    }
};

// A missing file is an empty document; an unreadable one fails.
bool loadDocument(const QString &path, Document &doc)
{
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray data = file.readAll();
    if (file.error() != QFile::NoError)
        return false;
    if (data.startsWith(Utf8Bom)) {
        doc.bom = true;
        data.remove(0, Utf8Bom.size());
    }
    const qsizetype firstBreak = data.indexOf('\n');
    if (firstBreak >= 0 && (firstBreak == 0 || data[firstBreak - 1] != '\r'))
        doc.eol = "\n";
    doc.lines = data.split('\n');
    if (data.endsWith('\n') || data.isEmpty())
        doc.lines.removeLast();
    for (QByteArray &line : doc.lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
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
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
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
    // Decimal holds a signed 32-bit value; hexadecimal any 32-bit pattern.
    const quint64 limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
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
    Document doc;
    if (!loadDocument(m_path, doc))
        return defaultValue;
    ParsedLine line;
    if (doc.findKey(trimBlanks(section), trimBlanks(key), &line) < 0)
        return defaultValue;
    QString value = line.value.left(MaxTextLength);
    if (value.size() == MaxTextLength && value.back().isHighSurrogate())
        value.chop(1); // never leave half a character
    return value;
}

qint32 SettingsFile::readInteger(const QString &section, const QString &key, qint32 defaultValue) const
{
    const QString text = readString(section, key, QString());
    qint32 value = defaultValue;
    if (!parseSettingsInteger(text, value))
        return defaultValue;
    return value;
}

bool SettingsFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void SettingsFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString failure = QStringLiteral("Unable to write to %1")
                                .arg(QDir::toNativeSeparators(QFileInfo(m_path).absoluteFilePath()));
    const QString sectionName = trimBlanks(section);
    const QString keyName = trimBlanks(key);
    // What could not be read back as written is never written: a line break
    // would inject entries, the other characters would change the line's kind.
    if (holdsLineBreak(section) || holdsLineBreak(key) || holdsLineBreak(value) || keyName.isEmpty()
        || keyName.contains(u'=') || keyName.startsWith(u'[') || keyName.startsWith(u';')
        || keyName.startsWith(u'#') || sectionName.contains(u']'))
        throw GameError(failure);

    Document doc;
    if (!loadDocument(m_path, doc))
        throw GameError(failure);

    ParsedLine existing;
    const int keyLine = doc.findKey(sectionName, keyName, &existing);
    if (keyLine >= 0) {
        doc.lines[keyLine] = (existing.name + u'=' + value).toUtf8();
    } else if (const int header = doc.findSection(sectionName); header >= 0) {
        // After the section's last entry, before the blank lines and comments
        // that lead into the next section.
        int at = doc.sectionEnd(header);
        while (at > header + 1) {
            const LineKind kind = parseLine(doc.lines[at - 1]).kind;
            if (kind != LineKind::Blank && kind != LineKind::Comment)
                break;
            --at;
        }
        doc.lines.insert(at, (keyName + u'=' + value).toUtf8());
    } else {
        doc.lines.append((u'[' + sectionName + u']').toUtf8());
        doc.lines.append((keyName + u'=' + value).toUtf8());
    }

    // A temporary file beside the old one, renamed over it: a crash or a full
    // disk leaves the old file whole.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        throw GameError(failure);
    const QByteArray bytes = doc.serialize();
    // Qt takes a short write (a full disk) for success: check the size on disk
    // before the rename. Without commit() the temporary file is discarded.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size() || !file.commit())
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
