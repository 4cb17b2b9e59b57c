// SPDX-License-Identifier: GPL-3.0-or-later
// Only whole, valid WAVE images play; headerless .music files get their header
// rebuilt.

#include "sound/wave_format.h"

#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

namespace {

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian<quint32>(v, b.data());
    return b;
}

QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian<quint16>(v, b.data());
    return b;
}

QByteArray chunk(const QByteArray &tag, const QByteArray &body)
{
    QByteArray c = tag + le32(quint32(body.size())) + body;
    if (body.size() % 2)
        c.append('\0');
    return c;
}

QByteArray fmtBody(quint16 tag, quint16 channels, quint32 rate, quint16 bits,
                   int blockAlign = -1)
{
    const quint16 align = blockAlign >= 0 ? quint16(blockAlign) : quint16(channels * bits / 8);
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) + le16(bits);
}

// A RIFF WAVE image from its chunks; the RIFF size is computed unless given.
QByteArray riff(const QByteArray &chunks, qint64 riffSize = -1)
{
    return "RIFF" + le32(quint32(riffSize >= 0 ? riffSize : 4 + chunks.size())) + "WAVE" + chunks;
}

QByteArray pcm16(std::initializer_list<qint16> samples)
{
    QByteArray b;
    for (qint16 s : samples)
        b += le16(quint16(s));
    return b;
}

QByteArray simpleMono16()
{
    return riff(chunk("fmt ", fmtBody(1, 1, 22050, 16)) + chunk("data", pcm16({0, 1000, -1000, 0})));
}

} // namespace

class WaveFormatTest : public QObject {
    Q_OBJECT

private slots:
    void parsesValidImages_data();
    void parsesValidImages();
    void rejectsInvalidImages_data();
    void rejectsInvalidImages();
    void rejectsEveryTruncation();
    void survivesRandomMutations();
    void headerlessRoundTrip_data();
    void headerlessRoundTrip();
    void rebuildsByTheByteLayout();
    void shortHeaderlessFilesGiveUnplayableImages_data();
    void shortHeaderlessFilesGiveUnplayableImages();
};

void WaveFormatTest::parsesValidImages_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("dataOffset");
    QTest::addColumn<int>("dataSize");

    QTest::newRow("mono 16-bit") << simpleMono16() << 1 << 22050 << 16 << 44 << 8;
    QTest::newRow("stereo 8-bit")
        << riff(chunk("fmt ", fmtBody(1, 2, 11025, 8)) + chunk("data", QByteArray(6, '\x80')))
        << 2 << 11025 << 8 << 44 << 6;
    QTest::newRow("float 32-bit")
        << riff(chunk("fmt ", fmtBody(3, 1, 44100, 32)) + chunk("data", QByteArray(8, '\0')))
        << 1 << 44100 << 32 << 44 << 8;
    // An 18-byte format chunk (cbSize field) as many writers produce.
    QTest::newRow("format chunk with extension size")
        << riff(chunk("fmt ", fmtBody(1, 1, 8000, 16) + le16(0)) + chunk("data", pcm16({5})))
        << 1 << 8000 << 16 << 46 << 2;
    // An odd-sized chunk is followed by a pad byte, which must be skipped.
    QTest::newRow("odd LIST chunk before the format")
        << riff(chunk("LIST", "abc") + chunk("fmt ", fmtBody(1, 1, 22050, 16))
                + chunk("data", pcm16({1, 2})))
        << 1 << 22050 << 16 << 56 << 4;
    QTest::newRow("fact chunk between format and data")
        << riff(chunk("fmt ", fmtBody(1, 1, 22050, 16)) + chunk("fact", le32(1))
                + chunk("data", pcm16({7})))
        << 1 << 22050 << 16 << 56 << 2;
    // The sound table keeps a zero byte after every file.
    QTest::newRow("trailing zero byte") << simpleMono16() + QByteArray(1, '\0') << 1 << 22050
                                        << 16 << 44 << 8;
    QTest::newRow("empty data chunk")
        << riff(chunk("fmt ", fmtBody(1, 1, 22050, 16)) + chunk("data", {})) << 1 << 22050 << 16
        << 44 << 0;
}

