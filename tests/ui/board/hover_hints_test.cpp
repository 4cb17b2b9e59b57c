// SPDX-License-Identifier: GPL-3.0-or-later
// Hover Hints switches every tool tip of the program on and off.

#include "ui/board/hover_hints.h"
#include "ui/board/tile_widget.h"

#include <QAction>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <QtTest>

namespace {

// Asks a widget for its tool tip the way the window system does.
bool tipShownFor(QWidget *widget)
{
    QToolTip::hideText(); // fades out over a few hundred milliseconds
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000))
        return true;
    const QPoint pos(3, 3);
    QHelpEvent event(QEvent::ToolTip, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
    return QToolTip::isVisible() && !QToolTip::text().isEmpty();
}

} // namespace

class HoverHintsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void switchSwallowsToolTips_data();
    void switchSwallowsToolTips();
    void menuItemInvertsSwitch();
    void boundActionFollowsTick();
    void switchingOffHidesShownTip();

private:
    QWidget window;
    QLabel *counter = nullptr;
    TileWidget *tile = nullptr;
};

void HoverHintsTest::initTestCase()
{
    HoverHints::install();
    HoverHints::install(); // a second call adds nothing
    window.resize(200, 80);
    counter = new QLabel(QStringLiteral("0"), &window);
    counter->setGeometry(0, 0, 32, 20);
    HoverHints::setHint(counter, HoverHints::RatingHint);
    tile = new TileWidget(&window, 1);
    tile->setGeometry(50, 0, 60, 30);
    tile->setHintText(QStringLiteral("a large body of water"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

void HoverHintsTest::init()
{
    HoverHints::setEnabled(true);
    tile->setShowHint(true);
}

void HoverHintsTest::switchSwallowsToolTips_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<bool>("tileFlag");
    QTest::addColumn<bool>("ratingShown");
    QTest::addColumn<bool>("tileShown");
    QTest::newRow("on, flag set") << true << true << true << true;
    QTest::newRow("on, flag clear") << true << false << true << false;
    QTest::newRow("off, flag set") << false << true << false << false;
    QTest::newRow("off, flag clear") << false << false << false << false;
}

void HoverHintsTest::switchSwallowsToolTips()
{
    QFETCH(bool, on);
    QFETCH(bool, tileFlag);
    QFETCH(bool, ratingShown);
    QFETCH(bool, tileShown);
    HoverHints::setEnabled(on);
    tile->setShowHint(tileFlag);
    QCOMPARE(tipShownFor(counter), ratingShown);
    if (ratingShown)
        QCOMPARE(QToolTip::text(), QStringLiteral("This is your rating. The closer to 100, the better the score."));
    QCOMPARE(tipShownFor(tile), tileShown);
    if (tileShown)
        QCOMPARE(QToolTip::text(), QStringLiteral("a large body of water"));
    QCOMPARE(counter->toolTipDuration(), 7000);
}

void HoverHintsTest::menuItemInvertsSwitch()
{
    QAction mHints(QStringLiteral("Hover Hints"));
    mHints.setCheckable(true);
    mHints.setChecked(true);
    HoverHints::mHintsClick(&mHints);
    QVERIFY(!mHints.isChecked());
    QVERIFY(!HoverHints::enabled());
    QVERIFY(!tipShownFor(counter));
    tile->setShowHint(false);
    HoverHints::mHintsClick(&mHints);
    QVERIFY(mHints.isChecked());
    QVERIFY(tipShownFor(counter));
    QVERIFY(!tile->showHint()); // a tile's own flag is its own
}

void HoverHintsTest::boundActionFollowsTick()
{
    QAction mHints(QStringLiteral("Hover Hints"));
    HoverHints::bindHintsAction(&mHints);
    QVERIFY(mHints.isChecked());
    mHints.trigger();
    QVERIFY(!mHints.isChecked());
    QVERIFY(!HoverHints::enabled());
    mHints.trigger();
    QVERIFY(HoverHints::enabled());
}

void HoverHintsTest::switchingOffHidesShownTip()
{
    QVERIFY(tipShownFor(counter));
    HoverHints::setEnabled(false);
    QTRY_VERIFY(!QToolTip::isVisible());
}

QTEST_MAIN(HoverHintsTest)
#include "hover_hints_test.moc"
