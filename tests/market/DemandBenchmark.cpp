#include "core/model/player.h"
#include "core/platform/Prompter.h"
#include "core/platform/SilentSound.h"
#include "external/MathLibrary.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

// A full game: ten firms, each asked once per settled week.
void BM_DemandTenPlayers(benchmark::State& state) {
    constexpr std::int32_t players = 10;
    std::array<TPrice, players> prices;
    std::array<TAdvExp, players> adverts;
    std::array<TProd, players> offers;
    for (std::int32_t i = 0; i < players; ++i) {
        prices[i] = {i + 1, 80.0f + 5.0f * float(i)};
        adverts[i] = {500.0f * float(i), i + 1};
        offers[i] = {0, 900.0f + 20.0f * float(i)};
    }
    std::int32_t index = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            Demand(1.1f, 5000.0f, prices.data(), adverts.data(), offers.data(), index, players, 1));
        index = (index + 1) % players;
    }
}
BENCHMARK(BM_DemandTenPlayers);

class YesPrompter : public Prompter {
public:
    bool show(Kind, const QString&, const QString&) override { return true; }
};

// What one settlement or one change of the production amount costs: the full
// starting workshop priced through the company model and the library.
void BM_ProductionCost(benchmark::State& state) {
    YesPrompter prompter;
    SilentSound sound;
    TZorvick company(1);
    TBuilding& workshop = company.Industries[0].Buildings[0];
    workshop.DistributeWorkers(workshop.HireOffer(40, prompter));
    std::int32_t volume = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(company.ProductionCost(volume, 550.0f, sound));
        volume = (volume + 37) % 1000;
    }
}
BENCHMARK(BM_ProductionCost);

} // namespace

BENCHMARK_MAIN();
