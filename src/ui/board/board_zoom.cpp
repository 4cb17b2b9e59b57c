// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom steps of the board.
#include "ui/board/board_zoom.h"

#include <array>

namespace BoardZoom {
namespace {
constexpr std::array Steps{100, 125, 150, 175, 200, 250, 300, 400};
} // namespace

int larger(int percent)
{
    for (int step : Steps)
        if (step > percent)
            return step;
    return Largest;
}

int smaller(int percent)
{
    for (auto it = Steps.rbegin(); it != Steps.rend(); ++it)
        if (*it < percent)
            return *it;
    return Natural;
}

int fromStored(int stored)
{
    return stored >= Natural && stored <= Largest ? stored : Natural;
}

} // namespace BoardZoom
