// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing 3D bars and the walls behind them under a chart projection.
#include "ui/statistics/bar_chart.h"

#include "ui/statistics/chart_projection.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace {

QColor mixColours(const QColor &a, const QColor &b, double share)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * share),
                            float(a.greenF() + (b.greenF() - a.greenF()) * share),
                            float(a.blueF() + (b.blueF() - a.blueF()) * share));
}

// Twice the signed area in widget coordinates: negative when the corners,
// given anticlockwise as seen from outside the face, appear anticlockwise on screen.
double signedArea(const QPolygonF &polygon)
{
    double sum = 0;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF &a = polygon[i];
        const QPointF &b = polygon[(i + 1) % polygon.size()];
        sum += a.x() * b.y() - b.x() * a.y();
    }
    return sum;
}

bool facesEye(const QPolygonF &face)
{
    return signedArea(face) < -1e-9;
}

// The convex hull of a few points, anticlockwise (monotone chain).
QPolygonF convexHull(QList<QPointF> points)
{
    std::sort(points.begin(), points.end(),
              [](const QPointF &a, const QPointF &b) { return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()); });
    const auto cross = [](const QPointF &o, const QPointF &a, const QPointF &b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    QPolygonF hull;
    for (int pass = 0; pass < 2; ++pass) {
        const qsizetype start = hull.size();
        for (const QPointF &p : points) {
            while (hull.size() >= start + 2 && cross(hull[hull.size() - 2], hull.back(), p) <= 0)
                hull.removeLast();
            hull << p;
        }
        hull.removeLast();
        std::reverse(points.begin(), points.end());
    }
    return hull;
}

enum class Face { Front, Back, Left, Right, Top, Bottom };

struct Corners
{
    double l, r, b, t, f, k;
};

// Anticlockwise as seen from outside the box; x right, y up, z away from the eye.
QPolygonF facePolygon(const ChartProjection &projection, const Corners &c, Face face)
{
    const auto p = [&](double x, double y, double z) { return projection.project(x, y, z); };
    switch (face) {
    case Face::Front:
        return QPolygonF{{p(c.l, c.b, c.f), p(c.r, c.b, c.f), p(c.r, c.t, c.f), p(c.l, c.t, c.f)}};
    case Face::Back:
        return QPolygonF{{p(c.r, c.b, c.k), p(c.l, c.b, c.k), p(c.l, c.t, c.k), p(c.r, c.t, c.k)}};
    case Face::Right:
        return QPolygonF{{p(c.r, c.b, c.f), p(c.r, c.b, c.k), p(c.r, c.t, c.k), p(c.r, c.t, c.f)}};
    case Face::Left:
        return QPolygonF{{p(c.l, c.b, c.k), p(c.l, c.b, c.f), p(c.l, c.t, c.f), p(c.l, c.t, c.k)}};
    case Face::Top:
        return QPolygonF{{p(c.l, c.t, c.f), p(c.r, c.t, c.f), p(c.r, c.t, c.k), p(c.l, c.t, c.k)}};
    case Face::Bottom:
        return QPolygonF{{p(c.l, c.b, c.k), p(c.r, c.b, c.k), p(c.r, c.b, c.f), p(c.l, c.b, c.f)}};
    }
    return {};
}

// A vertical shade from light at the box's top to dark at its bottom, along
// the face's own left edge so it follows the perspective.
QBrush gradientBrush(const QPolygonF &face, const QColor &colour, bool side)
{
    const QPointF bottom = face[0];
    const QPointF top = face[3];
    QLinearGradient gradient(top, bottom);
    const QColor light = side ? barSideColour(mixColours(colour, Qt::white, 0.45)) : mixColours(colour, Qt::white, 0.45);
    const QColor dark = side ? barSideColour(mixColours(colour, Qt::black, 0.45)) : mixColours(colour, Qt::black, 0.45);
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    return QBrush(gradient);
}

