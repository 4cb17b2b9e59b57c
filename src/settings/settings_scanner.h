// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_text.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <cstring>

namespace SettingsText {

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

    // The first entry of each key in [begin, end), found by their '=' in one
    // pass; a missing key's entry has lineStart -1.
    QList<Entry> findKeys(const QStringList &keys, qsizetype begin, qsizetype end) const
    {
        QList<Entry> found(keys.size());
        QHash<QString, qsizetype> wanted;
        for (qsizetype i = 0; i < keys.size(); ++i)
            wanted.insert(keys[i].toCaseFolded(), i);
        qsizetype pos = begin;
        while (pos < end && !wanted.isEmpty()) {
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
            const auto want = wanted.constFind(decodeText(trimmed(nameBegin, eq)).toCaseFolded());
            if (want == wanted.cend())
                continue;
            Entry &entry = found[want.value()];
            wanted.erase(want);
            entry.lineStart = lineStart;
            entry.nameEnd = eq;
            entry.valueBegin = skipBlanks(eq + 1, textEnd(lineStart));
            entry.valueEnd = textEnd(lineStart);
            while (entry.valueEnd > entry.valueBegin && isBlank(m_data[entry.valueEnd - 1]))
                --entry.valueEnd;
        }
        return found;
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

} // namespace SettingsText
