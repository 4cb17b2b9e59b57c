// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/styles/tile_style.h"

#include <QFont>
#include <QString>

class SettingsFile;

// The tiles' look as the player chose it: colour, font and border style, kept
// in section "Options" of the settings file under "Color", "FontName",
// "FontSize", "FontBold" and "Style". Only face, size and bold of the font are
// stored; italic and the like last until the look is read again.
struct TileLook
{
    TileColour colour;
    QFont font;
    QString style = QStringLiteral("Panel1"); // component name of the border's sample
    TileBorder border = defaultTileBorder();

    // The look the settings file holds. A missing "Color", "FontName" or
    // "FontSize" falls back to the given colour and font's face and size; the
    // font keeps the style of currentFont unless "FontBold" is true, which
    // makes it bold alone. A "Style" naming no sample gives Panel1.
    static TileLook read(const SettingsFile &settings, const QFont &currentFont, const TileColour &fallbackColour,
                         const QFont &fallbackFont);

    // What each pick of the Styles dialog writes, in this order.
    void writeStyle(SettingsFile &settings) const;  // "Style", "Color", "FontName", "FontSize", "FontBold"
    void writeColour(SettingsFile &settings) const; // "Color"
    void writeFont(SettingsFile &settings) const;   // "Color", "FontName", "FontSize", "FontBold"
};

// A font's size in whole points; pixel-sized fonts count at 96 dots per inch.
int pointSizeOf(const QFont &font);
