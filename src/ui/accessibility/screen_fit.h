// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QScrollArea;
class QSize;
class QWidget;

// Dialogs that stay on a small screen: at a large scale or with a large font
// a page scrolls instead of pushing its window past the screen's edges.
namespace ScreenFit {

// page in a frameless scroll area that asks for the page's whole size, so
// that nothing scrolls while the screen has room.
QScrollArea *scrolled(QWidget *page);

// Sizes window to what it asks for, but no larger than its screen's free
// area (frame included), and moves it wholly onto that area.
void fit(QWidget &window);
// The largest size window may take there.
QSize room(const QWidget &window);

} // namespace ScreenFit
