// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped starting settings, copied for a player who has none.
#include "settings/starting_settings.h"

#include "base/program_folder.h"

#include <QFile>
#include <QFileInfo>

namespace StartingSettings {

bool provide(const QString &settingsPath)
{
    if (QFileInfo::exists(settingsPath) || QFileInfo(settingsPath).isSymLink())
        return false;
    const QString shipped = dataPath(QString::fromLatin1(FileName));
    if (!QFileInfo(shipped).isFile() || !QFile::copy(shipped, settingsPath))
        return false;
    // The copy is the player's to rewrite, whatever the installed file's mode.
    QFile::setPermissions(settingsPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

} // namespace StartingSettings
