// SPDX-License-Identifier: GPL-3.0-or-later
// The audio module loads off the start-up path: the level waits for it, its
// end-of-play notices reach the thread that asked, and a missing module is
// silence, not a failure.

#include "sound/game_sound.h"
#include "sound/lazy_audio_device.h"
#include "sound/sound_menu.h"
#include "support/wave_maker.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>

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

    // The music starts after the first paint, the device still on its way; the
    // player ticks "Sound Effects" and presses F2 soon after: only the new
    // game's sound is heard, through SDL's disk driver.
    void switchToEffectsBeforeTheMusicIsHeard()
    {
        QTemporaryDir dir;
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(dir.filePath(QStringLiteral("out.raw"))));
        // A tune that stays above zero for two seconds; the effect turns 4000 times a second.
        for (const auto &[name, wave] : {std::pair{"Mine.WAV", makeToneWave(2.0, 0.25)}, std::pair{"New.WAV", makeToneWave(0.3, 2000)}}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(wave) == wave.size());
        }
        {
            GameSound sound(std::make_unique<LazyAudioDevice>(QStringLiteral(SPLITWICK_BIN_DIR "/modules/splitwick-audio")));
            SoundMenu menu(sound);
            sound.setMusicFolder(dir.path());
            sound.loadSounds(dir.path(), {QStringLiteral("None"), QStringLiteral("New.WAV")});
            sound.loadMusic(QStringLiteral("Mine.WAV"));
            sound.StartMusic();
            menu.mSOundClick();
            QTest::qWait(300);
            sound.PlaySoundEffect(QStringLiteral("New.WAV"));
            QTest::qWait(500);
        }
        QFile file(dir.filePath(QStringLiteral("out.raw")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        int above = 0, longestAbove = 0, loud = 0; // in samples of one channel
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 4) {
            const int sample = qFromLittleEndian<qint16>(bytes.constData() + i);
            above = sample > 1000 ? above + 1 : 0;
            longestAbove = qMax(longestAbove, above);
            loud += std::abs(sample) > 1000;
        }
        QVERIFY2(longestAbove < 441, "the tune was heard"); // 10 ms
        QVERIFY(loud > 4410);                               // the effect was: 100 ms of it
    }
};

QTEST_GUILESS_MAIN(LazyAudioDeviceTest)
#include "lazy_audio_device_test.moc"
