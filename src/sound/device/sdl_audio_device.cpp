#include "sound/device/sdl_audio_device.h"

#include "sound/wave_format.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QByteArray>
#include <QFile>

#include <algorithm>

namespace {
constexpr int WaveChannel = 0;
constexpr int Frequency = 44100;
constexpr int OutputChannels = 2;
constexpr int BufferFrames = 1024;

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
    freeChunk();
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
    // The mixer's own volumes have only 128 steps; the game's level has 65536.
    const int level = static_cast<SdlAudioDevice *>(device)->m_level.load(std::memory_order_relaxed);
    if (level >= FullLevel)
        return;
    auto *samples = reinterpret_cast<Sint16 *>(stream);
    const int count = length / int(sizeof(Sint16));
    for (int i = 0; i < count; ++i)
        samples[i] = Sint16(int(samples[i]) * level / FullLevel);
}

void SdlAudioDevice::setLevel(int level)
{
    m_level = std::clamp(level, 0, int(FullLevel));
}

void SdlAudioDevice::freeChunk()
{
    if (m_chunk) {
        Mix_FreeChunk(m_chunk);
        m_chunk = nullptr;
    }
}

void SdlAudioDevice::playWave(const QByteArray &image, bool loop)
{
    if (!isOpen())
        return;
    Mix_HaltChannel(WaveChannel);
    freeChunk();
    // Only a sound WAVE image; the mixer would also take other formats.
    if (!parseWave(image))
        return;
    SDL_RWops *source = SDL_RWFromConstMem(image.constData(), int(image.size()));
    if (!source)
        return;
    m_chunk = Mix_LoadWAV_RW(source, 1);
    if (!m_chunk)
        return;
    if (Mix_PlayChannel(WaveChannel, m_chunk, loop ? -1 : 0) < 0)
        freeChunk();
}

void SdlAudioDevice::stopWave()
{
    if (isOpen())
        Mix_HaltChannel(WaveChannel);
}

bool SdlAudioDevice::open(const QString &path)
{
    close();
    if (!isOpen())
        return false;
    m_music = Mix_LoadMUS(QFile::encodeName(path).constData());
    return m_music != nullptr;
}

bool SdlAudioDevice::openImage(const QByteArray &image)
{
    close();
    if (!isOpen())
        return false;
    m_musicImage = image;
    SDL_RWops *source = SDL_RWFromConstMem(m_musicImage.constData(), int(m_musicImage.size()));
    if (source)
        m_music = Mix_LoadMUS_RW(source, 1);
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
    if (m_open)
        Mix_HaltMusic();
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
