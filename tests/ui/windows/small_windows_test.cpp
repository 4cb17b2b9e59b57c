// SPDX-License-Identifier: GPL-3.0-or-later
// The splash, About and debug windows look and behave as the game shows them:
// the splash steps, levels and holds, the About box's texts, the trace window.
#include "base/program_folder.h"
#include "support/recording_desktop.h"
#include "ui/windows/about_window.h"
#include "ui/windows/debug_window.h"
#include "ui/windows/splash_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QColor Purple(128, 0, 128);

QColor pictureColour(int n)
{
    return QColor(40 * n, 250 - 40 * n, 60);
}

TfrmSplash *visibleSplash()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *splash = qobject_cast<TfrmSplash *>(w); splash && splash->isVisible())
            return splash;
    return nullptr;
}

struct Seen
{
    int level;
    QString file;
    QColor colour;
};

} // namespace

class SmallWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void splashSequence();
    void splashWithoutPictures();
    void splashSkipped_data();
    void splashSkipped();
    void splashClipsPicture();
    void waitKeepsEventsRunning();
    void aboutBox();
    void aboutAnswersEsc();
    void debugWindow();

private:
    QTemporaryDir folder;
    RecordingDesktop desktop;
};

void SmallWindowsTest::initTestCase()
{
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("xq")));
    for (int n = 1; n <= 5; ++n) {
        QImage picture(177, 129, QImage::Format_RGB32);
        picture.fill(pictureColour(n));
        picture.setPixelColor(176, 128, Qt::yellow); // outside the client: never seen
        QVERIFY(picture.save(folder.filePath(QStringLiteral("xq/splash%1.bmp").arg(n)), "BMP"));
    }
    desktop.holdScale = 0.02;
}

void SmallWindowsTest::cleanup()
{
    setProgramFolder(folder.path() + QLatin1Char('/'));
}

void SmallWindowsTest::splashSequence()
{
    setProgramFolder(folder.path() + QLatin1Char('/'));
    QList<Seen> seen;
    bool eventRan = true;
    QElapsedTimer clock;
    clock.start();
    runSplashSequence(desktop, [&](int level) {
        QVERIFY(eventRan); // the previous hold let a posted timer fire
        eventRan = false;
        QTimer::singleShot(0, [&] { eventRan = true; });
        TfrmSplash *splash = visibleSplash();
        QVERIFY(splash);
        QCOMPARE(splash->size(), QSize(176, 127));
        const QImage image = splash->grab().toImage();
        seen.append({level, QFileInfo(splash->pictureFile()).fileName(), image.pixelColor(50, 50)});
        QCOMPARE(image.pixelColor(0, 0), Purple);
        QCOMPARE(image.pixelColor(1, 60), Purple);
    });
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(seen.size(), 5);
    const int levels[] = {12288, 24576, 32768, 36864, 40960};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(seen[i].level, levels[i]);
        QCOMPARE(seen[i].file, QStringLiteral("splash%1.bmp").arg(i + 1));
        QCOMPARE(seen[i].colour, pictureColour(i + 1));
    }
    QVERIFY2(elapsed >= qint64((600 + 600 + 1200 + 600 + 3000) * 0.02), qPrintable(QString::number(elapsed)));
    QVERIFY(!visibleSplash());
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void SmallWindowsTest::splashWithoutPictures()
{
    QTemporaryDir empty;
    setProgramFolder(empty.path() + QLatin1Char('/'));
    int calls = 0;
    runSplashSequence(desktop, [&](int) {
        ++calls;
        TfrmSplash *splash = visibleSplash();
        QVERIFY(splash);
        QVERIFY(!splash->hasPicture());
        const QImage image = splash->grab().toImage();
        QCOMPARE(image.pixelColor(0, 0), Purple);
        QCOMPARE(image.pixelColor(5, 5), Purple);
        bool titleDrawn = false;
        for (int y = 0; y < image.height() && !titleDrawn; ++y)
            for (int x = 0; x < image.width() && !titleDrawn; ++x)
                titleDrawn = image.pixelColor(x, y) == QColor(Qt::white);
        QVERIFY(titleDrawn);
        // The foot says a key or a click skips it: white letters in the last rows.
        bool footDrawn = false;
        for (int y = image.height() - 22; y < image.height() && !footDrawn; ++y)
            for (int x = 0; x < image.width() && !footDrawn; ++x)
                footDrawn = image.pixelColor(x, y) == QColor(Qt::white);
        QVERIFY(footDrawn);
    });
    QCOMPARE(calls, 5);
}

void SmallWindowsTest::splashSkipped_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("any key") << true;
    QTest::newRow("click") << false;
}

