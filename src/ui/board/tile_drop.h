// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/round_engine.h"

// The one way a tile carried by the mouse or the keyboard lands: the target
// must accept it (bgDragOver) before the drop (bgDragDrop) runs.
inline bool offerDrop(RoundEngine &engine, int target, int source)
{
    if (!target || !engine.bgDragOver(target, source))
        return false;
    engine.bgDragDrop(target, source);
    return true;
}
