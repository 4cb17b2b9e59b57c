// SPDX-License-Identifier: GPL-3.0-or-later
// The classic colours, fonts and bevelled panels of the main window.
#include "ui/main_window/window_look.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

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
    QFont font(family);
    font.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    if (family.startsWith(QLatin1String("Courier")))
        font.setFamilies({family, QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
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
