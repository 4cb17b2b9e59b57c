// SPDX-License-Identifier: GPL-3.0-or-later
// Reading whole background pictures and writing them through a temporary file.
#include "ui/background/picture_file.h"

#include "base/whole_file.h"

#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <QtEndian>

namespace {

quint32 le32(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 le16(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// The file length a bitmap's headers call for; 0 when they do not tell.
qint64 bitmapLength(const QByteArray &head)
{
    if (head.size() < 26 || !head.startsWith("BM"))
        return 0;
    const qint64 dataStart = le32(head, 10);
    const quint32 infoSize = le32(head, 14);
    qint64 width = 0, height = 0, bits = 0, compression = 0, imageSize = 0;
    if (infoSize == 12) { // the old OS/2 header
        width = le16(head, 18);
        height = le16(head, 20);
        bits = le16(head, 24);
    } else if (infoSize >= 40 && head.size() >= 38) {
        width = qint32(le32(head, 18));
        height = qint32(le32(head, 22));
        bits = le16(head, 28);
        compression = le32(head, 30);
        imageSize = le32(head, 34);
    } else {
        return 0;
    }
    if (width <= 0 || height == 0 || bits == 0)
        return 0;
    // Uncompressed rows are padded to four bytes; run-length data gives its size.
    if (compression == 0 || compression == 3 || compression == 6)
        return dataStart + (width * bits + 31) / 32 * 4 * qAbs(height);
    return imageSize > 0 ? dataStart + imageSize : 0;
}

} // namespace

QImage readWholePicture(const QString &path)
{
    // Only a regular file: a FIFO or a device named *.bmp would block or never end.
    QFile file;
    if (!openToRead(file, path, FileKind::Picture))
        return QImage();
    if (file.size() < bitmapLength(file.peek(64)))
        return QImage();
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

bool writePictureFile(const QImage &picture, const QString &path)
{
    QSaveFile file(path);
    return !picture.isNull() && file.open(QIODevice::WriteOnly) && picture.save(&file, "BMP") && file.commit();
}
