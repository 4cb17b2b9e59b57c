// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file reads typed values with defaults and writes keys in place,
// never leaving a half-written file.

#include "base/game_error.h"
#include "support/error_of.h"
#include "support/raw_file.h"
#include "settings/settings_file.h"
#include "base/whole_file.h"
#include "support/temp_settings.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// As root, file permissions do not stop a write; taking another file-system
// user id drops that privilege for this thread until the guard goes.
class WithoutRootPrivilege
{
public:
    WithoutRootPrivilege() : m_active(geteuid() == 0)
    {
        if (m_active) {
            setfsgid(65534);
            setfsuid(65534);
        }
    }
    ~WithoutRootPrivilege()
    {
        if (m_active) {
            setfsuid(0);
            setfsgid(0);
        }
    }

private:
    bool m_active;
};

QString expectedFailure(const QString &path)
{
    return QStringLiteral("Unable to write to %1").arg(path);
}

} // namespace

class SettingsFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void readInteger_data();
    void readInteger();
    void parseLeadingBlanks();
    void readBool_data();
    void readBool();
    void readString_data();
    void readString();
    void readMissingFileCreatesNothing();

    void write_data();
    void write();
    void writeCreatesFileAndReadsBack();
    void writeKeepsUtf8();
    void refusedWrites_data();
    void refusedWrites();
    void writeToReadOnlyFolderKeepsOldFile();
    void writeBelowAFileFails();
    void fullDiskKeepsOldFile();
    void secondObjectSeesWritesAtOnce();

    void wholeFileRoundTrip();
    void wholeFileFailuresNameThePath();

private:
    TempSettings m_temp; // fresh for every test
    QString m_path;
};

void SettingsFileTest::init()
{
    m_path = m_temp.renew();
}

void SettingsFileTest::readInteger_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    const int def = 99;
    QTest::newRow("decimal") << "31" << 31;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("blanks and minus") << " -7 " << -7;
    QTest::newRow("plus") << "+5" << 5;
    QTest::newRow("0x") << "0x1F" << 31;
    QTest::newRow("0X lower digits") << "0X1f" << 31;
    QTest::newRow("dollar") << "$1F" << 31;
    QTest::newRow("x") << "x1F" << 31;
    QTest::newRow("X") << "X1F" << 31;
    QTest::newRow("negative hex") << "-$10" << -16;
    QTest::newRow("hex all bits") << "$FFFFFFFF" << -1;
    QTest::newRow("hex 33 bits") << "$100000000" << def;
    QTest::newRow("int max") << "2147483647" << 2147483647;
    QTest::newRow("int min") << "-2147483648" << int(-2147483648ll);
    QTest::newRow("above int max") << "2147483648" << def;
    QTest::newRow("below int min") << "-2147483649" << def;
    QTest::newRow("huge") << "99999999999999999999999" << def;
    QTest::newRow("letters") << "abc" << def;
    QTest::newRow("trailing letters") << "12abc" << def;
    QTest::newRow("inner blank") << "1 2" << def;
    QTest::newRow("blank after sign") << "- 7" << def;
    QTest::newRow("prefix only x") << "x" << def;
    QTest::newRow("prefix only $") << "$" << def;
    QTest::newRow("prefix only 0x") << "0x" << def;
    QTest::newRow("sign only") << "-" << def;
    QTest::newRow("hex digit in decimal") << "1F" << def;
    QTest::newRow("bad hex digit") << "$1G" << def;
    QTest::newRow("empty") << "" << def;
    QTest::newRow("fullwidth digit") << QString::fromUtf8("\xEF\xBC\x91") << def;
}

void SettingsFileTest::readInteger()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    writeRaw(m_path, "[Options]\r\nPresets=" + stored.toUtf8() + "\r\n");
    const SettingsFile settings(m_path);
    QCOMPARE(settings.readInteger("Options", "Presets", 99), expected);
}

