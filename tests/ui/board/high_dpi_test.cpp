// SPDX-License-Identifier: GPL-3.0-or-later
// The game at 200 %: a 2560 x 1600 screen, 1280 x 800 in the window's units.
// Full rounds still fit the screen, the window is drawn at the screen's
// resolution (not drawn small and enlarged), and pictures are enlarged
// smoothly rather than by repeating pixels.
#include "support/game_fixture.h"
#include "support/board_tiles.h"
#include "support/offscreen_screen.h"
#include "ui/board/board_panel.h"
#include "support/board_tiles.h"
#include "ui/background/background_image.h"
#include "ui/windows/splash_window.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QScreen>
#include <QSet>

namespace {

// A picture of single-pixel black and white squares: enlarged by repeating
// pixels it keeps its two colours, enlarged smoothly it gains greys.
QImage checkerboard(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return image;
}

int greysIn(const QImage &image, const QRect &area)
{
    QSet<QRgb> greys;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y) & 0xffffff;
            if (qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && qRed(c) > 20 && qRed(c) < 235)
                greys.insert(c);
        }
    return int(greys.size());
}

} // namespace

class HighDpiTest : public QObject
{
    Q_OBJECT

private slots:
    void fullRoundsFitTheScreen_data();
    void fullRoundsFitTheScreen();
    void everyTextScales();
    void boardIsCrispAtEveryZoom_data();
    void boardIsCrispAtEveryZoom();
    void picturesAreEnlargedSmoothly_data();
    void picturesAreEnlargedSmoothly();
};

void HighDpiTest::fullRoundsFitTheScreen_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("shortest words") << "4 letters: 1-2-1";
    QTest::newRow("seven letters") << "7 letters: 3-1-3";
    QTest::newRow("longest words") << "25 letters: 5-5-5-5-5";
}

void HighDpiTest::fullRoundsFitTheScreen()
{
    QFETCH(QString, format);
    GameFixture game;
    QVERIFY(QFile::copy(QStringLiteral(SPLITWICK_SOURCE_DIR "/data/kbs/English.dic"),
                        game.dir.filePath(QStringLiteral("kbs/English.dic"))));
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    QCOMPARE(window.devicePixelRatio(), 2.0);
    game.options().selectDictionary(QStringLiteral("English"));
    game.options().setPresetsIndex(int(splitFormats().indexOf(format)));
    game.options().setWordCount(45);
    window.New1Click();
    QCOMPARE(int(game.engine().round().RoundWords.size()), 45);
    QCoreApplication::processEvents();

    const QRect screen = window.screen()->availableGeometry();
    QVERIFY2(screen.contains(window.frameGeometry()),
             qPrintable(QStringLiteral("window %1x%2 at %3,%4 on %5x%6")
                            .arg(window.frameGeometry().width())
                            .arg(window.frameGeometry().height())
                            .arg(window.frameGeometry().x())
                            .arg(window.frameGeometry().y())
                            .arg(screen.width())
                            .arg(screen.height())));
    // Every row's tiles lie inside the window.
    const Board &board = game.engine().board();
    for (int s = 1; s <= board.TileCount(); ++s) {
        const QRect tile(boardTile(window, s)->mapTo(&window, QPoint(0, 0)), boardTile(window, s)->size());
        QVERIFY2(window.rect().contains(tile), qPrintable(QStringLiteral("tile %1").arg(s)));
    }
    // Drawn at the screen's resolution: two pixels to a unit.
    const QPixmap shot = window.grab();
    QCOMPARE(shot.devicePixelRatio(), 2.0);
    QCOMPARE(shot.size(), window.size() * 2);
}

void HighDpiTest::everyTextScales()
{
    // A bitmap-only font keeps its pixel size at 200 %: tiny letters, far apart.
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(QStringLiteral("5 letters: 2-1-2"), 6, FixedCell::Middle);
    const QList<QWidget *> widgets = window.findChildren<QWidget *>() << &window;
    for (QWidget *widget : widgets) {
        const QString family = QFontInfo(widget->font()).family();
        QVERIFY2(QFontDatabase::isSmoothlyScalable(family),
                 qPrintable(QStringLiteral("%1 draws with %2").arg(widget->objectName(), family)));
    }
}

