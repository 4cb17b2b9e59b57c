// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Plays one file at a time, asynchronously, and says when it has played to
// its end. Stopping or closing it is not an end: no notice follows.
class MediaPlayer
{
public:
    virtual ~MediaPlayer() = default;

    // Opens a file from disk; false when it cannot be played.
    virtual bool open(const QString &path) = 0;
    // Opens a whole file image held in memory (a rebuilt ".music" file).
    virtual bool openImage(const QByteArray &image) = 0;
    // Starts what is open. onFinished runs on the thread that owns the
    // player, after a natural end only. False when playing does not start.
    virtual bool play(std::function<void()> onFinished) = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
};

// The output the game's sounds go through: one wave output that plays a
// RIFF WAVE image from memory (starting anything stops what it played), the
// media player, and one output volume level for all of it.
class AudioDevice
{
public:
    static constexpr int FullLevel = 65535;

    virtual ~AudioDevice() = default;

    // Data that is not a playable WAVE image plays nothing, without a word.
    virtual void playWave(const QByteArray &image, bool loop) = 0;
    virtual void stopWave() = 0;
    // Holds everything that plays (the wave output and the media player)
    // where it stands, or lets it go on from there.
    virtual void setPaused(bool) {}

    // 0 (silent) .. 65535 (full).
    virtual int level() const = 0;
    virtual void setLevel(int level) = 0;

    virtual MediaPlayer &mediaPlayer() = 0;

    // True when nothing played here can be heard (no device, or none yet).
    virtual bool isSilent() const { return false; }
};

// No device: everything is silent; the level is kept so that the volume
// steps of start-up and close behave as with sound.
class SilentAudioDevice : public AudioDevice, private MediaPlayer
{
public:
    void playWave(const QByteArray &, bool) override {}
    void stopWave() override {}
    int level() const override { return m_level; }
    void setLevel(int level) override { m_level = level; }
    MediaPlayer &mediaPlayer() override { return *this; }
    bool isSilent() const override { return true; }

private:
    bool open(const QString &) override { return false; }
    bool openImage(const QByteArray &) override { return false; }
    bool play(std::function<void()>) override { return false; }
    void stop() override {}
    void close() override {}

    int m_level = FullLevel;
};
