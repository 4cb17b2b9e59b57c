// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/audio_device.h"

#include <QString>

class QObject;

#include <future>
#include <memory>
#include <optional>

// The audio device loaded from its own module on a thread of its own.
// Loading the mixer library and the codecs it links takes longer than the
// rest of start-up, and even on another thread it holds up the window's own
// library loading, so it starts half a second after construction, once the
// window is up, or at the first request that needs the device. A wave asked
// for before the device is there waits here and starts as it arrives, unless
// a stop or another wave comes first: nothing waits for it meanwhile (the
// music's start after the first paint among it). The media player's requests
// wait for the device. The level is kept here until the device is there. A
// module that is missing or cannot be loaded leaves the game silent, without
// a word.
class LazyAudioDevice : public AudioDevice, private MediaPlayer
{
public:
    // The module's file name, without its extension (as QLibrary takes it).
    explicit LazyAudioDevice(const QString &module);
    ~LazyAudioDevice() override;

    static constexpr int LoadDelayMs = 500;

    // Starts loading the module, if that has not begun.
    void startLoading();
    // Whether the module gave a device; loads it and waits for it.
    bool isLoaded();

    void playWave(const QByteArray &image, bool loop) override;
    void stopWave() override;
    void setPaused(bool paused) override;
    int level() const override { return m_level; }
    void setLevel(int level) override;
    MediaPlayer &mediaPlayer() override { return *this; }
    // Nothing has been played before the device is there.
    bool isSilent() const override { return !m_waited || !m_device || m_device->isSilent(); }

    // The entry point the module exports.
    static constexpr const char *EntryPoint = "splitwickCreateAudioDevice";
    using Create = AudioDevice *(*)();

private:
    // Whether the module has answered, without waiting for it.
    bool hasArrived();
    // On this thread, once the module has answered: the waiting wave starts.
    void arrived();

    bool open(const QString &path) override;
    bool openImage(const QByteArray &image) override;
    bool play(std::function<void()> onFinished) override;
    void stop() override;
    void close() override;

    AudioDevice &device();

    QString m_module;
    std::unique_ptr<QObject> m_timerContext;
    std::future<AudioDevice *> m_loading;
    bool m_started = false;
    std::unique_ptr<AudioDevice> m_device;
    bool m_waited = false;
    int m_level = FullLevel;
    struct Wave
    {
        QByteArray image;
        bool loop;
    };
    std::optional<Wave> m_waitingWave;
    bool m_paused = false;
};
