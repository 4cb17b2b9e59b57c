// SPDX-License-Identifier: GPL-3.0-or-later
// The installation damaged: missing folders, missing or corrupt pictures,
// sounds and music, a settings file that cannot be written. Each gives a
// clear message or silence, and the game goes on to play and close.

#include "sound/game_sound.h"
#include "support/fifo_watch.h"
#include "support/game_fixture.h"
#include "support/wave_maker.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <csignal>
#include <optional>
#include <sys/resource.h>

#include <sys/stat.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray garbage(int size, char seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(seed + i * 31 + (i >> 3));
    return bytes;
}

} // namespace

class MissingFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void gameGoesOn_data();
    void gameGoesOn();
};

void MissingFilesTest::gameGoesOn_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message"); // what the player is told; empty for silence
    QTest::newRow("no kbs folder") << "rm kbs" << "Cannot open folder";
    QTest::newRow("no sound folder") << "rm sound" << "Cannot open folder";
    QTest::newRow("no music folder") << "rm music" << "Cannot open folder";
    QTest::newRow("no xq folder") << "rm xq" << "";
    QTest::newRow("corrupt splash pictures") << "bad splash" << "";
    QTest::newRow("truncated splash pictures") << "cut splash" << "";
    QTest::newRow("corrupt background picture") << "bad background" << "";
    QTest::newRow("background copy torn by a full disk") << "torn background" << "";
    QTest::newRow("background saved on a full disk") << "full disk" << "Unable to write to";
    QTest::newRow("corrupt WAV, MP3 and .music") << "bad sounds" << "";
    QTest::newRow("corrupt dictionary") << "bad dictionary" << "Unable to load the Knowledge Base";
    QTest::newRow("settings file cannot be written") << "ini folder" << "Unable to write to";
    QTest::newRow("settings file a FIFO") << "ini fifo" << "Cannot read the settings file";
    QTest::newRow("settings file a link to /dev/zero") << "ini zero" << "Cannot read the settings file";
    QTest::newRow("the player's own sounds and music") << "own sounds" << "";
    QTest::newRow("a FIFO, a device and a huge file as sounds") << "special sounds" << "Cannot open file";
}

