// SPDX-License-Identifier: GPL-3.0-or-later
// The knowledge base store's own API: attribute names and windows, entry
// copying, the collection's index error and texts written after a load.

#include "support/error_of.h"
#include "support/kb_stream.h"
#include "words/kbase.h"

#include <QTest>

namespace {

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
    void textsWrittenAfterLoad();
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
    QCOMPARE(errorOf([&] { target.Assign(sourceClass.isEmpty() ? nullptr : &source); }),
             error.isEmpty() ? NoError : error);
    if (!error.isEmpty()) {
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
    first.LoadFromData(oneItem(p().prop("n").text("word").prop("d").text(definition).prop("a2").set({"Lake"})));
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

    first.LoadFromData(oneItem(p().prop("n").text("other")));
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
    QCOMPARE(errorOf([&] { store.Items()[index]; }), expected);
    const tZRVDictionary &constStore = store;
    QCOMPARE(errorOf([&] { constStore.Items()[index]; }), expected);
    QCOMPARE(store.Items()[2].n(), QByteArrayView("2"));
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

QTEST_APPLESS_MAIN(KbaseTest)
#include "kbase_test.moc"
