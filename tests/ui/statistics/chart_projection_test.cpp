// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's projection puts the table's points where the view's angles,
// perspective and zoom say.

#include "ui/statistics/chart_projection.h"

#include <QTest>

namespace {

const QRectF Area(10, 20, 200, 100);

ChartBox unitBox()
{
    ChartBox box;
    box.xMin = -1;
    box.xMax = 3;
    box.yMin = 0;
    box.yMax = 120;
    box.zMin = -0.5;
    box.zMax = 3.5;
    return box;
}

ChartView frontView(double zoom)
{
    ChartView view;
    view.elevation = 360;
    view.rotation = 360;
    view.perspective = 0;
    view.zoom = zoom;
    return view;
}

bool near(const QPointF &a, const QPointF &b)
{
    return std::abs(a.x() - b.x()) < 1e-6 && std::abs(a.y() - b.y()) < 1e-6;
}

} // namespace

class ChartProjectionTest : public QObject
{
    Q_OBJECT

private slots:
    void straightView_data();
    void straightView();
    void chartView();
    void eyeSide();
};

void ChartProjectionTest::straightView_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");
    QTest::addColumn<QPointF>("expected");
    // Looking straight at the front without perspective the box fills the
    // area, values grow upwards, and depth does not move a point.
    QTest::newRow("bottom left front") << 100.0 << -1.0 << 0.0 << -0.5 << QPointF(10, 120);
    QTest::newRow("top right front") << 100.0 << 3.0 << 120.0 << -0.5 << QPointF(210, 20);
    QTest::newRow("top right back") << 100.0 << 3.0 << 120.0 << 3.5 << QPointF(210, 20);
    QTest::newRow("centre") << 100.0 << 1.0 << 60.0 << 1.5 << QPointF(110, 70);
    QTest::newRow("quarter") << 100.0 << 0.0 << 30.0 << 0.0 << QPointF(60, 95);
    // The zoom scales about the area's centre.
    QTest::newRow("half zoom, bottom left") << 50.0 << -1.0 << 0.0 << -0.5 << QPointF(60, 95);
    QTest::newRow("half zoom, top right") << 50.0 << 3.0 << 120.0 << 3.5 << QPointF(160, 45);
    QTest::newRow("zoom 76, top left") << 76.0 << -1.0 << 120.0 << 0.0 << QPointF(34, 32);
}

void ChartProjectionTest::straightView()
{
    QFETCH(double, zoom);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, z);
    QFETCH(QPointF, expected);
    const ChartProjection projection(frontView(zoom), unitBox(), Area);
    const QPointF actual = projection.project(x, y, z);
    QVERIFY2(near(actual, expected), qPrintable(QStringLiteral("(%1, %2)").arg(actual.x()).arg(actual.y())));
}

void ChartProjectionTest::chartView()
{
    // The statistics chart's view: from above, turned so the left side shows,
    // in perspective, shrunk to 76 per cent of the area.
    const ChartProjection p(ChartView{}, unitBox(), Area);
    const QPointF frontBottomLeft = p.project(-1, 0, -0.5), frontBottomRight = p.project(3, 0, -0.5);
    const QPointF backBottomLeft = p.project(-1, 0, 3.5), backBottomRight = p.project(3, 0, 3.5);
    const QPointF frontTopLeft = p.project(-1, 120, -0.5), backTopLeft = p.project(-1, 120, 3.5);

    // Farther back is higher up (seen from above) and further left (turned).
    QVERIFY(backBottomLeft.y() < frontBottomLeft.y());
    QVERIFY(backBottomLeft.x() < frontBottomLeft.x());
    QVERIFY(backTopLeft.y() < frontTopLeft.y());
    // Perspective: the far edge is shorter than the near one.
    QVERIFY(QLineF(backBottomLeft, backBottomRight).length() < 0.95 * QLineF(frontBottomLeft, frontBottomRight).length());
    // Values still grow upwards, nearly in proportion along one vertical edge.
    const QPointF half = p.project(-1, 60, -0.5);
    QVERIFY(frontTopLeft.y() < half.y() && half.y() < frontBottomLeft.y());
    const double lower = frontBottomLeft.y() - half.y(), upper = half.y() - frontTopLeft.y();
    QVERIFY2(std::abs(lower - upper) < 0.05 * (lower + upper), qPrintable(QStringLiteral("%1 %2").arg(lower).arg(upper)));

    // The whole box stays inside the area with the zoom's margin around it.
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (double x : {-1.0, 3.0})
        for (double y : {0.0, 120.0})
            for (double z : {-0.5, 3.5}) {
                const QPointF q = p.project(x, y, z);
                left = std::min(left, q.x());
                right = std::max(right, q.x());
                top = std::min(top, q.y());
                bottom = std::max(bottom, q.y());
            }
    QCOMPARE(qRound(right - left), qRound(0.76 * Area.width()));
    QCOMPARE(qRound(bottom - top), qRound(0.76 * Area.height()));
    QCOMPARE(qRound((left + right) / 2), qRound(Area.center().x()));
    QCOMPARE(qRound((top + bottom) / 2), qRound(Area.center().y()));
}

void ChartProjectionTest::eyeSide()
{
    // Turned so that the left side shows, the eye stands left of the middle;
    // turned the other way, right of it; straight on, in the middle.
    ChartView view;
    QVERIFY(ChartProjection(view, unitBox(), Area).eyeX() < 1.0);
    view.rotation = 26;
    QVERIFY(ChartProjection(view, unitBox(), Area).eyeX() > 1.0);
    view.rotation = 360;
    QCOMPARE(ChartProjection(view, unitBox(), Area).eyeX(), 1.0);
}

QTEST_APPLESS_MAIN(ChartProjectionTest)
#include "chart_projection_test.moc"
