// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's sound ticks and the Options dialog's sound page, the same for every output.
#include "sound/sound_menu.h"

#include "sound/sound_layer.h"

#include <QtGlobal>

namespace {
constexpr int LevelPerPosition = 4096;
constexpr int TopPosition = 1;
constexpr int BottomPosition = 15;
} // namespace

SoundMenu::SoundMenu(SoundLayer &output) : m_output(&output)
{
    m_output->setAudible(m_soundTicked, m_musicTicked);
}

void SoundMenu::setOutput(SoundLayer &output)
{
    m_output = &output;
    m_output->setAudible(m_soundTicked, m_musicTicked);
}

void SoundMenu::setTicks(bool soundEffects, bool music)
{
    // One radio group: never both.
    if (soundEffects && music)
        music = false;
    if (soundEffects == m_soundTicked && music == m_musicTicked)
        return;
    m_soundTicked = soundEffects;
    m_musicTicked = music;
    m_output->setAudible(m_soundTicked, m_musicTicked);
    if (m_ticksChanged)
        m_ticksChanged();
}

void SoundMenu::mSOundClick()
{
    const bool on = !m_soundTicked;
    setTicks(on, on ? false : m_musicTicked);
}

void SoundMenu::mMusicClick()
{
    const bool on = !m_musicTicked;
    setTicks(on ? false : m_soundTicked, on);
    m_output->stopAll();
    if (m_musicTicked)
        m_output->StartMusic();
}

void SoundMenu::previewEffect(const QString &text)
{
    m_output->stopAll();
    setTicks(true, false);
    m_output->PlaySoundEffect(text);
}

void SoundMenu::playChosenMusic(const QString &text)
{
    m_output->stopAll();
    setTicks(false, true);
    m_output->loadMusic(text);
    m_output->StartMusic();
}

void SoundMenu::setLevelFromSlider(int position)
{
    m_output->setOutputLevel((16 - qBound(TopPosition, position, BottomPosition)) * LevelPerPosition);
}

int SoundMenu::sliderPositionForLevel(int level)
{
    const int nearest = (level + LevelPerPosition / 2) / LevelPerPosition;
    return qBound(TopPosition, 16 - nearest, BottomPosition);
}
