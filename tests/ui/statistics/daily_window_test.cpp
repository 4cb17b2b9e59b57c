// SPDX-License-Identifier: GPL-3.0-or-later
// Today's Round as a daily player meets it, over days of a clock the test
// sets: the round in the game's language, a result to post by Ctrl+Shift+C,
// the statistics' daily figures, and earlier days played as practice.
#include "settings/daily_record.h"
#include "settings/day_clock.h"
#include "support/dictionary_file.h"
#include "support/game_fixture.h"
#include "ui/statistics/earlier_days_window.h"
#include "ui/statistics/score_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {
const QDate Tuesday(2026, 12, 8);

// Dictionaries by their shipped names.
TfrmMain &startShipped(GameFixture &game)
{
    for (const char *name : {"English", "Mots français", "Wörter auf Deutsch", "Palabras en español"})
        writeDictionaryFile(game.dir.filePath(QStringLiteral("kbs/") + QString::fromUtf8(name) + ".dic"),
                            madeUpWords({5, 6, 7, 8, 9}, 40));
    game.writeQuietSettings();
    return game.start();
}

void playToday(TfrmMain &window)
{
    window.findChild<QAction *>("mTodaysRound")->trigger();
}
} // namespace

class DailyWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_playerData.isValid());
        qputenv("XDG_DATA_HOME", m_playerData.path().toLocal8Bit());
    }
    void init()
    {
        m_now = QDateTime(Tuesday, QTime(21, 30));
        DayClock::set([this] { return m_now; });
    }
    void cleanup()
    {
        DayClock::set({});
        QLocale::setDefault(QLocale::c());
    }

    void roundInTheGamesLanguage_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("option"); // the game's Language option
        QTest::addColumn<QString>("dictionary");
        QTest::newRow("French desktop") << "fr_FR" << "" << "Mots français";
        QTest::newRow("option over the desktop") << "fr_FR" << "de" << "Wörter auf Deutsch";
        QTest::newRow("English option") << "es_ES" << "en" << "English";
        QTest::newRow("a language without one") << "it_IT" << "" << "English";
    }

    void roundInTheGamesLanguage()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, option);
        QFETCH(QString, dictionary);
        QLocale::setDefault(QLocale(desktop));
        GameFixture game;
        TfrmMain &window = startShipped(game);
        game.options().setLanguage(option);
        playToday(window);
        QCOMPARE(game.engine().dealtOptions().dictionary, dictionary);
        QVERIFY(game.engine().countsForToday());
    }

    void resultToPostAndTheStatistics()
    {
        GameFixture game;
        TfrmMain &window = startShipped(game);
        auto *copy = window.findChild<QAction *>("mCopyResult");
        QVERIFY(copy);
        // Monday won (by the record), Tuesday given up: the run ends at once.
        SettingsFile settings = game.ini();
        QVERIFY(DailyRecord(settings).startDay(Tuesday.addDays(-1)));
        DailyRecord(settings).recordWin(Tuesday.addDays(-1));
        playToday(window);
        QVERIFY(!copy->isEnabled()); // nothing to post while the round is played
        QTest::keyClick(&window, Qt::Key_F12);
        QTRY_VERIFY(copy->isEnabled());
        QVERIFY(window.findChild<QLabel *>("LB")->text().endsWith(QStringLiteral("Ctrl+Shift+C copies your result to share.")));
        QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString copied = QApplication::clipboard()->text();
        const QString expected = QStringLiteral("Splitwick, Today's Round of 2026-12-08\nNot solved: 0 of 10 words\n0 moves in 0:0?"
                                                "\nRun: 0 days in a row\nPlay the same board: *-*-* (English)");
        QVERIFY2(QRegularExpression::fromWildcard(expected, Qt::CaseSensitive).match(copied).hasMatch(), qPrintable(copied));
        // Nothing of the board: no word of the round is in it.
        for (const tWord &word : game.engine().round().RoundWords)
            QVERIFY(!copied.contains(QString::fromLatin1(word.Word), Qt::CaseInsensitive));

        // The statistics from the File menu, within the window's own size.
        m_now = QDateTime(Tuesday, QTime(22, 45, 30));
        QTimer::singleShot(0, &window, [&] {
            auto *scores = qobject_cast<TfrmScore *>(QApplication::activeModalWidget());
            QVERIFY(scores);
            QCOMPARE(scores->size(), QSize(347, 405));
            QCOMPARE(scores->todaysDaysLabel()->text(), QStringLiteral("Today's Round: 2 days played, 1 won (50%)"));
            QCOMPARE(scores->todaysRunLabel()->text(), QStringLiteral("Won 0 days in a row (best: 1)"));
            QCOMPARE(scores->nextRoundLabel()->text(), QStringLiteral("Next Today's Round in 1:14:30"));
            for (QLabel *label : {scores->todaysDaysLabel(), scores->todaysRunLabel(), scores->nextRoundLabel()})
                QVERIFY(label->isVisible() && scores->rect().contains(label->geometry()));
            scores->close();
        });
        window.findChild<QAction *>("HonorRoll2")->trigger();
    }

    void earlierDaysArePractice()
    {
        GameFixture game;
        TfrmMain &window = startShipped(game);
        const QDate sunday = Tuesday.addDays(-2);
        SettingsFile settings = game.ini();
        QVERIFY(DailyRecord(settings).startDay(sunday));
        DailyRecord(settings).recordResult(sunday, DayResult{DayOutcome::Won, 55, 10, 10, 42, 321});
        QTimer::singleShot(0, &window, [&] {
            auto *days = qobject_cast<EarlierDaysWindow *>(QApplication::activeModalWidget());
            QVERIFY(days);
            QTreeWidget *list = days->list();
            QCOMPARE(list->topLevelItemCount(), EarlierDaysWindow::DayCount);
            QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Not played"));
            const QTreeWidgetItem *sundayItem = list->topLevelItem(1);
            QCOMPARE(QStringList({sundayItem->text(1), sundayItem->text(2), sundayItem->text(5)}),
                     QStringList({"Won", "10 of 10", "5:21"}));
            list->setCurrentItem(list->topLevelItem(0)); // Monday, never played
            days->findChild<QPushButton *>("bPlay")->click();
        });
        window.findChild<QAction *>("mEarlierDays")->trigger();
        QCOMPARE(game.engine().dealtOptions().day, Tuesday.addDays(-1));
        QVERIFY(!game.engine().countsForToday());
        QTest::keyClick(&window, Qt::Key_F12); // given up: still nothing recorded
        QVERIFY(!DailyRecord(settings).resultOf(Tuesday.addDays(-1)));
        QCOMPARE(DailyRecord(settings).daysPlayed(), 1);
        // Today still counts after practice.
        playToday(window);
        QVERIFY(game.engine().countsForToday());
    }

private:
    QTemporaryDir m_playerData;
    QDateTime m_now;
};

QTEST_MAIN(DailyWindowTest)
#include "daily_window_test.moc"
