// SPDX-License-Identifier: GPL-3.0-or-later
// A settings write killed at any moment leaves the old file or the new one,
// never a torn one, and the next write still gets the lock.

#include "base/game_error.h"
#include "support/raw_file.h"
#include "settings/settings_file.h"
#include "support/temp_settings.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray fileWith(const QByteArray &padding, char value)
{
    return "[Options]\r\n" + padding + "music=" + QByteArray(1, value) + "\r\n";
}

} // namespace

class SettingsKillTest : public QObject
{
    Q_OBJECT

private slots:
    void killedMidWriteLeavesAWholeFile();
};

void SettingsKillTest::killedMidWriteLeavesAWholeFile()
{
    const int kills = qEnvironmentVariableIntValue("SPLITWICK_KILLS") > 0 ? qEnvironmentVariableIntValue("SPLITWICK_KILLS") : 300;
    const TempSettings temp;
    const QString &path = temp.path();
    // Big enough that a write takes a while, so kills land inside it.
    QByteArray padding;
    for (int i = 0; i < 4000; ++i)
        padding += "; a comment line of a hand-edited file " + QByteArray::number(i) + "\r\n";
    const QByteArray a = fileWith(padding, 'a');
    const QByteArray b = fileWith(padding, 'b');
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(a);
    }
    QRandomGenerator random(12);
    int torn = 0;
    int leftovers = 0;
    for (int round = 0; round < kills; ++round) {
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            SettingsFile settings(path);
            for (int i = 0;; ++i) {
                try {
                    settings.writeString("Options", "music", i % 2 ? "a" : "b");
                } catch (const GameError &) {
                    _exit(3);
                }
            }
        }
        usleep(random.bounded(200, 6000));
        QCOMPARE(kill(child, SIGKILL), 0);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFSIGNALED(status), "the writer stopped by itself: a write failed");
        const QByteArray now = readRaw(path);
        if (now != a && now != b)
            ++torn;
        // A temporary file that a killed write left behind is not the settings file.
        for (const QString &name : QDir(temp.folder()).entryList({"ZRV_XQ.INI.*"}, QDir::Files)) {
            if (!name.endsWith(".lock"))
                leftovers += QFile::remove(temp.filePath(name));
        }
    }
    QCOMPARE(torn, 0);
    // The lock went with the killed process.
    SettingsFile settings(path);
    settings.writeString("Options", "music", "c");
    QCOMPARE(readRaw(path), fileWith(padding, 'c'));
    qInfo("%d writers killed mid-write, no torn file, %d temporary files left behind", kills, leftovers);
}

QTEST_APPLESS_MAIN(SettingsKillTest)
#include "settings_kill_test.moc"
