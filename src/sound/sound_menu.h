// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class SoundLayer;

// The menu's "Sound Effects" and "Music" ticks with their radio rule, and
// what the Options dialog's sound page does to the output. The ticks decide
// what the output lets be heard.
class SoundMenu
{
public:
    explicit SoundMenu(SoundLayer &output);

    // A new output takes the ticks as they stand.
    void setOutput(SoundLayer &output);

    // Radio items of one group, both may be unticked. At start "Music" is
    // ticked. Not stored.
    bool soundEffectsTicked() const { return m_soundTicked; }
    bool musicTicked() const { return m_musicTicked; }
    void setTicks(bool soundEffects, bool music);
    // Runs after every change of the ticks (the menu follows them).
    void setTicksChangedHandler(std::function<void()> handler) { m_ticksChanged = std::move(handler); }

    // Inverts "Sound Effects"; nothing is stopped or started.
    void mSOundClick();
    // Inverts "Music", stops the wave output and starts the music if ticked.
    void mMusicClick();

    // An effect chosen in the dialog: stop, tick "Sound Effects", play it.
    void previewEffect(const QString &text);
    // Music chosen in the dialog: stop, tick "Music", load it (GameError when
    // it cannot be read, leaving no music), start it.
    void playChosenMusic(const QString &text);
    // The volume slider's position 1 (top, louder) .. 15: level (16 - position) x 4096.
    void setLevelFromSlider(int position);
    // The slider position nearest to an output level, for showing the real level.
    static int sliderPositionForLevel(int level);

private:
    SoundLayer *m_output;
    bool m_soundTicked = false;
    bool m_musicTicked = true;
    std::function<void()> m_ticksChanged;
};
