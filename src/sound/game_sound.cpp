// SPDX-License-Identifier: GPL-3.0-or-later
// The game's effects and music on an audio device: which path each file takes.
#include "sound/game_sound.h"

#include "base/game_error.h"
#include "sound/media_route.h"
#include "sound/wave_format.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <utility>

namespace {
const QString None = QStringLiteral("None");
} // namespace

GameSound::GameSound(std::unique_ptr<AudioDevice> device)
    : m_device(device ? std::move(device) : std::make_unique<SilentAudioDevice>())
{
}

GameSound::~GameSound()
{
    // No notice may reach a layer that is gone.
    m_device->mediaPlayer().close();
}

void GameSound::loadSounds(SoundFile::Finder soundFile, const QStringList &soundList)
{
    m_soundFile = std::move(soundFile);
    m_soundList = soundList;
    m_tableRead = false;
}

const SoundTable &GameSound::soundTable() const
{
    if (!m_tableRead) {
        m_table.build(m_soundFile, m_soundList);
        m_tableRead = true;
    }
    return m_table;
}

void GameSound::PlaySoundEffect(const QString &name)
{
    if (!effectsAudible())
        return;
    m_device->stopWave();
    m_musicPlaying = false;
    if (name == None) {
        if (m_mediaPlayerBusy)
            m_device->mediaPlayer().close();
        m_mediaPlayerBusy = false;
    }
    const SoundTable &table = soundTable();
    const int match = table.find(name);
    if (match < 0)
        return;
    // The test is on the text as written, not on the listed name it matched.
    if (name.contains(QLatin1String(".WAV"), Qt::CaseSensitive)) {
        m_device->playWave(table.data(match) + QByteArray(1, '\0'), false);
        return;
    }
    // The file as it is on disk: the text may differ from it in case.
    playThroughMediaPlayer(table.name(match));
}

void GameSound::playThroughMediaPlayer(const QString &listedName)
{
    MediaPlayer &player = m_device->mediaPlayer();
    if (m_mediaPlayerBusy) {
        player.stop();
        m_mediaPlayerBusy = false;
    }
    player.close();
    const QString path = m_soundFile ? m_soundFile(listedName) : QString();
    // Checked as the table's files are: a regular file of a sane size.
    std::optional<QByteArray> bytes = SoundFile::read(path);
    if (!bytes)
        return;
    bool opened = false;
    switch (mediaRoute(listedName, *bytes)) {
    case MediaRoute::Image:
        opened = player.openImage(*bytes);
        break;
    case MediaRoute::File:
        opened = player.open(path);
        break;
    case MediaRoute::Nothing:
        break;
    }
    if (opened && player.play([this] { mp3Notify(); }))
        m_mediaPlayerBusy = true;
}

void GameSound::StartMusic()
{
    if (!musicAudible() || music().isEmpty() || m_music == None.toLatin1())
        return;
    m_device->stopWave();
    if (m_mediaPlayerBusy) {
        m_device->mediaPlayer().stop();
        m_mediaPlayerBusy = false;
    }
    // Once: the next start finds "RIFF".
    if (!m_music.startsWith("RIFF"))
        m_music = rebuildHeaderlessWave(m_music);
    m_device->playWave(m_music + QByteArray(1, '\0'), true);
    m_musicPlaying = true;
}

void GameSound::loadMusic(const QString &text)
{
    m_music.clear();
    m_musicPath.clear();
    if (text.isEmpty() || text == None)
        return;
    const QString path = m_musicFile ? m_musicFile(text) : text;
    if (!SoundFile::readable(path))
        throw GameError(QCoreApplication::translate("Files", "Cannot open file %1").arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
    m_musicPath = path;
}

QByteArray &GameSound::music() const
{
    // A file that went since it was chosen leaves no music.
    if (!m_musicPath.isEmpty())
        m_music = SoundFile::read(std::exchange(m_musicPath, QString())).value_or(QByteArray());
    return m_music;
}

void GameSound::audibleChanged()
{
    if (!musicAudible() && m_musicPlaying && m_device->isSilent()) {
        m_device->stopWave();
        m_musicPlaying = false;
    }
}

void GameSound::stopAll()
{
    m_device->stopWave();
    m_musicPlaying = false;
}

int GameSound::outputLevel() const
{
    return m_device->level();
}

void GameSound::setOutputLevel(int level)
{
    m_device->setLevel(qBound(0, level, AudioDevice::FullLevel));
}

void GameSound::saveDeviceVolume()
{
    m_savedLevel = m_device->level();
}

void GameSound::restoreDeviceVolume()
{
    // An effect still playing would finish at the restored, often full, level.
    closeMediaPlayer();
    m_device->setLevel(m_savedLevel);
}

void GameSound::closeMediaPlayer()
{
    if (!m_mediaPlayerBusy)
        return;
    MediaPlayer &player = m_device->mediaPlayer();
    player.stop();
    player.close();
    m_mediaPlayerBusy = false;
}
