// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/score_table.h"
#include "ui/statistics/chart_projection.h"

#include <QWidget>

// Chart1 of the statistics window: the sixteen averages as a 3D bar chart.
// Classes run left to right, the efficiency bands stand in depth rows (25 per
// cent in front, 100 per cent at the back) on a 0 to 120 scale, over a
// gradient panel, with the class, scale and band names laid over it.
class ScoreChart : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ChartWidth = 321;
    static constexpr int ChartHeight = 250;
    static constexpr int SeriesCount = ScoreTable::BandCount;

    explicit ScoreChart(QWidget *parent = nullptr);

    void setTable(const ScoreTable &table);
    const ScoreTable &table() const { return m_table; }

    // The series of a band: its bars' colour ("2 Splits" red for 25 per cent
    // up to "5 Splits" blue for 100 per cent).
    static QColor seriesColour(int series);
    static QString seriesTitle(int series);

    ChartProjection projection() const;
    // The middle of a bar's front face at a value: at 0 where the bar of that
    // series and class rises from the floor.
    QPointF barPoint(int series, int classIndex, double value) const;

    // Draws the whole chart into a painter of this chart's size.
    void paintChart(QPainter &painter) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ScoreTable m_table;
};
