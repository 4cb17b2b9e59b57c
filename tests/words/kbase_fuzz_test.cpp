// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the dictionary reader truncated and randomly mutated copies of a
// valid file: each load must end cleanly or with the load error, and every
// entry it leaves must be readable (the sanitized build checks the views).

#include "support/error_of.h"
#include "support/kb_stream.h"
#include "words/kbase.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

QByteArray sampleFile()
{
    KbStream s = KbStream::header("Dictionary1");
    s.prop("QuickDestroy").ident("True").prop("Tag").int16(-2).prop("Left").int8(8).prop("Top").int32(300);
    s.beginItems();
    s.int8(0).beginItem().prop("n").text("apple").prop("d").text("a fruit").prop("a1").set({"Food", "City"}).end();
    s.int16(1).beginItem().prop("N").longText(QByteArray(300, 'w')).prop("r").text("r").prop("a4").set({"Attr032"}).end();
    s.int32(2).beginItem().prop("d").text("only a definition").prop("a2").set({"lastname", "Lake"}).end();
    for (int i = 0; i < 12; ++i) {
        s.beginItem().prop("n").text("word" + QByteArray::number(i)).prop("d").text(QByteArray(i * 7, 'd'));
        s.prop("a").text("a").prop("f").text("f").prop("s").text("s").prop("j").text("j").prop("p").text("p");
        s.prop("a3").set({"River", "Island"}).prop("n").longText("again").end();
    }
    s.endItems();
    return s.bytes();
}

// Reads everything a load left behind, so a bad view would be touched.
quint64 checksum(const tZRVDictionary &store)
{
    quint64 sum = quint64(store.Items().Count()) + quint64(store.Tag()) + (store.QuickDestroy() ? 1 : 0);
    for (int i = 0; i < store.Items().Count(); ++i) {
        const TKbItem &item = store.Items()[i];
        for (int t = 0; t < TKbItem::TextCount; ++t) {
            for (char c : item.text(TKbItem::Text(t)))
                sum = sum * 31 + quint8(c);
        }
        for (int w = 1; w <= 4; ++w)
            sum ^= item.window(w);
    }
    return sum;
}

} // namespace

class KbaseFuzzTest : public QObject
{
    Q_OBJECT

private slots:
    void mutatedFiles_data();
    void mutatedFiles();
};

void KbaseFuzzTest::mutatedFiles_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("rounds");
    QTest::newRow("seed 1") << 1u << 12000;
    QTest::newRow("seed 2") << 2u << 12000;
    QTest::newRow("seed 3") << 3u << 12000;
}

void KbaseFuzzTest::mutatedFiles()
{
    QFETCH(quint32, seed);
    QFETCH(int, rounds);
    const QByteArray original = sampleFile();
    {
        tZRVDictionary store;
        store.LoadFromData(original);
        QCOMPARE(store.Items().Count(), 15);
    }
    QRandomGenerator random(seed);
    static const quint8 interesting[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 18, 19, 0x7f, 0x80, 0xf0, 0xf2, 0xff};
    int loaded = 0;
    int failed = 0;
    quint64 sum = 0;
    tZRVDictionary store; // reused, as the game reuses its one store
    for (int round = 0; round < rounds; ++round) {
        QByteArray file = original;
        const int edits = 1 + int(random.bounded(4));
        for (int e = 0; e < edits && !file.isEmpty(); ++e) {
            const qsizetype at = random.bounded(int(file.size()));
            switch (random.bounded(7)) {
            case 0: file[at] = char(quint8(file[at]) ^ (1u << random.bounded(8))); break;
            case 1: file[at] = char(random.bounded(256)); break;
            case 2: file[at] = char(interesting[random.bounded(int(sizeof interesting))]); break;
            case 3: file.insert(at, QByteArray(1 + random.bounded(8), char(random.bounded(256)))); break;
            case 4: file.remove(at, 1 + random.bounded(16)); break;
            case 5: file.insert(at, file.mid(random.bounded(int(file.size())), 1 + random.bounded(40))); break;
            case 6: file.truncate(at); break;
            }
        }
        if (round % 50 == 0) // now and then, noise after the signature
            file = "TPF0" + QByteArray::fromRawData(reinterpret_cast<const char *>(&sum), sizeof sum).repeated(4);
        const QString error = errorOf([&] { store.LoadFromData(file); });
        if (error != NoError)
            QCOMPARE(error, QStringLiteral("Unable to load the Knowledge Base"));
        ++(error == NoError ? loaded : failed);
        sum += checksum(store);
    }
    // Both outcomes occur, so the mutations reach past the first bytes.
    QVERIFY(loaded > rounds / 100);
    QVERIFY(failed > rounds / 10);
    qDebug("%d loaded, %d failed, checksum %llx", loaded, failed, static_cast<unsigned long long>(sum));
}

QTEST_APPLESS_MAIN(KbaseFuzzTest)
#include "kbase_fuzz_test.moc"
