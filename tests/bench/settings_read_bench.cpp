// SPDX-License-Identifier: GPL-3.0-or-later
// Reading one key from a 50 MB settings file (hand-padded with blank lines,
// the key at its end) against a plain read of the same file's bytes. The read
// should cost at most three plain reads and file size + 10 MB at its peak.

#include "settings/settings_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr qsizetype FileSize = 50 << 20;
QString g_file;

void writeSettingsFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        std::abort();
    QByteArray bytes("[Options]\r\nDictionary=English\r\n");
    const QByteArray tail("Presets=5\r\n[scores]\r\nM025=57,3\r\n");
    bytes.reserve(FileSize);
    while (bytes.size() + 2 + tail.size() <= FileSize)
        bytes += "\r\n";
    bytes += tail;
    file.write(bytes);
}

// Peak resident memory of the process since the last reset, in bytes.
long long peakResident()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stoll(line.substr(6)) * 1024;
    }
    return 0;
}

long long currentResident()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stoll(line.substr(6)) * 1024;
    }
    return 0;
}

void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

void BM_PlainRead(benchmark::State &state)
{
    for (auto _ : state) {
        QFile file(g_file);
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        const QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.SetBytesProcessed(state.iterations() * FileSize);
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

void BM_ReadKey(benchmark::State &state)
{
    const SettingsFile settings(g_file);
    const long long before = currentResident();
    resetPeak();
    for (auto _ : state) {
        const qint32 presets = settings.readInteger("Options", "Presets", 0);
        if (presets != 5)
            std::abort();
        benchmark::DoNotOptimize(presets);
    }
    state.counters["peak_over_start_MB"] = double(peakResident() - before) / (1 << 20);
    state.counters["file_MB"] = double(FileSize) / (1 << 20);
    state.SetBytesProcessed(state.iterations() * FileSize);
}
BENCHMARK(BM_ReadKey)->Unit(benchmark::kMillisecond);

// A key in a section after the padding: the header search crosses it all.
void BM_ReadKeyOfLastSection(benchmark::State &state)
{
    const SettingsFile settings(g_file);
    for (auto _ : state) {
        const QString value = settings.readString("scores", "m025", QString());
        if (value != QLatin1String("57,3"))
            std::abort();
    }
    state.SetBytesProcessed(state.iterations() * FileSize);
}
BENCHMARK(BM_ReadKeyOfLastSection)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    g_file = dir.filePath("ZRV_XQ.INI");
    writeSettingsFile(g_file);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
