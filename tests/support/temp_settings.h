// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A settings file for a test: the game's file name in an empty temporary
// folder of its own, which goes, with all that was written in it, when the
// object does.

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <optional>

// The settings file a program folder holds.
inline QString settingsFileIn(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("ZRV_XQ.INI"));
}

class TempSettings
{
public:
    TempSettings() { renew(); }

    // A new empty folder in place of the last one (each test's init() starts
    // afresh); returns the settings file's path, not written yet.
    const QString &renew()
    {
        m_folder.reset();
        m_folder.emplace();
        if (!m_folder->isValid())
            qFatal("no temporary folder: %s", qPrintable(m_folder->errorString()));
        m_path = settingsFileIn(m_folder->path());
        return m_path;
    }

    const QString &path() const { return m_path; }
    QString folder() const { return m_folder->path(); }
    // Another file in the same folder.
    QString filePath(const QString &name) const { return m_folder->filePath(name); }

private:
    std::optional<QTemporaryDir> m_folder;
    QString m_path;
};
