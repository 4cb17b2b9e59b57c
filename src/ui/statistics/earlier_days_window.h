// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDialog>

class QPushButton;
class QTreeWidget;
class SettingsFile;

// Game > "Earlier Days": the rounds of the last 30 days before today with
// what the record says of each, newest first. The chosen day is played as
// practice, which the record never counts.
class EarlierDaysWindow : public QDialog
{
    Q_OBJECT
public:
    static constexpr int DayCount = 30;

    EarlierDaysWindow(const SettingsFile &settings, QDate today, QWidget *parent = nullptr);

    QTreeWidget *list() const { return m_list; }
    // The day to play once the window was accepted.
    QDate chosenDay() const;

private:
    QTreeWidget *m_list = nullptr;
    QPushButton *m_play = nullptr;
};
