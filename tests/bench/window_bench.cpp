// SPDX-License-Identifier: GPL-3.0-or-later
// The board as the player feels it: F2 to the painted 45-word board while a
// round runs, a drop from mouse release to the painted board, and (run with
// QT_SCALE_FACTOR=2) the whole board repainted and a drag step at 200 %
// zoom; memory over 2,000 rounds.
#include "support/game_fixture.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <random>
#include <vector>

namespace {
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Lets the posted repaints run, so the board on screen is the one measured.
void paintPending()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Median and 95th percentile of the per-iteration CPU times, as counters.
void report(benchmark::State &state, std::vector<double> cpu)
{
    if (cpu.empty())
        return;
    std::sort(cpu.begin(), cpu.end());
    state.counters["cpu_median_ms"] = cpu[cpu.size() / 2];
    state.counters["cpu_p95_ms"] = cpu[std::min(cpu.size() - 1, cpu.size() * 95 / 100)];
}

// A running game with a dictionary of 25-letter words.
struct Game
{
    Game()
    {
        std::mt19937 dice(1);
        QList<QByteArray> words;
        for (int i = 0; i < 2000; ++i) {
            QByteArray word;
            for (int k = 0; k < 25; ++k)
                word += char('A' + dice() % 26);
            words << word;
        }
        fixture.writeDictionary(QStringLiteral("beta"), words);
        fixture.writeQuietSettings();
        fixture.start();
        fixture.deal(QStringLiteral("25 letters: 5-5-5-5-5"), 45, FixedCell::Middle);
        paintPending();
    }
    GameFixture fixture;
};

void BM_NewGamePainted(benchmark::State &state)
{
    Game game;
    std::vector<double> cpu;
    for (auto _ : state) {
        const double start = threadCpuMs();
        QTest::keyClick(&game.fixture.main(), Qt::Key_F2);
        paintPending();
        cpu.push_back(threadCpuMs() - start);
    }
    if (game.fixture.engine().board().TileCount() < 225)
        state.SkipWithError("the round did not deal 225 tiles");
    report(state, cpu);
}
BENCHMARK(BM_NewGamePainted)->Unit(benchmark::kMillisecond)->Iterations(60);

void BM_DropPainted(benchmark::State &state)
{
    Game game;
    GameFixture &g = game.fixture;
    // A wrong drop costs rating; a positive one keeps the round alive
    // without changing the work a drop does.
    g.engine().round().Parameters.Bad = 1;
    const auto [source, target] = g.wrongMove();
    if (!source) {
        state.SkipWithError("no wrong move on the board");
        return;
    }
    QWindow *window = g.main().windowHandle();
    std::vector<double> cpu;
    for (auto _ : state) {
        state.PauseTiming();
        const QPoint from = g.centreOf(source);
        const QPoint to = g.centreOf(target);
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        QTest::mouseMove(window, to);
        paintPending();
        state.ResumeTiming();
        const double start = threadCpuMs();
        QTest::mouseRelease(window, Qt::LeftButton, {}, to);
        paintPending();
        cpu.push_back(threadCpuMs() - start);
    }
    state.counters["moves"] = g.engine().round().Moves;
    report(state, cpu);
}
BENCHMARK(BM_DropPainted)->Unit(benchmark::kMillisecond)->Iterations(200);

// The game at 200 % zoom: four steps of Ctrl+Plus.
void zoomToDouble(GameFixture &g)
{
    while (g.main().zoom() < 200)
        QTest::keyClick(&g.main(), Qt::Key_Plus, Qt::ControlModifier);
    paintPending();
}

// The whole 45 x 25 board painted anew, as after a change of look.
void BM_ZoomedRepaint(benchmark::State &state)
{
    Game game;
    zoomToDouble(game.fixture);
    QWidget *board = game.fixture.main().board();
    std::vector<double> cpu;
    for (auto _ : state) {
        const double start = threadCpuMs();
        board->repaint();
        cpu.push_back(threadCpuMs() - start);
    }
    state.counters["scale"] = game.fixture.main().board()->scale();
    state.counters["pixel_ratio"] = board->devicePixelRatioF();
    report(state, cpu);
}
BENCHMARK(BM_ZoomedRepaint)->Unit(benchmark::kMillisecond)->Iterations(60);

// One step of a drag across the zoomed board: the copy follows the pointer.
void BM_ZoomedDragStep(benchmark::State &state)
{
    Game game;
    GameFixture &g = game.fixture;
    zoomToDouble(g);
    const auto [source, target] = g.wrongMove();
    QWindow *window = g.main().windowHandle();
    const QPoint from = g.centreOf(source);
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    std::vector<double> cpu;
    int step = 0;
    for (auto _ : state) {
        const double start = threadCpuMs();
        QTest::mouseMove(window, from + QPoint(step % 40, (step / 40) % 40));
        paintPending();
        cpu.push_back(threadCpuMs() - start);
        ++step;
    }
    QTest::mouseRelease(window, Qt::LeftButton, {}, from);
    Q_UNUSED(target);
    report(state, cpu);
}
BENCHMARK(BM_ZoomedDragStep)->Unit(benchmark::kMillisecond)->Iterations(400);

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// 2,000 rounds of 45 words: the memory after the last against after the 200th.
void BM_RoundsMemory(benchmark::State &state)
{
    Game game;
    for (auto _ : state) {
        long after200 = 0;
        for (int round = 1; round <= 2000; ++round) {
            QTest::keyClick(&game.fixture.main(), Qt::Key_F2);
            paintPending();
            if (round == 200)
                after200 = residentKb();
        }
        state.counters["growth_kb"] = double(residentKb() - after200);
        state.counters["rss_kb"] = double(residentKb());
    }
}
BENCHMARK(BM_RoundsMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace

int main(int argc, char **argv)
{
    GameApplication app(argc, argv);
    initialiseProgram();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