void HighDpiTest::boardIsCrispAtEveryZoom_data()
{
    QTest::addColumn<int>("zoomKeys");
    QTest::newRow("100 %") << 0;
    QTest::newRow("150 %") << 2;
    QTest::newRow("200 %") << 4;
}

// Every pixel of a tile's frame is one of the frame's own colours: a bevel
// drawn between the screen's pixels would show blends of them.
void HighDpiTest::boardIsCrispAtEveryZoom()
{
    QFETCH(int, zoomKeys);
    GameFixture game;
    game.writeQuietSettings();
    TfrmMain &window = game.start();
    game.deal(QStringLiteral("5 letters: 2-1-2"), 6, FixedCell::First);
    for (int key = 0; key < zoomKeys; ++key)
        QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
    QTRY_COMPARE(window.zoom(), 100 + 25 * zoomKeys);
    QCoreApplication::processEvents();
    BoardPanel *board = window.board();
    const QImage shot = board->grab().toImage();
    const QPalette pal = board->palette();
    const QSet<QRgb> frameColours{pal.color(QPalette::Light).rgb(), pal.color(QPalette::Dark).rgb(),
                                  boardTile(window, 8)->tileColour().colour().rgb()};
    const qreal ratio = shot.devicePixelRatio();
    for (int slot : {8, 12}) { // away from the keyboard's ring
        const QRect tile = boardTile(window, slot)->geometry();
        const QRect content = boardTile(window, slot)->contentRect().translated(tile.topLeft());
        const QRect outer(tile.topLeft() * ratio, tile.size() * ratio);
        const QRect inner(content.topLeft() * ratio, content.size() * ratio);
        for (int y = outer.top(); y <= outer.bottom(); ++y)
            for (int x = outer.left(); x <= outer.right(); ++x)
                if (!inner.contains(x, y))
                    QVERIFY2(frameColours.contains(shot.pixel(x, y) | 0xff000000u),
                             qPrintable(QStringLiteral("tile %1 at %2,%3: %4").arg(slot).arg(x).arg(y)
                                            .arg(QColor(shot.pixel(x, y)).name())));
    }
}

void HighDpiTest::picturesAreEnlargedSmoothly_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("background, stretched") << "background stretched";
    QTest::newRow("background, natural size") << "background";
    QTest::newRow("splash") << "splash";
}

void HighDpiTest::picturesAreEnlargedSmoothly()
{
    QFETCH(QString, window);
    QTemporaryDir dir;
    const QImage picture = checkerboard(200, 150);
    std::unique_ptr<QWidget> widget;
    if (window == "splash") {
        const QString file = dir.filePath(QStringLiteral("splash.bmp"));
        QVERIFY(picture.save(file));
        auto splash = std::make_unique<TfrmSplash>();
        QVERIFY(splash->loadPicture(file));
        widget = std::move(splash);
    } else {
        auto background = std::make_unique<BackgroundImage>();
        background->setPicture(picture);
        background->setStretch(window.contains(QStringLiteral("stretched")));
        background->resize(300, 200);
        widget = std::move(background);
    }
    const QImage shot = widget->grab().toImage();
    QCOMPARE(shot.devicePixelRatio(), 2.0);
    // The middle of the picture, clear of the splash's frame.
    const QRect middle(shot.width() / 4, shot.height() / 4, shot.width() / 4, shot.height() / 4);
    QVERIFY2(greysIn(shot, middle) > 0, "the picture was enlarged by repeating pixels");
}

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    if (!useOffscreenScreen(dir, 2560, 1600))
        return 1;
    qputenv("QT_SCALE_FACTOR", "2");
    GameApplication app(argc, argv);
    initialiseProgram();
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "high_dpi_test.moc"
