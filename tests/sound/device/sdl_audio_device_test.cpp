// SPDX-License-Identifier: GPL-3.0-or-later
// The SDL2_mixer device, played into SDL's file-writing audio driver and read
// back: 16-bit stereo samples at 44100 Hz.
#include "sound/device/sdl_audio_device.h"
#include "sound/game_sound.h"
#include "sound/sound_menu.h"
#include "sound/wave_format.h"
#include "support/wave_maker.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cstdlib>

namespace {

constexpr int Rate = 44100;

void runEventsFor(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QTest::qSleep(5);
    }
}

struct Recording {
    QList<qint16> samples; // interleaved left, right

    int peak() const
    {
        int peak = 0;
        for (qint16 s : samples)
            peak = qMax(peak, std::abs(int(s)));
        return peak;
    }
    // Seconds between the first and the last sound sample above the threshold.
    double soundingSeconds(int threshold = 1000) const
    {
        qsizetype first = -1, last = -1;
        for (qsizetype i = 0; i < samples.size(); ++i) {
            if (std::abs(int(samples[i])) > threshold) {
                if (first < 0)
                    first = i;
                last = i;
            }
        }
        return first < 0 ? 0.0 : double(last - first) / 2 / Rate;
    }
    // The largest jump between two neighbouring samples of one channel.
    int largestStep() const
    {
        int largest = 0;
        for (qsizetype i = 2; i < samples.size(); ++i)
            largest = qMax(largest, std::abs(int(samples[i]) - int(samples[i - 2])));
        return largest;
    }
    // How many windows of ms milliseconds peak between the two amplitudes.
    int windowsPeakingBetween(int low, int high, int ms) const
    {
        const qsizetype window = qsizetype(Rate) * 2 * ms / 1000;
        int count = 0;
        for (qsizetype at = 0; at + window <= samples.size(); at += window) {
            int peak = 0;
            for (qsizetype i = at; i < at + window; ++i)
                peak = qMax(peak, std::abs(int(samples[i])));
            count += peak > low && peak < high;
        }
        return count;
    }
};

QByteArray constantWave(double seconds, qint16 value)
{
    QByteArray image = makeToneWave(seconds, 440, 0);
    for (qsizetype at = 44; at + 1 < image.size(); at += 2)
        qToLittleEndian(value, image.data() + at);
    return image;
}

} // namespace

class SdlAudioDeviceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void effectSounds();
    void musicLoopsPastItsEnd();
    void levelScalesTheAmplitude_data();
    void levelScalesTheAmplitude();
    void mediaPlayerNoticesNaturalEndOnly();
    void brokenFilesPlayNothing_data();
    void brokenFilesPlayNothing();
    void noDriverIsSilentAndQuick();
    void cutsRampInsteadOfJumping();
    void soundsComeBackAsGiven();
    void closeFadeIsHeard();

private:
    Recording record(const std::function<void(SdlAudioDevice &)> &play, int ms);
    Recording readBack() const;
    QString m_output;
    QTemporaryDir m_dir;
};

void SdlAudioDeviceTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_output = m_dir.filePath("out.raw");
}

void SdlAudioDeviceTest::init()
{
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(m_output));
    QFile::remove(m_output);
}

Recording SdlAudioDeviceTest::record(const std::function<void(SdlAudioDevice &)> &play, int ms)
{
    {
        SdlAudioDevice device;
        if (!device.isOpen())
            return {};
        play(device);
        runEventsFor(ms);
    }
    return readBack();
}

Recording SdlAudioDeviceTest::readBack() const
{
    QFile file(m_output);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    Recording recording;
    recording.samples.resize(bytes.size() / 2);
    for (qsizetype i = 0; i < recording.samples.size(); ++i)
        recording.samples[i] = qFromLittleEndian<qint16>(bytes.constData() + 2 * i);
    return recording;
}

void SdlAudioDeviceTest::effectSounds()
{
    const QByteArray tone = makeToneWave(0.2, 440, 16000);
    const Recording silent = record([](SdlAudioDevice &) {}, 300);
    QVERIFY(!silent.samples.isEmpty());
    QCOMPARE(silent.peak(), 0);
    const Recording played = record([&](SdlAudioDevice &d) { d.playWave(tone + '\0', false); }, 500);
    QVERIFY2(played.peak() > 15000, qPrintable(QString::number(played.peak())));
    QVERIFY(played.soundingSeconds() < 0.3);
}

void SdlAudioDeviceTest::musicLoopsPastItsEnd()
{
    const QByteArray tone = makeToneWave(0.1, 440, 16000);
    const Recording looped = record([&](SdlAudioDevice &d) { d.playWave(tone, true); }, 600);
    QVERIFY2(looped.soundingSeconds() > 0.35, qPrintable(QString::number(looped.soundingSeconds())));
    // Starting anything stops what played: a stop ends the loop.
    const Recording stopped = record(
        [&](SdlAudioDevice &d) {
            d.playWave(tone, true);
            runEventsFor(150);
            d.stopWave();
        },
        450);
    QVERIFY(stopped.soundingSeconds() < 0.3);
}

