// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QColor;

// A colour in words a listener can picture, with its code to tell close
// ones apart: "light green (#CCDDBB)", "dark grey (#404040)".
QString colourName(const QColor &colour);
