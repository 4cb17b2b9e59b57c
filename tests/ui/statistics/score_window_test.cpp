// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window shows the stored averages as labels and as bars of
// matching height, and closes on a typed key.

#include "settings/daily_record.h"
#include "settings/score_table.h"
#include "settings/settings_file.h"
#include "ui/desktop/look_alike_fonts.h"
#include "ui/statistics/score_chart.h"
#include "ui/statistics/score_window.h"
#include "support/temp_settings.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

const char *const ReferencePath = SPLITWICK_SOURCE_DIR "/tests/ui/statistics/score_chart_reference.png";

// A front face in the series' colour; the gradient series by its blue alone.
bool isSeriesFront(int series, QRgb pixel)
{
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    if (series == 3)
        return b - std::max(r, g) > 80;
    const QColor colour = ScoreChart::seriesColour(series);
    return std::abs(r - colour.red()) < 45 && std::abs(g - colour.green()) < 45 && std::abs(b - colour.blue()) < 45;
}

// How far a bar's front face rises above its base in the picture, in pixels
// of the chart: the highest pixel of its colour in the column through the
// middle of its front face, up to the top of the scale.
int barHeight(const ScoreChart &chart, const QImage &picture, int series, int classIndex)
{
    const QPointF base = chart.barPoint(series, classIndex, 0);
    const int x = qRound(base.x());
    const int bottom = qRound(base.y());
    const int top = qRound(chart.barPoint(series, classIndex, 120).y()) - 1;
    int highest = bottom;
    for (int y = bottom; y >= top; --y)
        if (isSeriesFront(series, picture.pixel(x, y)))
            highest = y;
    return bottom - highest;
}

// Pixels that differ by more than a faint shade in any channel.
int differingPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))}) > 40)
                ++count;
        }
    return count;
}

QImage chartPicture(const ScoreChart &chart, qreal ratio)
{
    QImage picture(QSize(ScoreChart::ChartWidth, ScoreChart::ChartHeight) * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    chart.paintChart(painter);
    return picture;
}

} // namespace

class ScoreWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void freshFileShowsZerosAndNoBars();
    void labelsAndBarsFollowTheStoredAverages();
    void barsGrowWithTheAverage_data();
    void barsGrowWithTheAverage();
    void nearerBarsHideFartherOnes();
    void keys_data();
    void keys();
    void modalWindowClosesOnAKey();
    void centredOnItsOwner();
    void matchesReferencePicture();
    void doubleScaleDrawsTheSamePicture();
    void todaysRunBelowTheChart_data();
    void todaysRunBelowTheChart();

private:
    void store(const QString &key, int average) { SettingsFile(m_path).writeString("scores", key, QStringLiteral("%1,1").arg(average)); }
    QImage grabChart(TfrmScore &window);
    static ScoreTable knownTable();

    TempSettings m_temp;
    QString m_path;
};

void ScoreWindowTest::initTestCase()
{
    loadLookAlikeFonts();
}

void ScoreWindowTest::init()
{
    m_path = m_temp.renew();
}