void paintBox(QPainter &painter, const ChartProjection &projection, const BarBox &bar)
{
    const Corners c{bar.left, bar.right, bar.bottom, bar.top, bar.front, bar.back};
    struct Shown
    {
        QPolygonF polygon;
        QBrush brush;
    };
    QList<Shown> shown;
    QList<QPointF> corners;
    for (const Face face : {Face::Back, Face::Bottom, Face::Left, Face::Right, Face::Front, Face::Top}) {
        QPolygonF polygon = facePolygon(projection, c, face);
        corners << polygon;
        if (!facesEye(polygon))
            continue;
        QBrush brush;
        if (face == Face::Top)
            brush = barTopColour(bar.colour);
        else if (face == Face::Front || face == Face::Back)
            brush = bar.gradient ? gradientBrush(polygon, bar.colour, false) : QBrush(bar.colour);
        else if (face == Face::Left || face == Face::Right)
            brush = bar.gradient ? gradientBrush(polygon, bar.colour, true) : QBrush(barSideColour(bar.colour));
        else
            brush = barSideColour(barSideColour(bar.colour));
        shown << Shown{polygon, brush};
    }
    // The silhouette first, in the darkest face colour: the antialiased seams
    // between faces then blend two face colours instead of letting the
    // background show through.
    painter.setPen(Qt::NoPen);
    painter.setBrush(barSideColour(bar.colour));
    painter.drawPolygon(convexHull(corners));
    for (const Shown &face : shown) {
        painter.setBrush(face.brush);
        painter.drawPolygon(face.polygon);
    }
    // A fine darker edge keeps the bar crisp against the walls and its neighbours.
    QPen edge(mixColours(bar.colour, Qt::black, 0.6), 0.6);
    edge.setJoinStyle(Qt::RoundJoin);
    painter.setPen(edge);
    painter.setBrush(Qt::NoBrush);
    for (const Shown &face : shown)
        painter.drawPolygon(face.polygon);
}

} // namespace

QColor barTopColour(const QColor &colour)
{
    return mixColours(colour, Qt::white, 0.42);
}

QColor barSideColour(const QColor &colour)
{
    return mixColours(colour, Qt::black, 0.32);
}

void paintChartWalls(QPainter &painter, const ChartProjection &projection, const QColor &backWall)
{
    const ChartBox &box = projection.box();
    const Corners c{box.xMin, box.xMax, box.yMin, box.yMax, box.zMin, box.zMax};
    const QColor edge = mixColours(backWall, Qt::black, 0.35);
    painter.setPen(QPen(edge, 0.6));
    // Inner sides: a wall's outer face turned round. The right side stays
    // open so that the ends of the depth rows can be named there.
    enum class Wall { Back, Floor, Left };
    const struct
    {
        Wall wall;
        Face inner;
        QColor colour;
    } walls[] = {
        {Wall::Back, Face::Front, backWall},
        {Wall::Floor, Face::Top, mixColours(backWall, Qt::white, 0.35)},
        {Wall::Left, Face::Right, mixColours(backWall, Qt::black, 0.12)},
    };
    for (const auto &wall : walls) {
        Corners corners = c;
        switch (wall.wall) {
        case Wall::Back: corners.f = corners.k; break;
        case Wall::Floor: corners.t = corners.b; break;
        case Wall::Left: corners.r = corners.l; break;
        }
        const QPolygonF polygon = facePolygon(projection, corners, wall.inner);
        if (!facesEye(polygon))
            continue;
        painter.setBrush(wall.colour);
        painter.drawPolygon(polygon);
    }
}

void paintBarBoxes(QPainter &painter, const ChartProjection &projection, QList<BarBox> bars)
{
    const ChartBox &box = projection.box();
    const double eye = projection.eyeX();
    for (BarBox &bar : bars) {
        bar.bottom = std::clamp(bar.bottom, box.yMin, box.yMax);
        bar.top = std::clamp(bar.top, box.yMin, box.yMax);
    }
    bars.removeIf([](const BarBox &bar) { return !(bar.top > bar.bottom); });
    // Farther rows first; in a row, the bars farthest from the eye to either
    // side first, so that a nearer bar's side covers its neighbour.
    std::stable_sort(bars.begin(), bars.end(), [eye](const BarBox &a, const BarBox &b) {
        if (a.back != b.back)
            return a.back > b.back;
        return std::abs((a.left + a.right) / 2 - eye) > std::abs((b.left + b.right) / 2 - eye);
    });
    for (const BarBox &bar : bars)
        paintBox(painter, projection, bar);
}
