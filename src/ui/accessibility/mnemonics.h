// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Alt+letter for every caption of a dialog: labels with a buddy, check boxes
// and group boxes that have no letter of their own get the first
// free letter of their text, word starts first. Letters are unique among what
// is seen together: the controls outside a tab widget with each of its pages.
// Worked out from the translated texts, so no language can clash. Radio
// buttons are left alone (the arrow keys move among them), and so are push
// buttons.
namespace Mnemonics {

void assign(QWidget &window);

} // namespace Mnemonics
