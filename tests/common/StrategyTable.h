#pragma once

// A game played by the simulator's strategies straight through the controller, one
// strategy a seat, in the shipped game folder (so scenarios are chosen at random).
// What the players saw of the last market report is kept here, as a person at the
// table remembers it; it is not game state.

#include "core/game/TGameController.h"
#include "core/platform/NullHelp.h"
#include "core/platform/Prompter.h"
#include "core/platform/RandomSource.h"
#include "core/platform/SilentSound.h"
#include "core/players/SeatActions.h"
#include "core/players/Strategies.h"

#include <QDate>
#include <QStringList>
#include <memory>
#include <vector>

struct StrategyTable {
    // The strategies take the smaller quantity offered, as the simulator's players do.
    struct YesPrompter : Prompter {
        bool show(Kind, const QString&, const QString&) override { return true; }
    };

    StrategyTable(const QStringList& seats, std::uint64_t seed, std::uint64_t randomSeed,
                  const QString& folder)
        : random(randomSeed), services{prompter,         sound, help, random, GameFolder(folder),
                                       QDate(2026, 3, 2)} {
        for (qsizetype s = 0; s < seats.size(); ++s)
            strategies.push_back(MakeStrategy(seats[s], seed * 16 + std::uint64_t(s)));
        QObject::connect(&controller, &TGameController::marketReportReady, [this] {
            ++weeks;
            lastWeek.clear();
            for (const auto& firm : controller.Game().Players)
                lastWeek.push_back({firm->PlayerName, MarketRow{firm->Sold, firm->Price, false}});
        });
    }

    // The seats by number; a seat's strategy is found by its manager's name.
    void Setup() {
        controller.StartCalendar();
        controller.BeginSetup(std::int32_t(strategies.size()));
        for (std::size_t s = 0; s < strategies.size(); ++s)
            controller.AddPlayer(QStringLiteral("Firm %1").arg(s), QString::number(s), 0);
        controller.FinishSetup();
    }

    // The current seat acts through its windows and says what it types at the board.
    Decision Decide() {
        const TZorvick& firm = *controller.Company();
        if (controller.ControlsLocked())
            return {};
        std::vector<MarketRow> seen;
        for (const auto& [name, row] : lastWeek)
            seen.push_back({row.sold, row.price, name == firm.PlayerName});
        const SeatView view{firm, controller.Game().Scenario, weeks,
                            std::int32_t(controller.Game().Players.size()), seen};
        return strategies[firm.PlayerName.toULongLong()]->Play(view, actions);
    }

    // The board's edits take the figures by their rules, then the move ends.
    void EndMove(const Decision& d) {
        const QString offer = QString::number(d.offer);
        const QString advertising = QString::number(double(d.advertising), 'f', 2);
        controller.EndMove(controller.ProdChanged(offer).replacement.value_or(offer),
                           QString::number(double(d.price), 'f', 2),
                           controller.AdvExpChanged(advertising).replacement.value_or(advertising));
    }

    bool Over(std::int32_t maxWeeks) const { return controller.Ended() || weeks >= maxWeeks; }

    YesPrompter prompter;
    SilentSound sound;
    NullHelp help;
    RandomSource random;
    Services services;
    TGameController controller{services};
    SeatActions actions{controller, prompter};
    std::vector<std::unique_ptr<Strategy>> strategies;
    std::int32_t weeks = 0;
    std::vector<std::pair<QString, MarketRow>> lastWeek;
};
