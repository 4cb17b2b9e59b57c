// SPDX-License-Identifier: GPL-3.0-or-later
// The settings view: read once, yet never stale after a change on disk by
// another copy or by hand; the close's one write matches key-by-key writes;
// writes through a link go only into the player's own regular file.

#include "support/error_of.h"
#include "support/raw_file.h"
#include "settings/settings_file.h"
#include "support/temp_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Sets the file's modification time an hour back, so that a view of it is
// trusted and only a new stamp can make it read again.
void ageFile(const QString &path, time_t seconds = 3600)
{
    const timespec times[2] = {{time(nullptr) - seconds, 0}, {time(nullptr) - seconds, 0}};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

} // namespace

class SettingsViewTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void readOnceForManyReads();
    void seesChangesOnDisk_data();
    void seesChangesOnDisk();
    void writingHeldValuesSkipsOnlyAnUnchangedFile_data();
    void writingHeldValuesSkipsOnlyAnUnchangedFile();
    void oneWriteMatchesKeyByKeyWrites_data();
    void oneWriteMatchesKeyByKeyWrites();
    void writesThroughLinks_data();
    void writesThroughLinks();

private:
    TempSettings m_temp;
    QString m_path;
};

void SettingsViewTest::init()
{
    m_path = m_temp.renew();
}

void SettingsViewTest::readOnceForManyReads()
{
    writeRaw(m_path, "[Options]\r\nPresets=3\r\nmusic=a.mp3\r\n[scores]\r\nM025=57,3\r\n");
    ageFile(m_path);
    SettingsFile settings(m_path);
    for (int i = 0; i < 28; ++i) {
        QCOMPARE(settings.readInteger("Options", "Presets", -1), 3);
        QCOMPARE(settings.readString("SCORES", "m025", ""), QStringLiteral("57,3"));
        QCOMPARE(settings.readBool("Options", "Def", true), true);
    }
    QCOMPARE(settings.fileReads(), 1);
    settings.writeInteger("Options", "Presets", 7); // our own write: seen without a read
    QCOMPARE(settings.readInteger("Options", "Presets", -1), 7);
    QCOMPARE(settings.fileReads(), 1);
}

void SettingsViewTest::seesChangesOnDisk_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("expected"); // Presets after the change
    QTest::newRow("another copy, same size") << "copy" << "4";
    QTest::newRow("another copy, a longer value") << "copy long" << "35";
    QTest::newRow("hand edit in place, same size, old time") << "in place" << "9";
    QTest::newRow("removed") << "remove" << "-1";
}

void SettingsViewTest::seesChangesOnDisk()
{
    QFETCH(QString, change);
    QFETCH(QString, expected);
    writeRaw(m_path, "[Options]\r\nPresets=3\r\n");
    ageFile(m_path);
    SettingsFile mine(m_path);
    QCOMPARE(mine.readInteger("Options", "Presets", -1), 3);
    SettingsFile other(m_path); // another running copy
    if (change == "copy")
        other.writeInteger("Options", "Presets", 4);
    else if (change == "copy long")
        other.writeInteger("Options", "Presets", 35);
    else if (change == "in place") {
        writeRaw(m_path, "[Options]\r\nPresets=9\r\n");
        ageFile(m_path); // the same modification time: the change time tells
    } else
        QVERIFY(QFile::remove(m_path));
    QCOMPARE(mine.readInteger("Options", "Presets", -1), expected.toInt());
    QCOMPARE(mine.fileReads(), change == "remove" ? 1 : 2);
}

void SettingsViewTest::writingHeldValuesSkipsOnlyAnUnchangedFile_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("none: not read, not written") << "";
    QTest::newRow("another copy wrote since") << "copy";
    QTest::newRow("hand edit in place, same size, old time") << "in place";
}

void SettingsViewTest::writingHeldValuesSkipsOnlyAnUnchangedFile()
{
    QFETCH(QString, change);
    writeRaw(m_path, "[Options]\r\nPresets=3\r\nmusic=a.mp3\r\n");
    ageFile(m_path);
    SettingsFile mine(m_path);
    QCOMPARE(mine.readInteger("Options", "Presets", -1), 3);
    if (change == "copy")
        SettingsFile(m_path).writeInteger("Options", "Presets", 4);
    if (change == "in place") {
        writeRaw(m_path, "[Options]\r\nPresets=9\r\nmusic=a.mp3\r\n");
        ageFile(m_path);
    }
    struct stat before {};
    QCOMPARE(::stat(QFile::encodeName(m_path).constData(), &before), 0);
    // The values this copy read, written back as a close does.
    mine.writeEntries("Options", {{"Presets", "3"}, {"MUSIC", "a.mp3"}});
    QCOMPARE(readRaw(m_path), QByteArray("[Options]\r\nPresets=3\r\nmusic=a.mp3\r\n"));
    struct stat after {};
    QCOMPARE(::stat(QFile::encodeName(m_path).constData(), &after), 0);
    QCOMPARE(after.st_ino == before.st_ino, change.isEmpty()); // a write replaces the file
    if (change.isEmpty())
        QCOMPARE(mine.fileReads(), 1);
}

