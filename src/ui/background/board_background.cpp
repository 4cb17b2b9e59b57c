// SPDX-License-Identifier: GPL-3.0-or-later
// The board's picture and stretch flag: restored at start, changed from the Background dialog.
#include "ui/background/board_background.h"

#include "settings/settings_file.h"
#include "ui/background/background_image.h"

#include <QFileInfo>

namespace {
const QString BackgroundOptions = QStringLiteral("Options");
} // namespace

void BoardBackground::restore(const SettingsFile &settings, const QString &copyPath)
{
    if (!m_picked && QFileInfo::exists(copyPath))
        m_image.loadPicture(copyPath);
    m_image.setStretch(settings.readBool(BackgroundOptions, QStringLiteral("Stretch"), true));
}

bool BoardBackground::pick(const QString &path, SettingsFile &settings)
{
    if (!m_image.loadPicture(path))
        return false;
    m_picked = true;
    settings.writeString(BackgroundOptions, QStringLiteral("Picture"), path);
    return true;
}

void BoardBackground::setStretch(bool on, SettingsFile &settings)
{
    m_image.setStretch(on);
    settings.writeBool(BackgroundOptions, QStringLiteral("Stretch"), on);
}

QString BoardBackground::storedPicture(const SettingsFile &settings)
{
    return settings.readString(BackgroundOptions, QStringLiteral("Picture"), QString());
}
