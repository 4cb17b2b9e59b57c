// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// How an effect that is not played from the sound table reaches the media
// player. WAVE files (a ".wav" in any case, a rebuilt ".music", anything
// starting "RIFF") go as the very bytes whose header was checked: a header
// the mixer cannot play (no channels, say) would crash its loader. Other
// files (MP3) are opened by path.
enum class MediaRoute { Nothing, Image, File };

// bytes: the file as read; a ".music" file is rebuilt in place.
MediaRoute mediaRoute(const QString &listedName, QByteArray &bytes);
