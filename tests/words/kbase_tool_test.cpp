// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary tool as a player runs it: exit codes, standard output and
// error, files written or left alone, and build/dump round trips.

#include "support/kb_stream.h"
#include "words/kbase.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

Run runTool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(SPLITWICK_BIN_DIR "/splitwick-kb"), arguments);
    Run run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.code = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The tool's escaping, written out independently of its code.
QByteArray escaped(QByteArray text)
{
    return text.replace('\\', "\\\\").replace('\t', "\\t").replace('\n', "\\n").replace('\r', "\\r");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class KbaseToolTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void usage_data();
    void usage();
    void dump_data();
    void dump();
    void buildAccepts_data();
    void buildAccepts();
    void buildRefuses_data();
    void buildRefuses();
    void buildWritesTheFormat();
    void buildFileErrors();
    void roundTripOfGeneratedEntries();

private:
    QTemporaryDir m_dir;
};

void KbaseToolTest::initTestCase()
{
    QVERIFY(QFile::exists(QStringLiteral(SPLITWICK_BIN_DIR "/splitwick-kb")));
    QVERIFY(m_dir.isValid());
}

void KbaseToolTest::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::newRow("help") << QStringList{"--help"} << 0;
    QTest::newRow("no arguments") << QStringList{} << 2;
    QTest::newRow("unknown command") << QStringList{"list", "x.dic"} << 2;
    QTest::newRow("dump without file") << QStringList{"dump"} << 2;
    QTest::newRow("dump with two files") << QStringList{"dump", "a", "b"} << 2;
    QTest::newRow("build without output") << QStringList{"build", "in.tsv"} << 2;
}

void KbaseToolTest::usage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    const Run run = runTool(arguments);
    QCOMPARE(run.code, code);
    const QByteArray text = code == 0 ? run.out : run.err;
    QVERIFY(text.contains("splitwick-kb dump FILE.dic"));
    QVERIFY(text.contains("splitwick-kb build IN.tsv OUT.dic"));
    QVERIFY((code == 0 ? run.err : run.out).isEmpty());
}

void KbaseToolTest::dump_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no such file
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    QTest::addColumn<int>("code");

    QTest::newRow("no entries") << KbStream::header().beginItems().endItems().bytes() << QByteArray() << QByteArray()
                                << 0;
    QTest::newRow("every field")
        << oneItem(KbStream().prop("r").text("R").prop("p").text("P").prop("j").text("J").prop("s").text("S")
                       .prop("f").text("F").prop("a").text("A").prop("d").longText("D").prop("n").text("N")
                       .prop("a3").set({"City"}).prop("a1").set({"Lake", "City"}).prop("a4").set({"Attr032"}))
        << QByteArray("N\tD\tA\tF\tS\tJ\tP\tR\tCity,Lake,TVShow,User28\n") << QByteArray() << 0;
    QTest::newRow("escapes")
        << oneItem(KbStream().prop("n").text("a\\b\tc\nd\re").prop("d").text(QByteArray("\x00\x01\xff\"", 4)))
        << QByteArray("a\\\\b\\tc\\nd\\re\t\x00\x01\xff\"\t\t\t\t\t\t\t\n", 26) << QByteArray() << 0;
    QTest::newRow("two entries, second empty")
        << KbStream::header().beginItems().beginItem().prop("n").text("x").end().beginItem().end().endItems().bytes()
        << QByteArray("x\t\t\t\t\t\t\t\t\n\t\t\t\t\t\t\t\t\n") << QByteArray() << 0;
    QTest::newRow("fault keeps earlier entries")
        << KbStream::header().beginItems().beginItem().prop("n").text("one").end().beginItem().prop("n").text("two")
               .prop("zz").text("x").bytes()
        << QByteArray("one\t\t\t\t\t\t\t\t\ntwo\t\t\t\t\t\t\t\t\n") << QByteArray("Unable to load the Knowledge Base\n")
        << 1;
    QTest::newRow("not a dictionary") << QByteArray("hello") << QByteArray()
                                      << QByteArray("Unable to load the Knowledge Base\n") << 1;
    QTest::newRow("missing file") << QByteArray() << QByteArray() << QByteArray("Unable to create stream\n") << 1;
}

void KbaseToolTest::dump()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QFETCH(int, code);
    const QString path = m_dir.filePath(QStringLiteral("dump.dic"));
    QFile::remove(path);
    if (!file.isEmpty())
        writeFile(path, file);
    const Run run = runTool({"dump", path});
    QCOMPARE(run.out, out);
    QCOMPARE(run.err, err);
    QCOMPARE(run.code, code);
}

