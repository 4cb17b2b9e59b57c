// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's 3D bar chart of the sixteen averages, with its names laid over it.
#include "ui/statistics/score_chart.h"

#include "ui/statistics/bar_chart.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

struct SeriesLook
{
    const char *title;
    QRgb colour;
    double widthPercent;  // of the space between classes
    double offsetPercent; // of the bar's own width, to the right
    bool gradient;
};

// One series per band, in band order: each stands in its own depth row.
const SeriesLook Series[ScoreChart::SeriesCount] = {
    {QT_TRANSLATE_NOOP("ScoreChart", "2 Splits"), 0xFF0000, 40, 25, false},
    {QT_TRANSLATE_NOOP("ScoreChart", "3 Splits"), 0x008000, 35, 15, false},
    {QT_TRANSLATE_NOOP("ScoreChart", "4 Splits"), 0xFFFF00, 30, 15, false},
    {QT_TRANSLATE_NOOP("ScoreChart", "5 Splits"), 0x0000FF, 25, 0, true},
};

// The band names at the end of the rows, in the colours of the table's headings.
const QRgb RowNameColours[ScoreChart::SeriesCount] = {0xFF0000, 0x008000, 0xFFFF00, 0x000080};
const char *const RowNames[ScoreChart::SeriesCount] = {"25", "50", "75", "100"};

constexpr double ValueMax = 120;
constexpr double CategoryMax = 4;    // leaves the floor room for the row names
constexpr double BarDepthShare = 0.62; // of a depth row: the rows stay apart

const QColor PanelTop(0x00, 0xFF, 0x80);
const QColor PanelBottom(0xFF, 0x80, 0x80);
const QColor BackWall(0x9D, 0x9D, 0x9D);

ChartBox scoreBox()
{
    ChartBox box;
    box.xMin = -0.5;
    box.xMax = CategoryMax;
    box.yMin = 0;
    box.yMax = ValueMax;
    box.zMin = -0.5;
    box.zMax = ScoreChart::SeriesCount - 0.5;
    return box;
}

struct Span
{
    double left, right;
};

Span barSpan(int series, int classIndex)
{
    const double width = Series[series].widthPercent / 100;
    const double centre = classIndex + width * Series[series].offsetPercent / 100;
    return {centre - width / 2, centre + width / 2};
}

void drawText(QPainter &painter, const QPointF &anchor, Qt::Alignment align, const QString &text, const QColor &colour)
{
    const QFontMetricsF metrics(painter.font());
    QPointF origin(anchor.x(), anchor.y() + (metrics.ascent() - metrics.descent()) / 2);
    if (align & Qt::AlignRight)
        origin.rx() -= metrics.horizontalAdvance(text);
    else if (align & Qt::AlignHCenter)
        origin.rx() -= metrics.horizontalAdvance(text) / 2;
    // Light letters get a dark rim: yellow on the pale panel would not read.
    if (colour.lightnessF() > 0.6) {
        QPainterPath path;
        path.addText(origin, painter.font(), text);
        painter.strokePath(path, QPen(QColor(60, 60, 60, 170), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    painter.setPen(colour);
    painter.drawText(origin, text);
}

} // namespace

ScoreChart::ScoreChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Chart1"));
    setFixedSize(ChartWidth, ChartHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScoreChart::setTable(const ScoreTable &table)
{
    if (table == m_table)
        return;
    m_table = table;
    update();
}

QColor ScoreChart::seriesColour(int series)
{
    return QColor::fromRgb(Series[series].colour);
}

QString ScoreChart::seriesTitle(int series)
{
    return QCoreApplication::translate("ScoreChart", Series[series].title);
}

ChartProjection ScoreChart::projection() const
{
    return ChartProjection(ChartView{}, scoreBox(), QRectF(0, 0, ChartWidth, ChartHeight));
}

QPointF ScoreChart::barPoint(int series, int classIndex, double value) const
{
    const Span span = barSpan(series, classIndex);
    return projection().project((span.left + span.right) / 2, value, series - BarDepthShare / 2);
}

void ScoreChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintChart(painter);
}

void ScoreChart::paintChart(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient panel(0, 0, 0, ChartHeight);
    panel.setColorAt(0, PanelTop);
    panel.setColorAt(1, PanelBottom);
    painter.fillRect(QRectF(0, 0, ChartWidth, ChartHeight), panel);

    const ChartProjection view = projection();
    const ChartBox box = scoreBox();
    paintChartWalls(painter, view, BackWall);
    // Faint lines across the back wall at the marked values.
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 0.8));
    for (const int value : {50, 100})
        painter.drawLine(view.project(box.xMin, value, box.zMax), view.project(box.xMax, value, box.zMax));

    QList<BarBox> bars;
    for (int series = 0; series < SeriesCount; ++series) {
        for (int c = 0; c < ScoreTable::ClassCount; ++c) {
            const Span span = barSpan(series, c);
            BarBox bar;
            bar.left = span.left;
            bar.right = span.right;
            bar.bottom = 0;
            bar.top = m_table.average(c, series);
            bar.front = series - BarDepthShare / 2;
            bar.back = series + BarDepthShare / 2;
            bar.colour = seriesColour(series);
            bar.gradient = Series[series].gradient;
            bars << bar;
        }
    }
    paintBarBoxes(painter, view, bars);

    painter.setFont(font());
    // Class names above the box, over the middle of their columns.
    double topEdge = ChartHeight;
    for (const double x : {box.xMin, box.xMax})
        topEdge = std::min(topEdge, view.project(x, box.yMax, box.zMax).y());
    const double middleRow = (box.zMin + box.zMax) / 2;
    const QFontMetricsF nameMetrics(painter.font());
    // Long names (a translation's) that would run into their neighbours take
    // two lines of labels, every other name on the upper one.
    bool crowded = false;
    for (int c = 1; c < ScoreTable::ClassCount; ++c) {
        const double gap = view.project(c, box.yMax, middleRow).x() - view.project(c - 1, box.yMax, middleRow).x();
        const double halves = (nameMetrics.horizontalAdvance(ScoreTable::className(c)) +
                               nameMetrics.horizontalAdvance(ScoreTable::className(c - 1))) / 2;
        crowded = crowded || halves + 4 > gap;
    }
    for (int c = 0; c < ScoreTable::ClassCount; ++c) {
        const double x = view.project(c, box.yMax, middleRow).x();
        const double lift = crowded && c % 2 == 1 ? nameMetrics.height() : 0;
        drawText(painter, QPointF(x, topEdge - 9 - lift), Qt::AlignHCenter, ScoreTable::className(c), Qt::black);
    }
    // The scale beside the back wall's left edge.
    for (const int value : {100, 50, 0}) {
        const QPointF at = view.project(box.xMin, value, box.zMax);
        drawText(painter, at - QPointF(4, 0), Qt::AlignRight, QStringLiteral("%1%").arg(value), Qt::black);
    }
    // The band names stacked near the lower right corner beside the floor's
    // front corner, each farther row a line higher and a little to the left,
    // clear of the nearest bars.
    const QFontMetricsF metrics(painter.font());
    const QPointF corner = view.project(box.xMax, 0, box.zMin);
    for (int series = 0; series < SeriesCount; ++series) {
        const QPointF at(corner.x() - 4 - series * 5, corner.y() - 4 - series * metrics.height() * 0.8);
        drawText(painter, at, Qt::AlignLeft, QString::fromLatin1(RowNames[series]),
                 QColor::fromRgb(RowNameColours[series]));
    }
    painter.restore();
}
