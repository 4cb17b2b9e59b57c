// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

// The game's sound output as the engine and the main window use it: effects
// by the text of an Options sound slot, the background music, and the
// program's output volume level (0 .. 65535). The game runs with
// SilentSoundLayer until the audio device is wired in; the volume arithmetic
// of start-up and close works the same either way. Which of effects and music
// may be heard is set from outside (the menu's ticks, see SoundMenu).
class SoundLayer
{
public:
    virtual ~SoundLayer() = default;

    // An empty text only stops the playing sound. Silent unless effects are audible.
    virtual void PlaySoundEffect(const QString &slotText) = 0;
    // Silent unless music is audible.
    virtual void StartMusic() = 0;
    // Stops whatever the wave output plays (music or effect).
    virtual void stopAll() = 0;

    virtual int outputLevel() const = 0;
    virtual void setOutputLevel(int level) = 0;

    // The device volume before start, noted at creation and put back at close.
    virtual void saveDeviceVolume() = 0;
    virtual void restoreDeviceVolume() = 0;

    // Makes the music chooser's text the background music: "None" or an
    // empty text is no music. Layers without a device keep nothing.
    virtual void loadMusic(const QString &) {}
    // Close: stops and closes a media-player effect that is still playing.
    virtual void closeMediaPlayer() {}
    // A paused game: what plays holds where it stands until it goes on.
    virtual void setPaused(bool) {}
    // Whether music plays where it can be heard, so that a fade needs time.
    virtual bool musicIsHeard() const { return false; }

    // At start music may be heard and effects not, as the menu's ticks start.
    void setAudible(bool effects, bool music)
    {
        m_effectsAudible = effects;
        m_musicAudible = music;
        audibleChanged();
    }
    bool effectsAudible() const { return m_effectsAudible; }
    bool musicAudible() const { return m_musicAudible; }

protected:
    // After each change of what may be heard.
    virtual void audibleChanged() {}

private:
    bool m_effectsAudible = false;
    bool m_musicAudible = true;
};

// Plays nothing; keeps the level so that the fade at close ends as it should.
class SilentSoundLayer : public SoundLayer
{
public:
    void PlaySoundEffect(const QString &) override {}
    void StartMusic() override {}
    void stopAll() override {}
    int outputLevel() const override { return m_level; }
    void setOutputLevel(int level) override { m_level = level; }
    void saveDeviceVolume() override {}
    void restoreDeviceVolume() override {}

private:
    int m_level = 0;
};

namespace SoundLevels {
inline constexpr int Quiet = 4096; // before the splash, and where the close fade stops
inline constexpr int FadeStep = 100;
inline constexpr int StepsBetweenEvents = 100;
inline constexpr int FadeMs = 1000; // long enough to be heard as a fade
} // namespace SoundLevels

// The music fade at close: from the current level, lower by 100 and apply, at
// least once and then while the level is above 4096, never below 0; every
// 100th step lets pending events run. When the music is heard, the steps are
// spread evenly over FadeMs (a fade all at once is a cut). Returns the number
// of steps.
int fadeOutMusic(SoundLayer &sound, const std::function<void()> &processEvents);
