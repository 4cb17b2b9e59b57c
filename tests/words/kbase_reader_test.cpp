// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary file reader: every rule of the component stream, the value
// types each property takes or refuses, faults and what they leave behind.

#include "support/error_of.h"
#include "support/kb_stream.h"
#include "words/kbase.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray LoadError = "Unable to load the Knowledge Base";

} // namespace

class KbaseReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void refusedValueTypes_data();
    void refusedValueTypes();
    void storeProperties_data();
    void storeProperties();
    void truncationAtEveryOffset();
    void loadFromFileErrors();
    void secondLoadReplacesFirst();
    void loadOwnsItsBytes();
};

void KbaseReaderTest::load_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("entries"); // dump of the store after the load

    const auto entry = [](const KbStream &properties) { return oneItem(properties.bytes()); };

    QTest::newRow("empty collection") << KbStream::header().beginItems().endItems().bytes() << true << QByteArray();
    QTest::newRow("no Items property") << KbStream::header().endStore().bytes() << true << QByteArray();
    QTest::newRow("long n, short d") << entry(p().prop("n").longText("apple").prop("d").text("fruit")) << true
                                     << line("apple", "fruit");
    QTest::newRow("empty long text") << entry(p().prop("n").longText("")) << true << line("");
    QTest::newRow("names in capitals")
        << KbStream::header().prop("ITEMS").byte(14).beginItem().prop("N").text("w").prop("D").text("x").end()
               .endItems().bytes()
        << true << line("w", "x");
    QTest::newRow("names in mixed case")
        << KbStream::header().prop("iTeMs").byte(14).beginItem().prop("A1").set({"city"}).end().endItems().bytes()
        << true << line("", "", "City");
    QTest::newRow("all texts in published order")
        << entry(p().prop("n").text("n").prop("d").text("d").prop("a").text("a").prop("f").text("f")
                     .prop("s").text("s").prop("j").text("j").prop("p").text("p").prop("r").text("r"))
        << true << QByteArray("n\td\ta\tf\ts\tj\tp\tr\t\n");
    QTest::newRow("texts in any order")
        << entry(p().prop("r").text("r").prop("n").text("n").prop("P").text("p").prop("d").text("d"))
        << true << QByteArray("n\td\t\t\t\t\tp\tr\t\n");
    QTest::newRow("texts are raw bytes")
        << entry(p().prop("n").text(QByteArray("\x00\xff\t\\\n", 5))) << true
        << QByteArray("\x00\xff\\t\\\\\\n\t\t\t\t\t\t\t\t\n", 17);

    // Sets: each window names its bits by the names of ordinals 0..31.
    QTest::newRow("a1 LastName sets nothing") << entry(p().prop("a1").set({"LastName"})) << true << line("");
    QTest::newRow("a4 City is DealsWith") << entry(p().prop("a4").set({"City"})) << true
                                          << line("", "", "DealsWith");
    QTest::newRow("a2 City Country") << entry(p().prop("a2").set({"City", "Country"})) << true
                                     << line("", "", "LastName,FamousFor");
    QTest::newRow("a2 LastName sets nothing") << entry(p().prop("a2").set({"LastName", "User28"})) << true << line("");
    QTest::newRow("a3 Attr032 is Terminology") << entry(p().prop("a3").set({"attr032"})) << true
                                               << line("", "", "Terminology");
    QTest::newRow("a4 whole window")
        << entry(p().prop("a4").set({"City", "Attr032", "Continent"})) << true
        << line("", "", "DealsWith,User17,User28");
    QTest::newRow("empty set") << entry(p().prop("a3").set({})) << true << line("");
    QTest::newRow("element repeated") << entry(p().prop("a1").set({"Lake", "LAKE", "lake"})) << true
                                      << line("", "", "Lake");
    QTest::newRow("unknown attribute") << entry(p().prop("n").text("kept").prop("a1").set({"Lake", "Puddle"}))
                                       << false << line("kept");
    QTest::newRow("attribute with trailing blank") << entry(p().prop("a1").set({"Lake "})) << false << line("");
    QTest::newRow("set cut before its end") << KbStream::header().beginItems().beginItem().prop("a1").byte(11)
                                                   .shortString("Lake").bytes()
                                            << false << line("");

    // Duplicates: the later value wins, a window is replaced as a whole.
    QTest::newRow("n twice") << entry(p().prop("n").text("first").prop("N").longText("second")) << true
                             << line("second");
    QTest::newRow("a1 twice") << entry(p().prop("a1").set({"City", "Lake"}).prop("a1").set({"River"})) << true
                              << line("", "", "River");
    QTest::newRow("Items twice")
        << KbStream::header().beginItems().beginItem().prop("n").text("old").end().end()
               .beginItems().beginItem().prop("n").text("new").end().endItems().bytes()
        << true << line("new");
    QTest::newRow("empty Items after Items")
        << KbStream::header().beginItems().beginItem().prop("n").text("old").end().end().beginItems().endItems()
               .bytes()
        << true << QByteArray();

    // Item indices of any integer type before the list start.
    QTest::newRow("item indices")
        << KbStream::header().beginItems().int8(0).beginItem().prop("n").text("a").end()
               .int16(1000).beginItem().prop("n").text("b").end()
               .int32(-70000).beginItem().prop("n").text("c").end()
               .beginItem().prop("n").text("d").end().endItems().bytes()
        << true << line("a") + line("b") + line("c") + line("d");
    QTest::newRow("index of text type")
        << KbStream::header().beginItems().beginItem().end().text("0").beginItem().end().endItems().bytes()
        << false << line("");
    QTest::newRow("index without list start")
        << KbStream::header().beginItems().beginItem().end().int8(1).int8(2).beginItem().end().endItems().bytes()
        << false << line("");
    QTest::newRow("item not a list")
        << KbStream::header().beginItems().text("x").endItems().bytes() << false << QByteArray();

    // Signature, prefix and names.
    QTest::newRow("wrong signature") << QByteArray("TPF1") + entry(p()).mid(4) << false << QByteArray();
    QTest::newRow("signature only") << QByteArray("TPF0") << false << QByteArray();
    QTest::newRow("empty file") << QByteArray() << false << QByteArray();
    const QByteArray body = entry(p().prop("n").text("w")).mid(4);
    QTest::newRow("prefix F0") << QByteArray("TPF0\xf0") + body << true << line("w");
    QTest::newRow("prefix FF without position") << QByteArray("TPF0\xfd") + body << true << line("w");
    QTest::newRow("prefix with int8 position") << QByteArray("TPF0\xf2\x02\x05") + body << true << line("w");
    QTest::newRow("prefix with int16 position") << QByteArray("TPF0\xf2\x03\x05\x01") + body << true << line("w");
    QTest::newRow("prefix with int32 position") << QByteArray("TPF0\xf6\x04\x05\x01\x00\x00", 10) + body << true
                                                << line("w");
    QTest::newRow("prefix with text position") << QByteArray("TPF0\xf2\x06\x01x") + body << false << QByteArray();
    QTest::newRow("prefix missing its position") << QByteArray("TPF0\xf2") + body << false << QByteArray();
    QTest::newRow("byte below F0 is a class name length") << QByteArray("TPF0\xef") + body << false << QByteArray();
    for (const char *name : {"Dict1", "_", "_a9", "z"})
        QTest::addRow("object name %s", name) << entry(p()).replace(4 + 15, 1, QByteArray(1, char(qstrlen(name))) + name)
                                               << true << line("");
    for (const char *name : {"1abc", "a-b", "a b", "\xe9t\xe9", "a.b"})
        QTest::addRow("object name %s refused", name)
            << entry(p()).replace(4 + 15, 1, QByteArray(1, char(qstrlen(name))) + name) << false << QByteArray();
    QTest::newRow("any class name") << KbStream::header("", "").beginItems().endItems().bytes() << true << QByteArray();

    // Entry and store property names the objects do not have.
    for (const char *name : {"x", "a0", "a5", "nn", "a12", "Name", "Items"})
        QTest::addRow("entry property %s", name) << entry(p().prop("n").text("kept").prop(name).text("v")) << false
                                                  << line("kept");
    for (const char *name : {"Name", "Item", "Itemsx", "Quick", "Width", "n"})
        QTest::addRow("store property %s", name) << KbStream::header().prop(name).int8(1).endStore().bytes() << false
                                                  << QByteArray();

    // Long texts: a length is checked against the bytes left before use.
    QTest::newRow("long text longer than the file")
        << KbStream::header().beginItems().beginItem().prop("n").text("kept").prop("d").byte(12).le32(0x7fffffff)
               .raw("abc").bytes()
        << false << line("kept");
    QTest::newRow("long text negative length")
        << KbStream::header().beginItems().beginItem().prop("d").byte(12).le32(0xffffffff).raw("abc").bytes()
        << false << line("");
    QTest::newRow("short text longer than the file")
        << KbStream::header().beginItems().beginItem().prop("d").byte(6).byte(200).raw("abc").bytes() << false
        << line("");

    // Faults keep the entries completed or begun before them.
    QTest::newRow("fault in third entry")
        << KbStream::header().beginItems().beginItem().prop("n").text("one").end()
               .beginItem().prop("n").text("two").prop("a1").set({"Lake"}).end()
               .beginItem().prop("n").text("three").prop("d").byte(19).bytes()
        << false << line("one") + line("two", "", "Lake") + line("three");

    // The end of the object.
    QTest::newRow("child object") << KbStream::header().beginItems().end().end().byte(1).bytes() << false
                                  << QByteArray();
    QTest::newRow("missing end of children") << KbStream::header().beginItems().end().end().bytes() << false
                                             << QByteArray();
    QTest::newRow("trailing bytes accepted") << entry(p().prop("n").text("w")) + "TPF0\x01\x02\xff" << true
                                             << line("w");
}

