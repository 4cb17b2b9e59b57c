// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

// What a RIFF WAVE image holds, as far as playing it needs to know.
struct WaveInfo {
    quint16 formatTag = 0;      // 1 = integer PCM, 3 = IEEE float, 0xFFFE = extensible
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint16 bitsPerSample = 0;
    quint16 blockAlign = 0;     // bytes per sample frame, all channels
    qint64 dataOffset = 0;      // where the sample bytes start in the image
    quint32 dataSize = 0;       // length of the "data" chunk in bytes

    qint64 frameCount() const { return blockAlign ? dataSize / blockAlign : 0; }
    double durationSeconds() const
    {
        return sampleRate ? double(frameCount()) / double(sampleRate) : 0.0;
    }
};

// Reads the header of a RIFF WAVE image: "RIFF", size, "WAVE", then chunks
// until both "fmt " and "data" are found. Bytes after the RIFF chunk are
// allowed (the sound table appends a zero byte); a RIFF chunk or "data" chunk
// reaching past the end of the buffer is not. Returns nothing for anything a
// player could not play; never reads outside the buffer.
std::optional<WaveInfo> parseWave(const QByteArray &image);

// The ".music" form back to a complete WAVE image:
// "RIFF" + last 4 bytes + "WAVEfmt " + all but the last 4 bytes.
// Fewer than 4 bytes give a short image that parseWave refuses.
QByteArray rebuildHeaderlessWave(const QByteArray &headerless);

// A complete WAVE image in the ".music" form: bytes 17..N, then bytes 5..8
// (the RIFF chunk size). The inverse of rebuildHeaderlessWave for any image
// that starts with "RIFF", a size and "WAVEfmt ".
QByteArray makeHeaderlessWave(const QByteArray &complete);
