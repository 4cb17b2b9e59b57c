// SPDX-License-Identifier: GPL-3.0-or-later
// The record of Today's Round: one counted play a day whatever the clock
// says, and the run of days won, which a missed or lost day ends.
#include "settings/daily_record.h"
#include "settings/score_record.h"
#include "settings/settings_file.h"
#include "support/temp_settings.h"

#include <QtTest>

#include <thread>

class DailyRecordTest : public QObject
{
    Q_OBJECT
private slots:
    void runOfDays_data()
    {
        // Each step: W won, L lost, P dealt and left unfinished, R a play
        // that must not count (its win is tried all the same), then the
        // day's offset from the first day.
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
        QTest::newRow("today still to finish") << "W0 P1" << 1 << 1 << 1;
        QTest::newRow("left unfinished, lost the next day") << "W0 P1" << 2 << 0 << 1;
        // Won Friday and Saturday, then the clock back to Friday: practice.
        QTest::newRow("clock back to a won day") << "W4 W5 R4" << 4 << 2 << 2;
        // Lost Tuesday, then Monday and Tuesday again: both practice.
        QTest::newRow("clock back over a loss") << "W-1 W0 L1 R0 R1" << 2 << 0 << 2;
        QTest::newRow("clock back to a day never played") << "W3 R1 R2" << 3 << 1 << 1;
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
        int played = 0;
        int won = 0;
        for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
            const QDate day = first.addDays(step.mid(1).toInt());
            DailyRecord record(settings);
            const bool counts = record.startDay(day);
            QCOMPARE(counts, step[0] != 'R');
            played += counts;
            won += step[0] == 'W';
            if (step[0] == 'W' || step[0] == 'R')
                record.recordWin(day);
            if (step[0] == 'L')
                record.recordResult(day, DayResult{DayOutcome::Lost, 0, 3, 10, 40, 200});
        }
        DailyRecord record(settings);
        QCOMPARE(record.currentRun(first.addDays(asked)), run);
        QCOMPARE(record.bestRun(), best);
        QCOMPARE(record.daysPlayed(), played);
        QCOMPARE(record.daysWon(), won);
    }

    void earlierVersionsSections_data()
    {
        // The section as an earlier version (or a hand) left it, read on
        // 2026-12-07, then after a win on 2026-12-08.
        QTest::addColumn<QString>("section");
        QTest::addColumn<int>("run");
        QTest::addColumn<int>("best");
        QTest::addColumn<int>("runAfterWin");
        QTest::addColumn<int>("bestAfterWin");
        QTest::newRow("no best") << "Played=2026-12-07\nWon=2026-12-07\nRun=4" << 4 << 4 << 5 << 5;
        QTest::newRow("a run too long to be") << "Won=2026-12-07\nRun=2147483647\nBest=2147483647"
                                               << DailyRecord::MaxRun << DailyRecord::MaxRun
                                               << DailyRecord::MaxRun + 1 << DailyRecord::MaxRun + 1;
        QTest::newRow("negative and damaged") << "Won=2026-12-07\nRun=-5\nBest=many" << 1 << 1 << 2 << 2;
        // Left while the day was being played: its run stands until the day is over.
        QTest::newRow("a day left unfinished") << "Played=2026-12-07\nWon=2026-12-06\nRun=2\nBest=2" << 2 << 2 << 1 << 2;
        QTest::newRow("damaged days") << "Won=yesterday\nRun=3\n2026-12-0x=won\n2026-12-07=?" << 0 << 0 << 1 << 1;
    }

    void earlierVersionsSections()
    {
        QFETCH(QString, section);
        QFETCH(int, run);
        QFETCH(int, best);
        QFETCH(int, runAfterWin);
        QFETCH(int, bestAfterWin);
        const TempSettings temp;
        QFile file(temp.path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Today]\r\n" + section.toUtf8().replace("\n", "\r\n") + "\r\n");
        file.close();
        SettingsFile settings(temp.path());
        DailyRecord record(settings);
        const QDate day(2026, 12, 7);
        QCOMPARE(record.currentRun(day), run);
        QCOMPARE(record.bestRun(), best);
        QVERIFY(!record.startDay(day.addDays(-1))); // a day before the record is practice
        QVERIFY(record.startDay(day.addDays(1)));
        record.recordWin(day.addDays(1));
        QCOMPARE(record.currentRun(day.addDays(1)), runAfterWin);
        QCOMPARE(record.bestRun(), bestAfterWin);
    }

    void twoCopiesWinningAtOnceKeepEveryWin()
    {
        // Two running copies, each with its own view of the file, record
        // wins at the same time: no count read before the other's write is lost.
        const TempSettings temp;
        constexpr int Wins = 40;
        const auto copy = [&] {
            SettingsFile settings(temp.path());
            for (int i = 0; i < Wins; ++i)
                RecordScore(settings, 50, 10, 40, 4);
        };
        std::thread other(copy);
        copy();
        other.join();
        QCOMPARE(SettingsFile(temp.path()).readString("scores", "M025", QString()),
                 QStringLiteral("50,%1").arg(2 * Wins));
    }

};

QTEST_GUILESS_MAIN(DailyRecordTest)
#include "daily_record_test.moc"
