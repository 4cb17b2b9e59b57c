// SPDX-License-Identifier: GPL-3.0-or-later
// What the player stores survives hand-edited files, older tools' code page,
// a second running copy and a close with one value that cannot be written.

#include "settings/file_lock.h"
#include "support/error_of.h"
#include "support/raw_file.h"
#include "base/game_error.h"
#include "settings/options_model.h"
#include "settings/score_record.h"
#include "settings/settings_file.h"
#include "support/temp_settings.h"

#include <QFile>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {

} // namespace

class SettingsFileFaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void readNeverReturnsWhatWriteRefuses_data();
    void readNeverReturnsWhatWriteRefuses();
    void closeWithABadValueSavesTheOthers();
    void closeAfterAStrayCarriageReturnSavesCleanly();

    void twoProcessesLoseNoWrite();
    void lockNotHadIsAWriteError();

    void singleBytePageKept_data();
    void singleBytePageKept();

    void integers_data();
    void integers();

    void recordScoreReadsBlanksAndSigns_data();
    void recordScoreReadsBlanksAndSigns();

private:
    TempSettings m_temp;
    QString m_path;
};

void SettingsFileFaultsTest::init()
{
    m_path = m_temp.renew();
}

void SettingsFileFaultsTest::readNeverReturnsWhatWriteRefuses_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");
    QTest::newRow("bare CR inside") << QByteArray("[Options]\r\nmusic=a\rb\r\n") << "a";
    QTest::newRow("CR before LF only") << QByteArray("[Options]\nmusic=a b\r\n") << "a b";
    QTest::newRow("CR then blanks") << QByteArray("[Options]\nmusic=song \r  \r\n") << "song";
    QTest::newRow("CR at the start") << QByteArray("[Options]\nmusic=\rx\n") << "";
    QTest::newRow("entry hidden after a CR") << QByteArray("[Options]\nx=1\rmusic=b\n") << "<none>";
    QTest::newRow("section hidden after a CR") << QByteArray("x\r[Options]\nmusic=b\n") << "<none>";
}

void SettingsFileFaultsTest::readNeverReturnsWhatWriteRefuses()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    writeRaw(m_path, file);
    SettingsFile settings(m_path);
    const QString value = settings.readString("Options", "music", "<none>");
    QCOMPARE(value, expected);
    QVERIFY(SettingsFile::canStore("Options", "music", value));
}

void SettingsFileFaultsTest::closeWithABadValueSavesTheOthers()
{
    OptionsModel model;
    model.setDictionaryNames({"Broken\nName", "English"});
    model.setDictionaryIndex(0);
    model.setPresetsIndex(7);
    model.setSoundText(SoundSlot::GameWon, "fanfare.wav");
    model.setHelpHints(true);
    SettingsFile settings(m_path);
    // The skipped key is reported.
    const QString error = errorOf([&] { model.save(settings); });
    QVERIFY2(error.contains("Dictionary"), qPrintable(error));
    QCOMPARE(settings.readString("Options", "Dictionary", "<none>"), QStringLiteral("<none>"));
    QCOMPARE(settings.readInteger("Options", "Presets", -1), 7);
    QCOMPARE(settings.readString("Options", "GameWonSound", ""), QStringLiteral("fanfare.wav"));
    QCOMPARE(settings.readBool("Options", "HelpHints", false), true); // the last key
}

void SettingsFileFaultsTest::closeAfterAStrayCarriageReturnSavesCleanly()
{
    writeRaw(m_path, "[Options]\r\nmusic=tune.mp3\rold\r\nHelpHints=1\r\n");
    OptionsModel model;
    SettingsFile settings(m_path);
    model.restore(settings);
    model.save(settings); // must not throw
    QCOMPARE(settings.readString("Options", "music", ""), QStringLiteral("tune.mp3"));
    QCOMPARE(settings.readBool("Options", "HelpHints", false), true);
    QCOMPARE(settings.readBool("Options", "Def", true), false);
}

void SettingsFileFaultsTest::twoProcessesLoseNoWrite()
{
    constexpr int Writes = 1000; // each
    writeRaw(m_path, "[Options]\r\nPresets=3\r\n");
    const pid_t child = fork();
    QVERIFY(child >= 0);
    const char *const own = child == 0 ? "child" : "parent";
    int failures = 0;
    SettingsFile settings(m_path);
    for (int i = 0; i < Writes; ++i) {
        try {
            settings.writeInteger(QString::fromLatin1(own), QStringLiteral("k%1").arg(i), i);
        } catch (const GameError &) {
            ++failures;
        }
    }
    if (child == 0)
        _exit(failures == 0 ? 0 : 1);
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(failures, 0);
    int lost = 0;
    for (const char *section : {"child", "parent"}) {
        for (int i = 0; i < Writes; ++i)
            lost += settings.readInteger(section, QStringLiteral("k%1").arg(i), -1) != i;
    }
    QCOMPARE(lost, 0);
    QCOMPARE(settings.readInteger("Options", "Presets", -1), 3);
}

