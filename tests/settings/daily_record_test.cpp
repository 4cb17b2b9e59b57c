// SPDX-License-Identifier: GPL-3.0-or-later
// The record of Today's Round: one counted play a day, and the run of days
// won, which a missed or lost day ends.
#include "settings/daily_record.h"
#include "settings/settings_file.h"
#include "support/temp_settings.h"

#include <QtTest>

class DailyRecordTest : public QObject
{
    Q_OBJECT
private slots:
    void runOfDays_data()
    {
        // Each step: W won, L played and lost, R replayed (practice) and won,
        // then the day's offset from the first day.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("asked"); // the day whose run is asked for
        QTest::addColumn<int>("run");
        QTest::addColumn<int>("best");
        QTest::newRow("three days won") << "W0 W1 W2" << 2 << 3 << 3;
        QTest::newRow("a missed day ends it") << "W0 W1" << 3 << 0 << 2;
        QTest::newRow("a new run after a missed day") << "W0 W1 W3" << 3 << 1 << 2;
        QTest::newRow("a lost day ends it") << "W0 W1 L2 W3 W4" << 4 << 2 << 2;
        QTest::newRow("replays add nothing") << "W0 R0 R0 W1" << 1 << 2 << 2;
        QTest::newRow("over the year's end") << "W24 W25 W26" << 26 << 3 << 3;
    }

    void runOfDays()
    {
        QFETCH(QString, steps);
        QFETCH(int, asked);
        QFETCH(int, run);
        QFETCH(int, best);
        const TempSettings temp;
        SettingsFile settings(temp.path());
        const QDate first(2026, 12, 7);
        for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
            const QDate day = first.addDays(step.mid(1).toInt());
            DailyRecord record(settings);
            const bool counts = record.startDay(day);
            QCOMPARE(counts, step[0] != 'R');
            if (counts && step[0] == 'W')
                record.recordWin(day);
        }
        DailyRecord record(settings);
        QCOMPARE(record.currentRun(first.addDays(asked)), run);
        QCOMPARE(record.bestRun(), best);
    }
};

QTEST_GUILESS_MAIN(DailyRecordTest)
#include "daily_record_test.moc"
