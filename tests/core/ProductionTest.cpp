#include "core/model/player.h"
#include "core/platform/ScriptedPrompter.h"
#include "core/platform/SilentSound.h"
#include "external/MathLibrary.h"

#include <gtest/gtest.h>

namespace {

struct CostCall {
    float salary, costs, amortization;
    std::int32_t rawUnits, workers, volume, staffed;
};
CostCall lastCall;
int calls = 0;

double recordingCost(float salary, float costs, float amortization, std::int32_t rawUnits,
                     std::int32_t workers, std::int32_t volume, std::int32_t staffed) {
    lastCall = {salary, costs, amortization, rawUnits, workers, volume, staffed};
    ++calls;
    return 12.3456789;
}

// Ten level-1 machines with four workers each: 1000 suits a week.
TZorvick fullWorkshop(std::int32_t rawUnits) {
    ScriptedPrompter prompter;
    TZorvick company(1);
    TBuilding& b = company.Industries[0].Buildings[0];
    b.DistributeWorkers(b.HireOffer(40, prompter));
    company.Industries[0].Storages[0].Load(rawUnits, prompter);
    return company;
}

} // namespace

TEST(Production, MaximumIsTheSmallerOfMachinesAndMaterials) {
    EXPECT_EQ(fullWorkshop(1500).MaxProduction(), 750);
    EXPECT_EQ(fullWorkshop(3000).MaxProduction(), 1000);
    EXPECT_EQ(TZorvick(1).MaxProduction(), 0);
}

TEST(Production, RawMaterialsAreTakenForWhatTheMachinesCanMake) {
    ScriptedPrompter prompter;
    TZorvick company = fullWorkshop(3000);
    EXPECT_EQ(company.UseRawMaterials(300, true, prompter), 300);
    EXPECT_EQ(company.Industries[0].Storages[0].Amount, 2400);
    EXPECT_EQ(company.UseRawMaterials(1200, false, prompter), 1000); // only a check
    EXPECT_EQ(company.Industries[0].Storages[0].Amount, 2400);
    EXPECT_EQ(company.UseRawMaterials(1200, true, prompter), 1000);
    EXPECT_EQ(company.Industries[0].Storages[0].Amount, 400);
    EXPECT_TRUE(prompter.boxes().isEmpty());
    prompter.queue(true);
    EXPECT_EQ(company.UseRawMaterials(1200, true, prompter), 200);
    EXPECT_EQ(company.Industries[0].Storages[0].Amount, 0);
}

TEST(Production, CostPassesTheSevenArgumentsAndBeeps) {
    SilentSound sound;
    TZorvick company = fullWorkshop(3000);
    calls = 0;
    const float cost = company.ProductionCost(300, 550, sound, &recordingCost);
    EXPECT_EQ(cost, float(12.3456789));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(sound.beeps, 1);
    EXPECT_EQ(lastCall.salary, 550.0f);
    EXPECT_FLOAT_EQ(lastCall.costs, 4 + 2 + 10 * 9.0f + 250);
    EXPECT_FLOAT_EQ(lastCall.amortization, 4 + 2 + 10 * 229.5f + 100);
    EXPECT_EQ(lastCall.rawUnits, 600);
    EXPECT_EQ(lastCall.workers, 40);
    EXPECT_EQ(lastCall.volume, 300);
    EXPECT_EQ(lastCall.staffed, 10);

    company.ProductionCost(0, 550, sound, &recordingCost);
    EXPECT_EQ(lastCall.volume, 1);
    EXPECT_EQ(lastCall.rawUnits, 1);
    EXPECT_EQ(sound.beeps, 2);
}

TEST(Production, IdleWorkshopPassesNoWorkers) {
    SilentSound sound;
    TZorvick company(1);
    company.ProductionCost(10, 550, sound, &recordingCost);
    EXPECT_EQ(lastCall.workers, 0);
    EXPECT_EQ(lastCall.staffed, 0);
}

TEST(Production, MarketLibrarySpreadsTheWeeksBillOverTheVolume) {
    SilentSound sound;
    TZorvick company = fullWorkshop(3000);
    // Wages, running costs, the amortisation twice and the overhead of a run.
    const float bill = 40 * 550.0f + (4 + 2 + 90 + 250) + 2 * (4 + 2 + 2295 + 100) + 8500;
    EXPECT_NEAR(company.ProductionCost(1000, 550, sound) * 1000, bill, bill * 1e-5);
    EXPECT_NEAR(company.ProductionCost(0, 550, sound), bill, bill * 1e-5);
}
