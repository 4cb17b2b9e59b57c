// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/board/tile_widget.h"

// A panel of the Styles dialog that answers a click: the style samples and
// the button panels. It paints like a tile but, unlike a tile on the board,
// takes the mouse itself. It also takes the keyboard focus (Tab), shows it
// with a ring, answers Space and Enter like a click, and the arrow keys move
// the focus to the nearest panel that way among its siblings.
class StylePanel : public TileWidget
{
    Q_OBJECT
public:
    explicit StylePanel(QWidget *parent = nullptr);

    // What a click does, for keys and assistive technology.
    void click() { emit clicked(); }

    // A style sample is a choice: it reads as checked while it is the tiles'
    // style, and a screen reader hears it become so.
    void setChoice(bool choice) { m_choice = choice; }
    bool isChoice() const { return m_choice; }
    void setCurrent(bool current);
    bool isCurrent() const { return m_current; }
    // A button's caption too wide for one line goes onto more lines at its
    // own size where they fit, rather than shrinking as a tile's letters do.
    void setWrapsCaption(bool on) { m_wrapsCaption = on; }
    bool captionFitsWrapped() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    StylePanel *neighbour(int dx, int dy) const;

    bool m_pressed = false;
    bool m_choice = false;
    bool m_current = false;
    bool m_wrapsCaption = false;
};
