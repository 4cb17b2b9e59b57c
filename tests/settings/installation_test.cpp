// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up finds the installation as it is: every folder listed, the one
// settings file opened without writing, the options restored, and missing
// folders reported once while the game goes on with what is there.
#include "settings/installation.h"
#include "settings/options_model.h"
#include "base/program_folder.h"
#include "settings/settings_file.h"
#include "support/installation_folder.h"
#include "support/temp_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

struct RecordedWarnings : InstallationWarnings
{
    QStringList texts;
    void warnInstallation(const QString &text) override { texts << text; }
};

} // namespace

class InstallationTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listsFoldersAndOpensSettings();
    void missingFoldersReportedOnce_data();
    void missingFoldersReportedOnce();
    void startingSettingsOnlyForANewPlayer_data();
    void startingSettingsOnlyForANewPlayer();
    void shippedStartingSettingsNameShippedSounds();
    void leftoversOfKilledWritesGoAtStart();

private:
    QString iniPath() const { return m_temp.path(); }
    TempSettings m_temp;
};

void InstallationTest::init()
{
    m_temp.renew();
    fillInstallationFolder(m_temp);
}

void InstallationTest::cleanup()
{
    setProgramFolder(QString());
}

void InstallationTest::listsFoldersAndOpensSettings()
{
    OptionsModel options;
    RecordedWarnings warnings;
    Installation installation(options, warnings);
    QVERIFY(warnings.texts.isEmpty());
    QVERIFY(installation.missingFolders().isEmpty());
    QCOMPARE(installation.folder(), programFolder());
    QCOMPARE(options.dictionaryNames(), (QStringList{"animals", "Birds", "Cities"}));
    QCOMPARE(options.musicChoices(), (QStringList{"None", "Calm.MUSIC", "tune.mp3"}));
    QCOMPARE(options.soundChoices(), (QStringList{"None", "A.mp3", "b.WAV", "c.music", "E.Wav"}));
    QCOMPARE(options.dictionaryIndex(), -1);
    QCOMPARE(installation.settings().path(), iniPath());
    QVERIFY(!QFile::exists(iniPath())); // reading creates nothing
}

void InstallationTest::missingFoldersReportedOnce_data()
{
    QTest::addColumn<QStringList>("removed");
    QTest::newRow("sound and music") << QStringList{"sound", "music"};
    QTest::newRow("kbs") << QStringList{"kbs"};
    QTest::newRow("all three") << QStringList{"kbs", "sound", "music"};
}

void InstallationTest::missingFoldersReportedOnce()
{
    QFETCH(QStringList, removed);
    for (const QString &folder : removed)
        QVERIFY(QDir(m_temp.filePath(folder)).removeRecursively());
    touch(iniPath(), "[Options]\r\nPresets=7\r\nDictionary=Birds\r\nDef=1\r\nvfirst=1\r\nGoodDropSound=x.wav\r\n"
                     "music=tune.mp3\r\n");
    OptionsModel options;
    RecordedWarnings warnings;
    Installation installation(options, warnings);

    QCOMPARE(warnings.texts.size(), 1);
    QStringList expected;
    for (const QString &folder : {QString("music"), QString("sound"), QString("kbs")}) {
        if (removed.contains(folder))
            expected << "Cannot open folder " + m_temp.filePath(folder);
    }
    QCOMPARE(warnings.texts[0], expected.join('\n'));
    QCOMPARE(installation.missingFolders().size(), removed.size());

    // Start-up went on: the settings file is open and every option restored.
    QCOMPARE(installation.settings().path(), iniPath());
    QCOMPARE(options.presetsIndex(), 7);
    QVERIFY(options.fixedCell(FixedCell::First));
    QVERIFY(options.showDefinitions());
    QCOMPARE(options.soundText(SoundSlot::GoodDrop), QString("x.wav"));
    QCOMPARE(options.soundText(SoundSlot::Music), QString("tune.mp3"));
    QCOMPARE(options.dictionary(), removed.contains("kbs") ? QString() : QString("Birds"));
    QCOMPARE(options.soundChoices().value(0), QString("None"));
}

