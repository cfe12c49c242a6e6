#include "external/MathLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

namespace {

// The three market records of a week, filled the way the end of a move fills them.
struct Market {
    std::vector<TPrice> prices;
    std::vector<TAdvExp> adverts;
    std::vector<TProd> offers;
    float coefficient = 1.1f;
    float design = 0;
    std::int32_t designWeeks = 0;

    void add(float price, float advertising, float amount) {
        const std::int32_t slot = std::int32_t(prices.size()) + 1;
        prices.push_back({slot, price});
        adverts.push_back({advertising, slot});
        offers.push_back({0, amount});
    }
    std::int32_t count() const { return std::int32_t(prices.size()); }
    double demand(std::int32_t index) const { return demand(index, count()); }
    double demand(std::int32_t index, std::int32_t playerCount) const {
        return Demand(coefficient, design, prices.data(), adverts.data(), offers.data(), index,
                      playerCount, designWeeks);
    }
};

// Markets of 1 to 10 firms with ordinary figures; every firm offers suits.
class MarketGen {
public:
    explicit MarketGen(unsigned seed) : gen_(seed) {}
    // ample: offers no market can exhaust, so the appeal shares alone decide.
    Market next(bool ample = false) {
        Market m;
        m.coefficient = real(0.2, 3);
        const int firms = std::uniform_int_distribution<int>(1, 10)(gen_);
        for (int i = 0; i < firms; ++i)
            m.add(real(5, 600), real(0, 20000), ample ? 1e9f : real(1, 3000));
        return m;
    }
    float real(double lo, double hi) {
        return float(std::uniform_real_distribution<double>(lo, hi)(gen_));
    }
    std::int32_t index(const Market& m) {
        return std::uniform_int_distribution<std::int32_t>(0, m.count() - 1)(gen_);
    }

private:
    std::mt19937 gen_;
};

constexpr int kRounds = 1000;

Market equalFirms(int firms, float price, float advertising) {
    Market m;
    for (int i = 0; i < firms; ++i)
        m.add(price, advertising, 1000);
    return m;
}

TEST(Demand, FiniteAndNotNegativeForAnyInput) {
    const float extremes[] = {0,
                              -1,
                              -1e30f,
                              1e-30f,
                              1,
                              100,
                              1e30f,
                              FLT_MAX,
                              -FLT_MAX,
                              std::numeric_limits<float>::infinity(),
                              -std::numeric_limits<float>::infinity(),
                              std::numeric_limits<float>::quiet_NaN()};
    constexpr int n = sizeof extremes / sizeof extremes[0];
    std::mt19937 gen(11);
    std::uniform_int_distribution<int> pick(0, n - 1);
    std::uniform_int_distribution<int> firms(0, 10);
    std::uniform_int_distribution<std::int32_t> weeks(-1, 5);
    for (int round = 0; round < 20000; ++round) {
        Market m;
        const int count = firms(gen);
        for (int i = 0; i < count; ++i)
            m.add(extremes[pick(gen)], extremes[pick(gen)], extremes[pick(gen)]);
        m.coefficient = extremes[pick(gen)];
        m.design = extremes[pick(gen)];
        m.designWeeks = weeks(gen);
        for (std::int32_t i = 0; i < count; ++i) {
            const double d = m.demand(i);
            ASSERT_TRUE(std::isfinite(float(d)) && d >= 0) << "round " << round << " -> " << d;
            const float offer = m.offers[i].Amount; // NaN offers nothing
            ASSERT_LE(d, offer > 0 ? std::min(double(offer), double(FLT_MAX)) : 0.0);
        }
    }
}

TEST(Demand, IndexOutsideTheSlotsGivesZero) {
    const Market m = equalFirms(3, 100, 1000);
    EXPECT_GT(m.demand(2), 0);
    EXPECT_EQ(m.demand(3), 0);
    EXPECT_EQ(m.demand(-1), 0);
    EXPECT_EQ(m.demand(2, 2), 0);
    EXPECT_EQ(m.demand(0, 0), 0);
    EXPECT_EQ(m.demand(0, -4), 0);
    EXPECT_EQ(Demand(1.1f, 0, nullptr, nullptr, nullptr, 0, 0, 0), 0);
}

TEST(Demand, ReadsOnlyTheFirstPlayerCountSlots) {
    MarketGen gen(3);
    for (int round = 0; round < kRounds; ++round) {
        Market m = gen.next();
        const std::int32_t count = m.count();
        const std::int32_t i = gen.index(m);
        const double before = m.demand(i, count);
        // Slots past the count hold last week's firms: they must not be seen.
        m.add(1, 1e6f, 5000);
        m.add(std::numeric_limits<float>::quiet_NaN(), 0, 1);
        EXPECT_EQ(m.demand(i, count), before);
    }
}

TEST(Demand, SameInputsSameResult) {
    MarketGen gen(5);
    for (int round = 0; round < kRounds; ++round) {
        const Market m = gen.next();
        const std::int32_t i = gen.index(m);
        const Market copy = m;
        EXPECT_EQ(m.demand(i), copy.demand(i));
    }
}

TEST(Demand, ZeroCoefficientGivesZeroAndDemandIsProportionalToItWhileNobodySellsOut) {
    MarketGen gen(13);
    for (int round = 0; round < kRounds; ++round) {
        Market m = gen.next(true);
        const std::int32_t i = gen.index(m);
        const float k = m.coefficient;
        const double base = m.demand(i);
        ASSERT_GT(base, 0);
        m.coefficient = 2 * k;
        EXPECT_NEAR(m.demand(i), 2 * base, base * 1e-9);
        m.coefficient = k / 4;
        EXPECT_NEAR(m.demand(i), base / 4, base * 1e-9);
        m.coefficient = 0;
        EXPECT_EQ(m.demand(i), 0);
        m.coefficient = -k;
        EXPECT_EQ(m.demand(i), 0);
    }
}

TEST(Demand, FallsStrictlyWithOwnPriceWhileSuitsAreLeft) {
    MarketGen gen(17);
    for (int round = 0; round < kRounds; ++round) {
        Market m = gen.next(true);
        const std::int32_t i = gen.index(m);
        const float price = gen.real(0.01, 5000);
        m.prices[i].Price = price;
        const double cheap = m.demand(i);
        m.prices[i].Price = price * 1.02f;
        EXPECT_LT(m.demand(i), cheap) << price;
    }
}

TEST(Demand, AdvertisingRaisesDemandWithDiminishingReturns) {
    MarketGen gen(19);
    for (int round = 0; round < kRounds; ++round) {
        Market m = gen.next(true);
        const std::int32_t i = gen.index(m);
        const float spend = gen.real(0, 50000);
        const float step = gen.real(100, 5000);
        double d[3];
        for (int s = 0; s < 3; ++s) {
            m.adverts[i].AdvExp = spend + float(s) * step;
            d[s] = m.demand(i);
        }
        EXPECT_LE(d[0], d[1]);
        EXPECT_LE(d[1], d[2]);
        EXPECT_LT(d[2] - d[1], d[1] - d[0]) << spend << " + " << step;
    }
}

TEST(Demand, CompetitorsPricesAndAdvertisingWorkAgainstTheFirm) {
    MarketGen gen(23);
    int compared = 0;
    for (int round = 0; round < kRounds; ++round) {
        Market m = gen.next(true);
        if (m.count() < 2)
            continue;
        ++compared;
        const std::int32_t i = gen.index(m);
        const std::int32_t rival = (i + 1) % m.count();
        const double before = m.demand(i);

        Market dearer = m;
        dearer.prices[rival].Price *= 1.1f;
        EXPECT_GT(dearer.demand(i), before);

        Market louder = m;
        louder.adverts[rival].AdvExp += 2000;
        EXPECT_LT(louder.demand(i), before);
    }
    EXPECT_GT(compared, kRounds / 2);
}

TEST(Demand, DesignContractRaisesDemandWhileItRuns) {
    MarketGen gen(29);
    for (int round = 0; round < kRounds; ++round) {
        Market m = gen.next(true);
        const std::int32_t i = gen.index(m);
        const double plain = m.demand(i);
        const float investment = gen.real(100, 200000);

        m.design = investment;
        for (std::int32_t weeks : {0, 4, -1}) {
            m.designWeeks = weeks;
            EXPECT_EQ(m.demand(i), plain) << "weeks " << weeks;
        }
        m.designWeeks = 1;
        m.design = 0;
        EXPECT_EQ(m.demand(i), plain);
        m.design = -investment;
        EXPECT_EQ(m.demand(i), plain);

        double d[3];
        for (int s = 0; s < 3; ++s) {
            m.design = investment * float(s + 1);
            d[s] = m.demand(i);
        }
        EXPECT_GT(d[0], plain);
        EXPECT_LE(d[0], d[1]);
        EXPECT_LE(d[1], d[2]);
        // Diminishing, and never past the buyers who would buy nothing.
        EXPECT_LE(d[2] - d[1], d[1] - d[0] + 1e-9);
        for (std::int32_t weeks : {2, 3}) {
            m.designWeeks = weeks;
            EXPECT_EQ(m.demand(i), d[2]);
        }
    }
}

// Each call knows only the asked firm's contract: with every firm designing, the
// week's sales still stay within the market.
TEST(Demand, DesignContractsTogetherNeverSellPastTheMarket) {
    for (int firms = 2; firms <= 6; ++firms) {
        Market m = equalFirms(firms, 100, 1000);
        const double plain = m.demand(0);
        m.design = 5000;
        m.designWeeks = 1;
        EXPECT_GT(m.demand(0), plain);
        EXPECT_LE(m.demand(0) * firms, 1.1 * 500 * (1 + 1e-6)) << firms;
    }
}

// An idle slot takes no buyers, whatever its price and advertising: to the others
// it is as if it were not there. A price that is not a number sells nothing.
TEST(Demand, FirmsThatOfferNothingDoNotCompete) {
    MarketGen gen(31);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (int round = 0; round < kRounds; ++round) {
        Market m = gen.next();
        const std::int32_t i = gen.index(m);
        const double unsold = m.demand(i);
        m.add(1, 0, 0);
        for (auto [price, amount] :
             {std::pair{1.0f, 0.0f}, {1.0f, -50.0f}, {1.0f, nan}, {nan, 5000.0f}}) {
            m.prices.back().Price = price;
            m.adverts.back().AdvExp = 1e6f;
            m.offers.back().Amount = amount;
            EXPECT_EQ(m.demand(i), unsold);
            EXPECT_EQ(m.demand(m.count() - 1), 0);
            Market idleFirst = m; // the same slot before the others
            std::rotate(idleFirst.prices.rbegin(), idleFirst.prices.rbegin() + 1,
                        idleFirst.prices.rend());
            std::rotate(idleFirst.adverts.rbegin(), idleFirst.adverts.rbegin() + 1,
                        idleFirst.adverts.rend());
            std::rotate(idleFirst.offers.rbegin(), idleFirst.offers.rbegin() + 1,
                        idleFirst.offers.rend());
            EXPECT_NEAR(idleFirst.demand(i + 1), unsold, unsold * 1e-12);
        }
    }
}

// It used to be asked what the market would buy at its price; now it has nothing to sell.
TEST(Demand, TheAskedFirmGetsNothingWhenItOffersNothing) {
    Market m = equalFirms(2, 100, 1000);
    EXPECT_GT(m.demand(0), 0);
    m.offers[0].Amount = 0;
    EXPECT_EQ(m.demand(0), 0);
}

std::vector<double> demands(const Market& m) {
    std::vector<double> d;
    for (std::int32_t i = 0; i < m.count(); ++i)
        d.push_back(m.demand(i));
    return d;
}

// The market: what the same firms sell together when none runs short. A firm
// below its offer is served in full: more suits on offer change nothing.
TEST(DemandWithOffers, EachFirmServedInFullOrHeldAtItsOfferWithinTheMarket) {
    MarketGen gen(37);
    for (int round = 0; round < kRounds; ++round) {
        const Market m = gen.next();
        const std::vector<double> d = demands(m);
        Market ample = m;
        for (TProd& offer : ample.offers)
            offer.Amount = 1e9f;
        const std::vector<double> unlimited = demands(ample);
        EXPECT_LE(std::accumulate(d.begin(), d.end(), 0.0),
                  std::accumulate(unlimited.begin(), unlimited.end(), 0.0) * (1 + 1e-12));
        for (std::int32_t i = 0; i < m.count(); ++i) {
            EXPECT_LE(d[i], m.offers[i].Amount);
            if (d[i] == m.offers[i].Amount)
                continue;
            Market more = m;
            more.offers[i].Amount *= 2;
            const std::vector<double> after = demands(more);
            for (std::size_t j = 0; j < d.size(); ++j)
                EXPECT_NEAR(after[j], d[j], d[j] * 1e-12) << "round " << round;
        }
    }
}

// Buyers a rival held at its offer cannot serve reach the firms with suits left.
TEST(DemandWithOffers, ARivalOfferingLessNeverLowersAFirmsDemand) {
    MarketGen gen(43);
    for (int round = 0; round < kRounds; ++round) {
        const Market m = gen.next();
        const std::int32_t rival = gen.index(m);
        const std::vector<double> before = demands(m);
        const bool held = before[rival] == m.offers[rival].Amount;
        for (float share : {0.0f, 0.5f, gen.real(0, 1)}) {
            Market less = m;
            less.offers[rival].Amount *= share;
            const std::vector<double> after = demands(less);
            for (std::int32_t i = 0; i < m.count(); ++i) {
                if (i == rival)
                    continue;
                EXPECT_GE(after[i], before[i] * (1 - 1e-12)) << "round " << round;
                if (held && after[i] < less.offers[i].Amount) {
                    EXPECT_GT(after[i], before[i]) << "round " << round;
                }
            }
        }
    }
}

TEST(DemandWithOffers, ShortRivalsLeaveTheirBuyersToTheFirm) {
    struct Case {
        float price, advertising, offerBefore, offer;
        double lowestRatio; // of the firm's demand after over before
    };
    const Case cases[] = {
        // A one-suit rival at 1 $ takes one buyer and, now that it competes, its share
        // of the buyers who buy nothing (a fifth of a duel's), not the market.
        {1, 0, 0, 1, 0.75},
        {1, 20000, 0, 1, 0.75},
        {90, 1000, 5000, 100, 1.2}, // a rival at 90 $ offering 100 suits, not 5000
        {90, 20000, 5000, 100, 1.2},
    };
    for (const Case& c : cases) {
        Market m;
        m.add(100, 1000, 5000);
        m.add(c.price, c.advertising, c.offerBefore);
        const double before = m.demand(0);
        m.offers[1].Amount = c.offer;
        EXPECT_GE(m.demand(0), c.lowestRatio * before) << c.price << " $, " << c.advertising;
    }
}

// The starting economy: market coefficient 1.1, wages 550.
// The market is much smaller than the firms: two equal firms at a fair price each
// sell about a fifth of a full workshop's output, so they must compete for buyers.
TEST(DemandCalibration, TwoEqualFirmsAtTheStart) {
    const Market m = equalFirms(2, 100, 1000);
    EXPECT_GE(m.demand(0), 150);
    EXPECT_LE(m.demand(0), 250);
    EXPECT_EQ(m.demand(0), m.demand(1));
}

// A full starting workshop: 40 workers, 10 level-1 machines, 1000 suits a week.
struct StartingWorkshop {
    static constexpr std::int32_t capacity = 1000;
    double unitCost = CalculateProdCost(550, 346, 2401, 2 * capacity, 40, capacity, 10);
    float proposedPrice = float(1.5 * (unitCost + 40));
};

// A full workshop earns only by selling most of its output: against an equal rival
// at the proposed price it loses money, so a game between fair firms can end.
TEST(DemandCalibration, StartingWorkshopLosesAgainstAnEqualRivalAtItsProposedPrice) {
    const StartingWorkshop shop;
    const Market m = equalFirms(2, shop.proposedPrice, 1000);
    const auto profit = [&](double sold) {
        return 0.9 * shop.proposedPrice * sold - shop.unitCost * shop.capacity -
               40.0 * shop.capacity - 1000;
    };
    const double sold = std::min(m.demand(0), double(shop.capacity));
    EXPECT_LT(profit(sold), 0) << "sold " << sold << " at " << shop.proposedPrice;
    EXPECT_GT(profit(shop.capacity), 0);
}

TEST(DemandCalibration, ThreefoldPriceLosesMostBuyers) {
    const StartingWorkshop shop;
    Market m = equalFirms(2, shop.proposedPrice, 1000);
    const double fair = m.demand(0);
    m.prices[0].Price = 3 * shop.proposedPrice;
    EXPECT_LT(m.demand(0), fair / 4);
}

// More firms bring no more buyers: every firm that leaves gives the others its
// share, so the last ones standing recover and a crowded market starves.
TEST(DemandCalibration, MarketDoesNotGrowWithTheFirms) {
    double lastEach = 1e30;
    for (int firms = 2; firms <= 10; ++firms) {
        const Market m = equalFirms(firms, 100, 1000);
        const double each = m.demand(firms - 1);
        EXPECT_LT(each * firms, 1.1 * 500) << firms;
        EXPECT_LT(each, lastEach) << firms;
        lastEach = each;
    }
}

// A rival that runs dry or offers nothing sends most of its buyers to the others.
TEST(DemandCalibration, ASilentRivalsBuyersMostlyGoToTheOthers) {
    Market m = equalFirms(2, 100, 1000);
    const double shared = m.demand(0);
    m.offers[1].Amount = 0;
    const double alone = m.demand(0);
    EXPECT_GT(alone - shared, 0.5 * shared);
}

} // namespace
