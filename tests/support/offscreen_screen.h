// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

// Runs the offscreen platform on one screen of the given size, described in a
// file in dir (which must outlive the application). False when it cannot be written.
inline bool useOffscreenScreen(const QTemporaryDir &dir, int width, int height)
{
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral(R"({ "screens": [ { "name": "screen", "x": 0, "y": 0, "width": %1, "height": %2,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] })")
                   .arg(width)
                   .arg(height)
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    return true;
}