void WaveFormatTest::parsesValidImages()
{
    QFETCH(QByteArray, image);
    const auto info = parseWave(image);
    QVERIFY(info.has_value());
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(int, bits);
    QFETCH(int, dataOffset);
    QFETCH(int, dataSize);
    QCOMPARE(int(info->channels), channels);
    QCOMPARE(int(info->sampleRate), rate);
    QCOMPARE(int(info->bitsPerSample), bits);
    QCOMPARE(int(info->dataOffset), dataOffset);
    QCOMPARE(int(info->dataSize), dataSize);
}

void WaveFormatTest::rejectsInvalidImages_data()
{
    QTest::addColumn<QByteArray>("image");
    const QByteArray fmt = chunk("fmt ", fmtBody(1, 1, 22050, 16));
    const QByteArray data = chunk("data", pcm16({1, 2, 3}));

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("RIFF only") << QByteArray("RIFF");
    QTest::newRow("big-endian RIFX") << QByteArray(simpleMono16()).replace(0, 4, "RIFX");
    QTest::newRow("not WAVE") << QByteArray(simpleMono16()).replace(8, 4, "AVI ");
    QTest::newRow("MP3 bytes") << QByteArray("ID3\x03\0\0\0\0\0\0\xff\xfb\x90\x64", 14);
    QTest::newRow("no chunks") << riff({});
    QTest::newRow("no data chunk") << riff(fmt);
    QTest::newRow("no format chunk") << riff(data);
    QTest::newRow("data before format") << riff(data + fmt);
    QTest::newRow("format chunk too short") << riff(chunk("fmt ", fmtBody(1, 1, 22050, 16).left(14)) + data);
    QTest::newRow("no channels") << riff(chunk("fmt ", fmtBody(1, 0, 22050, 16)) + data);
    QTest::newRow("rate zero") << riff(chunk("fmt ", fmtBody(1, 1, 0, 16)) + data);
    QTest::newRow("rate of a billion a second") << riff(chunk("fmt ", fmtBody(1, 2, 1096228672, 16)) + data);
    QTest::newRow("nine channels") << riff(chunk("fmt ", fmtBody(1, 9, 22050, 16)) + data);
    QTest::newRow("12-bit samples") << riff(chunk("fmt ", fmtBody(1, 1, 22050, 12)) + data);
    QTest::newRow("block align disagrees") << riff(chunk("fmt ", fmtBody(1, 2, 22050, 16, 2)) + data);
    QTest::newRow("compressed format") << riff(chunk("fmt ", fmtBody(0x55, 1, 22050, 16)) + data);
    QTest::newRow("RIFF size past the end") << riff(fmt + data, 4 + fmt.size() + data.size() + 2);
    QTest::newRow("RIFF size too small for the data") << riff(fmt + data, 4 + fmt.size() + 4);
    QTest::newRow("data size past the end")
        << riff(fmt + "data" + le32(0x7fffffff) + pcm16({1}), 4 + fmt.size() + 10);
    QTest::newRow("chunk size near 4 GB") << riff(chunk("LIST", {}).left(4) + le32(0xfffffff0) + fmt + data);
}

void WaveFormatTest::rejectsInvalidImages()
{
    QFETCH(QByteArray, image);
    QVERIFY(!parseWave(image).has_value());
}

void WaveFormatTest::rejectsEveryTruncation()
{
    const QByteArray full = riff(chunk("LIST", "abc") + chunk("fmt ", fmtBody(1, 1, 22050, 16))
                                 + chunk("data", pcm16({1, 2, 3, 4})));
    QVERIFY(parseWave(full).has_value());
    for (qsizetype n = 0; n < full.size(); ++n)
        QVERIFY2(!parseWave(full.left(n)).has_value(), qPrintable(QString::number(n)));
}