void SettingsFileTest::parseLeadingBlanks()
{
    qint32 value = 0;
    QVERIFY(parseSettingsInteger(u" \t 42", value));
    QCOMPARE(value, 42);
    QVERIFY(!parseSettingsInteger(u"42 ", value)); // nothing may follow
    QVERIFY(!parseSettingsInteger(u"", value));
    QCOMPARE(value, 42);
}

void SettingsFileTest::readBool_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");
    QTest::newRow("one") << QByteArray("[Options]\nDef=1\n") << false << true;
    QTest::newRow("two is true") << QByteArray("[Options]\nDef=2\n") << false << true;
    QTest::newRow("minus one") << QByteArray("[Options]\nDef=-1\n") << false << true;
    QTest::newRow("hex") << QByteArray("[Options]\nDef=$10\n") << false << true;
    QTest::newRow("zero") << QByteArray("[Options]\nDef=0\n") << true << false;
    QTest::newRow("yes is not a number") << QByteArray("[Options]\nDef=yes\n") << false << false;
    QTest::newRow("yes gives the default") << QByteArray("[Options]\nDef=yes\n") << true << true;
    QTest::newRow("empty gives the default") << QByteArray("[Options]\nDef=\n") << true << true;
    QTest::newRow("missing key") << QByteArray("[Options]\nOther=0\n") << true << true;
    QTest::newRow("missing section") << QByteArray("[Levels]\nDef=0\n") << true << true;
}

void SettingsFileTest::readBool()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    writeRaw(m_path, file);
    QCOMPARE(SettingsFile(m_path).readBool("Options", "Def", defaultValue), expected);
}

void SettingsFileTest::readString_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const QString def = "<default>";
    QTest::newRow("plain") << QByteArray("[Options]\r\nmusic=a.mp3\r\n") << "Options" << "music" << "a.mp3";
    QTest::newRow("capital names found") << QByteArray("[OPTIONS]\r\nMUSIC=a.mp3\r\n") << "Options" << "music" << "a.mp3";
    QTest::newRow("score written capital, read small") << QByteArray("[scores]\r\nE050=57,3\r\n") << "scores" << "e050" << "57,3";
    QTest::newRow("blanks around names and value") << QByteArray("  [ Options ]  \r\n \t music = a b.mp3 \t\r\n") << "Options" << "music" << "a b.mp3";
    QTest::newRow("equals inside value") << QByteArray("[A]\nk=x=y\n") << "A" << "k" << "x=y";
    QTest::newRow("empty value is a value") << QByteArray("[A]\nk=\n") << "A" << "k" << "";
    QTest::newRow("lf endings") << QByteArray("[A]\nk=v\n[B]\nk=w\n") << "B" << "k" << "w";
    QTest::newRow("no final line break") << QByteArray("[A]\r\nk=v") << "A" << "k" << "v";
    QTest::newRow("first duplicate wins") << QByteArray("[A]\nk=1\nK=2\n") << "A" << "k" << "1";
    QTest::newRow("first duplicate section wins") << QByteArray("[A]\nj=1\n[a]\nk=2\n") << "A" << "k" << def;
    QTest::newRow("key of another section") << QByteArray("[A]\nk=1\n[B]\n") << "B" << "k" << def;
    QTest::newRow("lines before any section are not read") << QByteArray("k=1\n[A]\n") << "A" << "k" << def;
    QTest::newRow("comment is not a key") << QByteArray("[A]\n;k=1\n#k=2\n") << "A" << "k" << def;
    QTest::newRow("line without equals") << QByteArray("[A]\nk\n") << "A" << "k" << def;
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[A]\nk=v\n") << "A" << "k" << "v";
    QTest::newRow("utf-8") << QByteArray("[A]\nk=M\xC3\xBCsik\n") << "A" << "k" << QString::fromUtf8("M\xC3\xBCsik");
    QTest::newRow("cut at 2047") << ("[A]\nk=" + QByteArray(3000, 'q') + "\n") << "A" << "k" << QString(2047, u'q');
    QTest::newRow("2047 kept whole") << ("[A]\nk=" + QByteArray(2047, 'q') + "\n") << "A" << "k" << QString(2047, u'q');
}

