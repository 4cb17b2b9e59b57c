// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>
#include <array>

// The look of a tile's frame: the five border properties of a classic 3-D
// panel. Painting order from the outside in: the single border (a sunken
// 2 px edge), the outer bevel, a gap of borderWidth pixels in the tile
// colour, the inner bevel.
enum class Bevel { None, Lowered, Raised };
enum class BorderStyle { None, Single };

struct TileBorder
{
    Bevel inner = Bevel::Raised;
    Bevel outer = Bevel::None;
    int bevelWidth = 3;
    BorderStyle borderStyle = BorderStyle::None;
    int borderWidth = 0;

    bool operator==(const TileBorder &) const = default;
};

// One of the 21 style samples of the Styles dialog, by component name
// ("panel21", "Panel1" ... "Panel20"); row and column (1-based) of its
// place in the dialog's 3 x 7 grid.
struct StyleSample
{
    const char *name;
    int row;
    int column;
    TileBorder border;
};

inline constexpr int StyleSampleCount = 21;

// The 21 samples in grid order (row by row, left to right; panel21 first).
const std::array<StyleSample, StyleSampleCount> &styleSamples();

// The sample with exactly this component name, or nullptr.
const StyleSample *findStyleSample(const QString &componentName);

// The sample a stored "Style" value selects: the text in upper case equal to
// "PANEL2" ... "PANEL20" gives that sample, "PANEL21" gives panel21, anything
// else (also "PANEL1", "Panel22" and "") gives Panel1.
const StyleSample &styleSampleForStoredName(const QString &storedStyle);
TileBorder borderForStyleName(const QString &storedStyle);

// The template tile's look before any setting is applied (panel21), and the
// style used when nothing is stored (Panel1).
TileBorder templateDesignBorder();
TileBorder defaultTileBorder();

// Stored colours are the classic toolkit's colour values: red in the low
// byte, green, blue; written as a signed decimal. Values with the top bit set
// name system colours; 0x8000000F is the button face.
inline constexpr qint32 ButtonFaceStored = qint32(0x8000000F); // -2147483633

QColor colourFromStored(qint32 stored); // system colours via the application palette
qint32 storedFromColour(const QColor &colour); // always an RGB value (no system colour)

// A tile colour that remembers how it was stored, so that the button face
// keeps being written as -2147483633 until the player picks a real colour.
struct TileColour
{
    qint32 stored = ButtonFaceStored;

    static TileColour buttonFace() { return TileColour{ButtonFaceStored}; }
    static TileColour fromColour(const QColor &colour) { return TileColour{storedFromColour(colour)}; }
    bool isSystemColour() const { return stored < 0; }
    QColor colour() const { return colourFromStored(stored); }
    bool operator==(const TileColour &) const = default;
};
