// SPDX-License-Identifier: GPL-3.0-or-later
// The game's audio output on SDL2_mixer: wave output, media player, level and smooth cuts.
#include "sound/device/sdl_audio_device.h"

#include "sound/device/mixer_loading.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "base/whole_file.h"

#include <QByteArray>

#include <algorithm>

namespace {
constexpr int WaveChannel = 0;
constexpr int Frequency = 44100;
constexpr int OutputChannels = 2;
constexpr int BufferFrames = 1024;
constexpr int CutRampFrames = Frequency * 5 / 1000; // 5 ms
// Converted sounds kept for playing again: a minute of music and every effect.
constexpr Uint32 ConvertedWaveBudget = 16 << 20;

// The one open device, for the mixer's hooks (which carry no context).
std::atomic<SdlAudioDevice *> s_device{nullptr};
} // namespace

SdlAudioDevice::SdlAudioDevice()
{
    m_opener = std::thread([this] {
        openDevice();
        // SDL keeps per-thread data (its error text) that it frees only for
        // threads it started itself.
        SDL_TLSCleanup();
    });
}

SdlAudioDevice::~SdlAudioDevice()
{
    if (!isOpen())
        return;
    Mix_HookMusicFinished(nullptr);
    Mix_SetPostMix(nullptr, nullptr);
    ++m_playNumber;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    freeConvertedWaves();
    if (m_music)
        Mix_FreeMusic(m_music);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    s_device = nullptr;
}

void SdlAudioDevice::openDevice()
{
    // The game's own handlers (Ctrl+C, the window system's quit) stay in charge.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    if (Mix_OpenAudio(Frequency, AUDIO_S16SYS, OutputChannels, BufferFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_Init(MIX_INIT_MP3);
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) && channels > 0)
        m_outputChannels = std::min(channels, int(std::size(m_lastFrame)));
    Mix_AllocateChannels(1);
    Mix_ReserveChannels(1);
    Mix_SetPostMix(&SdlAudioDevice::scaleOutput, this);
    s_device = this;
    Mix_HookMusicFinished(&SdlAudioDevice::musicFinished);
    m_open = true;
}

bool SdlAudioDevice::isOpen()
{
    if (m_opener.joinable())
        m_opener.join();
    return m_open;
}

void SdlAudioDevice::scaleOutput(void *device, unsigned char *stream, int length)
{
    auto *self = static_cast<SdlAudioDevice *>(device);
    auto *samples = reinterpret_cast<Sint16 *>(stream);
    const int count = length / int(sizeof(Sint16));
    // The mixer's own volumes have only 128 steps; the game's level has 65536.
    const int level = self->m_level.load(std::memory_order_relaxed);
    if (level < FullLevel) {
        for (int i = 0; i < count; ++i)
            samples[i] = Sint16(int(samples[i]) * level / FullLevel);
    }
    const int channels = self->m_outputChannels;
    const int frames = count / channels;
    if (frames == 0)
        return;
    if (self->m_cut.exchange(false))
        self->smoothCut(samples, frames);
    std::copy_n(samples + (frames - 1) * channels, channels, self->m_lastFrame);
}

void SdlAudioDevice::smoothCut(Sint16 *samples, int frames)
{
    const int channels = m_outputChannels;
    const int ramp = std::min(frames, CutRampFrames);
    for (int c = 0; c < channels; ++c) {
        const int step = int(m_lastFrame[c]) - int(samples[c]);
        for (int i = 0; i < ramp; ++i) {
            const int value = int(samples[i * channels + c]) + step * (ramp - i) / ramp;
            samples[i * channels + c] = Sint16(std::clamp(value, -32768, 32767));
        }
    }
}

void SdlAudioDevice::setLevel(int level)
{
    m_level = std::clamp(level, 0, int(FullLevel));
}

void SdlAudioDevice::playWave(const QByteArray &image, bool loop)
{
    if (!isOpen())
        return;
    // Found or converted before the halt, so that the new sound follows the old at once.
    Mix_Chunk *chunk = convertedWave(image);
    markCut();
    Mix_HaltChannel(WaveChannel);
    if (chunk)
        Mix_PlayChannel(WaveChannel, chunk, loop ? -1 : 0);
    // Again: a mix that ran between the first mark and the halt used it up.
    markCut();
    trimConvertedWaves();
}

