#pragma once

#include "ui/board/tile_widget.h"

// A panel of the Styles dialog that answers a click: the style samples and
// the button panels. It paints like a tile but, unlike a tile on the board,
// takes the mouse itself.
class StylePanel : public TileWidget
{
    Q_OBJECT
public:
    explicit StylePanel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
