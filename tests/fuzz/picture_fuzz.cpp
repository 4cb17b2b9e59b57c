// SPDX-License-Identifier: GPL-3.0-or-later
// Splash and background pictures from anywhere: read as the game reads them
// (the format told by the content), a damaged picture is simply no picture.

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QImage background = reader.read();
    // The splash window takes whatever QImage makes of the file.
    const QImage splash = QImage::fromData(bytes);
    return background.isNull() && splash.isNull() ? 0 : 0;
}
