// SPDX-License-Identifier: GPL-3.0-or-later
// The black and white rings of keyboard play.
#include "ui/board/focus_marks.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace FocusMarks {
namespace {
// A ring of the given width along the inside of r.
void ring(QPainter &p, const QRect &r, const QColor &colour, int width)
{
    p.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
    p.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
    p.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
    p.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
}
} // namespace

int px(int n, qreal scale)
{
    return std::max(1, int(std::lround(n * scale)));
}

void paintFocus(QPainter &p, const QRect &r, qreal scale)
{
    // Black, white, white, black: one of them contrasts with anything beneath.
    const int w = px(1, scale);
    ring(p, r, Qt::black, w);
    ring(p, r.adjusted(w, w, -w, -w), Qt::white, 2 * w);
    ring(p, r.adjusted(3 * w, 3 * w, -3 * w, -3 * w), Qt::black, w);
}

void paintCarried(QPainter &p, const QRect &r, qreal scale)
{
    // A white dash pattern over solid black: a marching border on any face.
    p.save();
    const QRect inner = r.adjusted(px(4, scale), px(4, scale), -px(5, scale), -px(5, scale));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, px(2, scale)));
    p.drawRect(inner);
    p.setPen(QPen(Qt::white, px(2, scale), Qt::DashLine));
    p.drawRect(inner);
    p.restore();
}

} // namespace FocusMarks
