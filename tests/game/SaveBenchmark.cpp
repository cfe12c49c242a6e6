#include "core/game/GameSave.h"
#include "core/game/TAutoSave.h"
#include "tests/common/StrategyTable.h"

#include <QDir>
#include <benchmark/benchmark.h>

namespace {

// Ten firms of the simulator's strategies after 30 weeks: ten weeks of history each
// and the letters of thirty weeks, as a long evening leaves them.
StrategyTable& tenFirmGame() {
    static StrategyTable* table = [] {
        const QStringList seats{"proposed", "undercutter", "advertiser", "researcher", "borrower",
                                "proposed", "undercutter", "advertiser", "researcher", "borrower"};
        auto* t = new StrategyTable(seats, 1, 1, ZORVICK_GAME_DIR);
        t->Setup();
        while (!t->Over(30))
            t->EndMove(t->Decide());
        return t;
    }();
    return *table;
}

void BM_SaveDocumentTenFirms(benchmark::State& state) {
    StrategyTable& game = tenFirmGame();
    for (auto _ : state)
        benchmark::DoNotOptimize(GameSave::Document(game.controller));
}
BENCHMARK(BM_SaveDocumentTenFirms)->Unit(benchmark::kMicrosecond);

void BM_SaveBytesTenFirms(benchmark::State& state) {
    StrategyTable& game = tenFirmGame();
    for (auto _ : state)
        benchmark::DoNotOptimize(GameSave::Bytes(game.controller));
    state.counters["bytes"] = double(GameSave::Bytes(game.controller).size());
}
BENCHMARK(BM_SaveBytesTenFirms)->Unit(benchmark::kMicrosecond);

// The whole save as an action makes it: the document, the temporary file, its sync and
// the rename, on the disk of the build folder.
void BM_AutoSaveWriteTenFirms(benchmark::State& state) {
    StrategyTable& game = tenFirmGame();
    const QString folder = QStringLiteral(ZORVICK_BENCHMARK_DIR "/save-benchmark");
    TAutoSave save(game.controller, folder);
    for (auto _ : state)
        if (!save.Write())
            state.SkipWithError("the save could not be written");
    QDir(folder).removeRecursively();
}
BENCHMARK(BM_AutoSaveWriteTenFirms)->Unit(benchmark::kMicrosecond);

void BM_RestoreTenFirms(benchmark::State& state) {
    StrategyTable& game = tenFirmGame();
    const QByteArray bytes = GameSave::Bytes(game.controller);
    StrategyTable fresh({"proposed", "proposed"}, 2, 2, ZORVICK_GAME_DIR);
    for (auto _ : state)
        benchmark::DoNotOptimize(GameSave::Restore(bytes, fresh.controller, true));
}
BENCHMARK(BM_RestoreTenFirms)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
