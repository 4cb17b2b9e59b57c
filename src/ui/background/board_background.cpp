// SPDX-License-Identifier: GPL-3.0-or-later
// The board's picture and stretch flag: restored at start, changed from the Background dialog.
#include "ui/background/board_background.h"

#include "settings/settings_file.h"
#include "ui/background/background_image.h"

#include <QFileInfo>

void BoardBackground::restore(const SettingsFile &settings, const QString &copyPath)
{
    if (!m_picked && QFileInfo::exists(copyPath))
        m_image.loadPicture(copyPath);
    m_image.setStretch(settings.readBool(OptionsSection, QStringLiteral("Stretch"), true));
}

bool BoardBackground::pick(const QString &path, SettingsFile &settings)
{
    if (!m_image.loadPicture(path))
        return false;
    m_picked = true;
    settings.writeString(OptionsSection, QStringLiteral("Picture"), path);
    return true;
}

void BoardBackground::setStretch(bool on, SettingsFile &settings)
{
    m_image.setStretch(on);
    settings.writeBool(OptionsSection, QStringLiteral("Stretch"), on);
}

QString BoardBackground::storedPicture(const SettingsFile &settings)
{
    return settings.readString(OptionsSection, QStringLiteral("Picture"), QString());
}
