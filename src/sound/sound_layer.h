#pragma once

#include <QString>
#include <functional>

// What the main window asks of sound and music: effects by the text of an
// Options sound slot, the background music, and the program's output volume
// level (0 .. 65535). The game runs with SilentSoundLayer until the audio
// device is wired in; the volume arithmetic of start-up and close works the
// same either way.
class SoundLayer
{
public:
    virtual ~SoundLayer() = default;

    // An empty text only stops the playing sound.
    virtual void PlaySoundEffect(const QString &slotText) = 0;
    virtual void StartMusic() = 0;
    // Stops whatever the wave output plays (music or effect).
    virtual void stopAll() = 0;

    virtual int outputLevel() const = 0;
    virtual void setOutputLevel(int level) = 0;

    // The device volume before start, noted at creation and put back at close.
    virtual void saveDeviceVolume() = 0;
    virtual void restoreDeviceVolume() = 0;

    // The menu's "Sound Effects" and "Music": radio items of one group, both
    // may be unticked. At start "Music" is ticked. Not stored.
    bool soundEffectsTicked() const { return m_soundTicked; }
    bool musicTicked() const { return m_musicTicked; }
    void setTicks(bool soundEffects, bool music);
    // Runs after every change of the ticks (the menu follows them).
    void setTicksChangedHandler(std::function<void()> handler) { m_ticksChanged = std::move(handler); }

    // Inverts "Sound Effects"; nothing is stopped or started.
    void mSOundClick();
    // Inverts "Music", stops the wave output and starts the music if ticked.
    void mMusicClick();

    // The Options dialog's sound page. An effect chooser's new text: stop,
    // tick "Sound Effects", play it as a preview. The music chooser's: stop,
    // tick "Music", load it (loadMusic may throw GameError, leaving no music),
    // start it. The volume track bar: level (16 - position) x 4096.
    void effectSlotChanged(const QString &text);
    void musicSlotChanged(const QString &text);
    void tbSoundChange(int position);

    // Makes the music chooser's text the background music: "None" or an
    // empty text is no music. Layers without a device keep nothing.
    virtual void loadMusic(const QString &) {}
    // Close: stops and closes a media-player effect that is still playing.
    virtual void closeMediaPlayer() {}

private:
    bool m_soundTicked = false;
    bool m_musicTicked = true;
    std::function<void()> m_ticksChanged;
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
} // namespace SoundLevels

// The music fade at close: from the current level, lower by 100 and apply, at
// least once and then while the level is above 4096, never below 0; every
// 100th step lets pending events run. Returns the number of steps.
int fadeOutMusic(SoundLayer &sound, const std::function<void()> &processEvents);
