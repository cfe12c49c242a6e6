// The market library.
//
// Production cost: a producing firm pays its week's wages, running costs and
// amortisation through production, so the bill is spread evenly over the volume.
//
// Demand: a logit market with an outside option.
//   Each competing firm j has an appeal
//       u_j = exp((P0 - p_j) / S) * (1 + H ln(1 + a_j / A)) * design_j
//   with its price p_j and advertising a_j; design_j = 1 + G ln(1 + I / I0) for the
//   asked firm while its design contract runs (weeks 1 to 3, investment I > 0), else 1.
//   Customers who buy none of the suits count as one more appeal O per competing
//   firm, so a market of dear suits shrinks instead of only being reshared.
//   With N competing firms the market holds k B 2 (N / 2)^0.8 suits (k the market
//   coefficient), and firm i gets its appeal's share of it:
//       D_i = k B 2 (N / 2)^0.8 u_i / (N O + sum of u_j).
// A competing firm is one whose slot offers suits (Amount > 0); the asked firm
// always competes, so its demand answers "what would the market buy at this
// price" even before it decides how much to offer. Slots are read by position.
//
// The logarithms give advertising and design diminishing returns without a
// ceiling; the exponential makes demand fall strictly with the price; the share
// form makes it rise with the competitors' prices and fall with their advertising.

#include "external/MathLibrary.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

constexpr double kReferencePrice = 100; // P0: a fair price for a suit at the start
constexpr double kPriceScale = 50;      // S: dollars that cut a firm's appeal by e
constexpr double kAdvertisingScale = 1000;
constexpr double kAdvertisingWeight = 0.5;
constexpr double kDesignScale = 5000;
constexpr double kDesignWeight = 0.15;
constexpr double kOutsideAppeal = 1; // O
constexpr double kBaseDemand = 1750; // B: suits per firm of two at k = 1
constexpr double kMarketGrowth = 0.8;

// Money and amounts from the game: a value that is not a sensible quantity
// counts as nothing; infinity is held at the largest float so products stay finite.
double quantity(float value) {
    if (!(value > 0))
        return 0;
    return std::min(double(value), double(FLT_MAX));
}

double appeal(float price, float advertising) {
    return std::exp((kReferencePrice - quantity(price)) / kPriceScale) *
           (1 + kAdvertisingWeight * std::log1p(quantity(advertising) / kAdvertisingScale));
}

// The game rounds the results to 32 bits, so they must stay within float range.
double finiteResult(double value) {
    if (!(value > 0))
        return 0;
    return std::min(value, double(FLT_MAX));
}

} // namespace

extern "C" {

double CalculateProdCost(float salary, float costs, float amortization, std::int32_t rawUnits,
                         std::int32_t workers, std::int32_t volume, std::int32_t staffedMachines) {
    // The raw materials are booked by the game at 40 per suit, and idle machines
    // cost what they cost, so neither argument changes the bill.
    (void)rawUnits;
    (void)staffedMachines;
    const double bill = quantity(salary) * std::max<std::int32_t>(workers, 0) + quantity(costs) +
                        quantity(amortization);
    return finiteResult(bill / std::max<std::int32_t>(volume, 1));
}

double Demand(float marketCoefficient, float designInvestment, const TPrice* prices,
              const TAdvExp* advertising, const TProd* offered, std::int32_t playerIndex,
              std::int32_t playerCount, std::int32_t designWeeks) {
    if (!prices || !advertising || !offered || playerIndex < 0 || playerIndex >= playerCount)
        return 0;
    const double coefficient = quantity(marketCoefficient);
    if (coefficient == 0)
        return 0;

    int competitors = 0;
    double appeals = 0;
    double own = 0;
    for (std::int32_t j = 0; j < playerCount; ++j) {
        if (j != playerIndex && !(quantity(offered[j].Amount) > 0))
            continue;
        const double u = appeal(prices[j].Price, advertising[j].AdvExp);
        ++competitors;
        if (j == playerIndex)
            own = u;
        else
            appeals += u;
    }
    const double investment = quantity(designInvestment);
    if (designWeeks >= 1 && designWeeks <= 3 && investment > 0)
        own *= 1 + kDesignWeight * std::log1p(investment / kDesignScale);

    const double market =
        coefficient * kBaseDemand * 2 * std::pow(competitors / 2.0, kMarketGrowth);
    return finiteResult(market * own / (competitors * kOutsideAppeal + appeals + own));
}

} // extern "C"
