// SPDX-License-Identifier: GPL-3.0-or-later
// The sixteen averages the statistics window shows, read from the settings file.
#include "settings/score_table.h"

#include "settings/score_record.h"

#include <QCoreApplication>

namespace {

const char *const ClassNames[ScoreTable::ClassCount] = {
    QT_TRANSLATE_NOOP("ScoreTable", "Easy"), QT_TRANSLATE_NOOP("ScoreTable", "Moderate"),
    QT_TRANSLATE_NOOP("ScoreTable", "Hard"), QT_TRANSLATE_NOOP("ScoreTable", "Intense")};
const char ClassLetters[ScoreTable::ClassCount] = {'e', 'm', 'h', 'i'};
const char *const BandNames[ScoreTable::BandCount] = {"025", "050", "075", "100"};

} // namespace

QString ScoreTable::className(int classIndex)
{
    return QCoreApplication::translate("ScoreTable", ClassNames[classIndex]);
}

QString ScoreTable::bandName(int bandIndex)
{
    return QString::fromLatin1(BandNames[bandIndex]);
}

QString ScoreTable::key(int classIndex, int bandIndex)
{
    return QLatin1Char(ClassLetters[classIndex]) + bandName(bandIndex);
}

ScoreTable ScoreTable::read(const SettingsFile &settings)
{
    ScoreTable table;
    for (int c = 0; c < ClassCount; ++c) {
        for (int b = 0; b < BandCount; ++b) {
            // ReadScore gives "0" for anything it cannot read, and only
            // numbers that fit an int otherwise.
            table.setAverage(c, b, ReadScore(settings, key(c, b)).toInt());
        }
    }
    return table;
}
