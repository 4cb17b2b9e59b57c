// SPDX-License-Identifier: GPL-3.0-or-later
// The game's colours by state, band and outcome, and the high-contrast lift.
#include "ui/board/palette.h"

#include "ui/board/board_panel.h"
#include "ui/board/tile_widget.h"

#include <QApplication>
#include <cmath>

namespace Palette {
namespace {
bool g_highContrast = false;

double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c)
{
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

QColor blendColours(const QColor &from, const QColor &to, double share)
{
    const auto blend = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(blend(from.red(), to.red()), blend(from.green(), to.green()), blend(from.blue(), to.blue()));
}
} // namespace

bool highContrast()
{
    return g_highContrast;
}

void setHighContrast(bool on)
{
    if (on == g_highContrast)
        return;
    g_highContrast = on;
    if (!qApp)
        return;
    for (QWidget *widget : QApplication::allWidgets())
        if (qobject_cast<TileWidget *>(widget) || qobject_cast<BoardPanel *>(widget))
            widget->update();
}

double contrast(const QColor &a, const QColor &b)
{
    const double x = luminance(a) + 0.05;
    const double y = luminance(b) + 0.05;
    return x > y ? x / y : y / x;
}

QColor drawnLetters(const QColor &letters, const QColor &face)
{
    if (!g_highContrast || contrast(letters, face) >= MinimumContrast)
        return letters;
    // Away from the face: towards black on a light face, towards white on a
    // dark one, in small steps so the hue stays as long as it can. Black or
    // white always reaches 4.58 against any face.
    const QColor end = contrast(Qt::black, face) >= contrast(Qt::white, face) ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 1; step <= 20; ++step) {
        const QColor lifted = blendColours(letters, end, step / 20.0);
        if (contrast(lifted, face) >= MinimumContrast)
            return lifted;
    }
    return end;
}

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
