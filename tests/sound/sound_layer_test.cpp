// SPDX-License-Identifier: GPL-3.0-or-later
// The music fade at close, on a sound layer that records every level applied.
#include "sound/sound_layer.h"

#include <QElapsedTimer>
#include <QList>
#include <QTest>

namespace {
class RecordingSound : public SilentSoundLayer
{
public:
    void setOutputLevel(int level) override
    {
        levels << level;
        SilentSoundLayer::setOutputLevel(level);
    }
    bool musicIsHeard() const override { return heard; }
    QList<int> levels;
    bool heard = false;
};
} // namespace

class SoundLayerTest : public QObject
{
    Q_OBJECT

private slots:
    void fade_data();
    void fade();
    void fadeTakesASecondWhenHeard_data();
    void fadeTakesASecondWhenHeard();
};

void SoundLayerTest::fade_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("pumps");
    QTest::newRow("after the splash") << 40960 << 369 << 4060 << 3;
    QTest::newRow("just above the floor") << 4196 << 1 << 4096 << 0;
    QTest::newRow("at the floor: one step all the same") << 4096 << 1 << 3996 << 0;
    QTest::newRow("below one step: never under 0") << 50 << 1 << 0 << 0;
    QTest::newRow("silent") << 0 << 1 << 0 << 0;
    QTest::newRow("full") << 65535 << 615 << 4035 << 6;
}

void SoundLayerTest::fade()
{
    QFETCH(int, start);
    QFETCH(int, steps);
    QFETCH(int, end);
    QFETCH(int, pumps);
    RecordingSound sound;
    sound.SilentSoundLayer::setOutputLevel(start);
    int pumped = 0;
    QCOMPARE(fadeOutMusic(sound, [&pumped] { ++pumped; }), steps);
    QCOMPARE(sound.levels.size(), steps);
    QCOMPARE(sound.levels.last(), end);
    QCOMPARE(sound.outputLevel(), end);
    QCOMPARE(pumped, pumps);
    for (qsizetype i = 1; i < sound.levels.size(); ++i)
        QCOMPARE(sound.levels[i - 1] - sound.levels[i], 100);
}

void SoundLayerTest::fadeTakesASecondWhenHeard_data()
{
    QTest::addColumn<bool>("heard");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("leastMs");
    QTest::addColumn<int>("mostMs");
    QTest::newRow("heard") << true << 40960 << 900 << 1500;
    QTest::newRow("heard from full") << true << 65535 << 900 << 1500;
    QTest::newRow("silent: at once") << false << 40960 << 0 << 100;
}

void SoundLayerTest::fadeTakesASecondWhenHeard()
{
    QFETCH(bool, heard);
    QFETCH(int, start);
    QFETCH(int, leastMs);
    QFETCH(int, mostMs);
    RecordingSound sound;
    sound.heard = heard;
    sound.SilentSoundLayer::setOutputLevel(start);
    QElapsedTimer clock;
    clock.start();
    fadeOutMusic(sound, {});
    const qint64 ms = clock.elapsed();
    QVERIFY2(ms >= leastMs && ms <= mostMs, qPrintable(QString::number(ms)));
}

QTEST_APPLESS_MAIN(SoundLayerTest)
#include "sound_layer_test.moc"
