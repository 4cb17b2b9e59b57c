// SPDX-License-Identifier: GPL-3.0-or-later
// The sound rules against a device that records what it is asked to do.
#include "base/game_error.h"
#include "base/whole_file.h"
#include "sound/game_sound.h"
#include "sound/sound_file.h"
#include "sound/sound_menu.h"
#include "sound/wave_format.h"
#include "support/error_of.h"
#include "support/wave_maker.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

class RecordingDevice : public AudioDevice, private MediaPlayer
{
public:
    void playWave(const QByteArray &image, bool loop) override
    {
        calls << (loop ? QStringLiteral("loop") : QStringLiteral("wave"));
        waves << image;
    }
    void stopWave() override { calls << QStringLiteral("stop"); }
    int level() const override { return m_level; }
    void setLevel(int level) override { m_level = level; }
    MediaPlayer &mediaPlayer() override { return *this; }

    bool open(const QString &path) override
    {
        calls << QStringLiteral("open ") + QFileInfo(path).fileName();
        return true;
    }
    bool openImage(const QByteArray &image) override
    {
        calls << QStringLiteral("openImage");
        waves << image;
        return true;
    }
    bool play(std::function<void()> onFinished) override
    {
        calls << QStringLiteral("play");
        finished = std::move(onFinished);
        return true;
    }
    void stop() override { calls << QStringLiteral("halt"); }
    void close() override
    {
        calls << QStringLiteral("close");
        levelAtClose = m_level;
    }

    QStringList calls;
    QList<QByteArray> waves;
    std::function<void()> finished;
    int m_level = FullLevel;
    int levelAtClose = -1;
};

const QByteArray Ding = makeToneWave(0.05, 880);
const QByteArray Tune = makeToneWave(0.1, 440);

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class GameSoundTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void effectPaths_data();
    void effectPaths();
    void musicTickedSilencesEffects();
    void noneClosesABusyPlayerEmptyDoesNot();
    void finishedEffectIsNoLongerBusy();
    void radioRule_data();
    void radioRule();
    void headerlessMusicLoopsLikeComplete_data();
    void headerlessMusicLoopsLikeComplete();
    void musicStartStopsBusyPlayer();
    void unreadableFiles();
    void choosersPreviewAndTick();
    void trackBarLevels_data();
    void trackBarLevels();
    void fadeAndRestore();

private:
    std::unique_ptr<GameSound> makeSound();

    QTemporaryDir m_dir;
    std::unique_ptr<SoundMenu> m_menu;
    RecordingDevice *m_device = nullptr;
};

void GameSoundTest::init()
{
    QVERIFY(m_dir.isValid());
    QDir root(m_dir.path());
    root.removeRecursively();
    QVERIFY(root.mkpath(QStringLiteral("sound")));
    QVERIFY(root.mkpath(QStringLiteral("music")));
    writeFile(m_dir.filePath("sound/DING.WAV"), Ding);
    writeFile(m_dir.filePath("sound/ding.wav"), Ding);
    writeFile(m_dir.filePath("sound/tune.mp3"), QByteArray("ID3 not really"));
    writeFile(m_dir.filePath("sound/clip.music"), makeHeaderlessWave(Tune));
    writeFile(m_dir.filePath("music/Tune.WAV"), Tune);
    writeFile(m_dir.filePath("music/Tune.music"), makeHeaderlessWave(Tune));
    // What players' folders hold besides sounds: a header the mixer divides
    // by zero on, a FIFO, a device, a file past any sound's size.
    QByteArray mute = Ding;
    mute[22] = mute[23] = mute[32] = mute[33] = '\0'; // no channels, no block size
    for (const char *folder : {"sound", "music"}) {
        const QDir dir(m_dir.filePath(folder));
        writeFile(dir.filePath("mute.wav"), mute);
        writeFile(dir.filePath("mute.music"), makeHeaderlessWave(mute));
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("fifo.wav")).constData(), 0600) == 0);
        QVERIFY(QFile::link("/dev/zero", dir.filePath("zero.wav")));
        QFile huge(dir.filePath("huge.wav"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(largestFile(FileKind::Sound) + 1)); // sparse
    }
}

