#pragma once

#include "core/players/Strategies.h"

// Managers that think a little: they make what they expect to sell, staff only the
// machines the run needs and price from what the market did last week. The market's
// balance is measured against them (docs/balance.md).

// lean, lean-follower, lean-undercutter, lean-designer, lean-researcher,
// lean-research-loan, price-war, sell-up, sell-at-warning.
QStringList CompetentStrategyNames();
// None for a name not in the list, or one of the two measuring variants kept out of
// the pool: lean-silent (no advertising) and lean-loud (20 % of the sales' value).
// The seed varies the temper as MakeStrategy's does.
std::unique_ptr<Strategy> MakeCompetentStrategy(const QString& name, std::uint64_t seed = 0);

// The workers that give at least a run of suits on the workshop's machines as the
// staff window fills them (the best machines first, each to its fill); the most
// the machines take when they cannot make the run.
std::int32_t WorkersForRun(const TZorvick& firm, std::int32_t run);
