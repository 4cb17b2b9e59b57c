// SPDX-License-Identifier: GPL-3.0-or-later
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

// High contrast (Options > Settings > "High Contrast"): every tile's letters
// are drawn at least MinimumContrast against its face, darker or lighter in
// their own hue, and the states' shapes show as with the colour-blind cues.
inline constexpr double MinimumContrast = 4.5;
bool highContrast();
void setHighContrast(bool on); // repaints every tile
// The contrast ratio of two colours (1 to 21), from their relative luminance.
double contrast(const QColor &a, const QColor &b);
// The letters as drawn on that face: themselves, or in high contrast lifted
// towards black or white until they reach MinimumContrast.
QColor drawnLetters(const QColor &letters, const QColor &face);

} // namespace Palette
