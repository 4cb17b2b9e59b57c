// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QString>
#include <QStringList>
#include <memory>

class OptionsModel;
class SettingsFile;

// Where the installation's complaints go; the game shows them in a warning box.
class InstallationWarnings
{
public:
    virtual ~InstallationWarnings() = default;
    virtual void warnInstallation(const QString &text) = 0;
};

// What the program finds in its folder at start-up, in this order: the music
// and sound folders fill the sound choices ("None" first), the run's one
// settings file (ProgramFolder + "ZRV_XQ.INI") is opened, the dictionaries of
// "kbs" are listed, and every saved option is restored. Missing folders are
// reported in one warning and start-up goes on with what is there.
class Installation
{
public:
    // settingsRead runs as soon as the settings file is read, before any of
    // the installation's own texts is made: the run's language comes from it.
    using SettingsReadStep = std::function<void(const SettingsFile &)>;
    Installation(OptionsModel &options, InstallationWarnings &warnings, const SettingsReadStep &settingsRead = {});
    ~Installation();
    Installation(const Installation &) = delete;
    Installation &operator=(const Installation &) = delete;

    QString folder() const; // the program folder, with its trailing '/'
    SettingsFile &settings() { return *m_settings; }

    // Folders found missing (full paths), in the order reported.
    QStringList missingFolders() const { return m_missingFolders; }

private:
    std::unique_ptr<SettingsFile> m_settings;
    QStringList m_missingFolders;
};
