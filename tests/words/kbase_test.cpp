// The knowledge base store: attribute names and windows, entry copying, the
// collection's index error and every rule of the dictionary file reader.

#include "settings/game_error.h"
#include "support/kb_stream.h"
#include "words/kbase.h"
#include "words/kbase_tsv.h"
#include "words/kbase_writer.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray LoadError = "Unable to load the Knowledge Base";

QByteArray dumpOf(const tZRVDictionary &store)
{
    QByteArray out;
    for (int i = 0; i < store.Items().Count(); ++i)
        appendTsvLine(out, store.Items()[i]);
    return out;
}

// An expected dump line with only n, d and the attribute field.
QByteArray line(const QByteArray &n, const QByteArray &d = {}, const QByteArray &attributes = {})
{
    return n + '\t' + d + "\t\t\t\t\t\t\t" + attributes + '\n';
}

// A store holding one item whose properties are given as raw bytes.
QByteArray oneItem(const QByteArray &properties)
{
    return KbStream::header().beginItems().beginItem().raw(properties).end().endItems();
}

QByteArray props(const KbStream &s)
{
    return s.bytes();
}

KbStream p()
{
    return KbStream();
}

class TestItem : public TKbItem
{
public:
    explicit TestItem(QString name) : m_name(std::move(name)) {}
    QString className() const override { return m_name; }

private:
    QString m_name;
};

} // namespace

class KbaseTest : public QObject
{
    Q_OBJECT

private slots:
    void attributeNames();
    void attributeLookup_data();
    void attributeLookup();
    void attributeBitsAndWindows();
    void windowWriteLeavesOthers_data();
    void windowWriteLeavesOthers();
    void assign_data();
    void assign();
    void assignKeepsTextsAliveAfterSourceGoes();
    void listIndexError_data();
    void listIndexError();
    void load_data();
    void load();
    void refusedValueTypes_data();
    void refusedValueTypes();
    void storeProperties_data();
    void storeProperties();
    void truncationAtEveryOffset();
    void loadFromFileErrors();
    void secondLoadReplacesFirst();
    void textsWrittenAfterLoad();
    void loadOwnsItsBytes();
};

void KbaseTest::attributeNames()
{
    // The placeholders follow their rules: "Attr" + ordinal+1 in three digits,
    // "User" + ordinal-99 in two.
    const QList<int> placeholders = {21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 37, 38, 39, 45, 46, 47, 48,
                                     58, 59, 77, 78, 79, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90, 91, 92};
    for (int k : placeholders)
        QCOMPARE(attributeName(TKbiAttribute(k)), QStringLiteral("Attr%1").arg(k + 1, 3, 10, QLatin1Char('0')));
    for (int k = 100; k < 128; ++k)
        QCOMPARE(attributeName(TKbiAttribute(k)), QStringLiteral("User%1").arg(k - 99, 2, 10, QLatin1Char('0')));
    const QList<QPair<int, QString>> named = {
        {0, "City"},         {20, "Continent"},   {32, "LastName"},  {36, "Occupation"}, {40, "English"},
        {44, "Italian"},     {49, "BodyPart"},    {57, "Treatment"}, {60, "Song"},       {63, "Artwork"},
        {64, "TVShow"},      {76, "Composer"},    {80, "Species"},   {93, "Category"},   {95, "Terminology"},
        {96, "DealsWith"},   {99, "RelatedTo"},   {18, "GulfBayStrait"}, {17, "CapitalPS"}};
    for (const auto &[k, name] : named)
        QCOMPARE(attributeName(TKbiAttribute(k)), name);
    QSet<QString> distinct;
    for (int k = 0; k < KbiAttributeCount; ++k)
        distinct.insert(attributeName(TKbiAttribute(k)).toLower());
    QCOMPARE(distinct.size(), KbiAttributeCount);
}

void KbaseTest::attributeLookup_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("ordinal"); // -1: unknown
    QTest::newRow("exact") << QByteArray("City") << 0;
    QTest::newRow("lower") << QByteArray("gulfbaystrait") << 18;
    QTest::newRow("upper") << QByteArray("USER28") << 127;
    QTest::newRow("mixed placeholder") << QByteArray("aTTr093") << 92;
    QTest::newRow("tv show") << QByteArray("tvshow") << 64;
    QTest::newRow("empty") << QByteArray() << -1;
    QTest::newRow("trailing blank") << QByteArray("City ") << -1;
    QTest::newRow("prefix") << QByteArray("Cit") << -1;
    QTest::newRow("out of range placeholder") << QByteArray("User29") << -1;
    QTest::newRow("Attr001 is City's ordinal, not a name") << QByteArray("Attr001") << -1;
    QTest::newRow("latin-1 letter") << QByteArray("C\xcdty") << -1;
    QTest::newRow("embedded zero") << QByteArray("City\0", 5) << -1;
}

