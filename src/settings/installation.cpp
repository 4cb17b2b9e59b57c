// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up in the program folder: sounds, music, dictionaries, the settings file, the options restored.
#include "settings/installation.h"

#include "settings/options_model.h"
#include "settings/player_folders.h"
#include "base/program_folder.h"
#include "settings/settings_file.h"
#include "settings/starting_settings.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>
#include <QCoreApplication>

namespace {

const QString None = QStringLiteral("None");

// The files of a folder whose extension is one of extensions (".wav"),
// without regard to case, sorted by name without regard to case. Compared by
// hand: name filters would build a regular expression per mask at start-up.
QStringList listFolder(const QString &folder, const QStringList &extensions)
{
    QStringList names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        const QString name = it.nextFileInfo().fileName();
        for (const QString &extension : extensions) {
            if (name.endsWith(extension, Qt::CaseInsensitive)) {
                names << name;
                break;
            }
        }
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int blind = a.compare(b, Qt::CaseInsensitive);
        return blind != 0 ? blind < 0 : a < b;
    });
    return names;
}

} // namespace

Installation::Installation(OptionsModel &options, InstallationWarnings &warnings, const SettingsReadStep &settingsRead)
{
    // 1. The music and sound folders fill the choosers, "None" first.
    const QStringList soundExtensions = {QStringLiteral(".wav"), QStringLiteral(".mp3"), QStringLiteral(".music")};
    const QString musicFolder = dataPath(QStringLiteral("music"));
    const QString soundFolder = dataPath(QStringLiteral("sound"));
    const QString kbsFolder = dataPath(QStringLiteral("kbs"));
    for (const QString &path : {musicFolder, soundFolder, kbsFolder}) {
        if (!QDir(path).exists())
            m_missingFolders << QDir::toNativeSeparators(path);
    }
    // The player's own files join the shipped ones.
    const auto listBoth = [](const QString &folder, const QString &kind, const QStringList &extensions) {
        return PlayerFolders::mergeFileLists(listFolder(folder, extensions),
                                             listFolder(PlayerFolders::playerDataFolder(kind), extensions));
    };
    options.setMusicChoices(QStringList{None} + listBoth(musicFolder, QStringLiteral("music"), soundExtensions));
    options.setSoundChoices(QStringList{None} + listBoth(soundFolder, QStringLiteral("sound"), soundExtensions));

    // 2. The run's one settings file, where the player's files live; a new
    // player's starts as the shipped one, with the sounds chosen.
    const QString settingsPath = PlayerFolders::settingsFilePath();
    StartingSettings::provide(settingsPath);
    m_settings = std::make_unique<SettingsFile>(settingsPath);
    if (settingsRead)
        settingsRead(*m_settings);
    // What a write killed before its rename left behind goes now.
    m_settings->removeLeftovers();

    // 3. The dictionaries: file names minus their extension.
    QStringList dictionaries = listBoth(kbsFolder, QStringLiteral("kbs"), {QStringLiteral(".dic")});
    for (QString &name : dictionaries)
        name.chop(4);
    options.setDictionaryNames(dictionaries);

    // 4. Every saved option.
    options.restore(*m_settings);

    // A FIFO, a device or a huge file is not read, and not written over either.
    if (!m_settings->readable())
        warnings.warnInstallation(
            QCoreApplication::translate("Files", "Cannot read the settings file %1. The game starts with its "
                                                 "default settings and leaves that file as it is.")
                .arg(QDir::toNativeSeparators(settingsPath)));
    // The installation is damaged, but the game can still run on what is there.
    if (!m_missingFolders.isEmpty()) {
        QStringList lines;
        for (const QString &path : m_missingFolders)
            lines << QCoreApplication::translate("Files", "Cannot open folder %1").arg(path);
        warnings.warnInstallation(lines.join(u'\n'));
    }
}

Installation::~Installation() = default;

QString Installation::folder() const
{
    return programFolder();
}
