// SPDX-License-Identifier: GPL-3.0-or-later
// Today's Round: the same date deals the same round from the shipped
// dictionary of the player's language, whatever the player's options; only
// the first play of the day counts.
#include "round/round_code.h"
#include "round/todays_round.h"
#include "settings/daily_record.h"
#include "settings/split_formats.h"
#include "support/dictionary_file.h"
#include "support/round_rig.h"
#include "base/program_folder.h"

#include <QtTest>

#include <sys/inotify.h>
#include <unistd.h>

namespace {
const QDate Monday(2026, 12, 7);

void shipEnglish(RoundRig &rig)
{
    writeDictionaryFile(rig.dir.filePath(QStringLiteral("kbs/English.dic")), madeUpWords({5, 6, 7, 8, 9}, 40));
}

// Deals the day's round; its code as a player would copy it.
QString dealToday(RoundRig &rig, QDate day)
{
    const CodeDeal deal = TodaysRound::dealFor(day, QLocale(QLocale::English));
    if (!deal.ok())
        return deal.problem;
    rig.engine->dealRound(deal.seed, deal.options);
    return RoundCode::forRound(rig.engine->dealtOptions(), *rig.engine->dictionaryId(), rig.engine->roundNumber())
        ->textWithName();
}

bool winAll(RoundRig &rig)
{
    for (int r = 0; r < int(rig.round().RoundWords.size()); ++r) {
        if (!rig.completeRow(r))
            return false;
    }
    return !rig.engine->inPlay();
}
} // namespace

class TodaysRoundTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_playerData.isValid());
        qputenv("XDG_DATA_HOME", m_playerData.path().toLocal8Bit());
    }

    void sameDateSameRound()
    {
        QString code;
        {
            RoundRig first;
            shipEnglish(first);
            first.options.setWordCount(30);
            code = dealToday(first, Monday);
        }
        RoundRig second;
        shipEnglish(second);
        second.setFormat(QStringLiteral("4 letters: 1-2-1"));
        second.options.setHandicap(-3);
        // The player's own English does not change the day's round.
        writeDictionaryFile(m_playerData.filePath(QStringLiteral("splitwick/kbs/English.dic")),
                            madeUpWords({5, 6, 7, 8, 9}, 40, 9));
        QCOMPARE(dealToday(second, Monday), code);
        QVERIFY(code.endsWith(QStringLiteral(" (English)")));
        QCOMPARE(second.board().TileCount(), 10 * 3); // Monday: ten words of "5 letters: 2-1-2"

        const QString tuesday = dealToday(second, Monday.addDays(1));
        QVERIFY(tuesday != code);
        QCOMPARE(second.engine->dealtOptions().presetsText(), QStringLiteral("6 letters: 2-2-2"));
        QVERIFY(TodaysRound::seedFor(Monday) != TodaysRound::seedFor(Monday.addDays(7)));
        QFile::remove(m_playerData.filePath(QStringLiteral("splitwick/kbs/English.dic")));
    }

    void dictionaryOfTheLanguage_data()
    {
        QTest::addColumn<QStringList>("shipped");
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QString>("dictionary");
        QTest::newRow("English") << QStringList{"English", "French"} << QLocale::English << "English";
        QTest::newRow("French") << QStringList{"English", "french"} << QLocale::French << "french";
        QTest::newRow("own name") << QStringList{"English", "Deutsch"} << QLocale::German << "Deutsch";
        QTest::newRow("none of its own") << QStringList{"English", "French"} << QLocale::Spanish << "English";
    }

    void dictionaryOfTheLanguage()
    {
        QFETCH(QStringList, shipped);
        QFETCH(QLocale::Language, language);
        QFETCH(QString, dictionary);
        RoundRig rig;
        for (const QString &name : shipped)
            writeDictionaryFile(rig.dir.filePath("kbs/" + name + ".dic"), {"Apple"});
        QCOMPARE(TodaysRound::dictionaryNameFor(QLocale(language)), dictionary);
    }

    void shippedDictionaryOfEachLanguage_data()
    {
        // The installation as it ships: its file names and its list of languages.
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("dictionary");
        QTest::newRow("fr") << "fr" << "Mots français";
        QTest::newRow("de") << "de" << "Wörter auf Deutsch";
        QTest::newRow("es") << "es" << "Palabras en español";
        QTest::newRow("none of its own") << "it" << "English";
    }

    void shippedDictionaryOfEachLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, dictionary);
        setProgramFolder(QStringLiteral(SPLITWICK_SOURCE_DIR "/data/"));
        const auto restore = qScopeGuard([] { setProgramFolder(QString()); });
        const CodeDeal deal = TodaysRound::dealFor(Monday, language);
        QVERIFY2(deal.ok(), qPrintable(deal.problem));
        QCOMPARE(deal.options.dictionary, dictionary);
        QVERIFY(QFileInfo(deal.options.dictionaryPath).isFile());
    }

    void missingShippedDictionaryIsNamed()
    {
        RoundRig rig;
        QCOMPARE(dealToday(rig, Monday),
                 QStringLiteral("Today's Round needs the dictionary \"English\" that comes with the game."));
    }

    void onlyTheFirstPlayOfTheDayCounts()
    {
        RoundRig rig;
        shipEnglish(rig);
        // Abandoned for another round: the day is played, and lost.
        dealToday(rig, Monday);
        QVERIFY(rig.engine->countsForToday());
        rig.engine->New1Click();
        QVERIFY(!rig.engine->countsForToday());
        const QString code = dealToday(rig, Monday);
        QVERIFY(!rig.engine->countsForToday());
        QVERIFY(rig.engine->statusText().endsWith(", Today's Round (practice): " + code.left(15)));
        QVERIFY(winAll(rig));
        DailyRecord record(*rig.settings);
        QVERIFY(!record.wonOn(Monday));

        // The next day is won at the first play; its replay adds nothing.
        const QDate tuesday = Monday.addDays(1);
        const QString tuesdayCode = dealToday(rig, tuesday);
        QVERIFY(rig.engine->statusText().endsWith(", Today's Round: " + tuesdayCode.left(15)));
        QVERIFY(rig.engine->countsForToday());
        QVERIFY(winAll(rig));
        QVERIFY(record.wonOn(tuesday));
        QCOMPARE(record.currentRun(tuesday), 1);
        dealToday(rig, tuesday);
        QVERIFY(winAll(rig));
        QCOMPARE(record.currentRun(tuesday), 1);
    }

    void aWinIsOneWrite()
    {
        // Each replacement of the settings file is seen as it happens: the
        // win's score and the day's result go in one, so no kill can part them.
        RoundRig rig;
        shipEnglish(rig);
        dealToday(rig, Monday);
        const QFileInfo file(rig.settings->path());
        const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(watch >= 0);
        const auto close = qScopeGuard([watch] { ::close(watch); });
        QVERIFY(inotify_add_watch(watch, QFile::encodeName(file.absolutePath()).constData(), IN_MOVED_TO) >= 0);
        QVERIFY(winAll(rig));
        alignas(inotify_event) char events[4096];
        const ssize_t got = ::read(watch, events, sizeof events);
        // One event, naming the file.
        QCOMPARE(got, ssize_t(sizeof(inotify_event) + reinterpret_cast<inotify_event *>(events)->len));
        QCOMPARE(QFile::decodeName(reinterpret_cast<inotify_event *>(events)->name), file.fileName());
        QCOMPARE(DailyRecord(*rig.settings).resultOf(Monday)->outcome, DayOutcome::Won);
        QCOMPARE(rig.settings->readSection("scores").size(), 1);
    }

private:
    QTemporaryDir m_playerData;
};

QTEST_GUILESS_MAIN(TodaysRoundTest)
#include "todays_round_test.moc"
