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

// An MP3 image for the media player, held by the caller while the music
// lives. Its ID3 and APE tags are cut off first: the mixer's own tag reader
// overruns its buffers on damaged tags, and the game needs only the sound.
Mix_Music *mp3Image(QByteArray &image);

// The MP3 frames of an image without its leading ID3v2 and trailing ID3v1
// and APE tags; false when a tag claims more bytes than the image holds.
bool stripMp3Tags(QByteArray &image);

} // namespace MixerLoading
