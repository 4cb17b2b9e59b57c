// SPDX-License-Identifier: GPL-3.0-or-later
// The audio module loads off the start-up path: the level waits for it, its
// end-of-play notices reach the thread that asked, and a missing module is
// silence, not a failure.

#include "sound/lazy_audio_device.h"
#include "support/wave_maker.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

class LazyAudioDeviceTest : public QObject
{
    Q_OBJECT

private slots:
    void missingModuleIsSilence()
    {
        LazyAudioDevice device(QStringLiteral(SPLITWICK_BIN_DIR "/no-such-module"));
        device.setLevel(4096);
        device.playWave(makeToneWave(0.1), true);
        device.stopWave();
        QVERIFY(!device.mediaPlayer().open(QStringLiteral(SPLITWICK_SOURCE_DIR "/data/sound/Game Won.mp3")));
        QVERIFY(!device.mediaPlayer().play([] {}));
        QVERIFY(!device.isLoaded());
        QCOMPARE(device.level(), 4096);
    }

    void moduleGivesTheDevice()
    {
        qputenv("SDL_AUDIODRIVER", "dummy");
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("short.wav"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(makeToneWave(0.1));
        out.close();

        QElapsedTimer clock;
        clock.start();
        LazyAudioDevice device(QStringLiteral(SPLITWICK_BIN_DIR "/modules/splitwick-audio"));
        // The level set before the module is there is the one it plays at.
        device.setLevel(12288);
        QVERIFY2(clock.elapsed() < 50, "the constructor waited for the module");
        QVERIFY(device.isLoaded());
        QCOMPARE(device.level(), 12288);

        QThread *notified = nullptr;
        QVERIFY(device.mediaPlayer().open(file));
        QVERIFY(device.mediaPlayer().play([&notified] { notified = QThread::currentThread(); }));
        QTRY_VERIFY_WITH_TIMEOUT(notified != nullptr, 3000);
        QCOMPARE(notified, QThread::currentThread());
    }
};

QTEST_GUILESS_MAIN(LazyAudioDeviceTest)
#include "lazy_audio_device_test.moc"
