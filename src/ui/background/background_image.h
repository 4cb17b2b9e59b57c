// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

class QPainter;

// Image2: the board's background picture, stretched over the whole board or
// shown at natural size from the top-left corner. The board paints it under
// its tiles; the widget itself stays hidden and only holds it (and draws it
// the same way when grabbed on its own).
class BackgroundImage : public QWidget
{
    Q_OBJECT
public:
    explicit BackgroundImage(QWidget *parent = nullptr);

    bool hasPicture() const { return !m_picture.isNull(); }
    QImage picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    void clearPicture() { setPicture(QImage()); }
    // Loads a picture file; false (and the old picture kept) when it cannot be
    // read whole.
    bool loadPicture(const QString &path);
    // Saves the picture as a bitmap through a temporary file; false, with the
    // old file kept, when there is none or it cannot be written.
    bool savePicture(const QString &path) const;

    bool stretch() const { return m_stretch; }
    void setStretch(bool on);

    // Draws the picture over area, as the flag says.
    void paintPicture(QPainter &painter, const QRect &area) const;

signals:
    // The picture or the flag changed: what shows it paints anew.
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    bool m_stretch = true;
};
