// SPDX-License-Identifier: GPL-3.0-or-later
// Every data path is the executable's folder with exactly one slash, followed
// by the relative name.

#include "base/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

class ProgramFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void folderOfExecutable_data();
    void folderOfExecutable();
    void setFolderKeepsOneSlash();
    void dataPath_data();
    void dataPath();
    void folderNamedInLatin1();

private:
    QTemporaryDir m_dir;
};

void ProgramFolderTest::folderOfExecutable_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("folder");
    QTest::newRow("absolute") << "/usr/games/splitwick" << "/usr/games/";
    QTest::newRow("doubled slashes before the name") << "/opt/sw//splitwick" << "/opt/sw/";
    QTest::newRow("root") << "/splitwick" << "/";
    QTest::newRow("relative") << "bin/splitwick" << "bin/";
    QTest::newRow("bare name") << "splitwick" << "./";
    QTest::newRow("network path") << "//server/share/splitwick" << "//server/share/";
}

void ProgramFolderTest::folderOfExecutable()
{
    QFETCH(QString, executable);
    QFETCH(QString, folder);
    QCOMPARE(::folderOfExecutable(QFile::encodeName(executable)), folder);
}

void ProgramFolderTest::setFolderKeepsOneSlash()
{
    setProgramFolder("/tmp/game///");
    QCOMPARE(programFolder(), QString("/tmp/game/"));
    setProgramFolder("/tmp/game");
    QCOMPARE(programFolder(), QString("/tmp/game/"));
    setProgramFolder(QString()); // back to the default, never the root
    QCOMPARE(programFolder(), QFileInfo(QFile::symLinkTarget("/proc/self/exe")).path() + '/');
}

void ProgramFolderTest::dataPath_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("expected"); // below the program folder
    QTest::newRow("exact") << "Kbs/Words.DIC" << "Kbs/Words.DIC";
    QTest::newRow("backslashes, other case") << "kbs\\words.dic" << "Kbs/Words.DIC";
    QTest::newRow("picture") << "XQ\\splash1.bmp" << "xq/Splash1.BMP";
    QTest::newRow("exact case preferred") << "music/a.mp3" << "music/a.mp3";
    QTest::newRow("other case of two") << "MUSIC/B.MP3" << "music/b.mp3";
    QTest::newRow("missing file kept as written") << "ZRV_XQ.INI" << "ZRV_XQ.INI";
    QTest::newRow("missing folder kept as written") << "Sound\\x.wav" << "Sound/x.wav";
    QTest::newRow("folder with trailing separator") << "kbs\\" << "Kbs/";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("separator only") << "/" << "";
}

void ProgramFolderTest::dataPath()
{
    QFETCH(QString, relative);
    QFETCH(QString, expected);
    QVERIFY(m_dir.isValid());
    const QDir root(m_dir.path());
    for (const char *folder : {"Kbs", "xq", "music"})
        root.mkpath(folder);
    for (const char *file : {"Kbs/Words.DIC", "xq/Splash1.BMP", "music/a.mp3", "music/A.MP3", "music/b.mp3"}) {
        QFile f(root.filePath(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    setProgramFolder(m_dir.path());
    QCOMPARE(::dataPath(relative), m_dir.path() + '/' + expected);
    setProgramFolder(QString());
}

void ProgramFolderTest::folderNamedInLatin1()
{
    // The copy run below, from a folder whose name is no UTF-8 ("café" in
    // Latin-1): its data are beside it, never in "/".
    if (qEnvironmentVariableIsSet("SPLITWICK_LATIN1_COPY")) {
        QVERIFY2(QFileInfo(::dataPath("kbs/words.dic")).isFile(), qPrintable(programFolder()));
        return;
    }
    QVERIFY(m_dir.isValid());
    const std::string folder = QFile::encodeName(m_dir.path()).toStdString() + "/caf\xe9";
    QVERIFY(std::filesystem::create_directories(folder + "/kbs"));
    std::ofstream(folder + "/kbs/words.dic") << "TPF0";
    const std::string copy = folder + "/program_folder_test";
    std::filesystem::copy_file(std::filesystem::read_symlink("/proc/self/exe"), copy);
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        setenv("SPLITWICK_LATIN1_COPY", "1", 1);
        execl(copy.c_str(), copy.c_str(), "-silent", "folderNamedInLatin1", static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    std::filesystem::remove_all(folder); // beyond QTemporaryDir, which names files by text
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
}

QTEST_APPLESS_MAIN(ProgramFolderTest)
#include "program_folder_test.moc"
