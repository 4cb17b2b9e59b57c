// SPDX-License-Identifier: GPL-3.0-or-later
// The 21 border styles, the stored style name that selects one, and stored colours.
#include "ui/styles/tile_style.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

constexpr TileBorder border(Bevel inner, Bevel outer, int bevelWidth, BorderStyle style, int borderWidth)
{
    return TileBorder{inner, outer, bevelWidth, style, borderWidth};
}

constexpr Bevel R = Bevel::Raised;
constexpr Bevel L = Bevel::Lowered;
constexpr Bevel N = Bevel::None;
constexpr BorderStyle None = BorderStyle::None;
constexpr BorderStyle Single = BorderStyle::Single;

// The samples as they stand in the Styles dialog, row by row.
constexpr std::array<StyleSample, StyleSampleCount> Samples{{
    {"panel21", 1, 1, border(R, N, 3, None, 0)},
    {"Panel1", 1, 2, border(L, N, 3, None, 0)},
    {"Panel4", 1, 3, border(R, L, 1, None, 0)},
    {"Panel12", 1, 4, border(R, N, 1, None, 2)},
    {"Panel8", 1, 5, border(R, N, 3, Single, 0)},
    {"Panel16", 1, 6, border(R, R, 1, Single, 2)},
    {"Panel7", 1, 7, border(L, R, 1, None, 2)},
    {"Panel2", 2, 1, border(R, N, 2, None, 0)},
    {"Panel3", 2, 2, border(L, N, 2, None, 0)},
    {"Panel10", 2, 3, border(R, L, 1, None, 1)},
    {"Panel17", 2, 4, border(L, N, 1, None, 1)},
    {"Panel13", 2, 5, border(R, N, 2, Single, 0)},
    {"Panel15", 2, 6, border(R, R, 1, None, 1)},
    {"Panel19", 2, 7, border(L, R, 1, None, 1)},
    {"Panel5", 3, 1, border(R, N, 1, None, 0)},
    {"Panel6", 3, 2, border(L, N, 1, None, 0)},
    {"Panel9", 3, 3, border(R, L, 1, None, 2)},
    {"Panel20", 3, 4, border(L, N, 1, None, 2)},
    {"Panel14", 3, 5, border(R, N, 1, Single, 0)},
    {"Panel11", 3, 6, border(R, R, 1, None, 2)},
    {"Panel18", 3, 7, border(L, R, 2, None, 2)},
}};

const StyleSample &sampleNamed(const char *name)
{
    const StyleSample *sample = findStyleSample(QString::fromLatin1(name));
    Q_ASSERT(sample);
    return *sample;
}

QPalette::ColorRole systemColourRole(int index, QPalette::ColorGroup &group)
{
    group = QPalette::Active;
    switch (index) {
    case 1: return QPalette::Window;          // desktop
    case 4: return QPalette::Window;          // menu
    case 5: return QPalette::Base;            // window
    case 6: return QPalette::Shadow;          // window frame
    case 7: return QPalette::WindowText;      // menu text
    case 8: return QPalette::Text;            // window text
    case 9: return QPalette::HighlightedText; // caption text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;         // button face
    case 16: return QPalette::Dark;           // button shadow
    case 17: group = QPalette::Disabled; return QPalette::Text; // grey text
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light;          // button highlight
    case 21: return QPalette::Shadow;         // 3-D dark shadow
    case 22: return QPalette::Midlight;       // 3-D light
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Button;
    }
}

} // namespace

const std::array<StyleSample, StyleSampleCount> &styleSamples()
{
    return Samples;
}

const StyleSample *findStyleSample(const QString &componentName)
{
    for (const StyleSample &sample : Samples)
        if (componentName == QLatin1String(sample.name))
            return &sample;
    return nullptr;
}

const StyleSample &styleSampleForStoredName(const QString &storedStyle)
{
    const QString upper = storedStyle.toUpper();
    if (upper == QLatin1String("PANEL21"))
        return sampleNamed("panel21");
    for (int n = 2; n <= 20; ++n)
        if (upper == QStringLiteral("PANEL%1").arg(n))
            return *findStyleSample(QStringLiteral("Panel%1").arg(n));
    return sampleNamed("Panel1");
}

TileBorder borderForStyleName(const QString &storedStyle)
{
    return styleSampleForStoredName(storedStyle).border;
}

TileBorder templateDesignBorder()
{
    return sampleNamed("panel21").border;
}

TileBorder defaultTileBorder()
{
    return sampleNamed("Panel1").border;
}

QColor colourFromStored(qint32 stored)
{
    const quint32 value = quint32(stored);
    if (value & 0x80000000u) {
        QPalette::ColorGroup group;
        const QPalette::ColorRole role = systemColourRole(int(value & 0xFFu), group);
        return QGuiApplication::palette().color(group, role);
    }
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

qint32 storedFromColour(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return qint32(quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16));
}