void KbaseToolTest::buildAccepts_data()
{
    QTest::addColumn<QByteArray>("tsv");
    QTest::addColumn<QByteArray>("dump");
    const QByteArray empty8 = "\t\t\t\t\t\t\t\t";
    QTest::newRow("empty input") << QByteArray() << QByteArray();
    QTest::newRow("missing trailing fields") << QByteArray("word\tdef\n") << QByteArray("word\tdef\t\t\t\t\t\t\t\n");
    QTest::newRow("word only, no final newline") << QByteArray("word") << "word" + empty8 + "\n";
    QTest::newRow("empty line is an empty entry") << QByteArray("\nb\n") << empty8 + "\nb" + empty8 + "\n";
    QTest::newRow("attribute names any case and order")
        << QByteArray("w\t\t\t\t\t\t\t\tuser28,LAKE,city,Lake") << "w" + empty8 + "City,Lake,User28\n";
    QTest::newRow("escapes and raw bytes")
        << QByteArray("\\\\\\t\\n\\r\x01\xff\t\"quoted\"") << QByteArray("\\\\\\t\\n\\r\x01\xff\t\"quoted\"\t\t\t\t\t\t\t\n");
    QTest::newRow("nine fields") << QByteArray("n\td\ta\tf\ts\tj\tp\tr\tSong\n") << QByteArray("n\td\ta\tf\ts\tj\tp\tr\tSong\n");
    // Lists from everyday editors: stored as single bytes, so "crème" keeps five letters.
    const QByteArray empty7 = "\t\t\t\t\t\t\t";
    QTest::newRow("UTF-8") << QByteArray("cr\xC3\xA8me\tcream\n") << "cr\xE8me\tcream" + empty7 + "\n";
    QTest::newRow("UTF-8 with a byte-order mark and CRLF")
        << QByteArray("\xEF\xBB\xBF\xE2\x82\xACuro\r\nna\xC3\xAFve\r\n") << "\x80uro" + empty8 + "\nna\xEFve" + empty8 + "\n";
    QTest::newRow("Windows-1252") << QByteArray("cr\xE8me\tcream\n") << "cr\xE8me\tcream" + empty7 + "\n";
    QTest::newRow("CRLF line ends") << QByteArray("word\r\nb\r\n") << "word" + empty8 + "\nb" + empty8 + "\n";
}

void KbaseToolTest::buildAccepts()
{
    QFETCH(QByteArray, tsv);
    QFETCH(QByteArray, dump);
    const QString in = m_dir.filePath(QStringLiteral("accept.tsv"));
    const QString out = m_dir.filePath(QStringLiteral("accept.dic"));
    writeFile(in, tsv);
    const Run build = runTool({"build", in, out});
    QCOMPARE(build.err, QByteArray());
    QCOMPARE(build.code, 0);
    const Run run = runTool({"dump", out});
    QCOMPARE(run.out, dump);
    QCOMPARE(run.code, 0);
}

void KbaseToolTest::buildRefuses_data()
{
    QTest::addColumn<QByteArray>("tsv");
    QTest::addColumn<QByteArray>("message"); // start of the error line
    const QByteArray good = "word\tdefinition\n";
    QTest::newRow("ten fields") << good + "n\td\ta\tf\ts\tj\tp\tr\tCity\textra\n" << QByteArray("line 2: ");
    QTest::newRow("unknown attribute") << good + good + "x\t\t\t\t\t\t\t\tCity,Puddle\n" << QByteArray("line 3: ");
    QTest::newRow("empty attribute name") << "x\t\t\t\t\t\t\t\tCity,\n" + good << QByteArray("line 1: ");
    QTest::newRow("bad escape") << good + "a\\qb\n" << QByteArray("line 2: ");
    QTest::newRow("escaped digit") << good + "x\t\\0\n" << QByteArray("line 2: ");
    QTest::newRow("lone backslash at end of line") << good + good + good + "abc\\" << QByteArray("line 4: ");
    QTest::newRow("lone backslash before a tab") << QByteArray("abc\\\tdef\n") << QByteArray("line 1: ");
    QTest::newRow("CR line end") << QByteArray("word\r") << QByteArray("line 1: ");
    QTest::newRow("character outside Windows-1252") << good + "\xC5\x91z\n" << QByteArray("line 2: \"\xC5\x91\" (U+0151)");
    QTest::newRow("not UTF-8 after a byte-order mark") << "\xEF\xBB\xBF" + good + "caf\xE9\n" << QByteArray("line 2: ");
    QTest::newRow("raw carriage return inside") << good + "a\rb\n" << QByteArray("line 2: ");
    QTest::newRow("error on line 7") << good.repeated(6) + "\\x" << QByteArray("line 7: ");
}

void KbaseToolTest::buildRefuses()
{
    QFETCH(QByteArray, tsv);
    QFETCH(QByteArray, message);
    const QString in = m_dir.filePath(QStringLiteral("refuse.tsv"));
    const QString out = m_dir.filePath(QStringLiteral("refuse.dic"));
    writeFile(in, tsv);

    QFile::remove(out);
    Run run = runTool({"build", in, out});
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.startsWith(message), run.err.constData());
    QVERIFY(run.err.endsWith('\n'));
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(out));

    // An existing output is left as it was, and no temporary file remains.
    writeFile(out, "old contents");
    run = runTool({"build", in, out});
    QCOMPARE(run.code, 1);
    QCOMPARE(readFile(out), QByteArray("old contents"));
    QCOMPARE(QDir(m_dir.path()).entryList({"refuse*"}, QDir::Files).size(), 2);
}

