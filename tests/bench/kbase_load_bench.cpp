// Loading a 100,000-entry dictionary against a plain pass over the same
// file's bytes (read the whole file, count its zero bytes). The load should
// cost at most a few plain passes.

#include "words/kbase.h"
#include "words/kbase_writer.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

QString g_file;

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

void loadFromFile(benchmark::State &state)
{
    tZRVDictionary store;
    for (auto _ : state) {
        store.LoadFromFile(g_file);
        benchmark::DoNotOptimize(store.Items().Count());
    }
    state.counters["entries"] = store.Items().Count();
}

void plainPass(benchmark::State &state)
{
    qsizetype zeros = 0;
    for (auto _ : state) {
        QFile file(g_file);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot open the dictionary");
            return;
        }
        const QByteArray bytes = file.readAll();
        zeros = std::count(bytes.begin(), bytes.end(), '\0');
        benchmark::DoNotOptimize(zeros);
    }
    state.counters["zero_bytes"] = double(zeros);
}

// Prints the table as usual, then the load's time over the plain pass's.
// With --benchmark_repetitions the medians are compared.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const std::string &name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_medians[name] = run.GetAdjustedRealTime();
            else if (run.run_type == Run::RT_Iteration)
                m_times[name] = run.GetAdjustedRealTime();
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto &[name, time] : m_medians)
            m_times[name] = time;
        const auto load = m_times.find("loadFromFile");
        const auto plain = m_times.find("plainPass");
        if (load != m_times.end() && plain != m_times.end() && plain->second > 0)
            std::printf("load / plain pass = %.2f\n", load->second / plain->second);
    }

private:
    std::map<std::string, double> m_times;
    std::map<std::string, double> m_medians;
};

} // namespace

BENCHMARK(loadFromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(plainPass)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    g_file = dir.filePath(QStringLiteral("bench.dic"));
    writeDictionaryFile(g_file);
    std::printf("dictionary: %lld bytes\n", static_cast<long long>(QFile(g_file).size()));
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
