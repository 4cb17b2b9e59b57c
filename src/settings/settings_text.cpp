// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's text rules: blanks, names and the two encodings of values.
#include "settings/settings_text.h"

#include "words/windows1252.h"

#include <QStringDecoder>

namespace SettingsText {

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

} // namespace SettingsText
