#include "Simulator.h"

#include <benchmark/benchmark.h>

namespace {

// Whole games of four mixed firms, at most 52 weeks, on the shipped scenarios.
void BM_FourFirmGames(benchmark::State& state) {
    SimOptions options;
    options.players = QStringList{"proposed", "undercutter", "researcher", "passive"};
    options.folder = ZORVICK_GAME_DIR;
    const Simulator simulator(options);
    std::int32_t index = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(simulator.PlayGame(index++).weeks);
    state.counters["games/s"] = benchmark::Counter(double(index), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FourFirmGames)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
