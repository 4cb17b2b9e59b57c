// SPDX-License-Identifier: GPL-3.0-or-later
// Dictionary loads under memory pressure: a file of millions of tiny entries
// is refused within its budget, and running out of memory is a load error.

#include "base/game_error.h"
#include "support/error_of.h"
#include "support/kb_stream.h"
#include "words/kbase.h"
#include "words/kbase_reader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <new>

namespace {

// Armed, every operator new of at least g_failFrom bytes fails.
bool g_armed = false;
std::size_t g_failFrom = 0;

QByteArray entry(const QByteArray &n = {}, const QByteArray &d = {})
{
    KbStream s;
    s.beginItem();
    if (!n.isEmpty())
        s.prop("n").text(n);
    if (!d.isEmpty())
        s.prop("d").text(d);
    return s.end();
}

QByteArray emptyEntries(int count, const QByteArray &item)
{
    KbStream s = KbStream::header();
    s.beginItems();
    QByteArray bytes = s.bytes();
    bytes.reserve(bytes.size() + qsizetype(count) * item.size() + 8);
    for (int i = 0; i < count; ++i)
        bytes += item;
    return bytes + QByteArray(3, '\0');
}

} // namespace

void *operator new(std::size_t size)
{
    if (g_armed && size >= g_failFrom)
        throw std::bad_alloc();
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept
{
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

class KbaseMemoryTest : public QObject
{
    Q_OBJECT

private slots:
    void tinyEntriesStayWithinBudget_data();
    void tinyEntriesStayWithinBudget();
    void outOfMemoryIsALoadError_data();
    void outOfMemoryIsALoadError();
};

void KbaseMemoryTest::tinyEntriesStayWithinBudget_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("item");
    QTest::addColumn<bool>("loads");
    QTest::newRow("a million empty entries") << 1000000 << entry() << false;
    // An entry takes three machine words: short words fit their budget.
    QTest::newRow("half a million short words") << 500000 << entry("cat") << true;
    QTest::newRow("40,000 short words") << 40000 << entry("cat") << true;
    QTest::newRow("50,000 defined words")
        << 50000 << entry("cat", "a small domesticated carnivore") << true;
}

void KbaseMemoryTest::tinyEntriesStayWithinBudget()
{
    QFETCH(int, count);
    QFETCH(QByteArray, item);
    QFETCH(bool, loads);
    const QByteArray file = emptyEntries(count, item);
    tZRVDictionary store;
    const QString error = errorOf([&] { store.LoadFromData(file); });
    QCOMPARE(error == NoError, loads);
    if (!loads) {
        QCOMPARE(error, QStringLiteral("Unable to load the Knowledge Base"));
        QVERIFY(store.Items().Count() > 0); // what was read before the refusal stays
    } else {
        QCOMPARE(store.Items().Count(), count);
    }
    // Entries take whole blocks: count what the largest could hold.
    const quint64 capacity = std::bit_ceil(quint64(store.Items().Count()) + 64);
    QVERIFY(file.size() + capacity * sizeof(TKbItem)
            <= KbaseReader::MemoryPerFileByte * file.size() + KbaseReader::MemoryAllowance);
}

void KbaseMemoryTest::outOfMemoryIsALoadError_data()
{
    QTest::addColumn<int>("failingBlock"); // entries in the first block that cannot be had
    QTest::addColumn<int>("kept");
    QTest::newRow("first block") << 64 << 0;
    QTest::newRow("fifth block") << 1024 << 64 + 128 + 256 + 512;
}

void KbaseMemoryTest::outOfMemoryIsALoadError()
{
    QFETCH(int, failingBlock);
    QFETCH(int, kept);
    QTemporaryDir dir;
    const QString path = dir.filePath("big.dic");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(emptyEntries(5000, entry("cat")));
    }
    tZRVDictionary store;
    QString error;
    g_failFrom = std::size_t(failingBlock) * sizeof(TKbItem);
    g_armed = true;
    try {
        store.LoadFromFile(path);
    } catch (const GameError &e) {
        error = e.message();
    } catch (const std::bad_alloc &) {
        error = "raw allocation error";
    }
    g_armed = false;
    QCOMPARE(error, QStringLiteral("Unable to load the Knowledge Base"));
    QCOMPARE(store.Items().Count(), kept);
    for (int i = 0; i < store.Items().Count(); ++i)
        QCOMPARE(store.Items()[i].n(), QByteArrayView("cat"));
}

QTEST_APPLESS_MAIN(KbaseMemoryTest)
#include "kbase_memory_test.moc"
