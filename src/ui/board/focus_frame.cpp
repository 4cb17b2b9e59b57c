// SPDX-License-Identifier: GPL-3.0-or-later
// The black and white ring around the tile the keyboard is on.
#include "ui/board/focus_frame.h"

#include <QPainter>

FocusFrame::FocusFrame(Kind kind, QWidget *board) : QWidget(board), m_kind(kind)
{
    setObjectName(kind == Kind::Focus ? QStringLiteral("keyboardFocus") : QStringLiteral("keyboardCarried"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusFrame::surround(const QRect &tile)
{
    setGeometry(m_kind == Kind::Focus ? tile.adjusted(-Outset, -Outset, Outset, Outset) : tile);
    show();
    raise();
}

void FocusFrame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    if (m_kind == Kind::Focus) {
        // Black, white, white, black: one of them contrasts with anything beneath.
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(Qt::white);
        p.drawRect(r.adjusted(1, 1, -2, -2));
        p.drawRect(r.adjusted(2, 2, -3, -3));
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(3, 3, -4, -4));
        return;
    }
    // A white dash pattern over solid black: a marching border on any face.
    QPen black(Qt::black, 2);
    p.setPen(black);
    const QRect inner = r.adjusted(4, 4, -5, -5);
    p.drawRect(inner);
    QPen white(Qt::white, 2, Qt::DashLine);
    p.setPen(white);
    p.drawRect(inner);
}
