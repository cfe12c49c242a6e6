#pragma once

#include "core/players/Strategies.h"
#include "core/players/TSeat.h"

#include <memory>

// A computer manager at a seat: its character's plan, played at its strength.
// Normal plays the plan as the simulator's strategy of the same character does;
// weak plays it with a beginner's slips; strong reads last week's market report,
// weighs candidate prices, advertising and runs with the market library's own
// demand routine and plays what pays best against its rivals. Every decision
// follows from what the player sees, the seat's seed and what the seat remembers.
class ComputerManager {
public:
    explicit ComputerManager(const TSeat& seat);
    ~ComputerManager();

    // One move; what the manager remembers for next week is written to memory.
    Decision Play(const SeatView& view, SeatActions& act, TSeat& memory);

    // The simulator's strategy a character plays at normal strength.
    static QString PlanOf(TSeat::Character character);

private:
    Decision playNormal(const SeatView& view, SeatActions& act);
    Decision playWeak(const SeatView& view, SeatActions& act);
    Decision playStrong(const SeatView& view, SeatActions& act, TSeat& memory);

    TSeat seat_;
    std::unique_ptr<Strategy> plan_;
};
