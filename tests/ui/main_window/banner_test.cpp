// SPDX-License-Identifier: GPL-3.0-or-later
// The banner scrolls its fourteen help lines in turn, rests after a cycle and
// keeps a message it is given.

#include "ui/main_window/banner.h"

#include <QAction>
#include <QLabel>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

QString shown(int number)
{
    return QString(33, QLatin1Char(' ')) + Banner::helpLine(number) + QString(25, QLatin1Char(' '));
}

// Leftmost column with ink on a white background, or -1.
int leftmostInk(QLabel &label)
{
    const QImage image = label.grab().toImage();
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) != QColor(Qt::white))
                return x;
    return -1;
}

} // namespace

class BannerTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstLineWithLeadingBlanks();
    void runOutBringsNextLine();
    void fullCycleThenRest();
    void fifteenthCallRests();
    void bannerOffAndOn();
    void heldMessageStays_data();
    void heldMessageStays();
    void messageWithTimerScrollsAway();
    void realTimerMoves();
    void leadingBlanksAreDrawn();

private:
    std::unique_ptr<QLabel> lb;
    std::unique_ptr<QAction> action;
    std::unique_ptr<Banner> banner;
};

void BannerTest::init()
{
    lb = std::make_unique<QLabel>();
    action = std::make_unique<QAction>(QStringLiteral("Banner"));
    banner = std::make_unique<Banner>(lb.get(), action.get());
}

void BannerTest::cleanup()
{
    banner.reset();
    action.reset();
    lb.reset();
}

void BannerTest::firstLineWithLeadingBlanks()
{
    QVERIFY(action->isChecked());
    QVERIFY(!banner->timerActive());
    QFont bold = lb->font();
    bold.setBold(true);
    lb->setFont(bold);
    QPalette red = lb->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lb->setPalette(red);

    banner->ShowNextBannerLine();
    QCOMPARE(banner->line(), QString(33, QLatin1Char(' ')) + QStringLiteral("Press <F7> for Options or <F2> to start a New Round")
                                 + QString(25, QLatin1Char(' ')));
    QCOMPARE(banner->lineCounter(), quint16(1));
    QVERIFY(banner->timerActive());
    QCOMPARE(banner->timer()->interval(), 100);
    QCOMPARE(lb->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QVERIFY(!lb->font().bold());
    QCOMPARE(banner->state(), Banner::State::Running);
}

void BannerTest::runOutBringsNextLine()
{
    banner->ShowNextBannerLine();
    const int length = int(shown(1).size());
    for (int tick = 1; tick <= length; ++tick) {
        banner->bTimerTimer();
        if (tick == 40)
            QVERIFY(banner->line().startsWith(QStringLiteral("F7> for Options")));
    }
    QCOMPARE(banner->line(), QString());
    QVERIFY(banner->timerActive());
    banner->bTimerTimer();
    QCOMPARE(banner->line(), shown(2));
    QCOMPARE(banner->lineCounter(), quint16(2));
}

void BannerTest::fullCycleThenRest()
{
    banner->ShowNextBannerLine();
    int ticks = 0;
    while (banner->timerActive() && ticks < 5000) {
        banner->bTimerTimer();
        ++ticks;
    }
    // Each line: 58 + length ticks to run out, one more to fetch the next;
    // the 14 lines hold 855 characters.
    QCOMPARE(ticks, 14 * 58 + 855 + 14);
    QCOMPARE(banner->state(), Banner::State::Resting);
    QCOMPARE(banner->lineCounter(), quint16(0));
    banner->ShowNextBannerLine();
    QCOMPARE(banner->line(), shown(1));
}

void BannerTest::fifteenthCallRests()
{
    for (int n = 1; n <= 14; ++n) {
        banner->ShowNextBannerLine();
        QCOMPARE(banner->line(), shown(n));
    }
    for (int tick = 0; tick < 10; ++tick)
        banner->bTimerTimer();
    const QString rest = banner->line();
    banner->ShowNextBannerLine();
    QCOMPARE(banner->line(), rest);
    QVERIFY(!banner->timerActive());
    QCOMPARE(banner->lineCounter(), quint16(0));
    QCOMPARE(banner->state(), Banner::State::Holding);
    banner->ShowNextBannerLine();
    QCOMPARE(banner->line(), shown(1));
}

void BannerTest::bannerOffAndOn()
{
    for (int n = 1; n <= 5; ++n)
        banner->ShowNextBannerLine();
    banner->BannerClick();
    QVERIFY(!action->isChecked());
    QCOMPARE(banner->line(), QString());
    QVERIFY(!banner->timerActive());
    QCOMPARE(banner->state(), Banner::State::Resting);
    // While off, the next-line call only clears.
    banner->setLine(QStringLiteral("Try again."));
    banner->ShowNextBannerLine();
    QCOMPARE(banner->line(), QString());
    QVERIFY(!banner->timerActive());

    action->trigger(); // the menu item: Qt ticks it itself
    QVERIFY(action->isChecked());
    QCOMPARE(banner->line(), shown(1));
    QVERIFY(banner->timerActive());
}

void BannerTest::heldMessageStays_data()
{
    QTest::addColumn<bool>("bannerOn");
    QTest::addColumn<QString>("after");
    QTest::newRow("banner ticked") << true << shown(3);
    QTest::newRow("banner unticked") << false << QString();
}

void BannerTest::heldMessageStays()
{
    QFETCH(bool, bannerOn);
    QFETCH(QString, after);
    banner->ShowNextBannerLine();
    banner->ShowNextBannerLine();
    banner->stopTimer();
    const QString won = QStringLiteral("Excellent! You solved it.");
    banner->setLine(won);
    QCOMPARE(banner->state(), Banner::State::Holding);
    QTest::qWait(250);
    QCOMPARE(banner->line(), won);
    if (!bannerOn)
        action->setChecked(false);
    banner->ShowNextBannerLine();
    QCOMPARE(banner->line(), after);
}

void BannerTest::messageWithTimerScrollsAway()
{
    const QString summary = QString(25, QLatin1Char(' ')) + QStringLiteral("Level 3");
    banner->setLine(summary);
    banner->startTimer();
    for (int tick = 0; tick < summary.size(); ++tick)
        banner->bTimerTimer();
    QCOMPARE(banner->line(), QString());
    banner->bTimerTimer();
    QCOMPARE(banner->line(), shown(1));
}

void BannerTest::realTimerMoves()
{
    banner->ShowNextBannerLine();
    const int start = int(banner->line().size());
    QTRY_VERIFY_WITH_TIMEOUT(banner->line().size() <= start - 3, 2000);
}

void BannerTest::leadingBlanksAreDrawn()
{
    QPalette pal = lb->palette();
    pal.setColor(QPalette::Window, Qt::white);
    lb->setPalette(pal);
    lb->setAutoFillBackground(true);
    banner->ShowNextBannerLine();
    QCOMPARE(lb->size(), QSize(285, 14));
    QVERIFY(!lb->wordWrap());
    const int blanks = QFontMetrics(lb->font()).horizontalAdvance(QString(33, QLatin1Char(' ')));
    const int before = leftmostInk(*lb);
    QVERIFY2(before >= blanks - 2, qPrintable(QStringLiteral("%1 < %2").arg(before).arg(blanks)));
    for (int tick = 0; tick < 33; ++tick)
        banner->bTimerTimer();
    const int after = leftmostInk(*lb);
    QVERIFY2(after >= 0 && after <= 3, qPrintable(QString::number(after)));
}

QTEST_MAIN(BannerTest)
#include "banner_test.moc"
