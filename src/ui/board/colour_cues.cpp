// SPDX-License-Identifier: GPL-3.0-or-later
// The shapes that tell tile states apart without their letter colours.
#include "ui/board/colour_cues.h"

#include "ui/board/board_panel.h"
#include "ui/board/palette.h"
#include "ui/board/tile_widget.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ColourCues {
namespace {
bool g_cuesEnabled = false;

// A tile's state is told by its letters' colour, the one the palette gives it.
bool shows(const QColor &letters, TileState state)
{
    return letters == Palette::tileLetters(state);
}
} // namespace

bool enabled()
{
    return g_cuesEnabled || Palette::highContrast();
}

void setEnabled(bool on)
{
    if (on == g_cuesEnabled)
        return;
    g_cuesEnabled = on;
    for (QWidget *widget : QApplication::allWidgets())
        if (qobject_cast<TileWidget *>(widget) || qobject_cast<BoardPanel *>(widget))
            widget->update();
}

QFont captionFont(const QFont &font, const QColor &letters)
{
    if (!enabled() || !shows(letters, TileState::Placed))
        return font;
    QFont underlined = font;
    underlined.setUnderline(true);
    return underlined;
}

void paintShape(QPainter &painter, const QRect &content, const QColor &letters, const QColor &pen, qreal scale)
{
    // Whole pixels at every zoom: a shape drawn between pixels would blur.
    const auto px = [scale](int n) { return std::max(1, int(std::lround(n * scale))); };
    if (!enabled() || content.width() < px(6) || content.height() < px(6))
        return;
    const QRect inner = content.adjusted(px(1), px(1), -px(2), -px(2));
    if (shows(letters, TileState::Movable)) {
        // Two pixels wide: a one-pixel dotted line is lost at 1.5x and 2x and to low vision.
        QPen dots(pen, px(2), Qt::CustomDashLine, Qt::FlatCap);
        dots.setDashPattern({2, 2});
        painter.setPen(dots);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(inner.adjusted(px(1), px(1), 0, 0));
    } else if (shows(letters, TileState::Solved)) {
        painter.setPen(QPen(pen, px(1), Qt::SolidLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(inner);
        painter.drawRect(inner.adjusted(px(2), px(2), -px(2), -px(2)));
    }
}

} // namespace ColourCues
