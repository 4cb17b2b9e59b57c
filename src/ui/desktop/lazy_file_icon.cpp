// SPDX-License-Identifier: GPL-3.0-or-later
// An icon engine that reads its picture file on first use.
#include "ui/desktop/lazy_file_icon.h"

#include "base/whole_file.h"
#include "ui/background/picture_file.h"

#include <QFile>
#include <QIconEngine>
#include <QImageReader>

#include <optional>

namespace {

class LazyFileIconEngine : public QIconEngine
{
public:
    explicit LazyFileIconEngine(const QString &path) : m_path(path) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        if (m_icon)
            return m_icon->actualSize(size, mode, state);
        // As a one-picture icon answers: the picture's size, never enlarged.
        QSize actual = headerSize();
        if (actual.width() > size.width() || actual.height() > size.height())
            actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("LazyFileIconEngine"); }
    QIconEngine *clone() const override { return new LazyFileIconEngine(*this); }

private:
    QIcon &icon()
    {
        if (!m_icon)
            m_icon.emplace(QPixmap::fromImage(readWholePicture(m_path)));
        return *m_icon;
    }
    QSize headerSize()
    {
        if (!m_headerSize) {
            QFile file;
            m_headerSize = openToRead(file, m_path, FileKind::Picture) ? QImageReader(&file).size() : QSize();
        }
        return *m_headerSize;
    }

    QString m_path;
    std::optional<QIcon> m_icon;
    std::optional<QSize> m_headerSize;
};

} // namespace

QIcon lazyFileIcon(const QString &path)
{
    return QIcon(new LazyFileIconEngine(path));
}
