#pragma once

#include "sound/audio_device.h"

#include <QByteArray>
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

// The game's audio output on SDL2_mixer: one reserved channel is the wave
// output, the mixer's music stream is the media player, and the output level
// scales everything that is mixed. The system mixer is never touched.
//
// Opening the device costs tens of milliseconds, so it opens on a thread of
// its own from construction on; the first request that needs it waits for
// that. When no audio driver opens (no card, no sound server), everything
// stays silent and nothing is reported.
class SdlAudioDevice : public QObject, public AudioDevice, private MediaPlayer
{
    Q_OBJECT
public:
    SdlAudioDevice();
    ~SdlAudioDevice() override;

    // Whether the device opened; waits for the opening.
    bool isOpen();

    void playWave(const QByteArray &image, bool loop) override;
    void stopWave() override;
    int level() const override { return m_level.load(); }
    void setLevel(int level) override;
    MediaPlayer &mediaPlayer() override { return *this; }

private:
    bool open(const QString &path) override;
    bool openImage(const QByteArray &image) override;
    bool play(std::function<void()> onFinished) override;
    void stop() override;
    void close() override;

    void openDevice();
    void freeChunk();
    static void musicFinished();
    static void scaleOutput(void *device, unsigned char *stream, int length);

    std::thread m_opener;
    bool m_open = false;
    std::atomic<int> m_level{FullLevel};

    Mix_Chunk *m_chunk = nullptr;
    Mix_Music *m_music = nullptr;
    QByteArray m_musicImage; // streamed from while the music plays
    std::function<void()> m_onFinished;
    // Counts every start and stop of the media player: a notice for a play
    // that has since been stopped is dropped.
    std::atomic<unsigned> m_playNumber{0};
};
