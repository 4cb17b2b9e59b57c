// SPDX-License-Identifier: GPL-3.0-or-later
// The checks and calls through which every sound file reaches SDL_mixer.
#include "sound/device/mixer_loading.h"

#include "sound/wave_format.h"

#include <SDL.h>
#include <SDL_mixer.h>


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

namespace {
quint32 littleEndian32(const char *p)
{
    const auto *b = reinterpret_cast<const unsigned char *>(p);
    return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
}
} // namespace

bool stripMp3Tags(QByteArray &image)
{
    // ID3v2 at the start, possibly more than one: a ten-byte header whose
    // size is four 7-bit bytes, and a footer of ten more when flag 0x10 says so.
    while (image.size() >= 10 && image.startsWith("ID3")) {
        qint64 size = 0;
        for (int i = 6; i < 10; ++i) {
            const auto byte = static_cast<unsigned char>(image[i]);
            if (byte & 0x80)
                return false;
            size = size << 7 | byte;
        }
        size += 10 + ((static_cast<unsigned char>(image[5]) & 0x10) ? 10 : 0);
        if (size > image.size())
            return false;
        image.remove(0, qsizetype(size));
    }
    for (bool cut = true; cut;) {
        cut = false;
        // ID3v1: the last 128 bytes, starting "TAG".
        if (image.size() >= 128 && image.mid(image.size() - 128, 3) == "TAG") {
            image.chop(128);
            cut = true;
        }
        // APE: a 32-byte footer "APETAGEX" whose size counts the items and the
        // footer, with a 32-byte header before them when bit 31 of its flags is set.
        if (image.size() >= 32 && image.mid(image.size() - 32, 8) == "APETAGEX") {
            const char *footer = image.constData() + image.size() - 32;
            qint64 size = littleEndian32(footer + 12);
            if (littleEndian32(footer + 20) & 0x80000000u)
                size += 32;
            if (size < 32 || size > image.size())
                return false;
            image.chop(qsizetype(size));
            cut = true;
        }
    }
    return !image.isEmpty();
}

Mix_Music *mp3Image(QByteArray &image)
{
    if (!stripMp3Tags(image))
        return nullptr;
    SDL_RWops *source = SDL_RWFromConstMem(image.constData(), int(image.size()));
    return source ? Mix_LoadMUSType_RW(source, MUS_MP3, 1) : nullptr;
}

} // namespace MixerLoading
