// SPDX-License-Identifier: GPL-3.0-or-later
// Asking the desktop which application opens HTML pages.
#include "ui/desktop/html_handler.h"

#include "base/whole_file.h"

#include <QProcess>
#include <QStandardPaths>

namespace HtmlHandler {

bool isBrowserEntry(const QByteArray &entry)
{
    bool inMainGroup = false;
    for (QByteArray line : entry.split('\n')) {
        line = line.trimmed();
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inMainGroup)
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QList<QByteArray> values = line.mid(equals + 1).trimmed().split(';');
        if (key == "Categories" && values.contains("WebBrowser"))
            return true;
        if (key == "MimeType" && (values.contains("x-scheme-handler/http") || values.contains("x-scheme-handler/https")))
            return true;
    }
    return false;
}

Default forHtml()
{
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty())
        return Default::Unknown;
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    // It answers at once; one that hangs counts as no answer.
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(1000);
        return Default::Unknown;
    }
    const QString id = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed().section(u'\n', 0, 0);
    if (id.isEmpty())
        return Default::NoBrowser;
    const QString entryPath = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
    // A desktop entry is a few kilobytes; a name that leads nowhere is no browser.
    const std::optional<QByteArray> entry = entryPath.isEmpty() ? std::nullopt : readFile(entryPath, FileKind::List);
    return entry && isBrowserEntry(*entry) ? Default::Browser : Default::NoBrowser;
}

} // namespace HtmlHandler