void SettingsViewTest::oneWriteMatchesKeyByKeyWrites_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("entries"); // key=value
    const QStringList some = {"Presets=12", "Dictionary=Birds", "vfirst=1", "music=None"};
    QTest::newRow("no file") << QByteArray("<none>") << some;
    QTest::newRow("no section") << QByteArray("; mine\n[scores]\nM025=1,1") << some;
    QTest::newRow("some keys there, capitals")
        << QByteArray("[OPTIONS]\r\n  dictionary = Animals \r\nVFIRST=0\r\n\r\n; next\r\n[scores]\r\nM025=1,1\r\n") << some;
    QTest::newRow("last line without ending") << QByteArray("[Options]\nmusic=x") << some;
    QTest::newRow("all the same") << QByteArray("[Options]\nPresets=12\nDictionary=Birds\nvfirst=1\nmusic=None\n")
                                  << some;
    QTest::newRow("a key twice") << QByteArray("[Options]\nDef=0\n") << QStringList{"Def=1", "Vowels=1", "def=0"};
    QTest::newRow("duplicate sections and keys")
        << QByteArray("[Options]\nPresets=1\nPresets=2\n[Options]\nmusic=y\n") << some;
    QTest::newRow("byte order mark, old code page")
        << QByteArray("\xEF\xBB\xBF[Options]\nmusic=Caf\xE9\nPresets=1\n") << QStringList{"music=Café", "Presets=2"};
}

void SettingsViewTest::oneWriteMatchesKeyByKeyWrites()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, entries);
    const QString byKey = m_temp.filePath("by_key.ini");
    if (file != "<none>") {
        writeRaw(m_path, file);
        writeRaw(byKey, file);
    }
    QList<SettingsFile::Entry> pairs;
    SettingsFile keyByKey(byKey);
    for (const QString &entry : entries) {
        const QString key = entry.section(u'=', 0, 0);
        const QString value = entry.section(u'=', 1);
        pairs.append({key, value});
        keyByKey.writeString("Options", key, value);
    }
    SettingsFile once(m_path);
    once.writeEntries("Options", pairs);
    QCOMPARE(readRaw(m_path), readRaw(byKey));
}

void SettingsViewTest::writesThroughLinks_data()
{
    QTest::addColumn<QString>("target"); // what the link points to
    QTest::addColumn<bool>("written");
    QTest::newRow("the player's own file") << "own" << true;
    QTest::newRow("a folder") << "folder" << false;
    QTest::newRow("a device") << "/dev/null" << false;
    QTest::newRow("nothing") << "dangling" << false;
    QTest::newRow("someone else's file") << "foreign" << false;
}

void SettingsViewTest::writesThroughLinks()
{
    QFETCH(QString, target);
    QFETCH(bool, written);
    QString pointsTo = target;
    const QByteArray before("[Options]\nPresets=1\n");
    if (target == "own" || target == "foreign") {
        pointsTo = m_temp.filePath("dotfiles.ini");
        writeRaw(pointsTo, before);
        if (target == "foreign" && ::chown(QFile::encodeName(pointsTo).constData(), 65534, 65534) != 0)
            QSKIP("cannot give a file away here");
    } else if (target == "folder") {
        pointsTo = m_temp.filePath("folder");
        QVERIFY(QDir().mkdir(pointsTo));
    } else if (target == "dangling") {
        pointsTo = m_temp.filePath("gone.ini");
    }
    QVERIFY(QFile::link(pointsTo, m_path));
    SettingsFile settings(m_path);
    const QString error = errorOf([&] { settings.writeInteger("Options", "Presets", 2); });
    if (written) {
        QCOMPARE(error, NoError);
        QCOMPARE(readRaw(pointsTo), QByteArray("[Options]\nPresets=2\n"));
        QCOMPARE(QFileInfo(m_path).symLinkTarget(), pointsTo); // still a link
    } else {
        QVERIFY2(error.startsWith("Unable to write to "), qPrintable(error));
        QVERIFY(!QFileInfo::exists(m_temp.filePath("gone.ini")));
        if (target == "foreign")
            QCOMPARE(readRaw(pointsTo), before);
    }
}

QTEST_APPLESS_MAIN(SettingsViewTest)
#include "settings_view_test.moc"
