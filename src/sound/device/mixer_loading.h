// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;
struct SDL_RWops;

// Every way the game hands a file to SDL_mixer, in one place so that the
// fuzz target hands its inputs over exactly so. Each returns null for what
// the mixer cannot or must not take.
namespace MixerLoading {

// A WAVE image from memory for the wave output, checked before the mixer sees it.
Mix_Chunk *waveChunk(const QByteArray &image);

// A whole file image for the media player, held by the caller while the
// music lives: only a WAVE image with a playable header.
Mix_Music *musicImage(const QByteArray &image);

// A file for the media player, opened as the mixer opens a path: by its
// name's extension (an MP3).
Mix_Music *musicFile(const QString &path);

} // namespace MixerLoading
