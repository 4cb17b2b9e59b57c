// SPDX-License-Identifier: GPL-3.0-or-later
// Dictionary loads against a plain pass over the same file's bytes (read the
// whole file, count its zero bytes), for a shipped dictionary and for 100,000
// generated entries; and the memory a degenerate dictionary (empty entries)
// takes against its budget.
//
// Without arguments: the warm comparison as Google benchmarks, each file
// loaded again and again. A first load is a fresh process's one load:
//   kbase_load_bench --once load|plain <file>   prints "<wall ms> <cpu ms>" of one pass
//   kbase_load_bench --write-generated <file>   writes the 100,000 entries
//   kbase_load_bench --degenerate               prints the worst share of the budget

#include "words/kbase.h"
#include "words/kbase_reader.h"
#include "words/kbase_writer.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>

namespace {

QString g_generated;
QString g_shipped;

QByteArray randomLetters(QRandomGenerator &random, int minLength, int maxLength)
{
    QByteArray text(int(random.bounded(minLength, maxLength + 1)), Qt::Uninitialized);
    for (char &c : text)
        c = char('a' + random.bounded(26));
    return text;
}

QByteArray randomDefinition(QRandomGenerator &random)
{
    QByteArray text = randomLetters(random, 20, 120);
    for (qsizetype i = 5; i < text.size() - 1; i += 4 + random.bounded(6))
        text[i] = ' ';
    return text;
}

void writeDictionaryFile(const QString &path)
{
    QRandomGenerator random(42);
    tZRVDictionary store;
    for (int i = 0; i < 100000; ++i) {
        TKbItem &item = store.Items().Add();
        item.setN(randomLetters(random, 4, 25));
        item.setD(randomDefinition(random));
    }
    saveDictionary(store, path);
}

// The scan: one byte at a time, as it has always compiled here. Its pace
// must not depend on where the linker puts it (a small loop that straddles
// an instruction fetch boundary runs up to half as fast, so the yardstick
// moved with unrelated changes): it starts a cache line of its own.
[[gnu::noinline, gnu::aligned(64), gnu::optimize("no-tree-vectorize")]] qsizetype countZeroBytes(const QByteArray &bytes)
{
    qsizetype zeros = 0;
    for (const char *p = bytes.cbegin(), *end = bytes.cend(); p != end; ++p)
        zeros += *p == '\0';
    return zeros;
}

int loadOnce(const QString &path)
{
    tZRVDictionary store;
    store.LoadFromFile(path);
    return store.Items().Count();
}

qsizetype plainOnce(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return countZeroBytes(file.readAll());
}

void load(benchmark::State &state, const QString &path)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(loadOnce(path));
}

void plain(benchmark::State &state, const QString &path)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(plainOnce(path));
}

void BM_LoadGenerated(benchmark::State &state) { load(state, g_generated); }
void BM_PlainGenerated(benchmark::State &state) { plain(state, g_generated); }
void BM_LoadShipped(benchmark::State &state) { load(state, g_shipped); }
void BM_PlainShipped(benchmark::State &state) { plain(state, g_shipped); }
BENCHMARK(BM_LoadGenerated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainGenerated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadShipped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainShipped)->Unit(benchmark::kMillisecond);

double nowMs(clockid_t clock = CLOCK_MONOTONIC)
{
    timespec t {};
    clock_gettime(clock, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

long long statusKb(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0)
            return std::stoll(line.substr(std::strlen(field)));
    }
    return 0;
}

// Loads files of ever more empty entries; prints the largest share of the
// budget (10 x size + 10 MB) that a load's peak took, the file included.
int degenerate()
{
    double worst = 0;
    for (int count = 1 << 14; count <= (1 << 25); count += count / 4) {
        QByteArray file = QByteArray("TPF0") + char(14) + "tZRVDictionary" + char(0) + char(5) + "Items" + char(14);
        file.reserve(file.size() + 2 * qsizetype(count) + 3);
        for (int i = 0; i < count; ++i)
            file.append("\x01\x00", 2);
        file.append(3, '\0');
        const qsizetype fileSize = file.size();
        const long long before = statusKb("VmRSS:");
        std::ofstream("/proc/self/clear_refs") << "5";
        bool loaded = true;
        {
            tZRVDictionary store;
            try {
                store.LoadFromData(std::move(file)); // the store's own, as a file read is
            } catch (...) {
                loaded = false;
            }
        }
        const double peak = double(statusKb("VmHWM:") - before) * 1024 + double(fileSize);
        const double budget = double(KbaseReader::MemoryPerFileByte) * double(fileSize)
            + double(KbaseReader::MemoryAllowance);
        worst = std::max(worst, peak / budget);
        std::fprintf(stderr, "%9d entries %s: %5.1f %% of the budget\n", count, loaded ? "loaded " : "refused",
                     100 * peak / budget);
    }
    std::printf("%.3f\n", worst);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--once") == 0) {
        const QString path = QString::fromLocal8Bit(argv[3]);
        // Timed up to the loaded store or the read bytes, not their release.
        auto *store = new tZRVDictionary;
        QByteArray bytes;
        const double start = nowMs();
        const double cpu = nowMs(CLOCK_THREAD_CPUTIME_ID);
        if (std::strcmp(argv[2], "load") == 0) {
            store->LoadFromFile(path);
        } else {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return 1;
            bytes = file.readAll();
            benchmark::DoNotOptimize(countZeroBytes(bytes));
        }
        std::printf("%.3f %.3f\n", nowMs() - start, nowMs(CLOCK_THREAD_CPUTIME_ID) - cpu);
        std::fflush(stdout);
        std::_Exit(store->Items().Count() < 0);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--write-generated") == 0) {
        writeDictionaryFile(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--degenerate") == 0)
        return degenerate();

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    g_generated = dir.filePath(QStringLiteral("generated.dic"));
    writeDictionaryFile(g_generated);
    g_shipped = QStringLiteral(SPLITWICK_SOURCE_DIR "/data/kbs/People and Places.dic");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
