// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// What the engine reports for the view to show; the view alone knows the
// colours (ui/palette.h).

// A tile's state; the view paints its letters by it.
enum class TileState : quint8 {
    Movable, // may be dragged, accepts drops
    Placed,  // fixed at setup, placed by a move, or joined
    Solved,  // a completed row, or any tile after the round ended
    Retired, // absorbed by a join (hidden), or never filled
};

// The rating label's band: by the rating's value, or Dealing while a round is set up.
enum class RatingBand : quint8 {
    Dealing,
    Below26,
    From26,
    From41,
    From56,
    From71,
    From86,
};

// How a round ended, as the status line shows it.
enum class RoundOutcome : quint8 {
    Lost,   // the rating fell to 0
    Won,    // every row completed
    Solved, // the player asked for the solution
};
