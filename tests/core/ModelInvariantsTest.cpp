#include "core/model/player.h"
#include "core/platform/Prompter.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// Answers every question at random and counts the boxes.
class CoinPrompter : public Prompter {
public:
    explicit CoinPrompter(std::mt19937& rng) : rng_(rng) {}
    bool show(Kind kind, const QString&, const QString&) override {
        ++boxes;
        return !isQuestion(kind) || (rng_() & 1u);
    }
    int boxes = 0;

private:
    std::mt19937& rng_;
};

std::int32_t areaFor(std::int32_t units) {
    return (units + 99) / 100;
}

void checkInvariants(const TIndustry& industry, int step) {
    SCOPED_TRACE(step);
    EXPECT_EQ(industry.FreeLand, industry.Land - industry.UsedLand);
    EXPECT_LE(industry.UsedLand, industry.Land);
    EXPECT_LE(industry.Land, industry.MaxLand);
    for (const TBuilding& b : industry.Buildings) {
        EXPECT_EQ(b.WorkPlaceCount, std::int32_t(b.WorkPlaces.size()));
        EXPECT_EQ(b.UsedArea, 10 * b.WorkPlaceCount);
        EXPECT_EQ(b.FreeArea, b.Size() - b.UsedArea);
        EXPECT_GE(b.FreeArea, 0);
        EXPECT_LE(b.Size(), b.MaxSize);
        EXPECT_EQ(b.Size() % 10, 0);
        for (const TWorkPlace& w : b.WorkPlaces) {
            EXPECT_GE(w.Workers, 0);
            EXPECT_LE(w.Workers, w.MaxWorkers);
        }
    }
    for (const TStorage& s : industry.Storages) {
        EXPECT_EQ(s.UsedArea, areaFor(s.Amount));
        EXPECT_EQ(s.FreeArea, s.Size() - s.UsedArea);
        EXPECT_GE(s.Amount, 0);
        EXPECT_LE(s.Amount, 100 * s.Size());
        EXPECT_LE(s.Size(), s.MaxSize);
    }
}

} // namespace

TEST(ModelInvariants, HoldAfterLongRandomSequences) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        CoinPrompter prompter(rng);
        TZorvick company(1);
        TIndustry& industry = company.Industries[0];
        TBuilding& building = industry.Buildings[0];
        auto amount = [&](int max) { return std::int32_t(rng() % std::uint32_t(max + 1)); };
        auto area = [&](int max) {
            // Mostly whole tens, sometimes an odd area to be refused.
            const std::int32_t a = amount(max);
            return rng() % 8 == 0 ? a : a - a % 10;
        };
        for (int step = 0; step < 400; ++step) {
            const int level = 1 + int(rng() % 3);
            const float price = level == 1 ? 30000.0f : level == 2 ? 45000.0f : 60000.0f;
            switch (rng() % 12) {
            case 0:
                industry.BuyLand(amount(6000), prompter);
                break;
            case 1:
                industry.SellLand(amount(3000), prompter);
                break;
            case 2:
                building.BuildArea(area(3000), prompter);
                break;
            case 3:
                building.SellArea(area(building.Size() + 50), prompter);
                break;
            case 4:
                building.BuyWorkPlaces(amount(30), level, price, prompter);
                break;
            case 5:
                building.SellWorkPlaces(amount(15), level, price * 0.65f, prompter);
                break;
            case 6:
                building.DistributeWorkers(building.HireOffer(amount(60), prompter));
                break;
            case 7:
                building.DistributeWorkers(building.FireOffer(amount(60), prompter));
                break;
            case 8:
                industry.Storages[amount(1)].BuySpace(amount(400), prompter);
                break;
            case 9:
                industry.Storages[amount(1)].SellSpace(amount(100), prompter);
                break;
            case 10:
                industry.Storages[amount(1)].Load(amount(6000), prompter);
                break;
            case 11:
                industry.Storages[amount(1)].Take(amount(3000), rng() % 2 == 0, prompter);
                break;
            }
            checkInvariants(industry, step);
            if (HasFailure())
                return;
        }
        EXPECT_GT(prompter.boxes, 0);
    }
}

TEST(ModelInvariants, StoredMoneyIsRoundedToSinglePrecision) {
    // A workplace's amortisation is computed in double and stored as a float.
    const TWorkPlace w(2, 45000.1f);
    EXPECT_EQ(w.Amortization, float(double(45000.1f) * 0.00765));
    const TBuilding b(3);
    EXPECT_EQ(b.Value, float(500.0 * 100.0 + 3 * 6000.0));
    // Sums of an enterprise are taken in single precision, storages first.
    const TIndustry industry(1, 2);
    EXPECT_FLOAT_EQ(EnterpriseCosts(industry), 4.0f + 2.0f + 0.0f + 250.0f);
    EXPECT_FLOAT_EQ(EnterpriseAmortization(industry), 4.0f + 2.0f + 10 * 229.5f + 100.0f);
}
