// The market library.
//
// Production cost: a producing firm pays its week's wages, running costs and
// amortisation through production, so the bill is spread evenly over the volume.
// Two parts of the bill do not shrink with careful staffing: the enterprise's
// amortisation is counted twice (the wear of machines and buildings that work),
// and running any production at all costs R = 8500 $ a week (foremen, power,
// transport). So a firm earns only from a large enough share of the market: the
// market feeds one or two firms, not four, and games end.
//
// Demand: a logit market with an outside option and limited offers.
//   Each competing firm j has an appeal
//       u_j = exp((P0 - p_j) / S) * (1 + H ln(1 + a_j / A))
//   with its price p_j and advertising a_j. Customers who buy none of the suits
//   count as one more appeal O per competing firm, so a market of dear suits
//   shrinks instead of only being reshared. The market holds M = k B customers
//   (k the market coefficient), however many firms there are.
//   Without limits a competing firm j would get its appeal's share,
//   M u_j / (N O + sum of u over the competing firms), N the competing firms.
//   But no firm is given more buyers than the suits c_j it offers: the customers
//   a firm cannot serve choose again among the other firms by their appeal, and
//   some of them, by the outside option, buy nothing. This settles where every
//   firm is served in full or held at its offer:
//       D_j = min(c_j, L u_j),  with L such that  M = L N O + sum of D_j.
//   L, the customers per unit of appeal, rises as firms sell out; the right side
//   rises strictly with L, so L is unique, and L N O are the customers who buy
//   nothing. L is found by holding at their offers the firms it would overfill
//   and solving again, which ends within N + 1 rounds.
//   Design: while the asked firm's design contract runs (weeks 1 to 3, investment
//   I > 0) its appeal is multiplied by 1 + G ln(1 + I / I0) (G = 1.5, I0 = 5000:
//   a 5000 $ contract doubles it). Only the asked firm's design is known to a
//   call, so the gain over the market without design is taken out of the
//   customers who would buy nothing there, each firm at most its share (L N O
//   over the competing firms): every call of a week agrees on the others, and all
//   contracts together never sell more suits than the market holds.
// A competing firm is one whose slot offers suits (Amount > 0) at a price that is
// a number. A firm that offers nothing, or asks a price that is not a number,
// sells nothing, takes no customers and keeps none from buying: its price and
// advertising make no difference. Slots are read by position.
//
// The allocation is worked out from all slots on each call rather than cached:
// with ten firms it costs well under a microsecond a call, and without state kept
// between calls any number of games may share the library.
//
// The constants are calibrated with the balance simulator (tools/zorvick-sim, figures
// and commands in docs/balance.md) against managers that staff and produce only what
// they sell and sell the machines they do not use: a market of B = 500 customers at
// k = 1, whatever the number of firms, so each firm that leaves gives the others its
// buyers and a crowded market starves; R and the doubled amortisation make a firm
// with a small share lose several thousand dollars a week, and only a large share at
// a good price earns, so the weakest are ruined one after another and the game ends.
// O = 0.5 sends most buyers of a sold-out firm to its rivals rather than out of
// the market, and a firm that stops offering takes its share of the buyers who buy
// nothing with it, so a firm that has sold up starves no rival while it waits (with
// O counted for every firm in the game, the one that sells up at its second warning
// won up to 70 % of its games; counted so, up to 62 %).
// S = 38 makes a 5 % cheaper suit worth about 15 % more appeal:
// price matters, but an undercutter pays for its share in margin, and advertising
// (weight 0.42) can make up for a dearer suit without dominating. (Before, with the
// bill spread as it came and B growing with the firms, careful managers earned about
// 5300 $ a week each and no game among four of them ended; with the amortisation
// counted four times and no overhead, those that sell their idle machines won every
// game they sat in.)
//
// The logarithms give advertising and design diminishing returns without a
// ceiling; the exponential makes demand fall strictly with the price until the
// firm sells out; the share form makes it rise with the competitors' prices and
// fall with their advertising, and rise when a rival runs short.

#include "external/MathLibrary.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {

constexpr double kReferencePrice = 100; // P0: a fair price for a suit at the start
constexpr double kPriceScale = 38;      // S: dollars that cut a firm's appeal by e
constexpr double kAdvertisingScale = 1000;
constexpr double kAdvertisingWeight = 0.42;
constexpr double kDesignScale = 5000;
constexpr double kDesignWeight = 1.5;
constexpr double kOutsideAppeal = 0.5;    // O
constexpr double kBaseDemand = 500;       // B: customers at k = 1
constexpr double kAmortizationWeight = 2; // the enterprise's amortisation, counted twice
constexpr double kRunOverhead = 8500;     // dollars a week of running any production

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

bool competes(const TPrice& price, const TProd& offer) {
    return quantity(offer.Amount) > 0 && !std::isnan(price.Price);
}

