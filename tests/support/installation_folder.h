// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A program folder for installation and Options dialog tests: dictionaries,
// sounds and music in mixed letter case, with files that must not be listed.

#include "base/program_folder.h"
#include "support/temp_settings.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTest>

// Writes bytes as the whole file (empty by default).
inline void touch(const QString &path, const QByteArray &bytes = QByteArray())
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

// Fills the settings file's folder and makes it the program folder.
inline void fillInstallationFolder(const TempSettings &folder)
{
    const QDir root(folder.folder());
    for (const char *name : {"kbs", "sound", "music"})
        QVERIFY(root.mkpath(name));
    for (const char *file : {"kbs/Birds.dic", "kbs/animals.DIC", "kbs/Cities.dic", "kbs/readme.txt",
                             "sound/b.WAV", "sound/A.mp3", "sound/c.music", "sound/notes.txt", "sound/E.Wav",
                             "music/tune.mp3", "music/Calm.MUSIC"})
        touch(root.filePath(file));
    setProgramFolder(folder.folder());
}