void SettingsFileTest::readString()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    writeRaw(m_path, file);
    QCOMPARE(SettingsFile(m_path).readString(section, key, "<default>"), expected);
}

void SettingsFileTest::readMissingFileCreatesNothing()
{
    const SettingsFile settings(m_path);
    QCOMPARE(settings.readString("Options", "music", "x"), QString("x"));
    QCOMPARE(settings.readInteger("Options", "Presets", -4), -4);
    QCOMPARE(settings.readBool("Options", "Stretch", true), true);
    QVERIFY(!QFile::exists(m_path));
}

void SettingsFileTest::write_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file") << QByteArray("<missing>") << "Options" << "lnd" << "45000"
                              << QByteArray("[Options]\r\nlnd=45000\r\n");
    QTest::newRow("key keeps its place") << QByteArray("[O]\r\na=1\r\nb=2\r\nc=3\r\n") << "O" << "b" << "9"
                                         << QByteArray("[O]\r\na=1\r\nb=9\r\nc=3\r\n");
    QTest::newRow("names matched case-blind, spelling on disk kept")
        << QByteArray("[OPTIONS]\r\nPRESETS=1\r\n") << "Options" << "Presets" << "7"
        << QByteArray("[OPTIONS]\r\nPRESETS=7\r\n");
    QTest::newRow("new key after the section's last entry")
        << QByteArray("[A]\r\nx=1\r\n\r\n; about B\r\n[B]\r\ny=2\r\n") << "a" << "z" << "3"
        << QByteArray("[A]\r\nx=1\r\nz=3\r\n\r\n; about B\r\n[B]\r\ny=2\r\n");
    QTest::newRow("new key in the last section") << QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\n\r\n") << "B" << "z" << "3"
                                                  << QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\nz=3\r\n\r\n");
    QTest::newRow("new key in a section of comments only")
        << QByteArray("[A]\r\n; note\r\n[B]\r\n") << "A" << "k" << "1"
        << QByteArray("[A]\r\nk=1\r\n; note\r\n[B]\r\n");
    QTest::newRow("comment between entries stays") << QByteArray("[A]\r\nx=1\r\n# keep\r\ny=2\r\n") << "A" << "z" << "3"
                                                   << QByteArray("[A]\r\nx=1\r\n# keep\r\ny=2\r\nz=3\r\n");
    QTest::newRow("new section at the end") << QByteArray("[A]\r\nx=1\r\n") << "scores" << "M025" << "73,1"
                                            << QByteArray("[A]\r\nx=1\r\n[scores]\r\nM025=73,1\r\n");
    QTest::newRow("first duplicate rewritten, loose lines kept")
        << QByteArray("; top\r\nloose=1\r\n[A]\r\n# c\r\nk=1\r\n\r\nK=2\r\n") << "A" << "k" << "5"
        << QByteArray("; top\r\nloose=1\r\n[A]\r\n# c\r\nk=5\r\n\r\nK=2\r\n");
    QTest::newRow("first duplicate section written")
        << QByteArray("[A]\r\nj=1\r\n[a]\r\nk=2\r\n") << "A" << "k" << "3"
        << QByteArray("[A]\r\nj=1\r\nk=3\r\n[a]\r\nk=2\r\n");
    QTest::newRow("lf file stays lf") << QByteArray("[A]\nk=1\n") << "A" << "j" << "2"
                                      << QByteArray("[A]\nk=1\nj=2\n");
    QTest::newRow("missing final line break added") << QByteArray("[A]\r\nk=1") << "A" << "k" << "2"
                                                    << QByteArray("[A]\r\nk=2\r\n");
    QTest::newRow("blanks around names dropped") << QByteArray("[ A ]\r\n  k = 1 \r\n") << " A " << " k " << "2"
                                                 << QByteArray("[ A ]\r\nk=2\r\n");
    QTest::newRow("byte order mark kept") << QByteArray("\xEF\xBB\xBF[A]\r\nk=1\r\n") << "A" << "k" << "2"
                                          << QByteArray("\xEF\xBB\xBF[A]\r\nk=2\r\n");
    QTest::newRow("empty file") << QByteArray("") << "A" << "k" << "1" << QByteArray("[A]\r\nk=1\r\n");
    QTest::newRow("other bytes kept as they are")
        << QByteArray("; caf\xE9\r\n[A]\r\nk=1\r\n") << "A" << "k" << "2"
        << QByteArray("; caf\xE9\r\n[A]\r\nk=2\r\n");
}

