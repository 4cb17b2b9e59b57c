// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/board/tile_painter.h"
#include "ui/styles/tile_style.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

// A tile as a widget of its own: the hidden template tile pCopy, whose look
// every tile a round places copies, and the Styles dialog's panels. It only shows
// what it is given: caption, letter colour, tile colour, font and the five
// border properties, painted like a classic 3-D panel. Mouse presses, moves
// and releases are ignored so they reach the parent (the window drives
// dragging); tool tips come from the hint text when the tile's own show-hint
// flag is set (the application-wide switch lives in hover_hints.h).
class TileWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TileWidget(QWidget *parent = nullptr, int tag = 0);

    // Slot number in the tile pool (1-based; 0 for the template tile).
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    QColor letterColour() const { return m_letterColour; }
    void setLetterColour(const QColor &colour);

    TileColour tileColour() const { return m_tileColour; }
    void setTileColour(const TileColour &colour);
    void setTileColour(const QColor &colour) { setTileColour(TileColour::fromColour(colour)); }

    QFont tileFont() const { return m_font; }
    void setTileFont(const QFont &font);

    TileBorder border() const { return m_border; }
    void setBorder(const TileBorder &border);

    // Everything it shows, as the board paints it.
    TileFace face() const;

    // Copies colour, font and border (not caption, letter colour, hint) from another tile.
    void copyLookFrom(const TileWidget &other);

    QString hintText() const { return m_hintText; }
    void setHintText(const QString &text);
    bool showHint() const { return m_showHint; }
    void setShowHint(bool on);

    // The rectangle inside every border and bevel, where the caption is drawn.
    QRect contentRect() const;

    // Total frame thickness on each side, in pixels.
    static int frameThickness(const TileBorder &border);

    // The tile font, shrunk (down to MinimumFittedPixels) so the caption fits the width.
    static constexpr int MinimumFittedPixels = TilePainter::MinimumFittedPixels;
    static QFont fittingFont(const QFont &font, const QString &caption, int width);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void updateToolTip();

    int m_tag = 0;
    QString m_caption;
    QColor m_letterColour = Qt::black;
    TileColour m_tileColour;
    QFont m_font;
    TileBorder m_border;
    QString m_hintText;
    bool m_showHint = false;
};

// The template tile as designed: caption "W", "Tahoma" 13 px bold, letters
// RGB 0,170,102, button face, style panel21, 39 x 25, hidden.
TileWidget *makeTemplateTile(QWidget *parent);
