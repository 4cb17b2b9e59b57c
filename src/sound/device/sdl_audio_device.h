// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/audio_device.h"

#include <QByteArray>
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include <SDL_stdinc.h>

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
    void setPaused(bool paused) override;
    int level() const override { return m_level.load(); }
    void setLevel(int level) override;
    MediaPlayer &mediaPlayer() override { return *this; }
    bool isSilent() const override { return !m_open.load(); }

private:
    bool open(const QString &path) override;
    bool openImage(const QByteArray &image) override;
    bool play(std::function<void()> onFinished) override;
    void stop() override;
    void close() override;

    void openDevice();
    static void musicFinished();
    static void scaleOutput(void *device, unsigned char *stream, int length);
    // A cut (a halt, or a new sound over the old one) ramps from the last
    // sample heard to the new signal over a few milliseconds, not at once.
    void smoothCut(Sint16 *samples, int frames);
    void markCut() { m_cut.store(true); }

    std::thread m_opener;
    std::atomic<bool> m_open{false}; // written by the opener thread, read by stop() on any
    std::atomic<int> m_level{FullLevel};
    std::atomic<bool> m_cut{false};
    int m_outputChannels = 2;
    // The mixer thread's own: the last frame it put out.
    Sint16 m_lastFrame[8] = {};

    // Sounds as the mixer plays them, converted to the output's format: a
    // conversion takes a millisecond per half second of sound, and the same
    // few sounds come again and again. The most recently played last.
    struct ConvertedWave
    {
        QByteArray image; // the sound as given, to know it again
        Mix_Chunk *chunk;
    };
    Mix_Chunk *convertedWave(const QByteArray &image);
    // Lets go of the longest unplayed sounds beyond the budget, never the one playing.
    void trimConvertedWaves();
    void freeConvertedWaves();
    std::vector<ConvertedWave> m_converted;
    Mix_Music *m_music = nullptr;
    QByteArray m_musicImage; // streamed from while the music plays
    std::function<void()> m_onFinished;
    // Counts every start and stop of the media player: a notice for a play
    // that has since been stopped is dropped.
    std::atomic<unsigned> m_playNumber{0};
};