void SettingsFileTest::write()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    if (before != "<missing>")
        writeRaw(m_path, before);
    SettingsFile settings(m_path);
    settings.writeString(section, key, value);
    QCOMPARE(readRaw(m_path), after);
    QCOMPARE(settings.readString(section, key, "<default>"), value);
}

void SettingsFileTest::writeCreatesFileAndReadsBack()
{
    SettingsFile settings(m_path);
    settings.writeInteger("Options", "Color", -2147483633);
    settings.writeBool("Options", "Stretch", false);
    settings.writeBool("Options", "FontBold", true);
    settings.writeInteger("Options", "Color", 255);
    QCOMPARE(readRaw(m_path), QByteArray("[Options]\r\nColor=255\r\nStretch=0\r\nFontBold=1\r\n"));
    QCOMPARE(settings.readInteger("options", "color", 0), 255);
    QCOMPARE(settings.readBool("Options", "Stretch", true), false);
    QCOMPARE(settings.readBool("Options", "FontBold", false), true);
    // The temporary file of the atomic replace does not stay behind.
    QCOMPARE(QDir(m_temp.folder()).entryList(QDir::Files), QStringList{"ZRV_XQ.INI"});
}

void SettingsFileTest::writeKeepsUtf8()
{
    SettingsFile settings(m_path);
    const QString name = QString::fromUtf8("M\xC3\xBCsik \xE2\x99\xAA.mp3");
    settings.writeString("Options", "music", name);
    QVERIFY(readRaw(m_path).contains(name.toUtf8()));
    QCOMPARE(settings.readString("Options", "music", QString()), name);
}

void SettingsFileTest::refusedWrites_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("LF in value") << "Options" << "music" << "a\n[Options]\nPresets=3";
    QTest::newRow("CR in value") << "Options" << "music" << "a\rb";
    QTest::newRow("CRLF in value") << "Options" << "music" << "a\r\nb=1";
    QTest::newRow("LF in key") << "Options" << "mu\nsic" << "a";
    QTest::newRow("CR in key") << "Options" << "music\r" << "a";
    QTest::newRow("LF in section") << "Opt\nions" << "music" << "a";
    QTest::newRow("CR in section") << "\rOptions" << "music" << "a";
    QTest::newRow("equals in key") << "Options" << "a=b" << "c";
    QTest::newRow("empty key") << "Options" << "  " << "c";
    QTest::newRow("key like a section") << "Options" << "[x" << "c";
    QTest::newRow("key like a comment") << "Options" << ";x" << "c";
    QTest::newRow("bracket in section") << "a]b" << "k" << "c";
}

void SettingsFileTest::refusedWrites()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QByteArray before("[Options]\r\nmusic=old\r\n");
    writeRaw(m_path, before);
    SettingsFile settings(m_path);
    QCOMPARE(errorOf([&] { settings.writeString(section, key, value); }), expectedFailure(m_path));
    QCOMPARE(readRaw(m_path), before);

    QFile::remove(m_path);
    QVERIFY_THROWS_EXCEPTION(GameError, settings.writeString(section, key, value));
    QVERIFY(!QFile::exists(m_path));
}

