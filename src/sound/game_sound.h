// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/audio_device.h"
#include "sound/sound_layer.h"
#include "sound/sound_table.h"

#include <QByteArray>
#include <QString>

#include <memory>

// The game's sound effects and background music on an audio device.
// Effects named with an upper-case ".WAV" play from the sound table in
// memory; any other effect file goes through the media player; the music
// always loops from memory on the wave output.
class GameSound : public SoundLayer
{
public:
    explicit GameSound(std::unique_ptr<AudioDevice> device);
    ~GameSound() override;

    // Reads every file of the sound list once, when the first effect plays
    // (start-up does not wait for them); soundFile says where each is (the
    // player's own folder before the shipped one).
    void loadSounds(SoundFile::Finder soundFile, const QStringList &soundList);
    void loadSounds(const QString &soundFolder, const QStringList &soundList)
    {
        loadSounds(SoundFile::inFolder(soundFolder), soundList);
    }
    // Where the music chooser's files are.
    void setMusicFinder(SoundFile::Finder musicFile) { m_musicFile = std::move(musicFile); }
    void setMusicFolder(const QString &folder) { m_musicFile = SoundFile::inFolder(folder); }

    const SoundTable &soundTable() const;
    QByteArray musicBuffer() const { return music(); }
    bool MediaPlayerBusy() const { return m_mediaPlayerBusy; }
    AudioDevice &device() { return *m_device; }

    // The media player's notice that an effect has played to its end.
    void mp3Notify() { m_mediaPlayerBusy = false; }

    // SoundLayer
    void PlaySoundEffect(const QString &name) override;
    void StartMusic() override;
    void stopAll() override;
    void setPaused(bool paused) override { m_device->setPaused(paused); }
    int outputLevel() const override;
    void setOutputLevel(int level) override;
    void saveDeviceVolume() override;
    void restoreDeviceVolume() override;
    // "None" or empty: no music. Otherwise the music file, read when the music
    // first starts (start-up does not wait for it); GameError "Cannot open
    // file <path>" at once when it cannot be read (or is no regular file, or
    // is too large).
    void loadMusic(const QString &text) override;
    void closeMediaPlayer() override;
    bool musicIsHeard() const override { return m_musicPlaying && !m_device->isSilent(); }

protected:
    // Music started and not heard yet (the device still on its way) does not
    // outlive a switch away from music: it is stopped before it is heard.
    // Music already heard goes on until the next effect stops it.
    void audibleChanged() override;

private:
    void playThroughMediaPlayer(const QString &listedName);
    // The music's bytes, read on first use.
    QByteArray &music() const;

    std::unique_ptr<AudioDevice> m_device;
    mutable SoundTable m_table;
    mutable bool m_tableRead = true; // an empty table until the first loadSounds
    QStringList m_soundList;
    SoundFile::Finder m_soundFile;
    SoundFile::Finder m_musicFile;
    mutable QString m_musicPath; // chosen and not read yet
    mutable QByteArray m_music;
    bool m_mediaPlayerBusy = false;
    bool m_musicPlaying = false; // started on the wave output and not stopped since
    int m_savedLevel = AudioDevice::FullLevel;
};
