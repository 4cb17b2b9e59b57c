// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAction;
class QWidget;

// The application-wide show-hints switch. When off, no tool tip is shown
// anywhere in the program: an application event filter swallows every tool
// tip event. Each control with a hint shows it for 7000 ms.
namespace HoverHints {

inline constexpr int HintDurationMs = 7000;
// The text, marked for translation; RatingHint is the English text.
inline const char *const RatingHintText =
    QT_TRANSLATE_NOOP("HoverHints", "This is your rating. The closer to 100, the better the score.");
inline const QString RatingHint = QString::fromLatin1(RatingHintText);

// Installs the filter on the application (once; later calls do nothing).
// Needs a QApplication. The switch starts on.
void install();

bool enabled();
void setEnabled(bool on); // off also hides a tool tip being shown

// Options > "Hover Hints": inverts the action's tick and sets the switch to it.
void mHintsClick(QAction *mHints);

// Makes mHints checkable and ticked and follows it: choosing the item (Qt
// toggles the tick itself) sets the switch to the new tick. Use this to wire
// the menu; mHintsClick is the same step for a direct call.
void bindHintsAction(QAction *mHints);

// Gives a widget a hint (its tool tip) shown for 7000 ms.
void setHint(QWidget *widget, const QString &text);

} // namespace HoverHints
