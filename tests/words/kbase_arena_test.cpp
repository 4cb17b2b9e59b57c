// SPDX-License-Identifier: GPL-3.0-or-later
// A load refused midway keeps the entries it read, with their texts and
// attributes whole, but lets go of the file's bytes they no longer need; a file without the
// signature is refused before it is read.

#include "base/game_error.h"
#include "support/error_of.h"
#include "support/kb_stream.h"
#include "words/kbase.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class KbaseArenaTest : public QObject
{
    Q_OBJECT

private slots:
    void refusedMidway_data();
    void refusedMidway();
    void noSignatureIsNotRead();
};

void KbaseArenaTest::refusedMidway_data()
{
    QTest::addColumn<QByteArray>("fault"); // the bytes after 1000 good entries
    QTest::addColumn<QByteArray>("lastN");  // the last entry's n afterwards ("" = none begun)
    const QByteArray padding(200000, 'x');
    QTest::newRow("bad type between entries") << QByteArray("\x05") << QByteArray();
    QTest::newRow("inside an entry, after its n")
        << KbStream().beginItem().prop("n").text("half").prop("d").byte(99).bytes() << QByteArray("half");
    QTest::newRow("a long text cut short")
        << KbStream().beginItem().prop("n").text("cut").prop("d").byte(12).le32(1u << 30).raw(padding).bytes()
        << QByteArray("cut");
    QTest::newRow("a later value replaced, then a fault")
        << KbStream().beginItem().prop("n").text("old").prop("n").text("new").prop("q").bytes() << QByteArray("new");
}

void KbaseArenaTest::refusedMidway()
{
    QFETCH(QByteArray, fault);
    QFETCH(QByteArray, lastN);
    KbStream s = KbStream::header();
    s.beginItems();
    const QByteArray definition(150, 'd');
    // Every third entry is a city, every fifth a river too: sets sit in the
    // spans beside the texts, and must not be taken for texts when those move.
    for (int i = 0; i < 1000; ++i) {
        s.beginItem().prop("n").text("w" + QByteArray::number(i)).prop("d").longText(definition);
        if (i % 3 == 0)
            s.prop("a1").set({"City"});
        if (i % 5 == 0)
            s.prop("a3").set({"OceanSea"}).prop("a1").set({"City", "River"});
        s.end();
    }
    const QByteArray file = s.bytes() + fault + QByteArray(300000, '\x07'); // bytes never read
    tZRVDictionary store;
    QVERIFY_THROWS_EXCEPTION(GameError, store.LoadFromData(file));
    const int kept = lastN.isEmpty() ? 1000 : 1001;
    QCOMPARE(store.Items().Count(), kept);
    qsizetype texts = 0;
    for (int i = 0; i < 1000; ++i) {
        const TKbItem &item = store.Items()[i];
        QCOMPARE(item.n(), QByteArrayView("w" + QByteArray::number(i)));
        QCOMPARE(item.d(), QByteArrayView(definition));
        QCOMPARE(item.hasAttribute(TKbiAttribute::City), i % 3 == 0 || i % 5 == 0);
        QCOMPARE(item.hasAttribute(TKbiAttribute::River), i % 5 == 0);
        QCOMPARE(item.window(3), i % 5 == 0 ? 1u << 8 : 0u); // a window names its bits by ordinals 0..31
        texts += item.n().size() + item.d().size();
    }
    if (kept == 1001) {
        QCOMPARE(store.Items()[1000].n(), QByteArrayView(lastN));
        QVERIFY(store.Items()[1000].d().isEmpty());
        texts += lastN.size();
    }
    // The arena holds the kept texts and their spans, not the file.
    QVERIFY2(store.Items().loadedBytes() <= texts + 8 * 2 * kept + 4 * (334 + 200),
             qPrintable(QString::number(store.Items().loadedBytes())));
    // Entries written afterwards live on their own beside the kept ones.
    store.Items().Add().setN("added");
    QCOMPARE(store.Items()[kept].n(), QByteArrayView("added"));
    QCOMPARE(store.Items()[0].d(), QByteArrayView(definition));
    // A kept entry's attribute written afterwards leaves its other windows as loaded.
    TKbItem &fifteenth = store.Items()[15];
    fifteenth.setAttribute(TKbiAttribute::Lake);
    QCOMPARE(fifteenth.window(1), (1u << 0) | (1u << 7) | (1u << 6)); // City, River, Lake
    QCOMPARE(fifteenth.window(3), 1u << 8);
    QCOMPARE(fifteenth.n(), QByteArrayView("w15"));
}

void KbaseArenaTest::noSignatureIsNotRead()
{
    // A file named .dic that is something else entirely: refused after four bytes.
    QTemporaryDir dir;
    const QString path = dir.filePath("movie.dic");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(qint64(1) << 32)); // sparse: 4 GiB of nothing
    file.close();
    tZRVDictionary store;
    QCOMPARE(errorOf([&] { store.LoadFromFile(path); }), QStringLiteral("Unable to load the Knowledge Base"));
    QCOMPARE(store.Items().Count(), 0);
    QCOMPARE(store.Items().loadedBytes(), 0);
}

QTEST_APPLESS_MAIN(KbaseArenaTest)
#include "kbase_arena_test.moc"