void KbaseToolTest::buildWritesTheFormat()
{
    const QString in = m_dir.filePath(QStringLiteral("format.tsv"));
    const QString out = m_dir.filePath(QStringLiteral("format.dic"));
    // 255 bytes is still a short text, 256 a long one; windows are written by
    // the names of ordinals 0..31 and empty windows are left out.
    writeFile(in, QByteArray(255, 'a') + "\t" + QByteArray(256, 'b') + "\t\t\t\t\t\t\tLastName,DealsWith,User28\n");
    QCOMPARE(runTool({"build", in, out}).code, 0);
    const QByteArray file = readFile(out);
    QVERIFY(file.startsWith("TPF0"));
    QVERIFY(file.contains(QByteArray("\x01n\x06\xff", 4) + QByteArray(255, 'a')));
    QVERIFY(file.contains(QByteArray("\x01" "d\x0c\x00\x01\x00\x00", 7) + QByteArray(256, 'b')));
    QVERIFY(file.contains(QByteArray("\x02" "a2\x0b\x04" "City\x00", 10)));
    QVERIFY(file.contains(QByteArray("\x02" "a4\x0b\x04" "City\x07" "Attr032\x00", 18)));
    QVERIFY(!file.contains("a1"));
    QVERIFY(!file.contains("a3"));
    QVERIFY(!file.contains("LastName"));

    tZRVDictionary store;
    store.LoadFromFile(out);
    QCOMPARE(store.Items().Count(), 1);
    QVERIFY(store.Items()[0].hasAttribute(TKbiAttribute::LastName));
    QVERIFY(store.Items()[0].hasAttribute(TKbiAttribute::DealsWith));
    QVERIFY(store.Items()[0].hasAttribute(TKbiAttribute::User28));
}

void KbaseToolTest::buildFileErrors()
{
    const QString in = m_dir.filePath(QStringLiteral("ok.tsv"));
    writeFile(in, "word\n");
    Run run = runTool({"build", m_dir.filePath("absent.tsv"), m_dir.filePath("absent.dic")});
    QCOMPARE(run.code, 1);
    QVERIFY(!run.err.isEmpty());
    QVERIFY(!QFile::exists(m_dir.filePath("absent.dic")));
    run = runTool({"build", in, m_dir.filePath("no/such/folder/x.dic")});
    QCOMPARE(run.code, 1);
    QVERIFY(run.err.startsWith("Unable to write to "));
}

void KbaseToolTest::roundTripOfGeneratedEntries()
{
    QRandomGenerator random(20261207);
    struct Entry
    {
        QByteArray texts[8];
        QList<int> attributes;
    };
    QList<Entry> entries;
    const auto randomText = [&random](int length) {
        QByteArray text(length, Qt::Uninitialized);
        for (char &c : text)
            c = char(random.bounded(256));
        return text;
    };
    for (int i = 0; i < 1500; ++i) {
        Entry e;
        for (int t = 0; t < 8; ++t) {
            const int kind = random.bounded(10);
            e.texts[t] = randomText(kind < 3 ? 0 : kind < 9 ? random.bounded(1, 40) : random.bounded(250, 300));
        }
        for (int k = 0; k < KbiAttributeCount; ++k) {
            if (k == i % KbiAttributeCount || random.bounded(40) == 0)
                e.attributes.append(k);
        }
        entries.append(e);
    }
    entries[7].texts[0] = randomText(70000); // past 16 bits of length
    entries[8].texts[1] = QByteArray(255, '\\');
    entries[9].texts[7] = QByteArray("\t\n\r\\") + QByteArray(1, '\0');

    QByteArray tsv;
    for (const Entry &e : entries) {
        for (const QByteArray &text : e.texts)
            tsv += escaped(text) + '\t';
        QByteArrayList names;
        for (int k : e.attributes)
            names.append(attributeName(TKbiAttribute(k)).toLatin1());
        tsv += names.join(',') + '\n';
    }
    const QString in = m_dir.filePath(QStringLiteral("many.tsv"));
    const QString out = m_dir.filePath(QStringLiteral("many.dic"));
    writeFile(in, tsv);
    const Run build = runTool({"build", in, out});
    QCOMPARE(build.err, QByteArray());
    QCOMPARE(build.code, 0);
    const Run dump = runTool({"dump", out});
    QCOMPARE(dump.code, 0);
    QCOMPARE(dump.err, QByteArray());
    QVERIFY(dump.out == tsv);

    // The game's store sees exactly the generated entries.
    tZRVDictionary store;
    store.LoadFromFile(out);
    QCOMPARE(store.Items().Count(), int(entries.size()));
    for (int i = 0; i < store.Items().Count(); ++i) {
        const TKbItem &item = store.Items()[i];
        for (int t = 0; t < 8; ++t)
            QVERIFY(item.text(TKbItem::Text(t)) == entries[i].texts[t]);
        for (int k = 0; k < KbiAttributeCount; ++k)
            QCOMPARE(item.hasAttribute(TKbiAttribute(k)), entries[i].attributes.contains(k));
    }
}

QTEST_GUILESS_MAIN(KbaseToolTest)
#include "kbase_tool_test.moc"
