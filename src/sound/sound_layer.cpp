#include "sound/sound_layer.h"

#include <algorithm>

int fadeOutMusic(SoundLayer &sound, const std::function<void()> &processEvents)
{
    int level = sound.outputLevel();
    int steps = 0;
    do {
        level = std::max(0, level - SoundLevels::FadeStep);
        sound.setOutputLevel(level);
        ++steps;
        if (steps % SoundLevels::StepsBetweenEvents == 0 && processEvents)
            processEvents();
    } while (level > SoundLevels::Quiet);
    return steps;
}
