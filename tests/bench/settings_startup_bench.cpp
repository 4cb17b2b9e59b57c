// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's share of a start and of a close, with a 50 MB file
// (hand-padded with blank lines inside its sections) against a small one: a
// start reads the options and the window's keys (28 reads), a close saves the
// options. Counters give the file reads per start and the ratios.

#include "settings/options_model.h"
#include "settings/settings_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr qsizetype LargeSize = 50 << 20;
QString g_small;
QString g_large;

void writeSettingsFile(const QString &path, qsizetype size)
{
    QByteArray bytes("[Options]\r\nDictionary=English\r\nPresets=5\r\nvmiddle=1\r\nStyle=panel1\r\n");
    const QByteArray tail("Def=1\r\nlnd=45000\r\n[scores]\r\nM025=57,3\r\n[Levels]\r\nDELAY0=600\r\n");
    bytes.reserve(size);
    while (bytes.size() + 2 + tail.size() <= size)
        bytes += "\r\n";
    bytes += tail;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
    // Written an hour ago, as a file at start-up is: the view may trust it.
    const timespec times[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

// The reads of a start: the options, then the main window's own keys.
int startReads(const QString &path)
{
    const SettingsFile settings(path);
    OptionsModel options;
    options.setDictionaryNames({"Animals", "English"});
    options.restore(settings);
    const QString section = QStringLiteral("Options");
    int sum = settings.readBool(section, "ColourBlindCues", false);
    sum += settings.readInteger(section, "Color", 0);
    sum += int(settings.readString(section, "FontName", "Tahoma").size());
    sum += settings.readInteger(section, "FontSize", 9);
    sum += settings.readBool(section, "FontBold", false);
    sum += int(settings.readString(section, "Style", "panel1").size());
    sum += settings.readBool(section, "Stretch", true);
    sum += int(settings.readString(section, "Picture", "").size());
    sum += settings.readInteger(section, "lnd", 0);
    benchmark::DoNotOptimize(sum);
    return settings.fileReads();
}

void start(benchmark::State &state, const QString &path)
{
    int reads = 0;
    for (auto _ : state)
        reads = startReads(path);
    state.counters["file_reads"] = reads;
}

void BM_StartSmall(benchmark::State &state) { start(state, g_small); }
void BM_StartLarge(benchmark::State &state) { start(state, g_large); }
BENCHMARK(BM_StartSmall)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartLarge)->Unit(benchmark::kMillisecond);

// The close's save, each time changing every option so that it writes.
void close(benchmark::State &state, const QString &path)
{
    OptionsModel options;
    options.setDictionaryNames({"Animals", "English"});
    SettingsFile settings(path);
    options.restore(settings);
    int round = 0;
    for (auto _ : state) {
        options.setDictionaryIndex(round % 2);
        options.setPresetsIndex(round % 30);
        options.setShowDefinitions(round % 2 == 0);
        options.save(settings);
        ++round;
    }
}

void BM_CloseSmall(benchmark::State &state) { close(state, g_small); }
void BM_CloseLarge(benchmark::State &state) { close(state, g_large); }
BENCHMARK(BM_CloseSmall)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CloseLarge)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    g_small = dir.filePath("small.ini");
    g_large = dir.filePath("large.ini");
    writeSettingsFile(g_small, 300);
    writeSettingsFile(g_large, LargeSize);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
