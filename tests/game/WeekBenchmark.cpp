#include "core/game/TGameController.h"
#include "core/platform/NullHelp.h"
#include "core/platform/RandomSource.h"
#include "core/platform/ScriptedPrompter.h"
#include "core/platform/SilentSound.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Ten firms in the built game folder, with its scenarios.
struct TenFirms {
    TenFirms() {
        controller = std::make_unique<TGameController>(services);
        controller->StartCalendar();
        controller->BeginSetup(10);
        for (int i = 0; i < 10; ++i)
            controller->AddPlayer(QStringLiteral("Firm %1").arg(i),
                                  QStringLiteral("Boss %1").arg(i), i % 4);
        controller->FinishSetup();
    }

    // Every firm offers 800 suits from a full stock, at its own price, advertising.
    void playWeek() {
        for (int i = 0; i < 10; ++i) {
            TZorvick& firm = *controller->Company();
            firm.Industries[0].Storages[1].Amount = 800;
            firm.Money = 1e6f;
            controller->EndMove(QStringLiteral("800"), QString::number(90 + 3 * i),
                                QStringLiteral("500"));
        }
    }

    ScriptedPrompter prompter{ScriptedPrompter::OnUnexpected::AnswerNo};
    SilentSound sound;
    NullHelp help;
    RandomSource random{1};
    Services services{prompter,          sound, help, random, GameFolder(ZORVICK_GAME_DIR),
                      QDate(2026, 12, 8)};
    std::unique_ptr<TGameController> controller;
};

// Ten moves and the settlement they end in, with the market report's text.
void BM_SettledTenPlayerWeek(benchmark::State& state) {
    TenFirms game;
    for (auto _ : state) {
        game.playWeek();
        benchmark::DoNotOptimize(game.controller->MarketReport());
        // The design group's letters would pile up over millions of weeks.
        for (const auto& firm : game.controller->Game().Players)
            firm->Letters.clear();
    }
}
BENCHMARK(BM_SettledTenPlayerWeek);

// A whole long game: letters and history grow as they do in play.
void BM_ThousandWeeksOfTenPlayers(benchmark::State& state) {
    for (auto _ : state) {
        TenFirms game;
        for (int week = 0; week < 1000; ++week)
            game.playWeek();
        benchmark::DoNotOptimize(game.controller->Game().Calendar.Week);
    }
}
BENCHMARK(BM_ThousandWeeksOfTenPlayers)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
