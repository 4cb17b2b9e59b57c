// SPDX-License-Identifier: GPL-3.0-or-later
// Engine time of a round's setup and of a drop, with the pending-event
// pauses doing nothing (all the time a player waits goes into drawing).
#include "base/random_source.h"
#include "round/round_engine.h"
#include "settings/options_model.h"
#include "base/program_folder.h"
#include "settings/settings_file.h"
#include "settings/split_formats.h"
#include "support/round_fakes.h"
#include "words/kbase.h"
#include "words/word_selection.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {
class NullHost : public StatusLine,
                 public RoundMessages,
                 public TraceWindow,
                 public BoardWindow,
                 public EventPump,
                 public RoundListener
{
public:
    RoundWiring wiring() { return RoundWiring{*this, *this, *this, *this, *this, sound, *this}; }
    void setStatusText(const QString &) override {}
    void showOutcome(RoundOutcome) override {}
    void showNextBannerLine() override {}
    void startBanner() override {}
    void stopBanner() override {}
    void showWarning(const QString &) override {}
    void showInformation(const QString &) override {}
    void showError(const QString &) override {}
    void clearDebug() override {}
    void appendDebugLine(const QString &) override {}
    void showDebugWindow() override {}
    void setBoardEnabled(bool) override {}
    void setBusyCursor(bool) override {}
    QSize screenSize() const override { return {1280, 1024}; }
    void setWindowGeometry(int, int, int, int) override {}
    void processEvents() override {}
    SilentSoundLayer sound;
};

// A 45-word round of "25 letters: 5-5-5-5-5" from a 20,000-entry dictionary
// in which one entry in ten has 25 letters.
struct Setup
{
    Setup()
    {
        setProgramFolder(dir.path());
        settings = std::make_unique<SettingsFile>(dir.filePath("ZRV_XQ.INI"));
        options.setDictionaryNames({"bench"});
        options.setDictionaryIndex(0);
        options.setPresetsIndex(SplitFormatCount - 1);
        options.setWordCount(45);
        options.setFixedCell(FixedCell::Middle, true);
        engine = std::make_unique<RoundEngine>(host.wiring(), options, *settings, timer1);
        engine->round().LoadedDictionary = "bench";
        engine->board().MakeTiles();
        std::mt19937 dice(1);
        for (int i = 0; i < 20000; ++i) {
            const int length = i % 10 == 0 ? 25 : 4 + int(dice() % 16);
            QByteArray word;
            for (int k = 0; k < length; ++k)
                word += char('a' + dice() % 26);
            TKbItem &item = engine->dictionary().Items().Add();
            item.setN(word);
            item.setD("a definition of some sixty characters, as dictionaries have");
        }
    }

    QTemporaryDir dir;
    OptionsModel options;
    std::unique_ptr<SettingsFile> settings;
    NullHost host;
    ManualTimer timer1;
    std::unique_ptr<RoundEngine> engine;
};

Setup &setup()
{
    static Setup s;
    return s;
}

void BM_New1Click(benchmark::State &state)
{
    Setup &s = setup();
    RandomSource::setSeed(1);
    for (auto _ : state) {
        s.engine->New1Click();
        benchmark::DoNotOptimize(s.engine->board().TileCount());
    }
}
BENCHMARK(BM_New1Click)->Unit(benchmark::kMicrosecond);

void BM_GetWordsDraw(benchmark::State &state)
{
    Setup &s = setup();
    RandomSource::setSeed(2);
    for (auto _ : state) {
        WordDraw draw = drawWords(s.engine->dictionary(), 25, 45);
        benchmark::DoNotOptimize(draw.complete);
    }
}
BENCHMARK(BM_GetWordsDraw)->Unit(benchmark::kMicrosecond);

// Two movable tiles of different rows whose exchange places neither.
std::pair<int, int> wrongPair(Board &b)
{
    for (int t = 1; t <= b.TileCount(); ++t) {
        for (int s = t + 1; s <= b.TileCount(); ++s) {
            const tTile &a = b.Tiles(t);
            const tTile &c = b.Tiles(s);
            if (a.Panel.state == TileState::Movable && c.Panel.state == TileState::Movable &&
                a.RowIndex != c.RowIndex && a.Panel.caption != c.CorrectText && c.Panel.caption != a.CorrectText)
                return {t, s};
        }
    }
    return {0, 0};
}

void BM_DropPlacingNothing(benchmark::State &state)
{
    Setup &s = setup();
    RandomSource::setSeed(3);
    s.engine->New1Click();
    // A wrong drop costs rating; a positive "bad" keeps the round alive over millions of drops
    // without changing the work a drop does.
    s.engine->round().Parameters.Bad = 1;
    const auto [t, src] = wrongPair(s.engine->board());
    for (auto _ : state)
        s.engine->bgDragDrop(t, src);
    state.counters["moves"] = s.engine->round().Moves;
}
BENCHMARK(BM_DropPlacingNothing)->Unit(benchmark::kMicrosecond);

void BM_DropPlacingAndJoining(benchmark::State &state)
{
    Setup &s = setup();
    RandomSource::setSeed(4);
    for (auto _ : state) {
        state.PauseTiming();
        s.engine->New1Click();
        Board &b = s.engine->board();
        // The slot right of a fixed middle cell, and the tile that shows its text.
        const int target = 4;
        int source = 0;
        for (int slot = 1; slot <= b.TileCount() && source == 0; ++slot) {
            if (slot != target && b.Tiles(slot).Panel.state == TileState::Movable &&
                b.Tiles(slot).Panel.caption == b.Tiles(target).CorrectText)
                source = slot;
        }
        state.ResumeTiming();
        s.engine->bgDragDrop(target, source);
    }
}
BENCHMARK(BM_DropPlacingAndJoining)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