void KbaseTest::attributeLookup()
{
    QFETCH(QByteArray, name);
    QFETCH(int, ordinal);
    const std::optional<TKbiAttribute> found = attributeByName(name);
    QCOMPARE(found.has_value(), ordinal >= 0);
    if (found)
        QCOMPARE(int(*found), ordinal);
}

void KbaseTest::attributeBitsAndWindows()
{
    for (int k = 0; k < KbiAttributeCount; ++k) {
        TKbItem item;
        item.setAttribute(TKbiAttribute(k));
        const std::array<quint8, 16> set = item.attributeSet();
        for (int byte = 0; byte < 16; ++byte)
            QCOMPARE(set[byte], quint8(byte == k / 8 ? 1u << (k % 8) : 0));
        for (int w = 1; w <= 4; ++w)
            QCOMPARE(item.window(w), w == k / 32 + 1 ? 1u << (k % 32) : 0u);
        for (int other = 0; other < KbiAttributeCount; ++other)
            QCOMPARE(item.hasAttribute(TKbiAttribute(other)), other == k);
        item.setAttribute(TKbiAttribute(k), false);
        QCOMPARE(item.window(k / 32 + 1), 0u);
    }
    TKbItem item;
    item.setWindow(2, 0x80000001u);
    QVERIFY(item.hasAttribute(TKbiAttribute::LastName));
    QVERIFY(item.hasAttribute(TKbiAttribute::Artwork));
    QCOMPARE(item.attributeSet()[4], quint8(0x01));
    QCOMPARE(item.attributeSet()[7], quint8(0x80));
    std::array<quint8, 16> bytes{};
    bytes[12] = 0x01; // attribute 96
    bytes[15] = 0x80; // attribute 127
    item.setAttributeSet(bytes);
    QCOMPARE(item.window(4), 0x80000001u);
    QCOMPARE(item.window(2), 0u);
    QCOMPARE(item.window(0), 0u);
    QCOMPARE(item.window(5), 0u);
}

void KbaseTest::windowWriteLeavesOthers_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<quint32>("bits");
    for (int w = 1; w <= 4; ++w) {
        QTest::addRow("a%d cleared", w) << w << 0u;
        QTest::addRow("a%d filled", w) << w << 0xFFFFFFFFu;
        QTest::addRow("a%d pattern", w) << w << 0x12345678u;
    }
}

void KbaseTest::windowWriteLeavesOthers()
{
    QFETCH(int, window);
    QFETCH(quint32, bits);
    TKbItem item;
    const quint32 before[4] = {0xA5A5A5A5u, 0x0F0F0F0Fu, 0xDEADBEEFu, 0x80000001u};
    for (int w = 1; w <= 4; ++w)
        item.setWindow(w, before[w - 1]);
    item.setWindow(window, bits);
    for (int w = 1; w <= 4; ++w)
        QCOMPARE(item.window(w), w == window ? bits : before[w - 1]);
    item.setWindow(0, 0xFFFFFFFFu); // no such window: nothing changes
    item.setWindow(5, 0xFFFFFFFFu);
    for (int w = 1; w <= 4; ++w)
        QCOMPARE(item.window(w), w == window ? bits : before[w - 1]);
}

void KbaseTest::assign_data()
{
    QTest::addColumn<QString>("sourceClass"); // empty: no source
    QTest::addColumn<QString>("error");
    QTest::newRow("entry") << "TKbItem" << QString();
    QTest::newRow("design-time entry") << "TDesignKbItem" << QString();
    QTest::newRow("other class") << "TCollectionItem" << "Cannot assign a TCollectionItem to a TKbItem";
    QTest::newRow("case differs") << "tkbitem" << "Cannot assign a tkbitem to a TKbItem";
    QTest::newRow("nil") << QString() << "Cannot assign a nil to a TKbItem";
}

