// SPDX-License-Identifier: GPL-3.0-or-later
// experiment
#include "sound/lazy_audio_device.h"
#include "support/game_fixture.h"
#include "support/wave_maker.h"

#include <QAction>
#include <QElapsedTimer>
#include <QtEndian>

class MusicSwitchTest : public QObject
{
    Q_OBJECT
private slots:
    void experiment()
    {
        QTemporaryDir out;
        const QString raw = out.filePath("out.raw");
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(raw));
        qputenv("XDG_DATA_HOME", QFile::encodeName(out.filePath("own")));
        QDir(out.path()).mkpath("own/splitwick/music");
        {
            QFile tune(out.filePath("own/splitwick/music/Mine.WAV"));
            QVERIFY(tune.open(QIODevice::WriteOnly));
            tune.write(makeToneWave(3.0, 220, 12000));
        }
        {
            GameFixture game;
            game.writeQuietSettings();
            QFile ng(game.dir.filePath("sound/New.WAV"));
            QVERIFY(ng.open(QIODevice::WriteOnly));
            ng.write(makeToneWave(0.3, 2000, 12000));
            ng.close();
            game.ini().writeString("Options", "music", "Mine.WAV");
            game.ini().writeString("Options", "NewGameSound", "New.WAV");
            game.program = std::make_unique<GameProgram>(game.desktop, [] {
                return std::make_unique<LazyAudioDevice>(QStringLiteral(SPLITWICK_BIN_DIR "/modules/splitwick-audio"));
            });
            TfrmMain &window = game.main();
            QElapsedTimer clock; clock.start();
            window.show();
            qInfo("shown %lld", clock.elapsed());
            QTest::qWaitForWindowExposed(&window);
            qInfo("exposed %lld", clock.elapsed());
            window.findChild<QAction *>("mSOund")->trigger();
            qInfo("ticked %lld", clock.elapsed());
            game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
            qInfo("F2 %lld", clock.elapsed());
            QTest::qWait(1500);
            window.close();
        }
        QFile file(raw);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const int window = 44100 * 2 * 20 / 1000; // 20 ms stereo samples
        QString line;
        for (qsizetype at = 0; at + window * 2 <= bytes.size(); at += window * 2) {
            int crossings = 0, peak = 0;
            qint16 last = 0;
            for (int i = 0; i < window; i += 2) {
                const qint16 s = qFromLittleEndian<qint16>(bytes.constData() + at + i * 2);
                peak = qMax(peak, std::abs(int(s)));
                if ((s >= 0) != (last >= 0)) ++crossings;
                last = s;
            }
            line += peak < 300 ? QString(".") : QStringLiteral("[%1/%2]").arg(crossings).arg(peak);
        }
        qInfo("%s", qPrintable(line));
    }
};

QTEST_MAIN(MusicSwitchTest)
#include "music_switch_test.moc"
