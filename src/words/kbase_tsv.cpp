// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary tool's text form: one entry per line, written and parsed.
#include "words/kbase_tsv.h"

#include "words/kbase.h"

namespace {

void appendEscaped(QByteArray &out, QByteArrayView text)
{
    const char *run = text.data();
    const char *const end = text.data() + text.size();
    for (const char *p = run; p != end; ++p) {
        char escaped;
        switch (*p) {
        case '\\': escaped = '\\'; break;
        case '\t': escaped = 't'; break;
        case '\n': escaped = 'n'; break;
        case '\r': escaped = 'r'; break;
        default: continue;
        }
        out.append(run, p - run);
        out.append('\\');
        out.append(escaped);
        run = p + 1;
    }
    out.append(run, end - run);
}

// Printable form of a piece of a malformed line for the error message.
QString shown(QByteArrayView bytes)
{
    QByteArray text;
    appendEscaped(text, bytes.first(qMin(bytes.size(), qsizetype(60))));
    return QString::fromLatin1(text);
}

std::optional<QString> unescape(QByteArrayView field, QByteArray &out)
{
    out.clear();
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c != '\\') {
            out.append(c);
            continue;
        }
        if (i + 1 == field.size())
            return QStringLiteral("backslash at the end of a field (write \\\\ for a backslash)");
        switch (field[++i]) {
        case '\\': out.append('\\'); break;
        case 't': out.append('\t'); break;
        case 'n': out.append('\n'); break;
        case 'r': out.append('\r'); break;
        default:
            return QStringLiteral("bad escape \"\\%1\" (only \\\\, \\t, \\n and \\r)").arg(shown(field.sliced(i, 1)));
        }
    }
    return std::nullopt;
}

std::optional<QString> parseLine(QByteArrayView line, TKbItem &item)
{
    if (line.contains('\r'))
        return QStringLiteral("raw carriage return (write it as \\r)");
    QByteArrayView fields[KbTsvFieldCount];
    int count = 0;
    qsizetype start = 0;
    for (;;) {
        const qsizetype tab = line.indexOf('\t', start);
        const QByteArrayView field = tab < 0 ? line.sliced(start) : line.sliced(start, tab - start);
        if (count == KbTsvFieldCount) {
            int total = count + 1;
            for (qsizetype i = start; (i = line.indexOf('\t', i)) >= 0; ++i)
                ++total;
            return QStringLiteral("too many fields (%1, at most %2)").arg(total).arg(KbTsvFieldCount);
        }
        fields[count++] = field;
        if (tab < 0)
            break;
        start = tab + 1;
    }
    QByteArray text;
    for (int t = 0; t < TKbItem::TextCount && t < count; ++t) {
        if (const auto error = unescape(fields[t], text))
            return QStringLiteral("field %1: %2").arg(t + 1).arg(*error);
        if (!text.isEmpty())
            item.setText(TKbItem::Text(t), text);
    }
    const QByteArrayView attributes = fields[KbTsvFieldCount - 1];
    if (count == KbTsvFieldCount && !attributes.isEmpty()) {
        qsizetype from = 0;
        for (;;) {
            const qsizetype comma = attributes.indexOf(',', from);
            const QByteArrayView name = comma < 0 ? attributes.sliced(from) : attributes.sliced(from, comma - from);
            if (name.isEmpty())
                return QStringLiteral("empty attribute name");
            const std::optional<TKbiAttribute> attribute = attributeByName(name);
            if (!attribute)
                return QStringLiteral("unknown attribute \"%1\"").arg(shown(name));
            item.setAttribute(*attribute);
            if (comma < 0)
                break;
            from = comma + 1;
        }
    }
    return std::nullopt;
}

} // namespace

void appendTsvLine(QByteArray &out, const TKbItem &item)
{
    for (int t = 0; t < TKbItem::TextCount; ++t) {
        appendEscaped(out, item.text(TKbItem::Text(t)));
        out.append('\t');
    }
    bool first = true;
    for (int k = 0; k < KbiAttributeCount; ++k) {
        if (item.hasAttribute(TKbiAttribute(k))) {
            if (!first)
                out.append(',');
            out.append(attributeNameBytes(TKbiAttribute(k)));
            first = false;
        }
    }
    out.append('\n');
}

std::optional<TsvError> parseTsv(QByteArrayView input, TKbItems &items)
{
    qsizetype start = 0;
    int lineNumber = 0;
    while (start < input.size()) {
        ++lineNumber;
        const qsizetype newline = input.indexOf('\n', start);
        const qsizetype end = newline < 0 ? input.size() : newline;
        TKbItem &item = items.Add();
        if (const auto error = parseLine(input.sliced(start, end - start), item))
            return TsvError{lineNumber, *error};
        start = end + 1;
    }
    return std::nullopt;
}
