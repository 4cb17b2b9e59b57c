// SPDX-License-Identifier: GPL-3.0-or-later
// The classic colours, fonts and bevelled panels of the main window.
#include "ui/main_window/window_look.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>
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
    // A family the system lacks is left out rather than passed on: Qt would
    // have fontconfig search its fallbacks, a millisecond per font at
    // start-up, to end at the same metric look-alike named after it.
    QFont font(family);
    QStringList families {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    if (family.startsWith(QLatin1String("Courier")))
        families = {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
    if (QFontDatabase::families().contains(family, Qt::CaseInsensitive))
        families.prepend(family);
    font.setFamilies(families);
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
