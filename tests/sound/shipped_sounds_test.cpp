// SPDX-License-Identifier: GPL-3.0-or-later
// The sound effects and tunes that ship in data/: every file must be one the
// game can play, and the tunes must loop without a seam.
#include "sound/wave_format.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QtEndian>
#include <QtTest>

#include <cmath>

namespace {

const QString dataDir = QStringLiteral(SPLITWICK_SOURCE_DIR "/data");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QStringList playableFiles(const QString &folder)
{
    // The game lists "*.wav;*.mp3;*.music" without regard to case; anything
    // else in the folder (hidden placeholder files) is never offered.
    return QDir(dataDir + '/' + folder)
        .entryList({"*.wav", "*.mp3", "*.music"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QStringList otherFiles(const QString &folder)
{
    const QStringList all = QDir(dataDir + '/' + folder).entryList(QDir::Files);
    QStringList others;
    for (const QString &name : all)
        if (!playableFiles(folder).contains(name))
            others << name;
    return others;
}

// The complete WAVE image of a shipped file, as the game builds it.
QByteArray waveImage(const QString &path)
{
    const QByteArray bytes = readAll(path);
    return path.endsWith(".music") ? rebuildHeaderlessWave(bytes) : bytes;
}

QVector<qint16> samples16(const QByteArray &image, const WaveInfo &info)
{
    QVector<qint16> out(info.dataSize / 2);
    for (qsizetype i = 0; i < out.size(); ++i)
        out[i] = qFromLittleEndian<qint16>(image.constData() + info.dataOffset + 2 * i);
    return out;
}

double rms(const QVector<qint16> &s, qsizetype from, qsizetype count)
{
    double sum = 0;
    for (qsizetype i = from; i < from + count; ++i)
        sum += double(s[i]) * s[i];
    return std::sqrt(sum / double(count));
}

// An MPEG audio frame header: 11 sync bits, a valid version, layer III,
// and neither the reserved bitrate index nor the reserved sample rate.
bool isMpegFrameHeader(const QByteArray &b, qsizetype at)
{
    if (at + 4 > b.size())
        return false;
    const auto u = [&](qsizetype i) { return quint8(b[at + i]); };
    return u(0) == 0xFF && (u(1) & 0xE0) == 0xE0 && (u(1) & 0x18) != 0x08 && (u(1) & 0x06) == 0x02
           && (u(2) & 0xF0) != 0xF0 && (u(2) & 0x0C) != 0x0C;
}

} // namespace

class ShippedSoundsTest : public QObject {
    Q_OBJECT

private slots:
    void folderHoldsOnlyPlayableKinds_data();
    void folderHoldsOnlyPlayableKinds();
    void everyKindIsShipped();
    void effectsAreShortAndStartAndEndOnSilence_data();
    void effectsAreShortAndStartAndEndOnSilence();
    void mp3EffectsHaveFrames_data();
    void mp3EffectsHaveFrames();
    void tunesLoopSeamlessly_data();
    void tunesLoopSeamlessly();
    void dataFolderStaysSmall();
};

void ShippedSoundsTest::folderHoldsOnlyPlayableKinds_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("sound") << "sound";
    QTest::newRow("music") << "music";
}

void ShippedSoundsTest::folderHoldsOnlyPlayableKinds()
{
    QFETCH(QString, folder);
    const QStringList others = otherFiles(folder);
    QVERIFY2(others.isEmpty(), qPrintable(others.join(", ")));
    for (const QString &name : playableFiles(folder)) {
        const QString path = dataDir + '/' + folder + '/' + name;
        if (name.endsWith(".mp3", Qt::CaseInsensitive))
            continue; // its own test
        if (name.endsWith(".music"))
            QVERIFY2(!readAll(path).startsWith("RIFF"), qPrintable(name + " is not headerless"));
        const QByteArray image = waveImage(path);
        const auto info = parseWave(image);
        QVERIFY2(info.has_value(), qPrintable(name + " is not a playable WAVE"));
        QVERIFY2(info->dataSize > 0, qPrintable(name));
    }
}

void ShippedSoundsTest::everyKindIsShipped()
{
    const QStringList sounds = playableFiles("sound");
    const QStringList music = playableFiles("music");
    const auto count = [](const QStringList &names, const QString &suffix, Qt::CaseSensitivity cs) {
        return std::count_if(names.begin(), names.end(),
                             [&](const QString &n) { return n.endsWith(suffix, cs); });
    };
    // One effect per slot of the Options dialog.
    QVERIFY(sounds.size() >= 8);
    // Upper-case ".WAV" plays from memory, everything else through the media player.
    QVERIFY(count(sounds, ".WAV", Qt::CaseSensitive) >= 1);
    QVERIFY(count(sounds, ".wav", Qt::CaseSensitive) >= 1);
    QVERIFY(count(sounds, ".mp3", Qt::CaseInsensitive) >= 1);
    QVERIFY(count(music, ".wav", Qt::CaseInsensitive) >= 1);
    QVERIFY(count(music, ".music", Qt::CaseSensitive) >= 1);
}

void ShippedSoundsTest::effectsAreShortAndStartAndEndOnSilence_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : playableFiles("sound"))
        if (!name.endsWith(".mp3", Qt::CaseInsensitive))
            QTest::newRow(qPrintable(name)) << name;
}