// The game rounds the results to 32 bits, so they must stay within float range.
double finiteResult(double value) {
    if (!(value > 0))
        return 0;
    return std::min(value, double(FLT_MAX));
}

// Left uninitialised until filled: the stack buffer below is set up on every call.
struct Firm {
    double appeal;
    double offer;
    bool held; // sold out: given exactly its offer
};

// L of the opening comment. Starting from the share without limits, L only grows:
// each round holds the firms the last L overfills and solves the rest again.
double customersPerAppeal(Firm* firms, std::size_t count, double market, double outside) {
    double lambda = 0;
    for (bool changed = true; changed;) {
        double heldSuits = 0;
        double freeAppeal = 0;
        for (std::size_t j = 0; j < count; ++j) {
            if (firms[j].held)
                heldSuits += firms[j].offer;
            else
                freeAppeal += firms[j].appeal;
        }
        lambda = std::max(0.0, market - heldSuits) / (outside + freeAppeal);
        changed = false;
        for (std::size_t j = 0; j < count; ++j) {
            if (!firms[j].held && lambda * firms[j].appeal > firms[j].offer) {
                firms[j].held = true;
                changed = true;
            }
        }
    }
    return lambda;
}

// A game has ten firms at most; their figures fit on the stack.
constexpr std::size_t kLocalFirms = 16;

} // namespace

extern "C" {

double CalculateProdCost(float salary, float costs, float amortization, std::int32_t rawUnits,
                         std::int32_t workers, std::int32_t volume, std::int32_t staffedMachines) {
    // The raw materials are booked by the game at 40 per suit, and idle machines
    // cost what they cost, so neither argument changes the bill. Without workers
    // nothing runs, so no overhead.
    (void)rawUnits;
    (void)staffedMachines;
    const double bill = quantity(salary) * std::max<std::int32_t>(workers, 0) + quantity(costs) +
                        kAmortizationWeight * quantity(amortization) +
                        (workers > 0 ? kRunOverhead : 0);
    return finiteResult(bill / std::max<std::int32_t>(volume, 1));
}

double Demand(float marketCoefficient, float designInvestment, const TPrice* prices,
              const TAdvExp* advertising, const TProd* offered, std::int32_t playerIndex,
              std::int32_t playerCount, std::int32_t designWeeks) {
    if (!prices || !advertising || !offered || playerIndex < 0 || playerIndex >= playerCount)
        return 0;
    const double coefficient = quantity(marketCoefficient);
    if (coefficient == 0 || !competes(prices[playerIndex], offered[playerIndex]))
        return 0;

    std::array<Firm, kLocalFirms> local;
    std::vector<Firm> more;
    Firm* firms = local.data();
    if (std::size_t(playerCount) > local.size()) {
        more.resize(std::size_t(playerCount));
        firms = more.data();
    }
    std::size_t count = 0;
    std::size_t asked = 0;
    for (std::int32_t j = 0; j < playerCount; ++j) {
        if (!competes(prices[j], offered[j]))
            continue;
        if (j == playerIndex)
            asked = count;
        firms[count] = {appeal(prices[j].Price, advertising[j].AdvExp), quantity(offered[j].Amount),
                        false};
        ++count;
    }
    const Firm own = firms[asked];
    if (!(own.appeal > 0))
        return 0;

    // Sized by the firms that offer suits: a firm that has stopped trading keeps no
    // buyers away from the market, so those still selling can outlast it. (The
    // price: a rival that offers even one suit widens the outside option by O.)
    const double outside = double(count) * kOutsideAppeal;
    const double market = coefficient * kBaseDemand;
    const double investment = quantity(designInvestment);
    const bool designed = designWeeks >= 1 && designWeeks <= 3 && investment > 0;
    // What every call of the week agrees on: the market without anyone's design.
    std::array<Firm, kLocalFirms> plainLocal;
    std::vector<Firm> plainMore;
    Firm* plain = firms;
    if (designed) {
        plain = plainLocal.data();
        if (count > plainLocal.size()) {
            plainMore.assign(firms, firms + count);
            plain = plainMore.data();
        } else {
            std::copy(firms, firms + count, plain);
        }
    }
    const double lambda = customersPerAppeal(plain, count, market, outside);
    double given = std::min(own.offer, lambda * own.appeal);
    if (designed && given < own.offer) {
        firms[asked].appeal *= 1 + kDesignWeight * std::log1p(investment / kDesignScale);
        const double lifted =
            customersPerAppeal(firms, count, market, outside) * firms[asked].appeal;
        // The gain comes out of the buyers who would buy nothing, each firm's contract
        // at most its share of them, so all contracts together never sell past the market.
        const double noPurchase = lambda * outside;
        given = std::min({own.offer, lifted, given + noPurchase / double(count)});
    }
    return finiteResult(given);
}

} // extern "C"
