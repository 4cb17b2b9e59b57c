// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cmath>

// A complete 16-bit PCM WAVE image of a sine tone, for sound tests.
inline QByteArray makeToneWave(double seconds, double frequency = 440.0, int amplitude = 16000,
                               int sampleRate = 44100, int channels = 1)
{
    const int frames = int(seconds * sampleRate);
    QByteArray samples;
    samples.reserve(frames * channels * 2);
    for (int i = 0; i < frames; ++i) {
        const auto value = qint16(std::lround(amplitude * std::sin(2 * M_PI * frequency * i / sampleRate)));
        for (int c = 0; c < channels; ++c) {
            char bytes[2];
            qToLittleEndian(value, bytes);
            samples.append(bytes, 2);
        }
    }
    auto u32 = [](quint32 v) { char b[4]; qToLittleEndian(v, b); return QByteArray(b, 4); };
    auto u16 = [](quint16 v) { char b[2]; qToLittleEndian(v, b); return QByteArray(b, 2); };
    QByteArray image = "RIFF" + u32(quint32(36 + samples.size())) + "WAVE";
    image += "fmt " + u32(16) + u16(1) + u16(quint16(channels)) + u32(quint32(sampleRate))
             + u32(quint32(sampleRate * channels * 2)) + u16(quint16(channels * 2)) + u16(16);
    image += "data" + u32(quint32(samples.size())) + samples;
    return image;
}
