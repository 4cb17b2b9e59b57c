// SPDX-License-Identifier: GPL-3.0-or-later
// Disabled texts lifted to the high-contrast minimum.
#include "ui/accessibility/readable_palette.h"

#include "ui/board/palette.h"

#include <QApplication>
#include <QWidget>

namespace ReadablePalette {

void apply(QWidget &window)
{
    if (!Palette::highContrast()) {
        if (window.testAttribute(Qt::WA_SetPalette))
            window.setPalette(QPalette());
        return;
    }
    QPalette palette = QApplication::palette(&window);
    static const std::pair<QPalette::ColorRole, QPalette::ColorRole> texts[] = {
        {QPalette::WindowText, QPalette::Window}, {QPalette::Text, QPalette::Base},
        {QPalette::ButtonText, QPalette::Button}, {QPalette::Text, QPalette::Window}};
    // Text is drawn on a field and, in a disabled box, on the window: readable on both.
    for (const auto &[text, ground] : texts)
        palette.setColor(QPalette::Disabled, text,
                         Palette::drawnLetters(palette.color(QPalette::Disabled, text),
                                               palette.color(QPalette::Disabled, ground)));
    // The options change often (a slider's every step): repaint only for a new palette.
    if (!window.testAttribute(Qt::WA_SetPalette) || window.palette() != palette)
        window.setPalette(palette);
}

} // namespace ReadablePalette