void ShippedSoundsTest::effectsAreShortAndStartAndEndOnSilence()
{
    QFETCH(QString, name);
    const QByteArray image = waveImage(dataDir + "/sound/" + name);
    const auto info = parseWave(image);
    QVERIFY(info);
    QVERIFY2(info->durationSeconds() >= 0.1 && info->durationSeconds() <= 1.5,
             qPrintable(QString::number(info->durationSeconds())));
    QCOMPARE(int(info->bitsPerSample), 16);
    const QVector<qint16> s = samples16(image, *info);
    // A sample far from zero at either end would click.
    QVERIFY2(std::abs(s.first()) < 200 && std::abs(s.last()) < 200,
             qPrintable(QString("%1 .. %2").arg(s.first()).arg(s.last())));
    // Not silent.
    QVERIFY(rms(s, 0, s.size()) > 1000);
}

void ShippedSoundsTest::mp3EffectsHaveFrames_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : playableFiles("sound") + playableFiles("music"))
        if (name.endsWith(".mp3", Qt::CaseInsensitive))
            QTest::newRow(qPrintable(name)) << name;
}

void ShippedSoundsTest::mp3EffectsHaveFrames()
{
    QFETCH(QString, name);
    QString path = dataDir + "/sound/" + name;
    if (!QFile::exists(path))
        path = dataDir + "/music/" + name;
    const QByteArray b = readAll(path);
    qsizetype at = 0;
    if (b.startsWith("ID3")) {
        // ID3v2: 10-byte header whose size is four 7-bit bytes.
        QVERIFY(b.size() >= 10);
        const quint32 size = (quint8(b[6]) & 0x7F) << 21 | (quint8(b[7]) & 0x7F) << 14
                             | (quint8(b[8]) & 0x7F) << 7 | (quint8(b[9]) & 0x7F);
        at = 10 + qsizetype(size);
    }
    QVERIFY2(isMpegFrameHeader(b, at), qPrintable(QString("no MPEG frame at %1").arg(at)));
    QVERIFY(b.size() - at > 1000);
}

void ShippedSoundsTest::tunesLoopSeamlessly_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : playableFiles("music"))
        QTest::newRow(qPrintable(name)) << name;
}

void ShippedSoundsTest::tunesLoopSeamlessly()
{
    QFETCH(QString, name);
    const QByteArray image = waveImage(dataDir + "/music/" + name);
    const auto info = parseWave(image);
    QVERIFY(info);
    QVERIFY2(info->durationSeconds() >= 20 && info->durationSeconds() <= 60,
             qPrintable(QString::number(info->durationSeconds())));
    QCOMPARE(int(info->channels), 1);
    QCOMPARE(int(info->bitsPerSample), 16);

    const QVector<qint16> s = samples16(image, *info);
    double meanStep = 0;
    for (qsizetype i = 1; i < s.size(); ++i)
        meanStep += std::abs(int(s[i]) - int(s[i - 1]));
    meanStep /= double(s.size() - 1);
    // Going round from the last sample to the first must look like any other step.
    const int jump = std::abs(int(s.first()) - int(s.last()));
    QVERIFY2(jump <= 4 * meanStep,
             qPrintable(QString("jump %1, mean step %2").arg(jump).arg(meanStep)));
    // And the music must not fade out before the loop and in after it.
    const qsizetype tenth = info->sampleRate / 10;
    const double head = rms(s, 0, tenth);
    const double tail = rms(s, s.size() - tenth, tenth);
    const double whole = rms(s, 0, s.size());
    QVERIFY2(head > whole / 4 && tail > whole / 4,
             qPrintable(QString("head %1 tail %2 whole %3").arg(head).arg(tail).arg(whole)));
}

void ShippedSoundsTest::dataFolderStaysSmall()
{
    qint64 total = 0;
    QDirIterator it(dataDir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    QVERIFY2(total < 25 * 1000 * 1000, qPrintable(QString("%1 bytes").arg(total)));
}

QTEST_GUILESS_MAIN(ShippedSoundsTest)
#include "shipped_sounds_test.moc"
