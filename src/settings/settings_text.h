// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The settings file's text rules, shared by its reads and its writes.
namespace SettingsText {

inline const QByteArray Utf8Bom("\xEF\xBB\xBF");

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

inline bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QString trimBlanks(QStringView text);

// Names and values are UTF-8; what is not valid UTF-8 came from an older tool
// in the Windows code page.
QString decodeText(QByteArrayView bytes);

bool sameName(QByteArrayView bytes, const QString &name);

} // namespace SettingsText
