// SPDX-License-Identifier: GPL-3.0-or-later
// A won round is recorded under its class letter and band, averaged by halves;
// a failure loses nothing.

#include "settings/score_record.h"
#include "settings/settings_file.h"
#include "support/temp_settings.h"

#include <QFile>
#include <QTest>

class ScoreRecordTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void classLetter_data();
    void classLetter();
    void band_data();
    void band();

    void record_data();
    void record();
    void ratingsFoldByHalves();
    void lostRoundOrNoCellsRecordsNothing();
    void unwritableFileIsSwallowed();

    void readScore_data();
    void readScore();

private:
    TempSettings m_temp;
    QString m_path;
};

void ScoreRecordTest::init()
{
    m_path = m_temp.renew();
}

void ScoreRecordTest::classLetter_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QChar>("letter");
    const QList<std::pair<int, char>> cases = {{-4, 'E'}, {0, 'E'}, {2, 'E'}, {3, 'M'}, {5, 'M'}, {6, 'H'},
                                               {7, 'H'},  {8, 'I'}, {15, 'I'}};
    for (const auto &[level, letter] : cases)
        QTest::addRow("level %d", level) << level << QChar(letter);
}

void ScoreRecordTest::classLetter()
{
    QFETCH(int, level);
    QFETCH(QChar, letter);
    QCOMPARE(scoreClassLetter(level), letter);
}

void ScoreRecordTest::band_data()
{
    QTest::addColumn<int>("moves");
    QTest::addColumn<int>("tiles");
    QTest::addColumn<QString>("band");
    QTest::newRow("no moves") << 0 << 40 << "025";
    QTest::newRow("P 25") << 10 << 40 << "025";
    QTest::newRow("P 27") << 11 << 40 << "050";
    QTest::newRow("P 50") << 20 << 40 << "050";
    QTest::newRow("P 51 truncated from 51.2") << 64 << 125 << "075";
    QTest::newRow("P 75") << 30 << 40 << "075";
    QTest::newRow("P 76") << 76 << 100 << "100";
    QTest::newRow("P 100") << 40 << 40 << "100";
    QTest::newRow("P 125") << 50 << 40 << "100";
    QTest::newRow("P 1000") << 400 << 40 << "100";
    QTest::newRow("P 9") << 9 << 100 << "025";
    QTest::newRow("no cells") << 5 << 0 << "100";
}

void ScoreRecordTest::band()
{
    QFETCH(int, moves);
    QFETCH(int, tiles);
    QFETCH(QString, band);
    QCOMPARE(efficiencyBand(moves, tiles), band);
}

void ScoreRecordTest::record_data()
{
    QTest::addColumn<QString>("stored"); // empty: no key
    QTest::addColumn<int>("rating");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first round") << "" << 73 << "73,1";
    QTest::newRow("halving average") << "57,3" << 90 << "73,4";
    QTest::newRow("count wraps after 65535") << "40,65535" << 90 << "90,0";
    QTest::newRow("count wrapped to 0 counts as first") << "40,0" << 90 << "90,1";
    QTest::newRow("count read from 9 characters") << "40,0000000002" << 90 << "90,1"; // "000000000"
    QTest::newRow("nine digits") << "40,000000002" << 90 << "65,3";
    QTest::newRow("blanks around the parts") << "40, 3" << 60 << "50,4";
    QTest::newRow("no comma never replaced") << "57" << 90 << "57";
    QTest::newRow("average not a number") << "abc,3" << 90 << "abc,3";
    QTest::newRow("count not a number") << "57,x" << 90 << "57,x";
    QTest::newRow("count with a tail") << "57,3x" << 90 << "57,3x";
    QTest::newRow("count of ten digits") << "57,1234567890" << 90 << "57,1234567890";
    QTest::newRow("average above 65535") << "65536,3" << 90 << "65536,3";
    QTest::newRow("negative average") << "-1,3" << 90 << "-1,3";
    QTest::newRow("empty parts") << "," << 90 << ",";
    QTest::newRow("empty value") << "=" << 90 << "";
}

void ScoreRecordTest::record()
{
    QFETCH(QString, stored);
    QFETCH(int, rating);
    QFETCH(QString, expected);
    SettingsFile settings(m_path);
    if (stored == "=")
        settings.writeString("scores", "m025", QString());
    else if (!stored.isEmpty())
        settings.writeString("scores", "m025", stored);
    // Level 4, 10 moves on 40 cells: class M, band 025.
    RecordScore(settings, rating, 10, 40, 4);
    QCOMPARE(settings.readString("scores", "M025", "<none>"), expected);
}

void ScoreRecordTest::ratingsFoldByHalves()
{
    SettingsFile settings(m_path);
    QStringList seen;
    for (int rating : {80, 40, 60}) {
        RecordScore(settings, rating, 30, 40, 7); // H075
        seen << settings.readString("scores", "h075", QString());
    }
    QCOMPARE(seen, (QStringList{"80,1", "60,2", "60,3"}));
    QCOMPARE(ReadScore(settings, "h075"), QString("60"));

    RecordScore(settings, 55, 50, 40, 15);
    RecordScore(settings, 33, 11, 40, 3);
    QCOMPARE(settings.readString("scores", "i100", QString()), QString("55,1"));
    QCOMPARE(settings.readString("scores", "m050", QString()), QString("33,1"));
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("\r\nH075=60,3\r\nI100=55,1\r\nM050=33,1\r\n")); // written with capitals
}

void ScoreRecordTest::lostRoundOrNoCellsRecordsNothing()
{
    SettingsFile settings(m_path);
    RecordScore(settings, 0, 10, 40, 4);
    RecordScore(settings, -5, 10, 40, 4);
    RecordScore(settings, 50, 10, 0, 4);
    QVERIFY(!QFile::exists(m_path));
}

void ScoreRecordTest::unwritableFileIsSwallowed()
{
    QFile blocker(m_temp.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsFile settings(settingsFileIn(m_temp.filePath("file")));
    RecordScore(settings, 50, 10, 40, 4); // must not throw
    QCOMPARE(ReadScore(settings, "m025"), QString("0"));
}

void ScoreRecordTest::readScore_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing") << "" << "0";
    QTest::newRow("average and count") << "57,3" << "57";
    QTest::newRow("damaged count shows the average") << "57,zz" << "57";
    QTest::newRow("no comma") << "57" << "0";
    QTest::newRow("average not a number") << "abc,3" << "0";
    QTest::newRow("leading zeros") << "007,1" << "7";
    QTest::newRow("empty average") << ",3" << "0";
}

void ScoreRecordTest::readScore()
{
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    SettingsFile settings(m_path);
    if (!stored.isEmpty())
        settings.writeString("scores", "E050", stored);
    QCOMPARE(ReadScore(settings, "e050"), expected);
}

QTEST_APPLESS_MAIN(ScoreRecordTest)
#include "score_record_test.moc"