void KbaseTest::assign()
{
    QFETCH(QString, sourceClass);
    QFETCH(QString, error);
    TestItem source(sourceClass);
    source.setN("source word");
    source.setD("definition");
    source.setA("a");
    source.setF("f");
    source.setS("s");
    source.setJ("j");
    source.setP("p");
    source.setR(QByteArray(300, 'r'));
    for (int w = 1; w <= 4; ++w)
        source.setWindow(w, 0x01010101u * quint32(w));

    TKbItem target;
    target.setN("target word");
    target.setD("old");
    target.setWindow(3, 0xFFFFFFFFu);
    try {
        target.Assign(sourceClass.isEmpty() ? nullptr : &source);
        QVERIFY2(error.isEmpty(), "copy should have failed");
    } catch (const GameError &e) {
        QCOMPARE(e.message(), error);
        QCOMPARE(target.d(), QByteArrayView("old"));
        QCOMPARE(target.window(3), 0xFFFFFFFFu);
        return;
    }
    QCOMPARE(target.n(), QByteArrayView("target word")); // the word is never copied
    for (int t = TKbItem::D; t < TKbItem::TextCount; ++t)
        QCOMPARE(target.text(TKbItem::Text(t)), source.text(TKbItem::Text(t)));
    QCOMPARE(target.attributeSet(), source.attributeSet());
    // The copy is independent of later changes to the source.
    source.setD("changed");
    source.setWindow(1, 0);
    QCOMPARE(target.d(), QByteArrayView("definition"));
    QCOMPARE(target.window(1), 0x01010101u);
}

void KbaseTest::assignKeepsTextsAliveAfterSourceGoes()
{
    const QByteArray definition = "a definition that lives in the load buffer";
    tZRVDictionary first;
    first.LoadFromData(oneItem(props(p().prop("n").text("word").prop("d").text(definition).prop("a2").set({"Lake"}))));
    first.Items().Add();
    TKbItem freeStanding;
    tZRVDictionary second;
    TKbItem &other = second.Items().Add();
    freeStanding.Assign(&first.Items()[0]);
    other.Assign(&first.Items()[0]);
    first.Items()[1].Assign(&first.Items()[0]);
    first.Items()[0].setD("changed");
    QCOMPARE(first.Items()[1].d(), QByteArrayView(definition));
    QVERIFY(first.Items()[1].hasAttribute(TKbiAttribute::Attr039));

    first.LoadFromData(oneItem(props(p().prop("n").text("other"))));
    QCOMPARE(freeStanding.d(), QByteArrayView(definition));
    QCOMPARE(other.d(), QByteArrayView(definition));
    QVERIFY(other.hasAttribute(TKbiAttribute::Attr039));
    QVERIFY(other.n().isEmpty());
}

void KbaseTest::listIndexError_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("count") << 3;
    QTest::newRow("beyond") << 5;
    QTest::newRow("negative") << -1;
    QTest::newRow("most negative") << INT_MIN;
}

void KbaseTest::listIndexError()
{
    QFETCH(int, index);
    tZRVDictionary store;
    for (int i = 0; i < 3; ++i)
        store.Items().Add().setN(QByteArray::number(i));
    const QString expected = QStringLiteral("List index out of bounds (%1)").arg(index);
    try {
        store.Items()[index];
        QFAIL("no error");
    } catch (const GameError &e) {
        QCOMPARE(e.message(), expected);
    }
    const tZRVDictionary &constStore = store;
    try {
        constStore.Items()[index];
        QFAIL("no error");
    } catch (const GameError &e) {
        QCOMPARE(e.message(), expected);
    }
    QCOMPARE(store.Items()[2].n(), QByteArrayView("2"));
}

void KbaseTest::load_data()
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

void KbaseTest::load()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, ok);
    QFETCH(QByteArray, entries);
    tZRVDictionary store;
    store.Items().Add().setN("stale");
    try {
        store.LoadFromData(file);
        QVERIFY2(ok, "load should have failed");
    } catch (const GameError &e) {
        QVERIFY2(!ok, qPrintable(e.message()));
        QCOMPARE(e.message(), QString::fromLatin1(LoadError));
    }
    QCOMPARE(dumpOf(store), entries);
}

// Every type byte of the stream against every property: only the listed
// types load, everything else (the refused ones and unknown bytes) fails.
void KbaseTest::refusedValueTypes_data()
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

void KbaseTest::refusedValueTypes()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, ok);
    tZRVDictionary store;
    try {
        store.LoadFromData(file);
        QVERIFY2(ok, "load should have failed");
    } catch (const GameError &e) {
        QVERIFY2(!ok, qPrintable(e.message()));
        QCOMPARE(e.message(), QString::fromLatin1(LoadError));
    }
}

