// SPDX-License-Identifier: GPL-3.0-or-later
// The picture behind the board, stretched or at natural size.
#include "ui/background/background_image.h"

#include "ui/background/picture_file.h"

#include <QPainter>

BackgroundImage::BackgroundImage(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BackgroundImage::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

bool BackgroundImage::loadPicture(const QString &path)
{
    const QImage image = readWholePicture(path);
    if (image.isNull())
        return false;
    setPicture(image);
    return true;
}

bool BackgroundImage::savePicture(const QString &path) const
{
    return hasPicture() && writePictureFile(m_picture, path);
}

void BackgroundImage::setStretch(bool on)
{
    if (on != m_stretch) {
        m_stretch = on;
        update();
    }
}

void BackgroundImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    // Stretched and high-DPI pictures are filtered, not blocky.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretch)
        painter.drawImage(rect(), m_picture);
    else
        painter.drawImage(QPoint(0, 0), m_picture);
}
