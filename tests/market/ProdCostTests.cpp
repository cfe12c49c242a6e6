#include "external/MathLibrary.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

namespace {

double cost(float salary, float costs, float amortization, std::int32_t workers,
            std::int32_t volume) {
    // Arguments 4 and 6 as the game passes them: 0 suits become 1 and 1.
    const std::int32_t raw = volume == 0 ? 1 : 2 * volume;
    const std::int32_t single = volume == 0 ? 1 : volume;
    return CalculateProdCost(salary, costs, amortization, raw, workers, single, workers / 4);
}

TEST(ProdCost, VolumeTimesCostIsTheWeeksBill) {
    std::mt19937 gen(7);
    std::uniform_real_distribution<float> money(0, 20000);
    std::uniform_int_distribution<std::int32_t> staff(0, 400);
    std::uniform_int_distribution<std::int32_t> suits(1, 20000);
    for (int round = 0; round < 2000; ++round) {
        const float salary = money(gen) / 10, costs = money(gen), amortization = money(gen);
        const std::int32_t workers = staff(gen), volume = suits(gen);
        // The amortisation counts twice, and a run with workers carries the overhead.
        const double bill =
            double(salary) * workers + costs + 2.0 * amortization + (workers > 0 ? 8500 : 0);
        const float unit = float(cost(salary, costs, amortization, workers, volume));
        EXPECT_NEAR(double(unit) * volume, bill, bill * 1e-6 + 1e-3)
            << salary << " " << costs << " " << amortization << " " << workers << " " << volume;
    }
}

TEST(ProdCost, StartingWorkshop) {
    // 40 workers at 550, running costs 346, amortisation 2401.
    EXPECT_NEAR(cost(550, 346, 2401, 40, 1000), 35.648, 1e-4);
    EXPECT_NEAR(cost(550, 346, 2401, 40, 0), 35648, 1e-2);
    EXPECT_NEAR(cost(550, 346, 2401, 40, 1), 35648, 1e-2);
    // An empty workshop still carries its running costs and amortisation, but runs nothing.
    EXPECT_NEAR(cost(550, 346, 2401, 0, 0), 5148, 1e-3);
}

TEST(ProdCost, NegativeAndNaNInputsCountAsZero) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_DOUBLE_EQ(cost(-550, 346, 2401, 40, 100), cost(0, 346, 2401, 40, 100));
    EXPECT_DOUBLE_EQ(cost(nan, 346, 2401, 40, 100), cost(0, 346, 2401, 40, 100));
    EXPECT_DOUBLE_EQ(cost(550, -346, 2401, 40, 100), cost(550, 0, 2401, 40, 100));
    EXPECT_DOUBLE_EQ(cost(550, nan, 2401, 40, 100), cost(550, 0, 2401, 40, 100));
    EXPECT_DOUBLE_EQ(cost(550, 346, -2401, 40, 100), cost(550, 346, 0, 40, 100));
    EXPECT_DOUBLE_EQ(cost(550, 346, nan, 40, 100), cost(550, 346, 0, 40, 100));
    EXPECT_DOUBLE_EQ(cost(550, 346, 2401, -40, 100), cost(550, 346, 2401, 0, 100));
    EXPECT_DOUBLE_EQ(cost(-1, -1, -1, -1, 100), 0);
    // A volume that is not a number of suits spreads nothing: the whole bill.
    EXPECT_DOUBLE_EQ(CalculateProdCost(550, 346, 2401, -10, 40, -5, 10), 35648);
}

TEST(ProdCost, NeverNegativeNaNOrInfinite) {
    const float extremes[] = {0,
                              -1,
                              1e-30f,
                              1e30f,
                              FLT_MAX,
                              -FLT_MAX,
                              std::numeric_limits<float>::infinity(),
                              -std::numeric_limits<float>::infinity(),
                              std::numeric_limits<float>::quiet_NaN()};
    const std::int32_t counts[] = {std::numeric_limits<std::int32_t>::min(), -1, 0, 1,
                                   std::numeric_limits<std::int32_t>::max()};
    for (float s : extremes)
        for (float c : extremes)
            for (float a : extremes)
                for (std::int32_t w : counts)
                    for (std::int32_t v : counts) {
                        const double r = CalculateProdCost(s, c, a, v, w, v, w);
                        ASSERT_TRUE(std::isfinite(float(r)) && r >= 0)
                            << s << " " << c << " " << a << " " << w << " " << v << " -> " << r;
                    }
}

} // namespace
