// SPDX-License-Identifier: GPL-3.0-or-later
// The player's files stay in a writable program folder and move to the XDG
// folders when it is read-only.

#include "settings/player_folders.h"
#include "base/program_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace PlayerFolders;

// Folders are made read-only with chmod, which root ignores: the test drops
// to an ordinary user first, as the installed game would run.
class PlayerFoldersTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void baseFolders_data();
    void baseFolders();
    void writableProgramFolderKeepsItsFiles();
    void readOnlyProgramFolderWritesToConfig();
    void firstStartCopiesTheSettingsFile();
    void laterStartsKeepThePlayersSettings();
    void unusableConfigFolderLeavesProgramFolder();
    void installedGameNeverWritesItsFolder_data();
    void installedGameNeverWritesItsFolder();
    void playersDataFileWins();
    void mergeFileLists_data();
    void mergeFileLists();

private:
    QString makeFolder(const QString &name);
    static void writeFile(const QString &path, const QByteArray &bytes);
    static QByteArray readFile(const QString &path);

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_program;
};

void PlayerFoldersTest::initTestCase()
{
    if (geteuid() == 0) {
        QVERIFY(setgid(65534) == 0);
        QVERIFY(setuid(65534) == 0);
    }
}

void PlayerFoldersTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_program = makeFolder(QStringLiteral("program"));
    setProgramFolder(m_program);
    qputenv("HOME", m_root->filePath(QStringLiteral("home")).toUtf8());
    qputenv("XDG_CONFIG_HOME", m_root->filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", m_root->filePath(QStringLiteral("data")).toUtf8());
}

