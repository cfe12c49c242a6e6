// One decision of a strong computer manager in a game of four, a few weeks in:
// reading the report, weighing prices, advertising and runs, and acting.
#include "core/game/TGameController.h"
#include "core/platform/NullHelp.h"
#include "core/platform/Prompter.h"
#include "core/platform/RandomSource.h"
#include "core/platform/SilentSound.h"
#include "core/players/ComputerTurn.h"
#include "core/players/TSeat.h"

#include <benchmark/benchmark.h>

namespace {

class Quiet : public Prompter {
public:
    bool show(Kind, const QString&, const QString&) override { return false; }
};

void StrongDecision(benchmark::State& state) {
    Quiet prompter;
    SilentSound sound;
    NullHelp help;
    RandomSource random(9);
    Services services{prompter,          sound, help, random, GameFolder(ZORVICK_GAME_DIR),
                      QDate(2026, 12, 8)};
    TGameController controller(services);
    controller.StartCalendar();
    controller.BeginSetup(4);
    for (const char* name : {"strong", "normal:careful", "normal:fighter", "normal:advertiser"})
        controller.AddPlayer(name, name, 0, *TSeat::FromName(name));
    controller.FinishSetup();
    // Six weeks in, the strong manager to move, with a market report to read.
    for (int move = 0; move < 4 * 6; ++move) {
        ComputerTurn turn(controller);
        turn.Play();
        turn.End();
    }
    const TZorvick saved = *controller.Company();
    for (auto _ : state) {
        state.PauseTiming();
        *controller.Company() = saved;
        controller.SetProductionAllowed(true);
        controller.SetResearchInvestAllowed(true);
        state.ResumeTiming();
        ComputerTurn turn(controller);
        benchmark::DoNotOptimize(turn.Play());
    }
}
BENCHMARK(StrongDecision)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
