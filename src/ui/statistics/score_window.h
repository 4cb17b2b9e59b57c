// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/score_table.h"

#include <QDialog>
#include <array>

class QLabel;
class QTimer;
class ScoreChart;
class SettingsFile;

// "Completed Game Statistics": the recorded averages as a table of numbers
// and as a 3D bar chart, and Today's Round's figures: days played and won,
// the win share, the run and best run, and the time until the next day's
// round. It holds nothing of its own: every activation reads the record
// afresh. Any key that types a character closes it.
class TfrmScore : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 347;
    static constexpr int ClientHeight = 405;

    explicit TfrmScore(const SettingsFile &settings, QWidget *parent = nullptr);

    // The number label of a class and band (e2 for Easy at 25 per cent, i5
    // for Intense at 100 per cent).
    QLabel *scoreLabel(int classIndex, int bandIndex) const { return m_labels.at(classIndex).at(bandIndex); }
    ScoreChart *chart() const { return m_chart; }
    // Below the chart: the days of Today's Round played and won, then the
    // days in a row won and the best run.
    QLabel *todaysDaysLabel() const { return m_todaysDays; }
    QLabel *todaysRunLabel() const { return m_todaysRun; }
    // Beside the table: the time until the next day's round.
    QLabel *nextRoundLabel() const { return m_nextRound; }

    void FormActivate();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildTable();
    void showNextRound();

    const SettingsFile &m_settings;
    std::array<std::array<QLabel *, ScoreTable::BandCount>, ScoreTable::ClassCount> m_labels{};
    ScoreChart *m_chart = nullptr;
    QLabel *m_todaysDays = nullptr;
    QLabel *m_todaysRun = nullptr;
    QLabel *m_nextRound = nullptr;
    QTimer *m_clock = nullptr;
};
