// SPDX-License-Identifier: GPL-3.0-or-later
// Sound files from anywhere: the WAVE header reader never reads outside the
// image, and the ".music" form turns back into the image it was made from.

#include "sound/wave_format.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray image(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<WaveInfo> info = parseWave(image)) {
        if (info->dataOffset < 0 || info->dataOffset + qint64(info->dataSize) > image.size())
            std::abort(); // the samples must lie inside the image
        (void)info->durationSeconds();
    }
    (void)parseWave(rebuildHeaderlessWave(image)); // the file as a ".music" one
    if (image.size() >= 16 && image.startsWith("RIFF") && image.mid(8, 8) == "WAVEfmt ") {
        if (rebuildHeaderlessWave(makeHeaderlessWave(image)) != image)
            std::abort();
    }
    return 0;
}