void SdlAudioDeviceTest::levelScalesTheAmplitude_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("full") << 65535;
    QTest::newRow("half") << 32768;
    QTest::newRow("after the splash") << 40960;
    QTest::newRow("quiet") << 4096;
    QTest::newRow("silent") << 0;
}

void SdlAudioDeviceTest::levelScalesTheAmplitude()
{
    QFETCH(int, level);
    const QByteArray tone = makeToneWave(0.2, 440, 20000);
    const Recording r = record(
        [&](SdlAudioDevice &d) {
            d.setLevel(level);
            d.playWave(tone, true);
        },
        300);
    const int expected = int(20000LL * level / 65535);
    QVERIFY2(qAbs(r.peak() - expected) <= 20000 / 50 + 2,
             qPrintable(QStringLiteral("%1 against %2").arg(r.peak()).arg(expected)));
}

void SdlAudioDeviceTest::mediaPlayerNoticesNaturalEndOnly()
{
    const QString shortFile = m_dir.filePath("short.wav");
    const QString longFile = m_dir.filePath("long.wav");
    for (const auto &[path, seconds] : {std::pair{shortFile, 0.1}, std::pair{longFile, 2.0}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(makeToneWave(seconds));
    }
    int ended = 0;
    int endedLong = 0;
    const Recording r = record(
        [&](SdlAudioDevice &d) {
            MediaPlayer &player = d.mediaPlayer();
            QVERIFY(player.open(shortFile));
            QVERIFY(player.play([&ended] { ++ended; }));
            runEventsFor(400);
            QCOMPARE(ended, 1);
            QVERIFY(player.open(longFile));
            QVERIFY(player.play([&endedLong] { ++endedLong; }));
            runEventsFor(100);
            player.stop();
            player.close();
        },
        300);
    QVERIFY(r.peak() > 8000);
    QCOMPARE(ended, 1);
    QCOMPARE(endedLong, 0);
}

void SdlAudioDeviceTest::brokenFilesPlayNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray tone = makeToneWave(0.2);
    QByteArray mp3;
    {
        QFile shipped(QStringLiteral(SPLITWICK_SOURCE_DIR "/data/sound/Game Won.mp3"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        mp3 = shipped.readAll();
    }
    QByteArray lying = tone;
    qToLittleEndian<quint32>(0x7FFFFFF0, lying.data() + 40); // data size far past the end
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header only") << tone.left(44);
    QTest::newRow("truncated WAV") << tone.left(tone.size() / 2);
    QTest::newRow("data size past the end") << lying;
    QTest::newRow("garbage") << QByteArray(5000, '\x7f');
    QTest::newRow("truncated MP3") << mp3.left(mp3.size() / 3);
    QTest::newRow("MP3 head on garbage") << mp3.left(10) + QByteArray(3000, '\xff');
    QTest::newRow("headerless read as is") << makeHeaderlessWave(tone);
    QTest::newRow("headerless, short") << QByteArray("abc");
    QByteArray mute = tone;
    mute[22] = mute[23] = mute[32] = mute[33] = '\0';
    QTest::newRow("no channels") << mute;
}

void SdlAudioDeviceTest::brokenFilesPlayNothing()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath("broken.mp3");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // From memory on the wave output: nothing at all. Through the media
    // player the decoder may make something of a damaged file, but nothing breaks.
    const Recording wave = record([&](SdlAudioDevice &d) { d.playWave(bytes, true); }, 150);
    QCOMPARE(wave.peak(), 0);
    record(
        [&](SdlAudioDevice &d) {
            MediaPlayer &player = d.mediaPlayer();
            if (player.open(path))
                player.play([] {});
            if (player.openImage(rebuildHeaderlessWave(bytes)))
                player.play([] {});
        },
        150);
    // As the game plays an effect through the media player: a lower-case
    // ".wav" and a ".music" file.
    QDir(m_dir.path()).mkpath("sound");
    const QString sounds = m_dir.filePath("sound");
    for (const auto &[name, file] : {std::pair{"broken.wav", bytes}, std::pair{"broken.music", makeHeaderlessWave(bytes)}}) {
        QFile out(sounds + '/' + name);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(file);
        out.close();
        GameSound sound(std::make_unique<SdlAudioDevice>());
        sound.loadSounds(sounds, {"None", name});
        sound.setAudible(true, false);
        sound.PlaySoundEffect(name);
        runEventsFor(50);
    }
}

void SdlAudioDeviceTest::noDriverIsSilentAndQuick()
{
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    QElapsedTimer timer;
    timer.start();
    auto device = std::make_unique<SdlAudioDevice>();
    const qint64 constructed = timer.elapsed();
    QVERIFY(!device->isOpen());
#if defined(__SANITIZE_THREAD__)
    const qint64 quick = 50; // the thread checker makes starting a thread slow
#else
    const qint64 quick = 5;
#endif
    QVERIFY2(constructed < quick, qPrintable(QString::number(constructed)));

    GameSound sound(std::move(device));
    sound.loadSounds(QStringLiteral(SPLITWICK_SOURCE_DIR "/data/sound"),
                     {"None", "Correct Match.WAV", "Game Won.mp3", "Word Complete.wav"});
    sound.setAudible(true, false);
    for (const char *name : {"Correct Match.WAV", "Game Won.mp3", "Word Complete.wav", "None"})
        sound.PlaySoundEffect(name);
    QVERIFY(!sound.MediaPlayerBusy());
    sound.setOutputLevel(40960);
    QCOMPARE(fadeOutMusic(sound, {}), 369);
    QCOMPARE(sound.outputLevel(), 4060);
}

void SdlAudioDeviceTest::cutsRampInsteadOfJumping()
{
    // Constant waves: every jump in the output is a cut, none the sound's own.
    const Recording r = record(
        [](SdlAudioDevice &d) {
            d.playWave(constantWave(0.3, 12000), true);
            runEventsFor(150);
            d.playWave(constantWave(0.3, -12000), true);
            runEventsFor(150);
            d.stopWave();
        },
        150);
    QVERIFY2(r.peak() > 11000, qPrintable(QString::number(r.peak())));
    // 24000 over 5 ms is about 110 a sample; a click is the whole 24000 at once.
    QVERIFY2(r.largestStep() < 250, qPrintable(QString::number(r.largestStep())));
}

void SdlAudioDeviceTest::soundsComeBackAsGiven()
{
    // Sounds once played are kept converted: each must still sound as given,
    // two of one length told apart by their samples, one let go for lack of
    // room played again from its image, and one larger than all the room
    // heard whole. Two 45-second sounds (8 MB each converted) fill the room.
    const QByteArray loud = constantWave(45, 16000), quiet = constantWave(45, 4000), middle = constantWave(45, 9000);
    const QByteArray huge = constantWave(100, 12000);
    const Recording r = record(
        [&](SdlAudioDevice &d) {
            for (const QByteArray *wave : {&loud, &quiet, &loud, &middle, &quiet, &loud, &huge}) {
                d.playWave(*wave, false);
                runEventsFor(200);
            }
        },
        0);
    // The recording in 20 ms windows: the levels heard for 60 ms or more
    // (a cut's ramp passes through others on the way).
    QList<int> heard;
    const qsizetype window = Rate * 2 / 50;
    int level = 0, run = 0;
    for (qsizetype at = 0; at + window <= r.samples.size(); at += window) {
        int peak = 0;
        for (qsizetype i = at; i < at + window; ++i)
            peak = qMax(peak, std::abs(int(r.samples[i])));
        const int rounded = (peak + 500) / 1000 * 1000;
        run = rounded == level ? run + 1 : 1;
        level = rounded;
        if (run == 3 && level && (heard.isEmpty() || heard.last() != level))
            heard << level;
    }
    QString said;
    for (int level : heard)
        said += QString::number(level) + u' ';
    QVERIFY2(heard == (QList<int> {16000, 4000, 16000, 9000, 4000, 16000, 12000}), qPrintable(said));
}

void SdlAudioDeviceTest::closeFadeIsHeard()
{
    QDir(m_dir.path()).mkpath("music");
    QFile tune(m_dir.filePath("music/Tune.WAV"));
    QVERIFY(tune.open(QIODevice::WriteOnly | QIODevice::Truncate));
    tune.write(makeToneWave(0.5, 440, 20000));
    tune.close();
    qint64 fadeMs = 0;
    {
        GameSound sound(std::make_unique<SdlAudioDevice>());
        sound.setMusicFolder(m_dir.filePath("music"));
        sound.loadMusic("Tune.WAV");
        sound.setOutputLevel(40960);
        sound.StartMusic();
        runEventsFor(200);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(fadeOutMusic(sound, {}), 369);
        fadeMs = clock.elapsed();
        sound.stopAll();
        runEventsFor(100);
    }
    // A busy machine may wake the fade late; it never waits past its schedule.
    QVERIFY2(fadeMs >= 900 && fadeMs <= 2000, qPrintable(QString::number(fadeMs)));
    // From 12500 at the splash's level to 1240: heard on the way down, not cut.
    const Recording r = readBack();
    const int heardFalling = r.windowsPeakingBetween(2500, 11000, 50);
    QVERIFY2(heardFalling >= 8, qPrintable(QString::number(heardFalling)));
}

QTEST_GUILESS_MAIN(SdlAudioDeviceTest)
#include "sdl_audio_device_test.moc"