Mix_Chunk *SdlAudioDevice::convertedWave(const QByteArray &image)
{
    const auto known = std::find_if(m_converted.begin(), m_converted.end(),
                                    [&image](const ConvertedWave &wave) { return wave.image == image; });
    if (known != m_converted.end()) {
        std::rotate(known, known + 1, m_converted.end());
        return m_converted.back().chunk;
    }
    Mix_Chunk *chunk = MixerLoading::waveChunk(image);
    if (chunk)
        m_converted.push_back({image, chunk});
    return chunk;
}

void SdlAudioDevice::trimConvertedWaves()
{
    // The channel plays at most the last sound given, and only that one.
    Uint64 kept = 0;
    auto firstKept = m_converted.end();
    while (firstKept != m_converted.begin()) {
        const Uint32 bytes = std::prev(firstKept)->chunk->alen;
        if (firstKept != m_converted.end() && kept + bytes > ConvertedWaveBudget)
            break;
        kept += bytes;
        --firstKept;
    }
    for (auto wave = m_converted.begin(); wave != firstKept; ++wave)
        Mix_FreeChunk(wave->chunk);
    m_converted.erase(m_converted.begin(), firstKept);
}

void SdlAudioDevice::freeConvertedWaves()
{
    for (const ConvertedWave &wave : m_converted)
        Mix_FreeChunk(wave.chunk);
    m_converted.clear();
}

void SdlAudioDevice::setPaused(bool paused)
{
    if (!isOpen())
        return;
    if (paused) {
        Mix_Pause(WaveChannel);
        Mix_PauseMusic();
    } else {
        Mix_Resume(WaveChannel);
        Mix_ResumeMusic();
    }
}

void SdlAudioDevice::stopWave()
{
    if (!isOpen())
        return;
    markCut();
    Mix_HaltChannel(WaveChannel);
    markCut();
}

bool SdlAudioDevice::open(const QString &path)
{
    close();
    if (!isOpen())
        return false;
    // Read whole (the game checked its type and size before) so that its tags
    // can be cut off before the mixer reads them.
    std::optional<QByteArray> bytes = readFile(path, FileKind::Sound);
    if (!bytes)
        return false;
    m_musicImage = std::move(*bytes);
    m_music = m_musicImage.startsWith("RIFF") ? MixerLoading::musicImage(m_musicImage)
                                               : MixerLoading::mp3Image(m_musicImage);
    if (!m_music)
        m_musicImage.clear();
    return m_music != nullptr;
}

bool SdlAudioDevice::openImage(const QByteArray &image)
{
    close();
    if (!isOpen())
        return false;
    m_musicImage = image;
    m_music = MixerLoading::musicImage(m_musicImage);
    if (!m_music)
        m_musicImage.clear();
    return m_music != nullptr;
}

bool SdlAudioDevice::play(std::function<void()> onFinished)
{
    if (!m_music)
        return false;
    ++m_playNumber;
    m_onFinished = std::move(onFinished);
    return Mix_PlayMusic(m_music, 0) == 0;
}

void SdlAudioDevice::stop()
{
    // The mixer calls its finished hook for a halt as well, right inside the
    // halt: the notice it posts carries a number that is stale once we return.
    ++m_playNumber;
    if (m_open) {
        markCut();
        Mix_HaltMusic();
        markCut();
    }
    ++m_playNumber;
}

void SdlAudioDevice::close()
{
    stop();
    if (m_music) {
        Mix_FreeMusic(m_music);
        m_music = nullptr;
    }
    m_musicImage.clear();
    m_onFinished = nullptr;
}

void SdlAudioDevice::musicFinished()
{
    // On the mixer's thread: only post the notice back to the device's thread.
    SdlAudioDevice *device = s_device.load();
    if (!device)
        return;
    const unsigned number = device->m_playNumber.load();
    QMetaObject::invokeMethod(
        device,
        [device, number] {
            if (number != device->m_playNumber.load() || !device->m_onFinished)
                return;
            auto notify = device->m_onFinished;
            notify();
        },
        Qt::QueuedConnection);
}
