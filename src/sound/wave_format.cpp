// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a RIFF WAVE header, and the headerless ".music" form both ways.
#include "sound/wave_format.h"

namespace {

quint32 readU32(const QByteArray &b, qint64 at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.constData()) + at;
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 readU16(const QByteArray &b, qint64 at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.constData()) + at;
    return quint16(p[0] | p[1] << 8);
}

bool tagAt(const QByteArray &b, qint64 at, const char (&tag)[5])
{
    return at + 4 <= b.size() && b.mid(at, 4) == QByteArray::fromRawData(tag, 4);
}

bool plausibleFormat(const WaveInfo &w)
{
    // Rates far outside what sound is recorded at make the mixer's converter
    // compute sizes that overflow; channel counts past 8 are no sound file either.
    if (w.channels == 0 || w.channels > 8 || w.sampleRate < 1000 || w.sampleRate > 384000)
        return false;
    switch (w.formatTag) {
    case 1:
    case 0xFFFE:
        if (w.bitsPerSample != 8 && w.bitsPerSample != 16 && w.bitsPerSample != 24
            && w.bitsPerSample != 32)
            return false;
        break;
    case 3:
        if (w.bitsPerSample != 32 && w.bitsPerSample != 64)
            return false;
        break;
    default:
        return false;
    }
    return w.blockAlign == w.channels * (w.bitsPerSample / 8);
}

} // namespace

std::optional<WaveInfo> parseWave(const QByteArray &image)
{
    const qint64 size = image.size();
    if (size < 12 || !tagAt(image, 0, "RIFF") || !tagAt(image, 8, "WAVE"))
        return std::nullopt;
    const qint64 riffEnd = 8 + qint64(readU32(image, 4));
    if (riffEnd > size || riffEnd < 12)
        return std::nullopt;

    WaveInfo info;
    bool haveFormat = false;
    qint64 at = 12;
    while (at + 8 <= riffEnd) {
        const qint64 chunkSize = readU32(image, at + 4);
        const qint64 body = at + 8;
        if (body + chunkSize > riffEnd)
            return std::nullopt;
        if (tagAt(image, at, "fmt ")) {
            if (chunkSize < 16)
                return std::nullopt;
            info.formatTag = readU16(image, body);
            info.channels = readU16(image, body + 2);
            info.sampleRate = readU32(image, body + 4);
            info.blockAlign = readU16(image, body + 12);
            info.bitsPerSample = readU16(image, body + 14);
            if (!plausibleFormat(info))
                return std::nullopt;
            haveFormat = true;
        } else if (tagAt(image, at, "data")) {
            // Players need the format before the samples.
            if (!haveFormat)
                return std::nullopt;
            info.dataOffset = body;
            info.dataSize = quint32(chunkSize);
            return info;
        }
        at = body + chunkSize + (chunkSize & 1); // chunks are word aligned
    }
    return std::nullopt;
}

QByteArray rebuildHeaderlessWave(const QByteArray &headerless)
{
    const qsizetype n = headerless.size();
    const qsizetype tail = qMin<qsizetype>(4, n);
    QByteArray complete;
    complete.reserve(n + 12);
    complete.append("RIFF", 4);
    complete.append(headerless.right(tail));
    complete.append("WAVEfmt ", 8);
    complete.append(headerless.left(n - tail));
    return complete;
}

QByteArray makeHeaderlessWave(const QByteArray &complete)
{
    QByteArray headerless = complete.size() > 16 ? complete.mid(16) : QByteArray();
    headerless.append(complete.mid(4, 4));
    return headerless;
}