void SettingsFileFaultsTest::lockNotHadIsAWriteError()
{
    writeRaw(m_path, "[Options]\r\nPresets=3\r\n");
    const FileLock other(m_path, 0);
    QVERIFY(other.locked());
    SettingsFile settings(m_path);
    QVERIFY_THROWS_EXCEPTION(GameError, settings.writeInteger("Options", "Presets", 4));
    QCOMPARE(readRaw(m_path), QByteArray("[Options]\r\nPresets=3\r\n"));
}

void SettingsFileFaultsTest::singleBytePageKept_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray cafe("[Options]\r\nmusic=Caf\xE9.mp3\r\nPresets=1\r\n");
    QTest::newRow("another key") << cafe << "Presets" << "2"
                                 << QByteArray("[Options]\r\nmusic=Caf\xE9.mp3\r\nPresets=2\r\n");
    QTest::newRow("the same value") << cafe << "music" << QString::fromUtf8("Café.mp3") << cafe;
    QTest::newRow("a new key") << cafe << "Def" << "1"
                               << QByteArray("[Options]\r\nmusic=Caf\xE9.mp3\r\nPresets=1\r\nDef=1\r\n");
    QTest::newRow("mixed endings, comments") << QByteArray("; \xE9t\xE9\n[Options]\r\nPresets=1\n  ;x\r\n")
                                             << "Presets" << "12"
                                             << QByteArray("; \xE9t\xE9\n[Options]\r\nPresets=12\n  ;x\r\n");
    QTest::newRow("stray CR text dropped") << QByteArray("[Options]\nPresets=1\rjunk\nDef=0\n") << "Presets"
                                           << "5" << QByteArray("[Options]\nPresets=5\nDef=0\n");
    QTest::newRow("value starting with U+FEFF") << QByteArray("\xEF\xBB\xBF[Options]\n") << "music"
                                                << QString(QChar(0xFEFF)) + u'x'
                                                << QByteArray("\xEF\xBB\xBF[Options]\nmusic=\xEF\xBB\xBFx\n");
    QTest::newRow("no last line ending") << QByteArray("[Options]\nPresets=1") << "Def" << "1"
                                         << QByteArray("[Options]\nPresets=1\nDef=1\n");
}

void SettingsFileFaultsTest::singleBytePageKept()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, expected);
    writeRaw(m_path, file);
    SettingsFile settings(m_path);
    if (file.contains("Caf"))
        QCOMPARE(settings.readString("Options", "music", ""), QStringLiteral("Café.mp3"));
    settings.writeString("Options", key, value);
    QCOMPARE(readRaw(m_path), expected);
    QCOMPARE(settings.readString("Options", key, "<none>"), value);
}

void SettingsFileFaultsTest::integers_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("2047 zeros then 5") << QByteArray(2047, '0') + '5' << 5;
    QTest::newRow("5000 blanks then 7") << QByteArray(5000, ' ') + '7' << 7;
    QTest::newRow("-$FFFFFFFF") << QByteArray("-$FFFFFFFF") << -99;
    QTest::newRow("+$80000000") << QByteArray("+$80000000") << -99;
    QTest::newRow("-0x80000001") << QByteArray("-0x80000001") << -99;
    QTest::newRow("-$80000000") << QByteArray("-$80000000") << int(-2147483647 - 1);
    QTest::newRow("-x7FFFFFFF") << QByteArray("-x7FFFFFFF") << -2147483647;
    QTest::newRow("+$1F") << QByteArray("+$1F") << 31;
    QTest::newRow("$FFFFFFFF unsigned") << QByteArray("$FFFFFFFF") << -1;
}

void SettingsFileFaultsTest::integers()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, expected);
    writeRaw(m_path, "[Options]\r\nPresets=" + stored + "\r\n");
    QCOMPARE(SettingsFile(m_path).readInteger("Options", "Presets", -99), expected);
}

void SettingsFileFaultsTest::recordScoreReadsBlanksAndSigns_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blanks around the comma") << QByteArray("50 , 2") << "70,3";
    QTest::newRow("signs") << QByteArray("+50,+2") << "70,3";
    QTest::newRow("tabs and blanks") << QByteArray("\t50\t,\t 2") << "70,3";
    QTest::newRow("negative average") << QByteArray("-50,2") << "-50,2";
    QTest::newRow("no comma") << QByteArray("50 2") << "50 2";
}

void SettingsFileFaultsTest::recordScoreReadsBlanksAndSigns()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, expected);
    writeRaw(m_path, "[scores]\r\nM025=" + stored + "\r\n");
    SettingsFile settings(m_path);
    RecordScore(settings, 90, 10, 40, 4);
    QCOMPARE(settings.readString("scores", "M025", ""), expected);
}

QTEST_APPLESS_MAIN(SettingsFileFaultsTest)
#include "settings_file_faults_test.moc"
