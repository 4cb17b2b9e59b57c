// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// With high contrast on, a window's greyed-out texts (controls disabled while
// a round is in play) stay readable: lifted to the minimum contrast against
// what they are drawn on. With it off, the window takes the desktop's palette.
namespace ReadablePalette {

void apply(QWidget &window);

} // namespace ReadablePalette