void KbaseReaderTest::load()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, ok);
    QFETCH(QByteArray, entries);
    tZRVDictionary store;
    store.Items().Add().setN("stale");
    QCOMPARE(errorOf([&] { store.LoadFromData(file); }), ok ? NoError : QString::fromLatin1(LoadError));
    QCOMPARE(dumpOf(store), entries);
}

// Every type byte of the stream against every property: only the listed
// types load, everything else (the refused ones and unknown bytes) fails.

void KbaseReaderTest::refusedValueTypes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("ok");
    struct Property
    {
        const char *name;
        bool entry;
        QList<int> accepted;
    };
    const Property properties[] = {
        {"n", true, {6, 12}},     {"r", true, {6, 12}},          {"a1", true, {11}},       {"a4", true, {11}},
        {"Items", false, {14}},   {"QuickDestroy", false, {7, 8, 9}}, {"Tag", false, {2, 3, 4}},
        {"Left", false, {2, 3, 4}}, {"Top", false, {2, 3, 4}},
    };
    for (const Property &property : properties) {
        for (int type = 0; type <= 25; ++type) {
            // A well-formed payload for the accepted types; for the others
            // enough harmless bytes that only the type byte can fail.
            QByteArray value(1, char(type));
            switch (type) {
            case 2: value += QByteArray(1, 0); break;
            case 3: value += QByteArray(2, 0); break;
            case 4: value += QByteArray(4, 0); break;
            case 6: value += QByteArray(1, 0); break;
            case 7: value += "\x04true"; break;
            case 11: value += QByteArray("\x04Lake\0", 6); break;
            case 12: value += QByteArray(4, 0); break;
            case 14: value += QByteArray(1, 0); break;
            default: value += QByteArray(16, 0); break;
            }
            const bool ok = property.accepted.contains(type);
            QByteArray file;
            if (property.entry)
                file = oneItem(p().prop(property.name).bytes() + value);
            else
                file = KbStream::header().prop(property.name).raw(value).endStore().bytes();
            QTest::addRow("%s type %d", property.name, type) << file << ok;
        }
    }
}