void SettingsFileTest::writeToReadOnlyFolderKeepsOldFile()
{
    const QString folder = m_temp.filePath("readonly");
    QVERIFY(QDir().mkpath(folder));
    const QString path = settingsFileIn(folder);
    const QByteArray before("[Options]\r\nPresets=3\r\n");
    writeRaw(path, before);
    QFile::setPermissions(m_temp.folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                            | QFile::ExeOther);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);

    QString message;
    bool probeWritten = false;
    {
        const WithoutRootPrivilege guard;
        QFile probe(folder + "/probe");
        probeWritten = probe.open(QIODevice::WriteOnly);
        if (!probeWritten) {
            SettingsFile settings(path);
            QCOMPARE(settings.readInteger("Options", "Presets", 0), 3);
            message = errorOf([&] { settings.writeInteger("Options", "Presets", 7); });
        }
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (probeWritten)
        QSKIP("this system lets the test write into a read-only folder");
    QCOMPARE(message, expectedFailure(path));
    QCOMPARE(readRaw(path), before);
}

void SettingsFileTest::writeBelowAFileFails()
{
    const QString blocker = m_temp.filePath("plainfile");
    writeRaw(blocker, "x");
    const QString path = settingsFileIn(blocker);
    SettingsFile settings(path);
    QCOMPARE(settings.readInteger("Options", "Presets", 5), 5);
    QCOMPARE(errorOf([&] { settings.writeInteger("Options", "Presets", 7); }), expectedFailure(path));
}

void SettingsFileTest::fullDiskKeepsOldFile()
{
    // A file-size limit makes the disk "full" for this process.
    const QByteArray before("[Options]\r\nPicture=/old.bmp\r\n");
    writeRaw(m_path, before);
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const QString message =
        errorOf([&] { SettingsFile(m_path).writeString("Options", "Picture", QString(10000, u'p')); });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QCOMPARE(message, expectedFailure(m_path));
    QCOMPARE(readRaw(m_path), before);
    QCOMPARE(QDir(m_temp.folder()).entryList(QDir::Files), QStringList{"ZRV_XQ.INI"});
}

void SettingsFileTest::secondObjectSeesWritesAtOnce()
{
    SettingsFile first(m_path);
    const SettingsFile second(m_path);
    first.writeInteger("Options", "lnd", 100);
    QCOMPARE(second.readInteger("Options", "lnd", 0), 100);
    first.writeInteger("Options", "lnd", 101);
    QCOMPARE(second.readInteger("Options", "lnd", 0), 101);

    // A key another copy added between two writes survives the next write.
    SettingsFile(m_path).writeString("scores", "M025", "50,1");
    first.writeInteger("Options", "lnd", 102);
    QCOMPARE(second.readString("scores", "m025", QString()), QString("50,1"));
    QCOMPARE(second.readInteger("Options", "lnd", 0), 102);
}

void SettingsFileTest::wholeFileRoundTrip()
{
    const QString path = m_temp.filePath("whole.bin");
    QByteArray bytes(70000, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7);
    writeWholeFile(path, bytes);
    QCOMPARE(readWholeFile(path, FileKind::Settings), bytes);
    writeWholeFile(path, "short"); // truncates
    QCOMPARE(readWholeFile(path, FileKind::Settings), QByteArray("short"));
    writeWholeFile(path, QByteArray());
    QCOMPARE(readWholeFile(path, FileKind::Settings), QByteArray());
}

void SettingsFileTest::wholeFileFailuresNameThePath()
{
    const QString missing = m_temp.filePath("nothere.wav");
    QCOMPARE(errorOf([&] { readWholeFile(missing, FileKind::Settings); }), "Cannot open file " + missing);
    QCOMPARE(errorOf([&] { readWholeFile(m_temp.folder(), FileKind::Settings); }), "Cannot open file " + m_temp.folder());

    const QString unwritable = m_temp.filePath("nofolder/XQBG.BMP");
    QCOMPARE(errorOf([&] { writeWholeFile(unwritable, "x"); }), "Cannot create file " + unwritable);
}

QTEST_APPLESS_MAIN(SettingsFileTest)
#include "settings_file_test.moc"