QImage ScoreWindowTest::grabChart(TfrmScore &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("statistics window not exposed");
    return window.chart()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

ScoreTable ScoreWindowTest::knownTable()
{
    const int values[4][4] = {{12, 0, 30, 0}, {73, 61, 48, 35}, {88, 70, 55, 0}, {100, 92, 40, 64}};
    ScoreTable table;
    for (int c = 0; c < 4; ++c)
        for (int b = 0; b < 4; ++b)
            table.setAverage(c, b, values[c][b]);
    return table;
}

void ScoreWindowTest::freshFileShowsZerosAndNoBars()
{
    const SettingsFile settings(m_path);
    TfrmScore window(settings);
    const QImage picture = grabChart(window);
    QCOMPARE(window.windowTitle(), QStringLiteral("Completed Game Statistics"));
    QCOMPARE(window.size(), QSize(347, 405));
    QCOMPARE(window.chart()->size(), QSize(321, 250));
    for (int c = 0; c < ScoreTable::ClassCount; ++c)
        for (int b = 0; b < ScoreTable::BandCount; ++b)
            QCOMPARE(window.scoreLabel(c, b)->text(), QStringLiteral("0"));
    for (int series = 0; series < ScoreChart::SeriesCount; ++series)
        for (int c = 0; c < ScoreTable::ClassCount; ++c)
            QCOMPARE(barHeight(*window.chart(), picture, series, c), 0);
}

void ScoreWindowTest::labelsAndBarsFollowTheStoredAverages()
{
    // Written the way the recorder writes them, in upper case.
    SettingsFile settings(m_path);
    settings.writeString("scores", "E025", "11,1");
    settings.writeString("scores", "M050", "22,1");
    settings.writeString("scores", "H075", "33,1");
    settings.writeString("scores", "I100", "44,1");
    settings.writeString("scores", "I025", "oops"); // damaged: shows 0
    TfrmScore window(settings);
    grabChart(window);
    const QStringList names = {"e2", "m3", "h4", "i5", "i2", "e5"};
    const QStringList texts = {"11", "22", "33", "44", "0", "0"};
    for (int i = 0; i < names.size(); ++i) {
        auto *label = window.findChild<QLabel *>(names[i]);
        QVERIFY2(label, qPrintable(names[i]));
        QCOMPARE(label->text(), texts[i]);
    }
    QCOMPARE(window.chart()->table().average(2, 2), 33);

    // The window keeps nothing: the next activation reads the file again.
    window.hide();
    settings.writeString("scores", "E025", "66,2");
    grabChart(window);
    QCOMPARE(window.findChild<QLabel *>("e2")->text(), QStringLiteral("66"));
}

void ScoreWindowTest::barsGrowWithTheAverage_data()
{
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("classIndex");
    QTest::newRow("red front row, Moderate") << 0 << 1;
    QTest::newRow("green, Hard") << 1 << 2;
    QTest::newRow("yellow, Intense") << 2 << 3;
    QTest::newRow("blue gradient back row, Easy") << 3 << 0;
}

void ScoreWindowTest::barsGrowWithTheAverage()
{
    QFETCH(int, series);
    QFETCH(int, classIndex);
    const QString key = ScoreTable::key(classIndex, series);
    const SettingsFile settings(m_path);
    TfrmScore window(settings);
    QCOMPARE(barHeight(*window.chart(), grabChart(window), series, classIndex), 0);
    window.hide();

    store(key, 40);
    const int low = barHeight(*window.chart(), grabChart(window), series, classIndex);
    window.hide();
    store(key, 90);
    const int high = barHeight(*window.chart(), grabChart(window), series, classIndex);
    QVERIFY2(low > 10, qPrintable(QString::number(low)));
    QVERIFY2(high > low, qPrintable(QStringLiteral("%1 then %2").arg(low).arg(high)));
    // Heights in proportion to the averages, within a few pixels.
    QVERIFY2(std::abs(high * 40 - low * 90) <= 3 * 90, qPrintable(QStringLiteral("%1 then %2").arg(low).arg(high)));

    // Averages above the scale stop at its top instead of leaving the chart.
    window.hide();
    store(key, 5000);
    const int clipped = barHeight(*window.chart(), grabChart(window), series, classIndex);
    QVERIFY(clipped > high);
    QVERIFY(clipped <= high * 120 / 90 + 3);
}

void ScoreWindowTest::nearerBarsHideFartherOnes()
{
    // A short red bar stands before a tall green one of the next row, which
    // shows above and beside it but nowhere on the red front face.
    store("m050", 90);
    store("m025", 40);
    const SettingsFile settings(m_path);
    TfrmScore window(settings);
    const QImage picture = grabChart(window);
    const ScoreChart &chart = *window.chart();
    const int frontHeight = barHeight(chart, picture, 0, 1);
    QVERIFY(frontHeight > 20);
    QVERIFY(barHeight(chart, picture, 1, 1) > frontHeight);
    const QPointF frontBase = chart.barPoint(0, 1, 0);
    for (int dx = -5; dx <= 5; ++dx) {
        const int x = qRound(frontBase.x()) + dx;
        for (int y = qRound(frontBase.y()) - 2; y > qRound(frontBase.y()) - frontHeight + 2; --y)
            QVERIFY2(isSeriesFront(0, picture.pixel(x, y)), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
}

void ScoreWindowTest::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("letter") << int(Qt::Key_Q) << true;
    QTest::newRow("digit") << int(Qt::Key_7) << true;
    QTest::newRow("space") << int(Qt::Key_Space) << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << true;
    QTest::newRow("left arrow") << int(Qt::Key_Left) << false;
    QTest::newRow("down arrow") << int(Qt::Key_Down) << false;
    QTest::newRow("F1") << int(Qt::Key_F1) << false;
    QTest::newRow("F2") << int(Qt::Key_F2) << false;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << false;
}

void ScoreWindowTest::keys()
{
    QFETCH(int, key);
    QFETCH(bool, closes);
    const SettingsFile settings(m_path);
    TfrmScore window(settings);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.windowHandle(), Qt::Key(key));
    QCOMPARE(window.isVisible(), !closes);
}

void ScoreWindowTest::modalWindowClosesOnAKey()
{
    const SettingsFile settings(m_path);
    QWidget owner;
    owner.show();
    TfrmScore window(settings, &owner);
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        wasModal = QApplication::activeModalWidget() == &window;
        QTest::keyClick(window.windowHandle(), Qt::Key_X);
    });
    QTimer::singleShot(3000, &window, &QWidget::close); // never hang the suite
    QElapsedTimer clock;
    clock.start();
    window.exec();
    QVERIFY(wasModal);
    QVERIFY(clock.elapsed() < 2500);
}