void KbaseReaderTest::refusedValueTypes()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, ok);
    tZRVDictionary store;
    QCOMPARE(errorOf([&] { store.LoadFromData(file); }), ok ? NoError : QString::fromLatin1(LoadError));
}

void KbaseReaderTest::storeProperties_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("quickDestroy");
    QTest::addColumn<int>("tag");
    const auto store = [](const KbStream &properties) {
        return KbStream::header().raw(properties.bytes()).endStore().bytes();
    };
    QTest::newRow("none") << store(p()) << true << false << 0;
    QTest::newRow("True") << store(p().prop("QuickDestroy").byte(9)) << true << true << 0;
    QTest::newRow("False after True") << store(p().prop("QuickDestroy").byte(9).prop("quickdestroy").byte(8))
                                      << true << false << 0;
    QTest::newRow("identifier TRUE") << store(p().prop("QUICKDESTROY").ident("TRUE")) << true << true << 0;
    QTest::newRow("identifier tRuE") << store(p().prop("QuickDestroy").ident("tRuE")) << true << true << 0;
    QTest::newRow("identifier false") << store(p().prop("QuickDestroy").byte(9).prop("QuickDestroy").ident("false"))
                                      << true << false << 0;
    QTest::newRow("identifier yes") << store(p().prop("QuickDestroy").ident("yes")) << false << false << 0;
    QTest::newRow("identifier True1") << store(p().prop("QuickDestroy").ident("True1")) << false << false << 0;
    QTest::newRow("integer 1 refused") << store(p().prop("QuickDestroy").int8(1)) << false << false << 0;
    QTest::newRow("text True refused") << store(p().prop("QuickDestroy").text("True")) << false << false << 0;
    QTest::newRow("Tag int8") << store(p().prop("Tag").int8(-5)) << true << false << -5;
    QTest::newRow("Tag int16") << store(p().prop("tag").int16(-30000)) << true << false << -30000;
    QTest::newRow("Tag int32") << store(p().prop("TAG").int32(INT_MIN)) << true << false << INT_MIN;
    QTest::newRow("Tag later wins") << store(p().prop("Tag").int32(7).prop("Tag").int8(9)) << true << false << 9;
    QTest::newRow("Left and Top ignored") << store(p().prop("Left").int16(300).prop("TOP").int32(-1).prop("left").int8(1))
                                          << true << false << 0;
    QTest::newRow("Tag cut short") << KbStream::header().prop("Tag").byte(4).raw("ab").bytes() << false << false << 0;
    QTest::newRow("Tag kept before a later fault") << store(p().prop("Tag").int8(3).prop("Bad").int8(1)) << false
                                                   << false << 3;
}