std::unique_ptr<GameSound> GameSoundTest::makeSound()
{
    auto device = std::make_unique<RecordingDevice>();
    m_device = device.get();
    auto sound = std::make_unique<GameSound>(std::move(device));
    // The order the Options dialog lists them in.
    sound->loadSounds(m_dir.filePath("sound"), {"None", "clip.music", "DING.WAV", "ding.wav", "fifo.wav", "huge.wav",
                                                "mute.music", "mute.wav", "tune.mp3", "zero.wav"});
    sound->setMusicFolder(m_dir.filePath("music"));
    m_menu = std::make_unique<SoundMenu>(*sound);
    return sound;
}

void GameSoundTest::effectPaths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("calls");
    const QStringList media = {"stop", "close", "open %1", "play"};
    auto through = [&media](const QString &file) {
        QStringList calls = media;
        calls[2] = calls[2].arg(file);
        return calls;
    };
    QTest::newRow("upper-case .WAV from memory") << "DING.WAV" << QStringList{"stop", "wave"};
    const QStringList checkedImage = {"stop", "close", "openImage", "play"};
    const QStringList refused = {"stop", "close"};
    QTest::newRow("lower-case .wav through the player") << "ding.wav" << checkedImage;
    QTest::newRow("lower-case .wav, found without regard to case") << "Ding.wav" << checkedImage;
    QTest::newRow("mp3 through the player") << "tune.mp3" << through("tune.mp3");
    QTest::newRow("found without regard to case, played as written") << "Ding.Wav" << checkedImage;
    QTest::newRow("no channels, .wav: kept from the mixer") << "mute.wav" << refused;
    QTest::newRow("no channels, .music: kept from the mixer") << "mute.music" << refused;
    QTest::newRow("no channels, .WAV from memory") << "mute.WAV" << QStringList{"stop", "wave"};
    QTest::newRow("FIFO: never opened") << "fifo.wav" << refused;
    QTest::newRow("device: never read") << "zero.wav" << refused;
    QTest::newRow("larger than any sound") << "huge.wav" << refused;
    QTest::newRow("written .WAV, found in another case") << "ding.WAV" << QStringList{"stop", "wave"};
    QTest::newRow("headerless through the player, rebuilt")
        << "clip.music" << QStringList{"stop", "close", "openImage", "play"};
    QTest::newRow("None") << "None" << QStringList{"stop"};
    QTest::newRow("empty") << "" << QStringList{"stop"};
    QTest::newRow("not listed") << "gone.WAV" << QStringList{"stop"};
    QTest::newRow("None is never a file") << "none" << QStringList{"stop"};
}

void GameSoundTest::effectPaths()
{
    QFETCH(QString, text);
    QFETCH(QStringList, calls);
    auto sound = makeSound();
    m_menu->setTicks(true, false);
    sound->PlaySoundEffect(text);
    QCOMPARE(m_device->calls, calls);
    if (calls.contains("wave") && !text.startsWith("mute"))
        QCOMPARE(m_device->waves.value(0), Ding + QByteArray(2, '\0'));
    if (calls.contains("openImage"))
        QCOMPARE(m_device->waves.value(0), text.contains("music") ? Tune : Ding);
    QCOMPARE(sound->MediaPlayerBusy(), calls.contains("play"));
}

void GameSoundTest::musicTickedSilencesEffects()
{
    auto sound = makeSound();
    QVERIFY(m_menu->musicTicked());
    for (const char *text : {"DING.WAV", "ding.wav", "None", ""})
        sound->PlaySoundEffect(text);
    m_menu->setTicks(false, false);
    sound->PlaySoundEffect("DING.WAV");
    QCOMPARE(m_device->calls, QStringList());
}

void GameSoundTest::noneClosesABusyPlayerEmptyDoesNot()
{
    auto sound = makeSound();
    m_menu->setTicks(true, false);
    sound->PlaySoundEffect("tune.mp3");
    m_device->calls.clear();
    sound->PlaySoundEffect("");
    QCOMPARE(m_device->calls, QStringList{"stop"});
    QVERIFY(sound->MediaPlayerBusy());
    sound->PlaySoundEffect("None");
    QCOMPARE(m_device->calls, (QStringList{"stop", "stop", "close"}));
    QVERIFY(!sound->MediaPlayerBusy());
    // A second player effect stops nothing that is not busy.
    sound->PlaySoundEffect("tune.mp3");
    sound->PlaySoundEffect("ding.wav");
    QCOMPARE(m_device->calls.mid(3), (QStringList{"stop", "close", "open tune.mp3", "play", "stop", "halt",
                                                  "close", "openImage", "play"}));
}

