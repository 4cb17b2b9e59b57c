// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The board's zoom, in per cent of its natural size: the steps Ctrl+Plus and
// Ctrl+Minus take, and the value kept in the settings file between starts.
namespace BoardZoom {

inline constexpr int Natural = 100;
inline constexpr int Largest = 400;
// The key in the settings file's Options section.
inline const QString Key = QStringLiteral("Zoom");

// The next step up or down from any zoom (one set by resizing the window lies between steps).
int larger(int percent);
int smaller(int percent);
// A stored value as a zoom: out of range or unreadable gives the natural size.
int fromStored(int stored);

} // namespace BoardZoom
