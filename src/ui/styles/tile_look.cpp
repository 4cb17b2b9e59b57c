// SPDX-License-Identifier: GPL-3.0-or-later
// The tiles' colour, font and style, read from and written to the settings file.
#include "ui/styles/tile_look.h"

#include "settings/settings_file.h"

int pointSizeOf(const QFont &font)
{
    if (font.pointSize() > 0)
        return font.pointSize();
    return qRound(font.pixelSize() * 72.0 / 96.0);
}

TileLook TileLook::read(const SettingsFile &settings, const QFont &currentFont, const TileColour &fallbackColour,
                        const QFont &fallbackFont)
{
    TileLook look;
    look.colour = TileColour{settings.readInteger(OptionsSection, QStringLiteral("Color"), fallbackColour.stored)};
    look.font = currentFont;
    look.font.setFamily(settings.readString(OptionsSection, QStringLiteral("FontName"), fallbackFont.family()));
    // A size of 0 or less cannot be drawn; the smallest size stands in for it.
    look.font.setPointSize(
        qMax(1, settings.readInteger(OptionsSection, QStringLiteral("FontSize"), pointSizeOf(fallbackFont))));
    if (settings.readBool(OptionsSection, QStringLiteral("FontBold"), false)) {
        look.font.setBold(true);
        look.font.setItalic(false);
        look.font.setUnderline(false);
        look.font.setStrikeOut(false);
    }
    const StyleSample &sample =
        styleSampleForStoredName(settings.readString(OptionsSection, QStringLiteral("Style"), QStringLiteral("panel1")));
    look.style = QString::fromLatin1(sample.name);
    look.border = sample.border;
    return look;
}

void TileLook::writeStyle(SettingsFile &settings) const
{
    settings.writeString(OptionsSection, QStringLiteral("Style"), style);
    writeFont(settings);
}

void TileLook::writeColour(SettingsFile &settings) const
{
    settings.writeInteger(OptionsSection, QStringLiteral("Color"), colour.stored);
}

void TileLook::writeFont(SettingsFile &settings) const
{
    writeColour(settings);
    settings.writeString(OptionsSection, QStringLiteral("FontName"), font.family());
    settings.writeInteger(OptionsSection, QStringLiteral("FontSize"), pointSizeOf(font));
    settings.writeBool(OptionsSection, QStringLiteral("FontBold"), font.bold());
}
