// SPDX-License-Identifier: GPL-3.0-or-later
// Today's Round as a daily player meets it, over days of a clock the test
// sets: the round in the game's language, a result to post by Ctrl+Shift+C,
// the statistics' daily figures, and earlier days played as practice.
#include "round/todays_round.h"
#include "settings/daily_record.h"
#include "settings/day_clock.h"
#include "support/dictionary_file.h"
#include "support/game_fixture.h"
#include "ui/desktop/game_language.h"
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

// The shipped dictionaries of three languages by their shipped names, and the installation's list.
TfrmMain &startShipped(GameFixture &game)
{
    for (const char *name : {"English", "Mots français", "Wörter auf Deutsch", "Palabras en español"})
        writeDictionaryFile(game.dir.filePath(QStringLiteral("kbs/") + QString::fromUtf8(name) + ".dic"),
                            madeUpWords({5, 6, 7, 8, 9}, 40));
    QFile::copy(QStringLiteral(SPLITWICK_SOURCE_DIR "/data/kbs/languages.txt"),
                game.dir.filePath(QStringLiteral("kbs/languages.txt")));
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
        QTest::newRow("Spanish option") << "en_GB" << "es" << "Palabras en español";
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
        {
            SettingsFile settings = game.ini();
            DailyRecord record(settings);
            QVERIFY(record.startDay(Tuesday.addDays(-1)));
            record.recordResult(Tuesday.addDays(-1), DayResult{DayOutcome::Won, 40, 10, 10, 30, 100});
        }
        playToday(window);
        QVERIFY(!copy->isEnabled()); // nothing to post while the round is played
        QTest::keyClick(&window, Qt::Key_F12);
        QTRY_VERIFY(copy->isEnabled());
        QVERIFY(window.findChild<QLabel *>("LB")->text().endsWith(QStringLiteral("Ctrl+Shift+C copies your result to share.")));
        QApplication::clipboard()->clear();
        QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], QStringLiteral("Splitwick, Today's Round of 2026-12-08"));
        QCOMPARE(lines[1], QStringLiteral("Not solved: 0 of 10 words"));
        QVERIFY2(lines[2].startsWith(QStringLiteral("0 moves in 0:")), qPrintable(lines[2]));
        QCOMPARE(lines[3], QStringLiteral("Run: 0 days in a row"));
        QVERIFY(lines[4].startsWith(QStringLiteral("Play the same board: ")));
        QVERIFY(lines[4].endsWith(QStringLiteral(" (English)")));
        // Nothing of the board: no word of the round is in it.
        for (const tWord &word : game.engine().round().RoundWords)
            QVERIFY(!lines.join(' ').contains(QString::fromLatin1(word.Word), Qt::CaseInsensitive));

        // The statistics from the File menu, within the window's own size.
        m_now = QDateTime(Tuesday, QTime(22, 45, 30));
        QTimer::singleShot(0, &window, [&] {
            auto *scores = qobject_cast<TfrmScore *>(QApplication::activeModalWidget());
            QVERIFY(scores);
            QCOMPARE(scores->size(), QSize(347, 405));
            const QString lines[] = {scores->todaysDaysLabel()->text(), scores->todaysRunLabel()->text(),
                                     scores->nextRoundLabel()->text()};
            QCOMPARE(lines[0], QStringLiteral("Today's Round: 2 days played, 1 won (50%)"));
            QCOMPARE(lines[1], QStringLiteral("Won 0 days in a row (best: 1)"));
            QCOMPARE(lines[2], QStringLiteral("Next Today's Round in 1:14:30"));
            for (QLabel *label : {scores->todaysDaysLabel(), scores->todaysRunLabel(), scores->nextRoundLabel()}) {
                QVERIFY(label->isVisible());
                QVERIFY(scores->rect().contains(label->geometry()));
                QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width() * (label->wordWrap() ? 2 : 1));
            }
            scores->close();
        });
        window.findChild<QAction *>("HonorRoll2")->trigger();
    }

    void earlierDaysArePractice()
    {
        GameFixture game;
        TfrmMain &window = startShipped(game);
        const QDate sunday = Tuesday.addDays(-2);
        {
            SettingsFile settings = game.ini();
            DailyRecord record(settings);
            QVERIFY(record.startDay(sunday));
            record.recordResult(sunday, DayResult{DayOutcome::Won, 55, 10, 10, 42, 321});
        }
        QTimer::singleShot(0, &window, [&] {
            auto *days = qobject_cast<EarlierDaysWindow *>(QApplication::activeModalWidget());
            QVERIFY(days);
            QTreeWidget *list = days->list();
            QCOMPARE(list->topLevelItemCount(), EarlierDaysWindow::DayCount);
            QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Not played"));
            const QTreeWidgetItem *played = list->topLevelItem(1);
            QCOMPARE(played->text(1), QStringLiteral("Won"));
            QCOMPARE(played->text(2), QStringLiteral("10 of 10"));
            QCOMPARE(played->text(5), QStringLiteral("5:21"));
            list->setCurrentItem(list->topLevelItem(0)); // Monday, never played
            days->findChild<QPushButton *>("bPlay")->click();
        });
        window.findChild<QAction *>("mEarlierDays")->trigger();
        QCOMPARE(game.engine().dealtOptions().day, Tuesday.addDays(-1));
        QVERIFY(!game.engine().countsForToday());
        QTest::keyClick(&window, Qt::Key_F12); // given up: still nothing recorded
        const SettingsFile settings = game.ini();
        const DailyRecord record(settings);
        QVERIFY(!record.resultOf(Tuesday.addDays(-1)));
        QCOMPARE(record.daysPlayed(), 1);
        // Today still counts after practice.
        playToday(window);
        QVERIFY(game.engine().countsForToday());
    }

    void countsInEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("run");
        QTest::addColumn<QString>("line");
        QTest::newRow("en 1") << "en" << 1 << "Run: 1 day in a row";
        QTest::newRow("fr 0") << "fr" << 0 << "Série : 0 jour de suite"; // French counts 0 as one
        QTest::newRow("fr 2") << "fr" << 2 << "Série : 2 jours de suite";
        QTest::newRow("de 1") << "de" << 1 << "Serie: 1 Tag in Folge";
        QTest::newRow("es 0") << "es" << 0 << "Racha: 0 días seguidos";
    }

    void countsInEachLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, run);
        QFETCH(QString, line);
        installLanguage(language);
        const auto english = qScopeGuard([] { installLanguage(QStringLiteral("en")); });
        const QStringList lines = TodaysRound::resultText(Tuesday, DayResult{DayOutcome::Won}, run, QString()).split('\n');
        QCOMPARE(lines.value(3), line);
    }

private:
    QTemporaryDir m_playerData;
    QDateTime m_now;
};

QTEST_MAIN(DailyWindowTest)
#include "daily_window_test.moc"