void InstallationTest::startingSettingsOnlyForANewPlayer_data()
{
    QTest::addColumn<bool>("playerHasFile");
    QTest::addColumn<QByteArray>("playerFile");
    QTest::addColumn<QString>("goodDrop");
    QTest::addColumn<QString>("music");
    QTest::newRow("new player") << false << QByteArray() << "b.WAV" << "Calm.MUSIC";
    QTest::newRow("chose no sounds") << true << QByteArray("[Options]\r\nGoodDropSound=\r\nmusic=\r\n") << "" << "";
    QTest::newRow("own choice") << true << QByteArray("[Options]\r\nGoodDropSound=E.Wav\r\n") << "E.Wav" << "";
    QTest::newRow("only results") << true << QByteArray("[Scores]\r\nPlayed=3\r\n") << "" << "";
    QTest::newRow("empty file") << true << QByteArray() << "" << "";
}

void InstallationTest::startingSettingsOnlyForANewPlayer()
{
    QFETCH(bool, playerHasFile);
    QFETCH(QByteArray, playerFile);
    QFETCH(QString, goodDrop);
    QFETCH(QString, music);
    touch(m_temp.filePath("Starting-Settings.INI"),
          "; comment\r\n[Options]\r\nGoodDropSound=b.WAV\r\nmusic=Calm.MUSIC\r\nDef=1\r\n");
    if (playerHasFile)
        touch(iniPath(), playerFile);
    OptionsModel options;
    RecordedWarnings warnings;
    Installation installation(options, warnings);
    QCOMPARE(options.soundText(SoundSlot::GoodDrop), goodDrop);
    QCOMPARE(options.soundText(SoundSlot::Music), music);
    QCOMPARE(options.showDefinitions(), !playerHasFile);
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    if (playerHasFile)
        QCOMPARE(file.readAll(), playerFile); // untouched
    else
        QVERIFY(file.readAll().contains("GoodDropSound=b.WAV")); // the player's own from now on
    QVERIFY(file.permissions() & QFile::WriteOwner);
}

void InstallationTest::shippedStartingSettingsNameShippedSounds()
{
    setProgramFolder(QStringLiteral(SPLITWICK_SOURCE_DIR "/data"));
    const SettingsFile shipped(dataPath("starting-settings.ini"));
    for (int i = 0; i < SoundSlotCount; ++i) {
        const QString name = soundSlotName(SoundSlot(i));
        const QString file = shipped.readString("Options", name, QString());
        QVERIFY2(!file.isEmpty(), qPrintable(name + " is not chosen"));
        const QString folder = SoundSlot(i) == SoundSlot::Music ? "music/" : "sound/";
        QVERIFY2(QFileInfo(dataPath(folder + file)).isFile(), qPrintable(file + " is not shipped"));
    }
}

void InstallationTest::leftoversOfKilledWritesGoAtStart()
{
    // A write killed between its temporary file and the rename leaves one
    // behind, named as Qt names it; the next start removes those, nothing else.
    touch(iniPath(), "[Options]\r\nPresets=7\r\n");
    for (const char *name : {".czaCaQ", ".X1y2Z3", ".bak", ".czaCaQ1", ".lock"})
        touch(iniPath() + QLatin1String(name));
    OptionsModel options;
    RecordedWarnings warnings;
    Installation installation(options, warnings);
    QCOMPARE(QDir(m_temp.folder()).entryList({"ZRV_XQ.INI*"}, QDir::Files),
             (QStringList{"ZRV_XQ.INI", "ZRV_XQ.INI.bak", "ZRV_XQ.INI.czaCaQ1", "ZRV_XQ.INI.lock"}));
    QCOMPARE(options.presetsIndex(), 7);
}

QTEST_GUILESS_MAIN(InstallationTest)
#include "installation_test.moc"
