// SPDX-License-Identifier: GPL-3.0-or-later
// Colours named in words, for a screen reader.
#include "ui/styles/colour_name.h"

#include <QColor>
#include <QCoreApplication>

namespace {
QString said(const char *text)
{
    return QCoreApplication::translate("ColourName", text);
}

QString hueName(int hue)
{
    // Hue bands in degrees, each named by the colour at its middle.
    static const std::pair<int, const char *> bands[] = {
        {15, QT_TRANSLATE_NOOP("ColourName", "red")},    {45, QT_TRANSLATE_NOOP("ColourName", "orange")},
        {70, QT_TRANSLATE_NOOP("ColourName", "yellow")}, {160, QT_TRANSLATE_NOOP("ColourName", "green")},
        {200, QT_TRANSLATE_NOOP("ColourName", "cyan")},  {260, QT_TRANSLATE_NOOP("ColourName", "blue")},
        {290, QT_TRANSLATE_NOOP("ColourName", "purple")}, {335, QT_TRANSLATE_NOOP("ColourName", "pink")},
        {360, QT_TRANSLATE_NOOP("ColourName", "red")}};
    for (const auto &[upTo, name] : bands)
        if (hue < upTo)
            return said(name);
    return said(bands[0].second);
}
} // namespace

QString colourName(const QColor &colour)
{
    const QColor hsl = colour.toHsl();
    const int lightness = hsl.lightness();   // 0 ... 255
    const int saturation = hsl.hslSaturation();
    QString name;
    if (saturation < 40 || hsl.hslHue() < 0) {
        if (lightness < 30)
            name = said(QT_TRANSLATE_NOOP("ColourName", "black"));
        else if (lightness > 235)
            name = said(QT_TRANSLATE_NOOP("ColourName", "white"));
        else if (lightness < 100)
            name = said(QT_TRANSLATE_NOOP("ColourName", "dark grey"));
        else if (lightness > 180)
            name = said(QT_TRANSLATE_NOOP("ColourName", "light grey"));
        else
            name = said(QT_TRANSLATE_NOOP("ColourName", "grey"));
    } else {
        const QString hue = hueName(hsl.hslHue());
        if (lightness < 85)
            name = said(QT_TRANSLATE_NOOP("ColourName", "dark %1")).arg(hue);
        else if (lightness > 200)
            name = said(QT_TRANSLATE_NOOP("ColourName", "pale %1")).arg(hue);
        else if (lightness > 160)
            name = said(QT_TRANSLATE_NOOP("ColourName", "light %1")).arg(hue);
        else
            name = hue;
    }
    return said(QT_TRANSLATE_NOOP("ColourName", "%1 (%2)")).arg(name, colour.name().toUpper());
}