void GameSoundTest::finishedEffectIsNoLongerBusy()
{
    auto sound = makeSound();
    m_menu->setTicks(true, false);
    sound->PlaySoundEffect("tune.mp3");
    QVERIFY(sound->MediaPlayerBusy());
    m_device->finished();
    QVERIFY(!sound->MediaPlayerBusy());
    // The finished player stays open until the next player effect.
    m_device->calls.clear();
    sound->closeMediaPlayer();
    QCOMPARE(m_device->calls, QStringList());

    // At close an effect still playing stops before the saved level comes back.
    sound->saveDeviceVolume();
    sound->PlaySoundEffect("tune.mp3");
    m_device->setLevel(4060);
    sound->restoreDeviceVolume();
    QCOMPARE(m_device->levelAtClose, 4060);
    QCOMPARE(m_device->level(), 65535);
    QVERIFY(!sound->MediaPlayerBusy());
}

void GameSoundTest::radioRule_data()
{
    QTest::addColumn<QString>("clicks"); // s = "Sound Effects", m = "Music"
    QTest::addColumn<bool>("soundTicked");
    QTest::addColumn<bool>("musicTicked");
    QTest::addColumn<int>("musicStarts");
    QTest::newRow("start") << "" << false << true << 0;
    QTest::newRow("effects untick music") << "s" << true << false << 0;
    QTest::newRow("untick music: silence") << "m" << false << false << 0;
    QTest::newRow("music again") << "mm" << false << true << 1;
    QTest::newRow("music unticks effects") << "sm" << false << true << 1;
    QTest::newRow("effects twice") << "ss" << false << false << 0;
}

void GameSoundTest::radioRule()
{
    QFETCH(QString, clicks);
    QFETCH(bool, soundTicked);
    QFETCH(bool, musicTicked);
    QFETCH(int, musicStarts);
    auto sound = makeSound();
    sound->loadMusic("Tune.WAV");
    int changes = 0;
    m_menu->setTicksChangedHandler([&changes] { ++changes; });
    for (QChar c : clicks) {
        const qsizetype before = m_device->calls.size();
        if (c == u's') {
            m_menu->mSOundClick();
            // Nothing stopped or started.
            QCOMPARE(m_device->calls.size(), before);
        } else {
            m_menu->mMusicClick();
            QCOMPARE(m_device->calls.value(before), QStringLiteral("stop"));
        }
    }
    QCOMPARE(m_menu->soundEffectsTicked(), soundTicked);
    QCOMPARE(m_menu->musicTicked(), musicTicked);
    QCOMPARE(m_device->calls.count("loop"), musicStarts);
    QCOMPARE(changes, clicks.size());
}

void GameSoundTest::headerlessMusicLoopsLikeComplete_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("complete") << "Tune.WAV";
    QTest::newRow("headerless") << "Tune.music";
    QTest::newRow("other case") << "tune.wav";
}

void GameSoundTest::headerlessMusicLoopsLikeComplete()
{
    QFETCH(QString, file);
    auto sound = makeSound();
    sound->loadMusic(file);
    sound->StartMusic();
    sound->StartMusic();
    QCOMPARE(m_device->calls, (QStringList{"stop", "loop", "stop", "loop"}));
    QCOMPARE(m_device->waves.value(0), Tune + QByteArray(1, '\0'));
    QCOMPARE(m_device->waves.value(1), m_device->waves.value(0));
    QVERIFY(sound->musicBuffer().startsWith("RIFF"));
}

