// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/score_table.h"

#include <QDialog>
#include <array>

class QLabel;
class ScoreChart;
class SettingsFile;

// "Completed Game Statistics": the recorded averages as a table of numbers
// and as a 3D bar chart. It holds nothing of its own: every activation reads
// the sixteen values (and the run of Today's Round) afresh. Any key that types a character closes it.
class TfrmScore : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 347;
    static constexpr int ClientHeight = 429; // the chart, then the line of Today's Round

    explicit TfrmScore(const SettingsFile &settings, QWidget *parent = nullptr);

    // The number label of a class and band (e2 for Easy at 25 per cent, i5
    // for Intense at 100 per cent).
    QLabel *scoreLabel(int classIndex, int bandIndex) const { return m_labels.at(classIndex).at(bandIndex); }
    ScoreChart *chart() const { return m_chart; }
    // Below the chart: the days in a row Today's Round was won, and the best run.
    QLabel *todaysRunLabel() const { return m_todaysRun; }

    void FormActivate();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildTable();

    const SettingsFile &m_settings;
    std::array<std::array<QLabel *, ScoreTable::BandCount>, ScoreTable::ClassCount> m_labels{};
    ScoreChart *m_chart = nullptr;
    QLabel *m_todaysRun = nullptr;
};
