// SPDX-License-Identifier: GPL-3.0-or-later
// Which way a media-player effect goes to the mixer, and the check on the way.
#include "sound/media_route.h"

#include "sound/sound_table.h"
#include "sound/wave_format.h"

MediaRoute mediaRoute(const QString &listedName, QByteArray &bytes)
{
    if (isHeaderlessName(listedName))
        bytes = rebuildHeaderlessWave(bytes);
    const bool wave = bytes.startsWith("RIFF") || listedName.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive)
                      || isHeaderlessName(listedName);
    if (!wave)
        return MediaRoute::File;
    return parseWave(bytes) ? MediaRoute::Image : MediaRoute::Nothing;
}
