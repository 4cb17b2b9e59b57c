// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Gives every control of a window that has no words of its own (sliders,
// lists, combo and spin boxes, line edits) an accessible name from its
// label, the group box it sits in, or its hint, so that a screen reader can
// say what it is. Names already given are kept.
namespace ControlNames {

void nameControls(QWidget &window);
// Names them each time the window is shown: windows that build their
// controls late (on their first show) get them named too.
void nameControlsOnShow(QWidget &window);

} // namespace ControlNames