void KbaseTest::storeProperties_data()
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

void KbaseTest::storeProperties()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, ok);
    QFETCH(bool, quickDestroy);
    QFETCH(int, tag);
    tZRVDictionary store;
    try {
        store.LoadFromData(file);
        QVERIFY(ok);
    } catch (const GameError &e) {
        QVERIFY2(!ok, qPrintable(e.message()));
    }
    QCOMPARE(store.QuickDestroy(), quickDestroy);
    QCOMPARE(store.Tag(), tag);
}

void KbaseTest::truncationAtEveryOffset()
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
        try {
            store.LoadFromData(file.left(cut));
            QFAIL(qPrintable(QStringLiteral("cut at %1 loaded").arg(cut)));
        } catch (const GameError &e) {
            QCOMPARE(e.message(), QString::fromLatin1(LoadError));
        }
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

void KbaseTest::loadFromFileErrors()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    tZRVDictionary store;
    const QString good = dir.filePath("good.dic");
    {
        QFile f(good);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(oneItem(props(p().prop("n").text("word"))));
    }
    store.LoadFromFile(good);
    QCOMPARE(store.Items().Count(), 1);

    try {
        store.LoadFromFile(dir.filePath("missing.dic"));
        QFAIL("no error");
    } catch (const GameError &e) {
        QCOMPARE(e.message(), QStringLiteral("Unable to create stream"));
    }
    QCOMPARE(store.Items().Count(), 0);

    store.LoadFromFile(good);
    const QString bad = dir.filePath("bad.dic");
    {
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("TPF0\x0e");
    }
    try {
        store.LoadFromFile(bad);
        QFAIL("no error");
    } catch (const GameError &e) {
        QCOMPARE(e.message(), QString::fromLatin1(LoadError));
    }
    QCOMPARE(store.Items().Count(), 0);

    store.LoadFromFile(good);
    try {
        store.LoadFromFile(dir.path()); // a folder is not a file
        QFAIL("no error");
    } catch (const GameError &e) {
        QCOMPARE(e.message(), QStringLiteral("Unable to create stream"));
    }
    QCOMPARE(store.Items().Count(), 0);
}

void KbaseTest::secondLoadReplacesFirst()
{
    tZRVDictionary store;
    store.LoadFromData(KbStream::header().beginItems().beginItem().prop("n").text("a").end()
                           .beginItem().prop("n").text("b").end().endItems());
    QCOMPARE(dumpOf(store), line("a") + line("b"));
    store.LoadFromData(oneItem(props(p().prop("n").text("c"))));
    QCOMPARE(dumpOf(store), line("c"));
}

void KbaseTest::textsWrittenAfterLoad()
{
    tZRVDictionary store;
    store.LoadFromData(KbStream::header().beginItems().beginItem().prop("n").text("a").prop("d").text("def").end()
                           .endItems());
    TKbItem &item = store.Items()[0];
    item.setN("changed");
    item.setR(QByteArray(70000, 'r'));
    item.setWindow(3, 1);
    TKbItem &added = store.Items().Add();
    added.setN("added");
    QCOMPARE(dumpOf(store), "changed\tdef\t\t\t\t\t\t" + QByteArray(70000, 'r') + "\tTVShow\n" + line("added"));
    // References stay valid while entries are added.
    const TKbItem *first = &store.Items()[0];
    QList<const TKbItem *> addresses;
    for (int i = 2; i < 10000; ++i) {
        TKbItem &item = store.Items().Add();
        item.setN(QByteArray::number(i));
        addresses.append(&item);
    }
    QCOMPARE(&store.Items()[0], first);
    for (int i = 2; i < 10000; ++i) {
        QCOMPARE(&store.Items()[i], addresses[i - 2]);
        QCOMPARE(store.Items()[i].n(), QByteArrayView(QByteArray::number(i)));
    }
    store.Items().Clear();
    QCOMPARE(store.Items().Count(), 0);
}

void KbaseTest::loadOwnsItsBytes()
{
    QByteArray bytes = oneItem(props(p().prop("n").text("word")));
    tZRVDictionary store;
    store.LoadFromData(QByteArray::fromRawData(bytes.constData(), bytes.size()));
    bytes.fill('x');
    QCOMPARE(store.Items()[0].n(), QByteArrayView("word"));
}

QTEST_APPLESS_MAIN(KbaseTest)
#include "kbase_test.moc"
