// SPDX-License-Identifier: GPL-3.0-or-later
// The checks and calls through which every sound file reaches SDL_mixer.
#include "sound/device/mixer_loading.h"

#include "sound/wave_format.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QFile>

namespace MixerLoading {

Mix_Chunk *waveChunk(const QByteArray &image)
{
    // Only a sound WAVE image; the mixer would also take other formats.
    if (!parseWave(image))
        return nullptr;
    SDL_RWops *source = SDL_RWFromConstMem(image.constData(), int(image.size()));
    return source ? Mix_LoadWAV_RW(source, 1) : nullptr;
}

Mix_Music *musicImage(const QByteArray &image)
{
    if (!parseWave(image))
        return nullptr;
    SDL_RWops *source = SDL_RWFromConstMem(image.constData(), int(image.size()));
    return source ? Mix_LoadMUSType_RW(source, MUS_WAV, 1) : nullptr;
}

Mix_Music *musicFile(const QString &path)
{
    return Mix_LoadMUS(QFile::encodeName(path).constData());
}

} // namespace MixerLoading