void KbaseReaderTest::storeProperties()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, ok);
    QFETCH(bool, quickDestroy);
    QFETCH(int, tag);
    tZRVDictionary store;
    const QString error = errorOf([&] { store.LoadFromData(file); });
    QVERIFY2((error == NoError) == ok, qPrintable(error));
    QCOMPARE(store.QuickDestroy(), quickDestroy);
    QCOMPARE(store.Tag(), tag);
}

void KbaseReaderTest::truncationAtEveryOffset()
{
    KbStream s = KbStream::header("Dict");
    s.prop("QuickDestroy").byte(9).beginItems();
    s.beginItem().prop("n").text("one").prop("d").longText(QByteArray(300, 'x')).prop("a2").set({"City", "Lake"}).end();
    s.int16(1).beginItem().prop("n").text("two").prop("r").text("rr").end();
    s.beginItem().prop("n").text("three").prop("a1").set({"River"}).prop("d").text("last").end();
    s.endItems();
    const QByteArray file = s.bytes();
    tZRVDictionary full;
    full.LoadFromData(file);
    QCOMPARE(full.Items().Count(), 3);
    const QList<qsizetype> starts = s.itemStarts();

    for (qsizetype cut = 0; cut < file.size(); ++cut) {
        tZRVDictionary store;
        const QString error = errorOf([&] { store.LoadFromData(file.left(cut)); });
        QVERIFY2(error == QString::fromLatin1(LoadError),
                 qPrintable(QStringLiteral("cut at %1: %2").arg(cut).arg(error)));
        const int begun = int(std::count_if(starts.begin(), starts.end(), [cut](qsizetype at) { return at < cut; }));
        QCOMPARE(store.Items().Count(), begun);
        // Earlier entries are whole; the last one holds a subset of its values.
        for (int i = 0; i < begun; ++i) {
            const TKbItem &got = store.Items()[i];
            const TKbItem &want = full.Items()[i];
            for (int t = 0; t < TKbItem::TextCount; ++t) {
                const QByteArrayView g = got.text(TKbItem::Text(t));
                QVERIFY(g == want.text(TKbItem::Text(t)) || (i == begun - 1 && g.isEmpty()));
            }
            for (int w = 1; w <= 4; ++w)
                QVERIFY(got.window(w) == want.window(w) || (i == begun - 1 && got.window(w) == 0));
        }
    }
}

void KbaseReaderTest::loadFromFileErrors()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    tZRVDictionary store;
    const QString good = dir.filePath("good.dic");
    {
        QFile f(good);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(oneItem(p().prop("n").text("word")));
    }
    store.LoadFromFile(good);
    QCOMPARE(store.Items().Count(), 1);

    QCOMPARE(errorOf([&] { store.LoadFromFile(dir.filePath("missing.dic")); }),
             QStringLiteral("Unable to create stream"));
    QCOMPARE(store.Items().Count(), 0);

    store.LoadFromFile(good);
    const QString bad = dir.filePath("bad.dic");
    {
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("TPF0\x0e");
    }
    QCOMPARE(errorOf([&] { store.LoadFromFile(bad); }), QString::fromLatin1(LoadError));
    QCOMPARE(store.Items().Count(), 0);

    store.LoadFromFile(good);
    // A folder is not a file.
    QCOMPARE(errorOf([&] { store.LoadFromFile(dir.path()); }), QStringLiteral("Unable to create stream"));
    QCOMPARE(store.Items().Count(), 0);
}

void KbaseReaderTest::secondLoadReplacesFirst()
{
    tZRVDictionary store;
    store.LoadFromData(KbStream::header().beginItems().beginItem().prop("n").text("a").end()
                           .beginItem().prop("n").text("b").end().endItems());
    QCOMPARE(dumpOf(store), line("a") + line("b"));
    store.LoadFromData(oneItem(p().prop("n").text("c")));
    QCOMPARE(dumpOf(store), line("c"));
}

void KbaseReaderTest::loadOwnsItsBytes()
{
    QByteArray bytes = oneItem(p().prop("n").text("word"));
    tZRVDictionary store;
    store.LoadFromData(QByteArray::fromRawData(bytes.constData(), bytes.size()));
    bytes.fill('x');
    QCOMPARE(store.Items()[0].n(), QByteArrayView("word"));
}

QTEST_APPLESS_MAIN(KbaseReaderTest)
#include "kbase_reader_test.moc"
