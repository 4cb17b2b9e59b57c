#include "sound/game_sound.h"

#include "base/game_error.h"
#include "base/whole_file.h"
#include "sound/wave_format.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString None = QStringLiteral("None");

// A file of the folder by name, found without regard to case when the name
// as written does not exist (a settings file carried over from elsewhere).
QString fileInFolder(const QString &folder, const QString &name)
{
    const QString written = folder + u'/' + name;
    if (QFileInfo::exists(written) || name.contains(u'/'))
        return written;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + u'/' + entry;
    }
    return written;
}
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

void GameSound::loadSounds(const QString &soundFolder, const QStringList &soundList)
{
    m_soundFolder = soundFolder;
    m_table.build(soundFolder, soundList);
}

void GameSound::PlaySoundEffect(const QString &name)
{
    if (!effectsAudible())
        return;
    m_device->stopWave();
    if (name == None) {
        if (m_mediaPlayerBusy)
            m_device->mediaPlayer().close();
        m_mediaPlayerBusy = false;
    }
    const int match = m_table.find(name);
    if (match < 0)
        return;
    // The test is on the text as written, not on the listed name it matched.
    if (name.contains(QLatin1String(".WAV"), Qt::CaseSensitive)) {
        m_device->playWave(m_table.data(match) + QByteArray(1, '\0'), false);
        return;
    }
    // The file as it is on disk: the text may differ from it in case.
    playThroughMediaPlayer(m_table.name(match));
}

void GameSound::playThroughMediaPlayer(const QString &listedName)
{
    MediaPlayer &player = m_device->mediaPlayer();
    if (m_mediaPlayerBusy) {
        player.stop();
        m_mediaPlayerBusy = false;
    }
    player.close();
    const QString path = m_soundFolder + u'/' + listedName;
    if (!QFileInfo(path).isFile())
        return;
    bool opened = false;
    if (isHeaderlessName(listedName)) {
        // A headerless file cannot be decoded as it stands: play it whole.
        try {
            opened = player.openImage(rebuildHeaderlessWave(readWholeFile(path)));
        } catch (const GameError &) {
            opened = false;
        }
    } else {
        opened = player.open(path);
    }
    if (opened && player.play([this] { mp3Notify(); }))
        m_mediaPlayerBusy = true;
}

void GameSound::StartMusic()
{
    if (!musicAudible() || m_music.isEmpty() || m_music == None.toLatin1())
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
}

void GameSound::loadMusic(const QString &text)
{
    m_music.clear();
    if (text.isEmpty() || text == None)
        return;
    m_music = readWholeFile(fileInFolder(m_musicFolder, text));
}

void GameSound::stopAll()
{
    m_device->stopWave();
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
