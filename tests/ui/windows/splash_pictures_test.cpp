// SPDX-License-Identifier: GPL-3.0-or-later
// The five splash pictures shown at start-up: each must load at the splash
// window's size as a 24-bit bitmap, and together they must be a sequence.
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

namespace {

QString splashPath(int n)
{
    return QStringLiteral(SPLITWICK_SOURCE_DIR "/data/xq/splash%1.bmp").arg(n);
}

} // namespace

class SplashPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void loadsAtSplashSize_data();
    void loadsAtSplashSize();
    void framesDifferFromEachOther();
};

void SplashPicturesTest::loadsAtSplashSize_data()
{
    QTest::addColumn<int>("n");
    for (int n = 1; n <= 5; ++n)
        QTest::newRow(qPrintable(QString("splash%1.bmp").arg(n))) << n;
}

void SplashPicturesTest::loadsAtSplashSize()
{
    QFETCH(int, n);
    QFile file(splashPath(n));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();

    // BITMAPFILEHEADER then BITMAPINFOHEADER: "BM", ..., width at 18,
    // height at 22, bits per pixel at 28, compression at 30 (0 = none).
    QVERIFY(bytes.size() >= 54);
    QVERIFY(bytes.startsWith("BM"));
    QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 18), 172);
    QCOMPARE(std::abs(qFromLittleEndian<qint32>(bytes.constData() + 22)), 123);
    QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 30), 0u);

    QImage image;
    QVERIFY(image.loadFromData(bytes, "BMP"));
    QCOMPARE(image.size(), QSize(172, 123));

    // A real picture, not a flat fill: many distinct colours.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() > 200, qPrintable(QString::number(colours.size())));
}

void SplashPicturesTest::framesDifferFromEachOther()
{
    QList<QImage> frames;
    for (int n = 1; n <= 5; ++n) {
        QImage image(splashPath(n));
        QVERIFY(!image.isNull());
        frames << image.convertToFormat(QImage::Format_RGB32);
    }
    // Every pair differs in a visible share of the picture, so each step
    // of the sequence shows a change.
    for (int a = 0; a < frames.size(); ++a)
        for (int b = a + 1; b < frames.size(); ++b) {
            int changed = 0;
            for (int y = 0; y < 123; ++y)
                for (int x = 0; x < 172; ++x)
                    if (frames[a].pixel(x, y) != frames[b].pixel(x, y))
                        ++changed;
            QVERIFY2(changed > 172 * 123 / 20,
                     qPrintable(QString("splash%1 and splash%2 differ in %3 pixels")
                                    .arg(a + 1).arg(b + 1).arg(changed)));
        }
}

QTEST_MAIN(SplashPicturesTest)
#include "splash_pictures_test.moc"
