// SPDX-License-Identifier: GPL-3.0-or-later
// Sound files from anywhere, handed to SDL_mixer the way the game hands them
// over. The first byte picks the way, the rest is the file: 0 an upper-case
// ".WAV" effect from the sound table, 1 a ".music" file (table, media player
// and music loop), 2 a lower-case ".wav" effect and the music loop, 3 an MP3
// effect. The mixer is not instrumented, so guidance stops at its door; what
// is found there is a crash, a hang or memory gone wild.

#include "sound/device/mixer_loading.h"
#include "sound/media_route.h"
#include "sound/wave_format.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <unistd.h>

namespace {

void openMixer()
{
    static const bool open = [] {
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0)
            std::abort();
        Mix_Init(MIX_INIT_MP3);
        return true;
    }();
    (void)open;
}

void playChunk(const QByteArray &image)
{
    if (Mix_Chunk *chunk = MixerLoading::waveChunk(image))
        Mix_FreeChunk(chunk);
}

// The media player: the game's route, then the mixer's loader; the whole
// file is then decoded once through the same codec, as playing it would.
void playThroughMediaPlayer(const QString &listedName, QByteArray bytes)
{
    Mix_Music *music = nullptr;
    switch (mediaRoute(listedName, bytes)) {
    case MediaRoute::Image:
        music = MixerLoading::musicImage(bytes);
        break;
    case MediaRoute::File: {
        // Only MP3s go this way: read whole, their tags cut off, from memory.
        music = MixerLoading::mp3Image(bytes);
        break;
    }
    case MediaRoute::Nothing:
        return;
    }
    if (!music)
        return;
    Mix_FreeMusic(music);
    if (SDL_RWops *source = SDL_RWFromConstMem(bytes.constData(), int(bytes.size()))) {
        if (Mix_Chunk *decoded = Mix_LoadWAV_RW(source, 1))
            Mix_FreeChunk(decoded);
    }
}

// The music loop: a file that does not start "RIFF" is taken for the headerless form.
void playMusicLoop(const QByteArray &file)
{
    playChunk((file.startsWith("RIFF") ? file : rebuildHeaderlessWave(file)) + QByteArray(1, '\0'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    openMixer();
    const QByteArray file(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    // The sound table holds each file with one zero byte after it; playing
    // adds another.
    const QByteArray zero(1, '\0');
    switch (data[0] % 4) {
    case 0:
        playChunk(file + zero + zero);
        break;
    case 1: {
        const QByteArray rebuilt = rebuildHeaderlessWave(file);
        playChunk(rebuilt + zero + zero);
        playThroughMediaPlayer(QStringLiteral("effect.music"), file);
        playMusicLoop(file);
        break;
    }
    case 2:
        playThroughMediaPlayer(QStringLiteral("effect.wav"), file);
        playMusicLoop(file);
        break;
    case 3:
        playThroughMediaPlayer(QStringLiteral("effect.mp3"), file);
        break;
    }
    return 0;
}
