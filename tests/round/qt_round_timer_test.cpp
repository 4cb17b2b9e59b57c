// SPDX-License-Identifier: GPL-3.0-or-later
// The window's timers never run a period of zero or less, and a new period
// restarts a running timer.

#include "round/qt_round_timer.h"

#include <QtTest>

class QtRoundTimerTest : public QObject
{
    Q_OBJECT
private slots:
    void periodsOfZeroOrLessNeverRun_data()
    {
        QTest::addColumn<int>("period");
        QTest::newRow("0") << 0;
        QTest::newRow("-5000") << -5000;
    }
    void periodsOfZeroOrLessNeverRun()
    {
        QFETCH(int, period);
        QtRoundTimer timer(20);
        int ticks = 0;
        QObject::connect(timer.timer(), &QTimer::timeout, [&ticks] { ++ticks; });
        timer.start();
        QVERIFY(timer.isActive());
        timer.setInterval(period); // a running timer given such a period stops
        QVERIFY(!timer.isActive());
        QCOMPARE(timer.interval(), period);
        timer.start();
        QVERIFY(!timer.isActive());
        QTest::qWait(60);
        QCOMPARE(ticks, 0);
    }

    // After a pause the next tick comes when the time left runs out, then every period again.
    void resumesWithTheTimeLeft()
    {
        QtRoundTimer timer(60000);
        int ticks = 0;
        QObject::connect(timer.timer(), &QTimer::timeout, [&ticks] { ++ticks; });
        timer.start();
        QVERIFY(timer.remainingTime() > 50000);
        timer.stop();
        timer.startRemaining(5);
        QTRY_COMPARE(ticks, 1);
        QCOMPARE(timer.timer()->interval(), 60000);
        QVERIFY(timer.isActive());
    }

    void ticksAndChangesPeriodWhileRunning()
    {
        QtRoundTimer timer(15000);
        int ticks = 0;
        QObject::connect(timer.timer(), &QTimer::timeout, [&ticks] { ++ticks; });
        QCOMPARE(timer.interval(), 15000);
        QVERIFY(!timer.isActive());
        timer.start(10);
        QTRY_VERIFY(ticks >= 2);
        timer.setInterval(5000);
        QVERIFY(timer.isActive());
        QCOMPARE(timer.timer()->interval(), 5000);
        timer.stop();
        QVERIFY(!timer.isActive());
        QCOMPARE(timer.interval(), 5000);
    }
};

QTEST_GUILESS_MAIN(QtRoundTimerTest)
#include "qt_round_timer_test.moc"
