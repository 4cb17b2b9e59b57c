#pragma once

#include "round/shown_states.h"

#include <QColor>

// The game's colours for what the engine reports: tile letters by tile
// state, the rating label's background by band, the status line by how the
// round ended.
namespace Palette {

QColor tileLetters(TileState state);
QColor ratingBackground(RatingBand band);

struct StatusLook
{
    QColor letters;
    bool plainStyle; // regular letters: not bold, italic, underlined or struck out
};
StatusLook statusLine(RoundOutcome outcome);

} // namespace Palette