void WaveFormatTest::survivesRandomMutations()
{
    // Anything accepted must describe samples inside the buffer; the rest
    // (and crashes) is caught by the sanitizer build.
    QRandomGenerator rng(20261207);
    const QByteArray base = simpleMono16();
    for (int round = 0; round < 20000; ++round) {
        QByteArray image = base.left(rng.bounded(base.size() + 1));
        const int edits = 1 + rng.bounded(4);
        for (int e = 0; e < edits && !image.isEmpty(); ++e)
            image[rng.bounded(int(image.size()))] = char(rng.bounded(256));
        if (const auto info = parseWave(image))
            QVERIFY(info->dataOffset + qint64(info->dataSize) <= image.size());
    }
}

void WaveFormatTest::headerlessRoundTrip_data()
{
    QTest::addColumn<QByteArray>("complete");
    QTest::newRow("mono 16-bit") << simpleMono16();
    QTest::newRow("with LIST and odd sizes")
        << riff(chunk("fmt ", fmtBody(1, 1, 22050, 8)) + chunk("LIST", "x")
                + chunk("data", "\x80\x81\x82"));
    QTest::newRow("stereo, long data")
        << riff(chunk("fmt ", fmtBody(1, 2, 44100, 16)) + chunk("data", QByteArray(4000, 'z')));
}

void WaveFormatTest::headerlessRoundTrip()
{
    QFETCH(QByteArray, complete);
    const QByteArray headerless = makeHeaderlessWave(complete);
    QCOMPARE(headerless.size(), complete.size() - 12);
    QVERIFY(!headerless.startsWith("RIFF"));
    QCOMPARE(headerless.left(headerless.size() - 4), complete.mid(16));
    QCOMPARE(headerless.right(4), complete.mid(4, 4));

    const QByteArray rebuilt = rebuildHeaderlessWave(headerless);
    QCOMPARE(rebuilt, complete);
    const auto before = parseWave(complete);
    const auto after = parseWave(rebuilt);
    QVERIFY(before && after);
    QCOMPARE(after->dataSize, before->dataSize);
    QCOMPARE(after->sampleRate, before->sampleRate);
}

void WaveFormatTest::rebuildsByTheByteLayout()
{
    // Written out byte by byte: the format chunk's size field comes first,
    // the RIFF size (here 40 = 0x28) last.
    const QByteArray headerless = le32(16) + fmtBody(1, 1, 22050, 16) + "data" + le32(4)
                                  + pcm16({-2, 2}) + QByteArray("\x28\0\0\0", 4);
    const QByteArray expected = QByteArray("RIFF\x28\0\0\0WAVEfmt ", 16) + le32(16)
                                + fmtBody(1, 1, 22050, 16) + "data" + le32(4) + pcm16({-2, 2});
    QCOMPARE(rebuildHeaderlessWave(headerless), expected);
    const auto info = parseWave(expected);
    QVERIFY(info);
    QCOMPARE(int(info->frameCount()), 2);
}

void WaveFormatTest::shortHeaderlessFilesGiveUnplayableImages_data()
{
    QTest::addColumn<QByteArray>("headerless");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("1 byte") << QByteArray("\x01");
    QTest::newRow("3 bytes") << QByteArray("abc");
    QTest::newRow("size only") << le32(4);
    QTest::newRow("a complete file by mistake") << simpleMono16();
}

void WaveFormatTest::shortHeaderlessFilesGiveUnplayableImages()
{
    QFETCH(QByteArray, headerless);
    const QByteArray rebuilt = rebuildHeaderlessWave(headerless);
    QCOMPARE(rebuilt.size(), headerless.size() + 12);
    QVERIFY(rebuilt.startsWith("RIFF"));
    QVERIFY(!parseWave(rebuilt).has_value());
}

QTEST_APPLESS_MAIN(WaveFormatTest)
#include "wave_format_test.moc"
