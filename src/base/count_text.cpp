// SPDX-License-Identifier: GPL-3.0-or-later
// Texts with a count, in the plural form of the game's language.
#include "base/count_text.h"

#include <QCoreApplication>

QString countText(const char *context, const char *source, int n)
{
    QString text = QCoreApplication::translate(context, source, nullptr, n);
    const QString untranslated = QString::fromUtf8(source).replace(QLatin1String("%n"), QString::number(n));
    if (text == untranslated)
        text.replace(QLatin1String("(s)"), n == 1 ? QString() : QStringLiteral("s"));
    return text;
}
