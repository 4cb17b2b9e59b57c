#pragma once

#include <QtGlobal>

// The same type as QtGui's QRgb (0xAARRGGBB), declared here so the engine needs QtCore alone.
typedef unsigned int QRgb;

// A tile's state; the view paints its letters in the state's colour.
enum class TileState : quint8 {
    Movable, // red letters: may be dragged, accepts drops
    Placed,  // green letters: fixed at setup, placed by a move, or joined
    Solved,  // blue letters: a completed row, or any tile after the round ended
    Retired, // black letters: absorbed by a join (hidden), or never filled
};

inline constexpr QRgb FixedColour = 0xFF00AA66;  // RGB(0,170,102)
inline constexpr QRgb LooseColour = 0xFFFB0000;  // RGB(251,0,0)
inline constexpr QRgb SolvedColour = 0xFF0000EC; // RGB(0,0,236)
inline constexpr QRgb RetiredColour = 0xFF000000;

constexpr QRgb tileColour(TileState state)
{
    switch (state) {
    case TileState::Movable: return LooseColour;
    case TileState::Placed: return FixedColour;
    case TileState::Solved: return SolvedColour;
    case TileState::Retired: return RetiredColour;
    }
    return RetiredColour;
}
