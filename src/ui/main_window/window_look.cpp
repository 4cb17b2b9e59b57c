// SPDX-License-Identifier: GPL-3.0-or-later
// The classic colours, fonts and bevelled panels of the main window.
#include "ui/main_window/window_look.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

#include <algorithm>

namespace WindowLook {

void paint(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Text, text);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void paint(QWidget *widget, const QColor &background)
{
    paint(widget, background, QColor());
}

QFont classicFont(const QString &family, int pixelSize, bool bold)
{
    // The family itself where the system has it, else its metric look-alike,
    // else a close relative: one family, found here. A family the system lacks
    // would have fontconfig search its fallbacks, and each further family in
    // a font's list has Qt look up every fallback font as the font is first
    // used, a millisecond each at start-up. Characters a family lacks are
    // still found in other fonts, when they are first met.
    QStringList candidates {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    if (family.startsWith(QLatin1String("Courier")))
        candidates = {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
    candidates.prepend(family);
    const QStringList installed = QFontDatabase::families();
    const auto found = std::find_if(candidates.cbegin(), candidates.cend(), [&installed](const QString &candidate) {
        return installed.contains(candidate, Qt::CaseInsensitive);
    });
    QFont font(found != candidates.cend() ? *found : family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFrame *makePanel(QWidget *parent, const char *name, QFrame::Shadow outer, int lineWidth)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | outer);
    panel->setLineWidth(lineWidth);
    return panel;
}

} // namespace WindowLook