void MissingFilesTest::gameGoesOn()
{
    QFETCH(QString, damage);
    QFETCH(QString, message);
    QByteArray kept; // the background copy, as it must stay
    GameFixture game;
    std::optional<FifoWatch> fifo;
    game.writeQuietSettings();
    const QDir root(game.dir.path());
    if (damage.startsWith("rm ")) {
        QVERIFY(QDir(root.filePath(damage.mid(3))).removeRecursively());
    } else if (damage == "bad splash" || damage == "cut splash") {
        for (int i = 1; i <= 5; ++i) {
            const QString path = root.filePath(QStringLiteral("xq/splash%1.bmp").arg(i));
            QByteArray bytes = damage == "bad splash" ? "BM" + garbage(5000, char(i)) : QByteArray();
            if (damage == "cut splash") {
                QFile file(path);
                bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : "BM" + garbage(200, 1);
                bytes.truncate(bytes.size() / 3);
            }
            writeFile(path, bytes);
        }
    } else if (damage == "bad background") {
        writeFile(root.filePath("XQBG.BMP"), "BM" + garbage(3000, 7));
    } else if (damage == "torn background" || damage == "full disk") {
        QImage picture(160, 240, QImage::Format_RGB888);
        picture.fill(QColor(30, 120, 200));
        QBuffer buffer(&kept);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "BMP"));
        QCOMPARE(kept.size(), 115254);
        if (damage == "torn background")
            kept.truncate(4096);
        writeFile(root.filePath("XQBG.BMP"), kept);
    } else if (damage == "bad sounds") {
        writeFile(root.filePath("sound/ding.wav"), "RIFF\xff\xff\xff\x7fWAVEfmt " + garbage(100, 3));
        writeFile(root.filePath("sound/empty.wav"), QByteArray());
        writeFile(root.filePath("sound/noise.mp3"), garbage(700, 4));
        writeFile(root.filePath("music/tune.music"), garbage(3, 5));
        writeFile(root.filePath("music/song.mp3"), garbage(900, 6));
    } else if (damage == "own sounds") {
        // An own file beside the shipped ones, and one under a shipped name.
        const QDir own(root.filePath("own/splitwick"));
        QVERIFY(own.mkpath("sound") && own.mkpath("music"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath("own")));
        writeFile(root.filePath("sound/ding.wav"), "shipped");
        writeFile(own.filePath("sound/ding.wav"), "own effect");
        writeFile(own.filePath("music/Mine.WAV"), makeToneWave(0.05));
        game.ini().writeString("Options", "music", "Mine.WAV");
    } else if (damage == "special sounds") {
        QVERIFY(::mkfifo(QFile::encodeName(root.filePath("sound/fifo.wav")).constData(), 0600) == 0);
        QVERIFY(QFile::link("/dev/zero", root.filePath("sound/zero.WAV")));
        QFile huge(root.filePath("music/huge.WAV"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(40) << 30)); // sparse
        game.ini().writeString("Options", "music", "huge.WAV");
    } else if (damage == "bad dictionary") {
        QFile file(root.filePath("kbs/beta.dic"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray bytes = file.readAll();
        file.resize(0);
        file.seek(0);
        file.write(bytes.left(bytes.size() / 2));
    } else if (damage == "ini folder") {
        QVERIFY(QFile::remove(game.iniPath()));
        QVERIFY(root.mkdir("ZRV_XQ.INI"));
    } else if (damage == "ini fifo") {
        QVERIFY(QFile::remove(game.iniPath()));
        fifo.emplace(game.iniPath());
    } else if (damage == "ini zero") {
        QVERIFY(QFile::remove(game.iniPath()));
        QVERIFY(QFile::link("/dev/zero", game.iniPath()));
    }

    TfrmMain &window = game.start();
    QVERIFY(window.isVisible());
    if (damage == "own sounds") {
        const auto &sound = dynamic_cast<GameSound &>(window.sound());
        QCOMPARE(sound.musicBuffer(), makeToneWave(0.05));
        const SoundTable &table = sound.soundTable();
        QCOMPARE(table.data(table.find("ding.wav")), QByteArray("own effect") + '\0');
        qunsetenv("XDG_DATA_HOME");
    }
    if (damage == "bad sounds") {
        for (int slot = 0; slot < SoundSlotCount; ++slot)
            game.options().setSoundText(SoundSlot(slot), slot % 2 ? "ding.wav" : "noise.mp3");
        game.options().setSoundText(SoundSlot::Music, "tune.music");
        window.findChild<QAction *>("mMusic")->trigger();
    }
    if (game.options().dictionaryNames().contains("beta")) {
        game.deal(QStringLiteral("5 letters: 2-1-2"), 10, FixedCell::First);
        if (game.engine().inPlay()) {
            const QPair<int, int> right = game.rightMove();
            game.drag(right.first, right.second);
            const QPair<int, int> wrong = game.wrongMove();
            game.drag(wrong.first, wrong.second);
            QTest::keyClick(&window, Qt::Key_F12);
        }
    } else {
        QTest::keyClick(&window, Qt::Key_F2); // no dictionary at all
    }
    QVERIFY(window.isVisible());
    // A full disk: no file may grow past 4 KiB while the window closes.
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    if (damage == "full disk") {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit full = limit;
        full.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
    }
    window.close();
    setrlimit(RLIMIT_FSIZE, &limit);
    if (!kept.isEmpty()) {
        QFile copy(root.filePath("XQBG.BMP"));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QVERIFY2(copy.readAll() == kept, "the background copy changed");
        QCOMPARE(root.entryList({"XQBG*"}, QDir::Files | QDir::Hidden).size(), 1);
    }

    // Neither read nor written over.
    if (fifo) {
        fifo->stop();
        QCOMPARE(fifo->readers(), 0);
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(game.iniPath()).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    }
    if (damage == "ini zero")
        QCOMPARE(QFileInfo(game.iniPath()).symLinkTarget(), QStringLiteral("/dev/zero"));

    QStringList texts;
    for (const RecordingDesktop::Box &box : game.boxes)
        texts << box.text;
    if (message.isEmpty()) {
        QVERIFY2(texts.isEmpty(), qPrintable(texts.join(" | ")));
    } else {
        const auto told = std::find_if(texts.begin(), texts.end(), [&](const QString &t) { return t.startsWith(message); });
        QVERIFY2(told != texts.end(), qPrintable(texts.join(" | ")));
    }
    for (const QString &text : texts)
        QVERIFY2(!text.trimmed().isEmpty() && !text.contains("std::"), qPrintable(text));
    qInfo("%s: %s", qPrintable(damage), texts.isEmpty() ? "silence" : qPrintable(texts.join(" | ")));
}

QTEST_MAIN(MissingFilesTest)
#include "missing_files_test.moc"