void ScoreWindowTest::centredOnItsOwner()
{
    const SettingsFile settings(m_path);
    QWidget owner;
    owner.setGeometry(100, 80, 700, 600);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    TfrmScore window(settings, &owner);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint offset = window.frameGeometry().center() - owner.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
}

void ScoreWindowTest::matchesReferencePicture()
{
    ScoreChart chart;
    chart.setFont(QFont(QStringLiteral("Verdana"), 8));
    chart.setTable(knownTable());
    const QImage picture = chartPicture(chart, 1);
    if (qEnvironmentVariableIsSet("SPLITWICK_WRITE_REFERENCE")) {
        QVERIFY(picture.save(QString::fromLatin1(ReferencePath)));
        QSKIP("reference picture written");
    }
    QImage reference(QString::fromLatin1(ReferencePath));
    QVERIFY2(!reference.isNull(), ReferencePath);
    reference = reference.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(reference.size(), picture.size());
    // Letters may fall a pixel apart with another font version; the drawing may not.
    const int differing = differingPixels(picture, reference);
    QVERIFY2(differing < picture.width() * picture.height() / 100, qPrintable(QString::number(differing)));
}

void ScoreWindowTest::doubleScaleDrawsTheSamePicture()
{
    // At twice the pixels every line and letter lands where it does at the
    // plain scale: shrunk back, the sharp picture matches the plain one.
    ScoreChart chart;
    chart.setTable(knownTable());
    const QImage single = chartPicture(chart, 1);
    const QImage twice = chartPicture(chart, 2);
    QCOMPARE(twice.size(), single.size() * 2);
    const QImage shrunk = twice.scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const int differing = differingPixels(shrunk, single);
    QVERIFY2(differing < single.width() * single.height() / 100, qPrintable(QString::number(differing)));
}


void ScoreWindowTest::todaysRunBelowTheChart_data()
{
    QTest::addColumn<QStringList>("wonDaysAgo"); // the days won, in the order played
    QTest::addColumn<QString>("shown");
    QTest::newRow("never played") << QStringList() << "Won 0 days in a row (best: 0)";
    QTest::newRow("one day") << QStringList{"0"} << "Won 1 day in a row (best: 1)";
    QTest::newRow("a day missed since") << QStringList{"4", "3", "1", "0"} << "Won 2 days in a row (best: 2)";
}

void ScoreWindowTest::todaysRunBelowTheChart()
{
    QFETCH(QStringList, wonDaysAgo);
    QFETCH(QString, shown);
    SettingsFile settings(m_path);
    for (const QString &ago : wonDaysAgo) {
        const QDate day = QDate::currentDate().addDays(-ago.toInt());
        DailyRecord record(settings);
        QVERIFY(record.startDay(day));
        record.recordWin(day);
    }
    TfrmScore window(settings);
    grabChart(window);
    QLabel *line = window.findChild<QLabel *>("lTodaysRun");
    QVERIFY(line && line->isVisible());
    QCOMPARE(line->text(), shown);
    QVERIFY(line->geometry().top() >= window.chart()->geometry().bottom());
    QVERIFY(window.rect().contains(line->geometry()));
}

QTEST_MAIN(ScoreWindowTest)
#include "score_window_test.moc"
