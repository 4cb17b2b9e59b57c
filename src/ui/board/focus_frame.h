// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A ring drawn over the board around one tile, in black and white so that it
// shows on every tile colour, style and background. Mouse input passes through.
class FocusFrame : public QWidget
{
    Q_OBJECT
public:
    enum class Kind {
        Focus,   // the keyboard's place: a solid ring just outside the tile
        Carried, // a tile picked up by the keyboard: a dashed ring inside it
    };
    static constexpr int Outset = 2; // how far the focus ring reaches beyond its tile

    FocusFrame(Kind kind, QWidget *board);
    Kind kind() const { return m_kind; }

    // Puts the ring around a tile's rectangle (board coordinates), in front.
    void surround(const QRect &tile);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
};