void SmallWindowsTest::splashSkipped()
{
    QFETCH(bool, byKey);
    setProgramFolder(folder.path() + QLatin1Char('/'));
    RecordingDesktop realHolds;
    realHolds.holdScale = 1.0; // 6 s in all
    QTimer::singleShot(100, [byKey] {
        TfrmSplash *splash = visibleSplash();
        QVERIFY(splash);
        if (byKey)
            QTest::keyClick(splash, Qt::Key_Q);
        else
            QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(40, 40));
    });
    QList<int> levels;
    QElapsedTimer clock;
    clock.start();
    runSplashSequence(realHolds, [&](int level) { levels << level; });
    QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(levels, (QList<int>{12288, 24576, 32768, 36864, 40960})); // the music still rises to its level
    QVERIFY(!visibleSplash());
}

void SmallWindowsTest::splashClipsPicture()
{
    TfrmSplash splash;
    QVERIFY(splash.loadPicture(folder.filePath(QStringLiteral("xq/splash2.bmp"))));
    const QImage image = splash.grab().toImage();
    QCOMPARE(image.size(), QSize(176, 127));
    QCOMPARE(image.pixelColor(2, 2), pictureColour(2));
    QCOMPARE(image.pixelColor(173, 124), pictureColour(2));
    for (const QPoint p : {QPoint(175, 126), QPoint(174, 125), QPoint(1, 1), QPoint(175, 0)})
        QCOMPARE(image.pixelColor(p), Purple);
    QVERIFY(!splash.loadPicture(folder.filePath(QStringLiteral("xq/none.bmp"))));
    QCOMPARE(splash.grab().toImage().pixelColor(2, 2), Purple);
}

void SmallWindowsTest::waitKeepsEventsRunning()
{
    int fired = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] { ++fired; });
    ticker.start(5);
    QElapsedTimer clock;
    clock.start();
    waitProcessingEvents(100);
    QVERIFY(clock.elapsed() > 100);
    QVERIFY2(fired >= 2, qPrintable(QString::number(fired)));
}

void SmallWindowsTest::aboutBox()
{
    TfrmAbout about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Splitwick"));
    QVERIFY(!about.findChild<QLabel *>()); // built when first needed
    about.ensureWidgets();
    auto *version = about.findChild<QLabel *>(QStringLiteral("Version"));
    QVERIFY(version);
    QCOMPARE(version->text(), QStringLiteral("Version 1.1"));
    QCOMPARE(about.okButton()->text(), QStringLiteral("OK"));

    auto *title = about.findChild<QWidget *>(QStringLiteral("ProductName"));
    QVERIFY(title);
    const QImage image = title->grab().toImage();
    int red = 0, navy = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c == QColor(255, 0, 0);
            navy += c == QColor(0, 0, 128);
        }
    QVERIFY2(red > 50 && navy > 5, qPrintable(QStringLiteral("%1 %2").arg(red).arg(navy)));

    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    // Licence and credits are on show, the web site only when the build has one.
    QStringList shown;
    for (const QLabel *label : about.findChildren<QLabel *>())
        if (label->isVisible())
            shown << label->text();
    const QString text = shown.join('\n');
    for (const char *needed : {"GNU General Public License, version 3", "Copyright", "WordNet 3.0", "SCOWL", "FreeDict",
                               "OpenThesaurus", "GNU LGPL", "fonts"})
        QVERIFY2(text.contains(QLatin1String(needed)), needed);
    QCOMPARE(bool(about.findChild<QLabel *>(QStringLiteral("WebSite"))), !TfrmAbout::projectWebSite().isEmpty());
    QVERIFY(!text.contains(QLatin1String("example")));
    QTest::mouseClick(about.okButton(), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

void SmallWindowsTest::aboutAnswersEsc()
{
    TfrmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());
}

void SmallWindowsTest::debugWindow()
{
    TfrmDebug frm;
    frm.append(QStringLiteral("Level 3"));
    frm.append(QStringLiteral("Pop 12"));
    QCOMPARE(frm.lines(), QStringList({QStringLiteral("Level 3"), QStringLiteral("Pop 12")}));
    frm.clear();
    QCOMPARE(frm.lines(), QStringList());
    frm.append(QStringLiteral("again"));
    QCOMPARE(frm.lines(), QStringList({QStringLiteral("again")}));

    // Lines traced while the window was hidden are in the memo it shows.
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    QVERIFY(frm.debug()->isVisible());
    QCOMPARE(frm.debug()->toPlainText(), QStringLiteral("again"));
    frm.append(QStringLiteral("more"));
    QCOMPARE(frm.lines(), QStringList({QStringLiteral("again"), QStringLiteral("more")}));
}

QTEST_MAIN(SmallWindowsTest)
#include "small_windows_test.moc"
