// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "round/board.h"
#include "ui/board/tile_painter.h"

#include <QFrame>
#include <QPixmap>
#include <QPointer>
#include <array>

class BackgroundImage;
class QAccessibleInterface;

// One tile as the board shows it: its face, its place at the board's natural
// size, and what a screen reader and a hover hint say of it.
struct ShownTile
{
    TileFace face;
    QRect geometry; // at the natural size, in the board's coordinates
    bool visible = false;
    QString hint;
    bool showHint = false;
    QString accessibleName;
    QString accessibleDescription;
};

// The board panel pGame: a sunken frame that paints everything on the board
// itself: the background picture, every tile, the keyboard's frames and the
// tile being dragged. One widget paints the whole board, so a deal or a drop
// costs one paint, not one per tile.
//
// The board grows with the window: tiles, captions, frames and cue shapes
// scale together (aspect kept, centred), never below the natural size the
// round laid them out at.
class BoardPanel : public QFrame
{
    Q_OBJECT
public:
    explicit BoardPanel(QWidget *parent = nullptr);
    ~BoardPanel() override;

    // Tiles, by slot 1 ... TileSlots.
    const ShownTile &tile(int slot) const { return m_tiles[size_t(slot - 1)]; }
    void setTile(int slot, const ShownTile &tile);
    // The look of a tile (colour, font, border), caption and letters kept.
    void setTileLook(int slot, const TileColour &colour, const QFont &font, const TileBorder &border);
    // The shown tile's rectangle in this widget, as painted; empty when hidden.
    QRect tileRect(int slot) const;
    // The shown tile under a point of this widget, or 0.
    int slotAt(const QPoint &pos) const;

    // The size the round laid the board out for; the scale follows the widget's size.
    QSize naturalSize() const { return m_naturalSize; }
    void setNaturalSize(const QSize &size);
    qreal scale() const { return m_scale; }
    // A rectangle at the natural size, as painted now.
    QRect place(const QRect &natural) const;

    void setBackground(BackgroundImage *picture);

    // The keyboard's frame (around a tile) and its carried tile's mark; 0: none.
    void setFocusMark(int slot);
    void setCarriedMark(int slot);
    int focusMark() const { return m_focusMark; }
    int carriedMark() const { return m_carriedMark; }
    QRect focusMarkRect() const;
    QRect carriedMarkRect() const;
    static constexpr int FocusOutset = 2; // how far the focus ring reaches beyond its tile

    // The dragged tile drawn over the board with its top-left corner at pos.
    void showDragCopy(int slot, const QPoint &pos);
    void moveDragCopy(const QPoint &pos);
    void hideDragCopy();
    QRect dragCopyRect() const;
    // The tile alone, as painted now (the dragged copy's picture).
    QPixmap tilePicture(int slot) const;

    // A screen reader's view of the tiles: each is a child of the board's
    // accessible object, named and described here.
    void setTileAccessibleText(int slot, const QString &name, const QString &description);
    QAccessibleInterface *tileInterface(int slot) const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    // The keyboard's place shows in the focus frame, not in the panel: a
    // change of focus repaints nothing. A drop disables the board, which
    // sends focus away and back; QWidget would repaint the whole board each time.
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void updateScale();
    void repaintTile(int slot);
    void paintMarks(QPainter &painter);

    // The caption's fitted font of each slot, worked out again only when what it depends on changes:
    // measuring a caption is most of a tile's paint.
    struct FittedCaption
    {
        QString caption;
        QFont font;
        int width = -1;
        QFont fitted;
    };
    const QFont &fittedFont(int slot, const TileFace &face, int width) const;

    std::array<ShownTile, TileSlots> m_tiles;
    mutable std::array<FittedCaption, TileSlots> m_fitted;
    QSize m_naturalSize;
    qreal m_scale = 1.0;
    QPoint m_offset;
    QPointer<BackgroundImage> m_background;
    int m_focusMark = 0;
    int m_carriedMark = 0;
    QPixmap m_dragPicture;
    QPoint m_dragPos;
};
