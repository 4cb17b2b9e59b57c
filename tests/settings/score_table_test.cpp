// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics table shows each stored average in its own class and band, and
// zeros for a fresh file.

#include "settings/score_record.h"
#include "settings/score_table.h"
#include "settings/settings_file.h"
#include "support/temp_settings.h"

#include <QTest>

class ScoreTableTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void missingFileReadsZeros();
    void everyKeyFillsItsOwnCell();
    void recordedRoundsShowUnderTheirClassAndBand();
    void storedValue_data();
    void storedValue();

private:
    TempSettings m_temp;
    QString m_path;
};

void ScoreTableTest::init()
{
    m_path = m_temp.renew();
}

void ScoreTableTest::missingFileReadsZeros()
{
    const ScoreTable table = ScoreTable::read(SettingsFile(m_path));
    QCOMPARE(table, ScoreTable());
    for (int c = 0; c < ScoreTable::ClassCount; ++c)
        for (int b = 0; b < ScoreTable::BandCount; ++b)
            QCOMPARE(table.text(c, b), QStringLiteral("0"));
}

void ScoreTableTest::everyKeyFillsItsOwnCell()
{
    // Sixteen different averages, written under the recorder's upper-case
    // keys: a swapped row or column shows as a wrong cell.
    SettingsFile file(m_path);
    const QString letters = QStringLiteral("EMHI");
    const QStringList bands = {"025", "050", "075", "100"};
    for (int c = 0; c < 4; ++c)
        for (int b = 0; b < 4; ++b)
            file.writeString("scores", letters[c] + bands[b], QStringLiteral("%1,2").arg(10 * c + b + 1));
    file.writeString("Options", "e025", "99,1"); // the same key in another section is not a score

    const ScoreTable table = ScoreTable::read(file);
    for (int c = 0; c < 4; ++c)
        for (int b = 0; b < 4; ++b) {
            QCOMPARE(table.average(c, b), 10 * c + b + 1);
            QCOMPARE(ScoreTable::key(c, b), letters[c].toLower() + bands[b]);
        }
}

void ScoreTableTest::recordedRoundsShowUnderTheirClassAndBand()
{
    SettingsFile file(m_path);
    RecordScore(file, 73, 10, 40, 4); // M025
    RecordScore(file, 80, 50, 40, 9); // I100
    RecordScore(file, 40, 50, 40, 9); // I100 again: (40 + 80) div 2
    const ScoreTable table = ScoreTable::read(file);
    ScoreTable expected;
    expected.setAverage(1, 0, 73);
    expected.setAverage(3, 3, 60);
    QCOMPARE(table, expected);
}

void ScoreTableTest::storedValue_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("average");
    QTest::newRow("average and count") << "57,3" << 57;
    QTest::newRow("damaged count") << "57,x" << 57;
    QTest::newRow("no comma") << "57" << 0;
    QTest::newRow("average not a number") << "abc,3" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("hand-edited above the scale") << "250,1" << 250;
    QTest::newRow("hand-edited below zero") << "-5,1" << -5;
    QTest::newRow("beyond an integer") << "99999999999,1" << 0;
}

void ScoreTableTest::storedValue()
{
    QFETCH(QString, stored);
    QFETCH(int, average);
    SettingsFile file(m_path);
    file.writeString("scores", "h050", stored);
    const ScoreTable table = ScoreTable::read(file);
    QCOMPARE(table.average(2, 1), average);
    QCOMPARE(table.text(2, 1), QString::number(average));
    QCOMPARE(table.average(2, 2), 0);
}

QTEST_GUILESS_MAIN(ScoreTableTest)
#include "score_table_test.moc"