void GameSoundTest::musicStartStopsBusyPlayer()
{
    auto sound = makeSound();
    m_menu->setTicks(true, false);
    sound->PlaySoundEffect("tune.mp3");
    sound->loadMusic("Tune.WAV");
    m_menu->mMusicClick();
    QVERIFY(!sound->MediaPlayerBusy());
    QCOMPARE(m_device->calls.mid(m_device->calls.size() - 4), (QStringList{"stop", "stop", "halt", "loop"}));

    // No music: nothing is stopped either.
    sound->loadMusic("None");
    m_device->calls.clear();
    sound->StartMusic();
    sound->loadMusic("");
    sound->StartMusic();
    QCOMPARE(m_device->calls, QStringList());
}

void GameSoundTest::unreadableFiles()
{
    auto sound = makeSound();
    // A listed file gone before it is read, a folder under a sound's name.
    QVERIFY(QDir(m_dir.path()).mkpath("sound/folder.WAV"));
    sound->loadSounds(m_dir.filePath("sound"), {"None", "folder.WAV", "gone.wav", "clip.music"});
    const SoundTable &table = sound->soundTable();
    QCOMPARE(table.data(0), QByteArray());
    QCOMPARE(table.data(1), QByteArray(1, '\0'));
    QCOMPARE(table.data(2), QByteArray(1, '\0'));
    QCOMPARE(table.data(3), Tune + QByteArray(1, '\0'));

    m_menu->setTicks(true, false);
    sound->PlaySoundEffect("gone.wav");
    QCOMPARE(m_device->calls, (QStringList{"stop", "close"})); // never opened
    QVERIFY(!sound->MediaPlayerBusy());

    for (const char *name : {"fifo.wav", "zero.wav", "huge.wav"}) {
        sound->loadSounds(m_dir.filePath("sound"), {"None", name});
        QCOMPARE(sound->soundTable().data(1), QByteArray(1, '\0'));
    }

    for (const char *name : {"gone.WAV", "fifo.wav", "zero.wav", "huge.wav"}) {
        sound->loadMusic("Tune.WAV");
        // A music file that cannot be read is reported.
        const QString error = errorOf([&] { sound->loadMusic(name); });
        QVERIFY2(error.startsWith("Cannot open file "), qPrintable(error));
        QVERIFY(error.contains(name));
        QVERIFY(sound->musicBuffer().isEmpty());
    }
}

void GameSoundTest::choosersPreviewAndTick()
{
    auto sound = makeSound();
    m_menu->previewEffect("DING.WAV");
    QVERIFY(m_menu->soundEffectsTicked());
    QVERIFY(!m_menu->musicTicked());
    QCOMPARE(m_device->calls, (QStringList{"stop", "stop", "wave"}));

    m_device->calls.clear();
    m_menu->playChosenMusic("Tune.music");
    QVERIFY(m_menu->musicTicked());
    QVERIFY(!m_menu->soundEffectsTicked());
    QCOMPARE(m_device->calls, (QStringList{"stop", "stop", "loop"}));

    m_device->calls.clear();
    QVERIFY_THROWS_EXCEPTION(GameError, m_menu->playChosenMusic("Missing.WAV"));
    QCOMPARE(m_device->calls, QStringList{"stop"});
    sound->StartMusic();
    QCOMPARE(m_device->calls, QStringList{"stop"}); // no music left
}

void GameSoundTest::trackBarLevels_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("level");
    QTest::newRow("Louder end") << 1 << 61440;
    QTest::newRow("start position") << 8 << 32768;
    QTest::newRow("Quieter end") << 15 << 4096;
    QTest::newRow("past the ends") << 0 << 61440;
}

void GameSoundTest::trackBarLevels()
{
    QFETCH(int, position);
    QFETCH(int, level);
    auto sound = makeSound();
    m_menu->setLevelFromSlider(position);
    QCOMPARE(m_device->level(), level);
}

void GameSoundTest::fadeAndRestore()
{
    auto sound = makeSound();
    m_device->setLevel(50000);
    sound->saveDeviceVolume();
    sound->setOutputLevel(40960);
    QCOMPARE(fadeOutMusic(*sound, {}), 369);
    QCOMPARE(m_device->level(), 4060);
    sound->restoreDeviceVolume();
    QCOMPARE(m_device->level(), 50000);
    sound->setOutputLevel(70000);
    QCOMPARE(sound->outputLevel(), 65535);
}

QTEST_APPLESS_MAIN(GameSoundTest)
#include "game_sound_test.moc"
