#pragma once

// The market library: production cost and market demand, built by the project
// as a shared library of its own (libzorvickmath.so) and called with C linkage.
// The demand model with its limited offers is described in external/math/MathLibrary.cpp.
// The library keeps no state between calls, so several games may use it at once.

#include "core/model/rnp.h"

#include <cstdint>

#if defined(ZORVICK_MATH_BUILD)
#define ZORVICK_MATH_API __attribute__((visibility("default")))
#else
#define ZORVICK_MATH_API
#endif

extern "C" {

// Cost of one suit for a week's production run. Arguments, in this order: the
// weekly salary per worker, the enterprise's weekly running costs and weekly
// amortisation, 2 x volume (1 when 0), the workshop's staff, the volume (1 when 0),
// the number of machines with at least one worker.
// The week's wages, running costs and amortisation are spread over the volume, so
// volume x cost is the whole week's bill. Negative or NaN inputs count as 0; the
// result is finite and not negative.
ZORVICK_MATH_API double CalculateProdCost(float salary, float costs, float amortization,
                                          std::int32_t rawUnits, std::int32_t workers,
                                          std::int32_t volume, std::int32_t staffedMachines);

// Suits the market buys this week from the firm at playerIndex. The three arrays
// hold one slot per firm; only the first playerCount slots are read, and a slot
// that offers nothing or asks a price that is not a number does not compete. The
// market is shared among the competing firms by appeal, no firm gets more than it
// offers, and what a firm cannot serve goes on to the others; every call of a week
// works from all slots and so agrees with the others. The result is finite, not
// negative and at most the firm's offer; an index outside the slots gives 0.
ZORVICK_MATH_API double Demand(float marketCoefficient, float designInvestment,
                               const TPrice* prices, const TAdvExp* advertising,
                               const TProd* offered, std::int32_t playerIndex,
                               std::int32_t playerCount, std::int32_t designWeeks);
}
