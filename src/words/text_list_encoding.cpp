// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a word list in UTF-8 or Windows-1252 into the dictionary's single-byte text.
#include "words/text_list_encoding.h"

#include "words/windows1252.h"

#include <QList>
#include <QStringDecoder>

namespace {

bool isUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

std::optional<QString> appendUtf8Line(QByteArrayView line, QByteArray &out)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(line);
    if (decoder.hasError())
        return QStringLiteral("not UTF-8 text, though the file starts with a UTF-8 byte-order mark");
    for (const char32_t c : text.toUcs4()) {
        char byte;
        if (!toWindows1252(c, byte))
            return QStringLiteral("\"%1\" (U+%2) cannot be stored: a dictionary holds Windows-1252 text")
                .arg(QString::fromUcs4(&c, 1), QString::number(uint(c), 16).toUpper().rightJustified(4, '0'));
        out.append(byte);
    }
    return std::nullopt;
}

} // namespace

std::optional<TsvError> textListToWindows1252(QByteArrayView input, QByteArray &out)
{
    out.clear();
    const bool marked = input.startsWith("\xEF\xBB\xBF");
    if (marked)
        input = input.sliced(3);
    const bool utf8 = marked || isUtf8(input);
    out.reserve(input.size());
    int lineNumber = 0;
    for (qsizetype start = 0; start < input.size();) {
        ++lineNumber;
        const qsizetype newline = input.indexOf('\n', start);
        const qsizetype end = newline < 0 ? input.size() : newline;
        QByteArrayView line = input.sliced(start, end - start);
        if (newline >= 0 && line.endsWith('\r'))
            line.chop(1);
        if (!utf8)
            out.append(line.data(), line.size());
        else if (const auto error = appendUtf8Line(line, out))
            return TsvError{lineNumber, *error};
        if (newline >= 0)
            out.append('\n');
        start = end + 1;
    }
    return std::nullopt;
}
