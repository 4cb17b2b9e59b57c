// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QColor;
class QFont;
class QWidget;

// The classic look of the main window's panels, shared by the board and the status panel.
namespace WindowLook {

// Fills the widget's background (and, when given, its letters) with these colours.
void paint(QWidget *widget, const QColor &background, const QColor &text);
void paint(QWidget *widget, const QColor &background);

// Classic fonts by name, with metric look-alikes where the system lacks them.
QFont classicFont(const QString &family, int pixelSize, bool bold = false);

// A panel with an outer and an inner bevel, drawn the way QFrame draws its edges.
QFrame *makePanel(QWidget *parent, const char *name, QFrame::Shadow outer, int lineWidth);

} // namespace WindowLook
