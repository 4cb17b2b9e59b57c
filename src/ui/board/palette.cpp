#include "ui/board/palette.h"

namespace Palette {

QColor tileLetters(TileState state)
{
    switch (state) {
    case TileState::Movable: return QColor(251, 0, 0);
    case TileState::Placed: return QColor(0, 170, 102);
    case TileState::Solved: return QColor(0, 0, 236);
    case TileState::Retired: break;
    }
    return QColor(0, 0, 0);
}

QColor ratingBackground(RatingBand band)
{
    switch (band) {
    case RatingBand::Dealing: return QColor(0, 0, 128); // navy
    case RatingBand::Below26: break;
    case RatingBand::From26: return QColor(205, 90, 84);
    case RatingBand::From41: return QColor(13, 128, 0);
    case RatingBand::From56: return QColor(0, 128, 128);
    case RatingBand::From71: return QColor(0, 0, 160);
    case RatingBand::From86: return QColor(92, 1, 126);
    }
    return QColor(245, 21, 10);
}

StatusLook statusLine(RoundOutcome outcome)
{
    switch (outcome) {
    case RoundOutcome::Solved: return {QColor(255, 0, 0), false};
    case RoundOutcome::Lost:
    case RoundOutcome::Won: break;
    }
    return {QColor(128, 0, 0), true}; // maroon, plain
}

} // namespace Palette
