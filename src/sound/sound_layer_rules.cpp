// The menu ticks and the Options dialog's sound page, the same for every layer.
#include "sound/sound_layer.h"

#include <QtGlobal>

void SoundLayer::setTicks(bool soundEffects, bool music)
{
    // One radio group: never both.
    if (soundEffects && music)
        music = false;
    if (soundEffects == m_soundTicked && music == m_musicTicked)
        return;
    m_soundTicked = soundEffects;
    m_musicTicked = music;
    if (m_ticksChanged)
        m_ticksChanged();
}

void SoundLayer::mSOundClick()
{
    const bool on = !m_soundTicked;
    setTicks(on, on ? false : m_musicTicked);
}

void SoundLayer::mMusicClick()
{
    const bool on = !m_musicTicked;
    setTicks(on ? false : m_soundTicked, on);
    stopAll();
    if (m_musicTicked)
        StartMusic();
}

void SoundLayer::effectSlotChanged(const QString &text)
{
    stopAll();
    setTicks(true, false);
    PlaySoundEffect(text);
}

void SoundLayer::musicSlotChanged(const QString &text)
{
    stopAll();
    setTicks(false, true);
    loadMusic(text);
    StartMusic();
}

void SoundLayer::tbSoundChange(int position)
{
    setOutputLevel((16 - qBound(1, position, 15)) * 4096);
}