void PlayerFoldersTest::cleanup()
{
    // Writable again, so that the temporary folder can go.
    QFile::setPermissions(m_program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setProgramFolder(QString());
    m_root.reset();
}

QString PlayerFoldersTest::makeFolder(const QString &name)
{
    const QString path = m_root->filePath(name);
    QDir().mkpath(path);
    return path + '/';
}

void PlayerFoldersTest::writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray PlayerFoldersTest::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void PlayerFoldersTest::baseFolders_data()
{
    QTest::addColumn<QByteArray>("configHome");
    QTest::addColumn<QByteArray>("dataHome");
    QTest::addColumn<QString>("config");
    QTest::addColumn<QString>("data");
    QTest::newRow("set") << QByteArray("/x/conf") << QByteArray("/x/share/") << "/x/conf/splitwick/"
                         << "/x/share/splitwick/";
    QTest::newRow("unset") << QByteArray() << QByteArray() << "/home/p/.config/splitwick/"
                           << "/home/p/.local/share/splitwick/";
    QTest::newRow("relative values are ignored") << QByteArray("conf") << QByteArray("./share")
                                                 << "/home/p/.config/splitwick/"
                                                 << "/home/p/.local/share/splitwick/";
}

void PlayerFoldersTest::baseFolders()
{
    QFETCH(QByteArray, configHome);
    QFETCH(QByteArray, dataHome);
    qputenv("HOME", "/home/p");
    qputenv("XDG_CONFIG_HOME", configHome);
    qputenv("XDG_DATA_HOME", dataHome);
    QFETCH(QString, config);
    QFETCH(QString, data);
    QCOMPARE(configFolder(), config);
    QCOMPARE(dataFolder(), data);
}

void PlayerFoldersTest::writableProgramFolderKeepsItsFiles()
{
    writeFile(m_program + "zrv_xq.ini", "[Options]\n");
    QCOMPARE(writtenFilesFolder(), m_program);
    QCOMPARE(settingsFilePath(), m_program + "zrv_xq.ini");
    QCOMPARE(writtenFilePath(QStringLiteral("XQBG.BMP")), m_program + "XQBG.BMP");
    QVERIFY(!QFileInfo::exists(configFolder()));
}

void PlayerFoldersTest::readOnlyProgramFolderWritesToConfig()
{
    writeFile(m_program + "c999", "");
    QVERIFY(QFile::setPermissions(m_program, QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY(!isWritableFolder(m_program));
    QCOMPARE(writtenFilesFolder(), configFolder());
    QVERIFY(isWritableFolder(configFolder()));
    QCOMPARE(writtenFilePath(QStringLiteral("XQBG.BMP")), configFolder() + "XQBG.BMP");
    // Nothing written yet: reads fall back to the program folder's copy.
    QCOMPARE(existingFilePath(QStringLiteral("c999")), m_program + "c999");
    writeFile(configFolder() + "C999", "");
    QCOMPARE(existingFilePath(QStringLiteral("c999")), configFolder() + "C999");
    // No program-folder settings: nothing to copy, the file is made by the first write.
    QCOMPARE(settingsFilePath(), configFolder() + "ZRV_XQ.INI");
    QVERIFY(!QFileInfo::exists(settingsFilePath()));
}

void PlayerFoldersTest::firstStartCopiesTheSettingsFile()
{
    writeFile(m_program + "ZRV_XQ.INI", "[Options]\nFontSize=14\n");
    QFile::setPermissions(m_program + "ZRV_XQ.INI", QFile::ReadOwner);
    QVERIFY(QFile::setPermissions(m_program, QFile::ReadOwner | QFile::ExeOwner));
    const QString path = settingsFilePath();
    QCOMPARE(path, configFolder() + "ZRV_XQ.INI");
    QCOMPARE(readFile(path), QByteArray("[Options]\nFontSize=14\n"));
    QVERIFY(QFileInfo(path).isWritable());
}

void PlayerFoldersTest::laterStartsKeepThePlayersSettings()
{
    writeFile(m_program + "ZRV_XQ.INI", "[Options]\nFontSize=14\n");
    writeFile(configFolder() + "ZRV_XQ.INI", "[Options]\nFontSize=20\n");
    QVERIFY(QFile::setPermissions(m_program, QFile::ReadOwner | QFile::ExeOwner));
    QCOMPARE(readFile(settingsFilePath()), QByteArray("[Options]\nFontSize=20\n"));
}

void PlayerFoldersTest::unusableConfigFolderLeavesProgramFolder()
{
    // The configuration "folder" lies under a plain file and cannot be made.
    writeFile(m_root->filePath(QStringLiteral("plain")), "x");
    qputenv("XDG_CONFIG_HOME", m_root->filePath(QStringLiteral("plain/config")).toUtf8());
    writeFile(m_program + "ZRV_XQ.INI", "[Options]\n");
    QVERIFY(QFile::setPermissions(m_program, QFile::ReadOwner | QFile::ExeOwner));
    QCOMPARE(writtenFilesFolder(), m_program);
    QCOMPARE(settingsFilePath(), m_program + "ZRV_XQ.INI");
}

void PlayerFoldersTest::installedGameNeverWritesItsFolder_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("configUsable");
    QTest::addColumn<bool>("inProgramFolder");
    QTest::newRow("copied folder, writable") << false << true << true << true;
    QTest::newRow("installed, writable as for root") << true << true << true << false;
    QTest::newRow("installed, read-only") << true << false << true << false;
    QTest::newRow("installed, no configuration folder") << true << true << false << false;
}

void PlayerFoldersTest::installedGameNeverWritesItsFolder()
{
    QFETCH(bool, installed);
    QFETCH(bool, writable);
    QFETCH(bool, configUsable);
    QFETCH(bool, inProgramFolder);
    writeFile(m_program + "ZRV_XQ.INI", "[Options]\nFontSize=14\n");
    if (installed)
        writeFile(m_program + InstalledMarkerName, "");
    if (!configUsable) {
        writeFile(m_root->filePath(QStringLiteral("plain")), "x");
        qputenv("XDG_CONFIG_HOME", m_root->filePath(QStringLiteral("plain/config")).toUtf8());
    }
    if (!writable)
        QVERIFY(QFile::setPermissions(m_program, QFile::ReadOwner | QFile::ExeOwner));
    const QStringList before = QDir(m_program).entryList(QDir::AllEntries | QDir::Hidden);
    QCOMPARE(writtenFilesFolder(), inProgramFolder ? m_program : configFolder());
    QCOMPARE(settingsFilePath(), (inProgramFolder ? m_program : configFolder()) + "ZRV_XQ.INI");
    QCOMPARE(QDir(m_program).entryList(QDir::AllEntries | QDir::Hidden), before);
    // The installation's settings are the starting point wherever the copy can go.
    if (!inProgramFolder && configUsable)
        QCOMPARE(readFile(settingsFilePath()), QByteArray("[Options]\nFontSize=14\n"));
}

void PlayerFoldersTest::playersDataFileWins()
{
    writeFile(m_program + "kbs/English.dic", "shipped");
    writeFile(m_program + "kbs/Animals.dic", "shipped");
    writeFile(dataFolder() + "kbs/ENGLISH.DIC", "own");
    writeFile(dataFolder() + "sound/Boom.wav", "own");
    QCOMPARE(playerDataFolder(QStringLiteral("kbs")), dataFolder() + "kbs/");
    QCOMPARE(dataFilePath(QStringLiteral("kbs"), QStringLiteral("English.dic")), dataFolder() + "kbs/ENGLISH.DIC");
    QCOMPARE(dataFilePath(QStringLiteral("kbs"), QStringLiteral("Animals.dic")), m_program + "kbs/Animals.dic");
    QCOMPARE(dataFilePath(QStringLiteral("sound"), QStringLiteral("boom.WAV")), dataFolder() + "sound/Boom.wav");
    // Neither has it: the shipped path, as the missing file's message should name.
    QCOMPARE(dataFilePath(QStringLiteral("music"), QStringLiteral("Gone.mp3")), m_program + "music/Gone.mp3");
    // A folder of that name is not a file.
    QDir().mkpath(dataFolder() + "kbs/Folder.dic");
    QCOMPARE(dataFilePath(QStringLiteral("kbs"), QStringLiteral("Folder.dic")), m_program + "kbs/Folder.dic");
}

void PlayerFoldersTest::mergeFileLists_data()
{
    QTest::addColumn<QStringList>("shipped");
    QTest::addColumn<QStringList>("own");
    QTest::addColumn<QStringList>("merged");
    QTest::newRow("none of the player's") << QStringList{"a.dic", "B.dic"} << QStringList{}
                                          << QStringList{"a.dic", "B.dic"};
    QTest::newRow("interleaved by name without case")
        << QStringList{"Apple.wav", "cherry.wav"} << QStringList{"banana.wav", "Date.wav"}
        << QStringList{"Apple.wav", "banana.wav", "cherry.wav", "Date.wav"};
    QTest::newRow("same name once, player's spelling")
        << QStringList{"English.dic", "Zoo.dic"} << QStringList{"english.DIC"}
        << QStringList{"english.DIC", "Zoo.dic"};
    QTest::newRow("only the player's") << QStringList{} << QStringList{"x.mp3"} << QStringList{"x.mp3"};
}

void PlayerFoldersTest::mergeFileLists()
{
    QFETCH(QStringList, shipped);
    QFETCH(QStringList, own);
    QFETCH(QStringList, merged);
    QCOMPARE(PlayerFolders::mergeFileLists(shipped, own), merged);
}

QTEST_GUILESS_MAIN(PlayerFoldersTest)
#include "player_folders_test.moc"
