// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

class SettingsFile;

// The sixteen recorded averages as the statistics window shows them: one row
// per difficulty class (Easy, Moderate, Hard, Intense), one column per
// efficiency band (25, 50, 75 and 100 per cent of the cells moved).
class ScoreTable
{
public:
    static constexpr int ClassCount = 4;
    static constexpr int BandCount = 4;

    // "Easy", "Moderate", "Hard", "Intense".
    static QString className(int classIndex);
    // "025", "050", "075", "100".
    static QString bandName(int bandIndex);
    // The key the window reads: class letter in lower case, then the band ("m050").
    static QString key(int classIndex, int bandIndex);

    // Every average through ReadScore: a missing file, section or key, or a
    // damaged value, reads as 0.
    static ScoreTable read(const SettingsFile &settings);

    int average(int classIndex, int bandIndex) const { return m_averages.at(classIndex).at(bandIndex); }
    void setAverage(int classIndex, int bandIndex, int value) { m_averages.at(classIndex).at(bandIndex) = value; }
    // The label's text for an average.
    QString text(int classIndex, int bandIndex) const { return QString::number(average(classIndex, bandIndex)); }

    bool operator==(const ScoreTable &) const = default;

private:
    std::array<std::array<int, BandCount>, ClassCount> m_averages{};
};
