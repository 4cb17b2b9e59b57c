// SPDX-License-Identifier: GPL-3.0-or-later
// The picture behind the board, stretched or at natural size.
#include "ui/background/background_image.h"

#include "ui/background/picture_file.h"

#include <QPainter>

BackgroundImage::BackgroundImage(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void BackgroundImage::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
    emit changed();
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
        emit changed();
    }
}

void BackgroundImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintPicture(painter, rect());
}

void BackgroundImage::paintPicture(QPainter &painter, const QRect &area) const
{
    if (m_picture.isNull())
        return;
    painter.save();
    // Stretched and high-DPI pictures are filtered, not blocky.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretch)
        painter.drawImage(area, m_picture);
    else
        painter.drawImage(area.topLeft(), m_picture);
    painter.restore();
}
