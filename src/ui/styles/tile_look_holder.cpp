// SPDX-License-Identifier: GPL-3.0-or-later
// The current tile look, put on the template tile and the tiles showing, and each pick saved.
#include "ui/styles/tile_look_holder.h"

#include "ui/board/board_panel.h"
#include "ui/board/tile_widget.h"

TileLookHolder::TileLookHolder(TileWidget &templateTile, BoardPanel &board)
    : m_template(templateTile), m_board(board)
{
    // Until the first restore: the design values of the Styles dialog's panels.
    m_look.colour = TileColour::fromColour(QColor(204, 221, 187));
    m_look.font = QFont(QStringLiteral("Tahoma"));
    m_look.font.setPointSize(8);
    m_look.border = m_template.border();
}

void TileLookHolder::restyleBoard(const std::function<void(TileFace &)> &change)
{
    for (int slot = 1; slot <= RestyledTiles; ++slot) {
        TileFace face = m_board.tile(slot).face;
        change(face);
        m_board.setTileLook(slot, face.colour, face.font, face.border);
    }
}

void TileLookHolder::restore(const SettingsFile &settings)
{
    m_look = TileLook::read(settings, m_look.font, m_template.tileColour(), m_template.tileFont());
    m_template.setTileColour(m_look.colour);
    m_template.setTileFont(m_look.font);
    m_template.setBorder(m_look.border);
}

void TileLookHolder::pickStyle(const StyleSample &sample, SettingsFile &settings)
{
    m_look.style = QString::fromLatin1(sample.name);
    m_look.border = sample.border;
    m_template.setBorder(sample.border);
    restyleBoard([&](TileFace &face) { face.border = sample.border; });
    // The colour and font written with the style are the template tile's.
    TileLook written = m_look;
    written.colour = m_template.tileColour();
    written.font = m_template.tileFont();
    written.writeStyle(settings);
}

void TileLookHolder::pickColour(const QColor &colour, SettingsFile &settings)
{
    m_look.colour = TileColour::fromColour(colour);
    m_template.setTileColour(m_look.colour);
    restyleBoard([this](TileFace &face) { face.colour = m_look.colour; });
    m_look.writeColour(settings);
}

void TileLookHolder::pickFont(const QFont &font, SettingsFile &settings)
{
    m_look.font = font;
    m_template.setTileFont(font);
    // Face, size and style change; each tile's letter colour stays.
    restyleBoard([&](TileFace &face) { face.font = font; });
    TileLook written = m_look;
    written.colour = m_template.tileColour();
    written.writeFont(settings);
}
