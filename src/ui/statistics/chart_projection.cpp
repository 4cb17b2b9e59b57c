// SPDX-License-Identifier: GPL-3.0-or-later
// Mapping a 3D chart's coordinates to pixels for its view's angles, depth, perspective and zoom.
#include "ui/statistics/chart_projection.h"

#include <QtMath>
#include <algorithm>
#include <limits>

ChartProjection::ChartProjection(const ChartView &view, const ChartBox &box, const QRectF &area)
    : m_box(box), m_width(area.width()), m_height(area.height()), m_depth(area.width() * view.depthPercent / 100)
{
    const double turn = qDegreesToRadians(360 - view.rotation);
    const double tilt = qDegreesToRadians(360 - view.elevation);
    m_cosRotation = std::cos(turn);
    m_sinRotation = std::sin(turn);
    m_cosElevation = std::cos(tilt);
    m_sinElevation = std::sin(tilt);
    // The eye stands two mean box sizes away at full perspective and farther
    // as the perspective weakens.
    m_eyeDistance = view.perspective > 0 ? (m_width + m_height) * 100 / view.perspective : 0;

    // Fit the projected box into the area, then zoom about the area's centre.
    double left = std::numeric_limits<double>::max(), right = -left, bottom = left, top = -left;
    for (const double x : {box.xMin, box.xMax})
        for (const double y : {box.yMin, box.yMax})
            for (const double z : {box.zMin, box.zMax}) {
                const QPointF p = perspectiveOf(toView(x, y, z));
                left = std::min(left, p.x());
                right = std::max(right, p.x());
                bottom = std::min(bottom, p.y());
                top = std::max(top, p.y());
            }
    m_projectedCentre = QPointF((left + right) / 2, (bottom + top) / 2);
    const double zoom = view.zoom / 100;
    m_scaleX = right > left ? zoom * area.width() / (right - left) : zoom;
    m_scaleY = top > bottom ? zoom * area.height() / (top - bottom) : zoom;
    m_areaCentre = area.center();
}

ChartProjection::Point3 ChartProjection::toView(double x, double y, double z) const
{
    const auto centred = [](double v, double lo, double hi, double size) {
        return hi > lo ? ((v - lo) / (hi - lo) - 0.5) * size : 0.0;
    };
    const double bx = centred(x, m_box.xMin, m_box.xMax, m_width);
    const double by = centred(y, m_box.yMin, m_box.yMax, m_height);
    const double bz = centred(z, m_box.zMin, m_box.zMax, m_depth);
    // Turn about the vertical axis (the left side comes forward), then tilt
    // about the horizontal one (the top comes forward).
    const double rx = bx * m_cosRotation - bz * m_sinRotation;
    const double rz = bx * m_sinRotation + bz * m_cosRotation;
    const double ty = by * m_cosElevation + rz * m_sinElevation;
    const double tz = -by * m_sinElevation + rz * m_cosElevation;
    return {rx, ty, tz};
}

QPointF ChartProjection::perspectiveOf(const Point3 &p) const
{
    if (m_eyeDistance <= 0)
        return {p.x, p.y};
    const double scale = m_eyeDistance / std::max(m_eyeDistance + p.z, 1e-6);
    return {p.x * scale, p.y * scale};
}

QPointF ChartProjection::project(double x, double y, double z) const
{
    const QPointF p = perspectiveOf(toView(x, y, z));
    return {m_areaCentre.x() + (p.x() - m_projectedCentre.x()) * m_scaleX,
            m_areaCentre.y() - (p.y() - m_projectedCentre.y()) * m_scaleY};
}

double ChartProjection::eyeX() const
{
    // The eye sits at (0, 0, -distance) in view space; turn it back into the box.
    const double distance = m_eyeDistance > 0 ? m_eyeDistance : 1e9;
    const double rz = -distance * m_cosElevation; // undo the tilt (view y is 0)
    const double bx = rz * m_sinRotation;           // undo the turn
    const double xSpan = m_box.xMax - m_box.xMin;
    return m_width > 0 ? (m_box.xMin + m_box.xMax) / 2 + bx / m_width * xSpan : (m_box.xMin + m_box.xMax) / 2;
}
