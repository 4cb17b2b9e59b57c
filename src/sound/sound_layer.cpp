// SPDX-License-Identifier: GPL-3.0-or-later
// The music fade at close, paced so that it is heard.
#include "sound/sound_layer.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

int fadeOutMusic(SoundLayer &sound, const std::function<void()> &processEvents)
{
    const int start = sound.outputLevel();
    // As many steps as the loop below takes: the first, then one per 100 (or
    // part of it) that the first leaves above 4096.
    const int leftAbove = start - SoundLevels::FadeStep - SoundLevels::Quiet;
    const int total = 1 + std::max(0, (leftAbove + SoundLevels::FadeStep - 1) / SoundLevels::FadeStep);
    const bool paced = sound.musicIsHeard();
    QElapsedTimer clock;
    clock.start();
    int level = start;
    int steps = 0;
    do {
        level = std::max(0, level - SoundLevels::FadeStep);
        sound.setOutputLevel(level);
        ++steps;
        if (steps % SoundLevels::StepsBetweenEvents == 0 && processEvents)
            processEvents();
        if (paced) {
            const qint64 due = std::min<qint64>(SoundLevels::FadeMs, qint64(steps) * SoundLevels::FadeMs / total);
            const qint64 early = due - clock.elapsed();
            if (early > 0)
                QThread::msleep(ulong(early));
        }
    } while (level > SoundLevels::Quiet);
    return steps;
}
