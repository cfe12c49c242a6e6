#include "core/model/industry.h"
#include "core/platform/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

int workersOf(const TBuilding& b) {
    int total = 0;
    for (const TWorkPlace& w : b.WorkPlaces)
        total += w.Workers;
    return total;
}

} // namespace

TEST(TWorkPlace, StaffingTable) {
    TWorkPlace one(1, 30000);
    EXPECT_EQ(one.MaxWorkers, 4);
    EXPECT_EQ(one.Amortization, 229.5f);
    one.SetWorkers(4);
    EXPECT_EQ(one.Productivity, 100);
    EXPECT_EQ(one.Costs, 9.0f);
    EXPECT_EQ(one.Workers, 0); // SetWorkers does not store the number

    TWorkPlace two(2, 45000);
    two.SetWorkers(4);
    EXPECT_EQ(two.Productivity, 150);
    EXPECT_EQ(two.Costs, 10.0f);

    TWorkPlace three(3, 60000);
    EXPECT_EQ(three.MaxWorkers, 3);
    three.SetWorkers(3);
    EXPECT_EQ(three.Productivity, 200);
    EXPECT_EQ(three.Costs, 7.0f);
    three.SetWorkers(4); // no entry: the values stay
    EXPECT_EQ(three.Productivity, 200);
    three.SetWorkers(1);
    EXPECT_EQ(three.Productivity, 100);
    EXPECT_EQ(three.Costs, 3.0f);
    EXPECT_FLOAT_EQ(three.Amortization, 459.0f);
}

TEST(TBuilding, NewBuilding) {
    const TBuilding b(10);
    EXPECT_EQ(b.Size(), 500);
    EXPECT_EQ(b.WorkPlaceCount, 10);
    EXPECT_EQ(b.WorkPlaces.size(), 10u);
    EXPECT_EQ(b.UsedArea, 100);
    EXPECT_EQ(b.FreeArea, 400);
    EXPECT_EQ(b.Value, 110000.0f);
    EXPECT_EQ(b.Costs, 250.0f);
    EXPECT_EQ(b.Amortization, 100.0f);
    EXPECT_EQ(b.MaxSize, 5000);
    EXPECT_EQ(b.Level, 1);
    for (const TWorkPlace& w : b.WorkPlaces) {
        EXPECT_EQ(w.Workers, 0);
        EXPECT_EQ(w.Amortization, 229.5f);
        EXPECT_EQ(w.Level, 1);
    }
}

TEST(TBuilding, SizeSetterRecomputesValueCostsAndAmortization) {
    TBuilding b(10);
    b.SetSize(1000);
    EXPECT_EQ(b.Value, 100000.0f);
    EXPECT_EQ(b.Costs, 500.0f);
    EXPECT_EQ(b.Amortization, 200.0f);
    EXPECT_EQ(b.FreeArea, 400); // areas are the caller's
}

TEST(TBuilding, BuildAreaRefusesOddAreasAndOffersTheRest) {
    ScriptedPrompter prompter;
    TBuilding b(10);
    EXPECT_EQ(b.BuildArea(15, prompter), 0);
    EXPECT_EQ(prompter.last().text,
              "Зачем тебе 5 м2 неиспользуемой площади? Ведь за них нужно будет платить 3,50$");
    EXPECT_EQ(prompter.last().kind, Prompter::Kind::Error);

    prompter.queue(false);
    EXPECT_EQ(b.BuildArea(5000, prompter), 0);
    EXPECT_EQ(
        prompter.last().text,
        "Здание достигло максимального размера, и вы можете построить\nтолько 4500 м2 на сумму 450000,00$. Вы хотите сделать это?");
    EXPECT_EQ(b.Size(), 500);

    prompter.queue(true);
    EXPECT_EQ(b.BuildArea(5000, prompter), 4500);
    EXPECT_EQ(b.Size(), 5000);
    EXPECT_EQ(b.FreeArea, 4900);
    EXPECT_EQ(b.BuildArea(10, prompter), 0);
    EXPECT_EQ(prompter.last().text, "У вас нет места для постройки нового здания!");

    TBuilding c(10);
    EXPECT_EQ(c.BuildArea(4500, prompter), 4500); // exactly the rest: no question
    EXPECT_EQ(c.Size(), 5000);
}

TEST(TBuilding, SellAreaUnderMachinesTakesTheLastMachines) {
    ScriptedPrompter prompter;
    TBuilding b(10);
    b.WorkPlaces.back().Price = 1; // mark the last machine
    prompter.queue(true);
    EXPECT_EQ(b.SellArea(410, prompter), 410);
    EXPECT_EQ(prompter.last().text,
              "Вы Можете продать 410 м2 только вместе с 1 рабочих мест. Вы хотитие сделать это?");
    EXPECT_EQ(b.Size(), 90);
    EXPECT_EQ(b.WorkPlaceCount, 9);
    EXPECT_EQ(b.WorkPlaces.size(), 9u);
    EXPECT_EQ(b.FreeArea, 0);
    EXPECT_EQ(b.UsedArea, 90);
    for (const TWorkPlace& w : b.WorkPlaces)
        EXPECT_EQ(w.Price, 30000.0f);

    EXPECT_EQ(b.SellArea(15, prompter), 0);
    EXPECT_EQ(prompter.last().text,
              "Зачем вам 5 м2 неиспользуемой площади? Ведь за них нужно будет платить 3,50$");
}

TEST(TBuilding, SellingFreeAreaNeedsNoQuestion) {
    ScriptedPrompter prompter;
    TBuilding b(10);
    EXPECT_EQ(b.SellArea(400, prompter), 400);
    EXPECT_EQ(b.Size(), 100);
    EXPECT_EQ(b.FreeArea, 0);
    EXPECT_EQ(b.Value, 10000.0f);
    EXPECT_TRUE(prompter.boxes().isEmpty());
}

TEST(TBuilding, SellingTheWholeBuildingKeepsItsLevel) {
    ScriptedPrompter prompter;
    TBuilding b(10);
    b.Upgrade();
    prompter.queue(false);
    EXPECT_EQ(b.SellArea(600, prompter), 0);
    EXPECT_EQ(
        prompter.last().text,
        "Вы действительно хотите продать предприятие за 110000,00$?!7! Его размер составляет 500 м2 с 10 рабочими местами");
    EXPECT_EQ(b.Size(), 500);
    prompter.queue(true);
    EXPECT_EQ(b.SellArea(500, prompter), 500);
    EXPECT_EQ(b.Size(), 0);
    EXPECT_TRUE(b.WorkPlaces.empty());
    EXPECT_EQ(b.WorkPlaceCount, 0);
    EXPECT_EQ(b.FreeArea, 0);
    EXPECT_EQ(b.Level, 2);
    EXPECT_EQ(b.MaxSize, 10000);
    EXPECT_EQ(b.SellArea(10, prompter), 0);
    EXPECT_EQ(prompter.last().text, "У вас нет земли для продажи");
    EXPECT_EQ(b.BuildArea(10000, prompter), 10000);
    EXPECT_EQ(b.FreeArea, 10000);
}

TEST(TBuilding, UpgradeRaisesTheSizeLimit) {
    TBuilding b(10);
    b.Upgrade();
    EXPECT_EQ(b.MaxSize, 10000);
    b.Upgrade();
    EXPECT_EQ(b.MaxSize, 15000);
    b.Upgrade();
    EXPECT_EQ(b.Level, 4);
    EXPECT_EQ(b.MaxSize, 15000);
}

TEST(TBuilding, BuyingAsksWhenTheRequestReachesTheRoom) {
    ScriptedPrompter prompter;
    TBuilding b(10);
    EXPECT_EQ(b.BuyWorkPlaces(39, 2, 45000, prompter), 39);
    EXPECT_TRUE(prompter.boxes().isEmpty());
    EXPECT_EQ(b.FreeArea, 10);
    prompter.queue(true);
    EXPECT_EQ(b.BuyWorkPlaces(1, 2, 45000, prompter), 1);
    EXPECT_EQ(prompter.last().text,
              "Вы можете купить только 1 рабочих мест за 45000,00$. Вы хотите сделать это?");
    EXPECT_EQ(b.FreeArea, 0);
    EXPECT_EQ(b.WorkPlaceCount, 50);
    EXPECT_EQ(b.BuyWorkPlaces(1, 1, 30000, prompter), 0);
    EXPECT_EQ(prompter.last().text, "У вас недостаточно места для покупки новых рабочих мест");

    TBuilding c(10);
    prompter.queue(true);
    EXPECT_EQ(c.BuyWorkPlaces(40, 1, 30000, prompter), 40);
    EXPECT_EQ(prompter.last().text,
              "Вы можете купить только 40 рабочих мест за 1200000,00$. Вы хотите сделать это?");
    EXPECT_EQ(c.WorkPlaceCount, 50);
    EXPECT_EQ(c.UsedArea, 500);
}

TEST(TBuilding, SellingMachinesOfALevel) {
    ScriptedPrompter prompter;
    TBuilding b(10);
    EXPECT_EQ(b.SellWorkPlaces(1, 3, 39000, prompter), 0);
    EXPECT_EQ(prompter.last().text, "У вас нет больше станков, чтобы продавать их ");
    b.BuyWorkPlaces(2, 3, 60000, prompter);
    b.BuyWorkPlaces(1, 2, 45000, prompter);
    prompter.queue(false);
    EXPECT_EQ(b.SellWorkPlaces(3, 3, 39000, prompter), 0);
    EXPECT_EQ(prompter.last().text,
              "Вы можете продать только 2 рабочих мест за 78000,00$. Вы хотите сделать это?");
    EXPECT_EQ(b.WorkPlaceCount, 13);
    prompter.queue(true);
    EXPECT_EQ(b.SellWorkPlaces(3, 3, 39000, prompter), 2);
    EXPECT_EQ(b.WorkPlaceCount, 11);
    EXPECT_EQ(b.WorkPlaces.size(), 11u);
    EXPECT_EQ(b.FreeArea, 390);
    EXPECT_EQ(b.SellWorkPlaces(4, 1, 19500, prompter), 4);
    EXPECT_EQ(b.WorkPlaceCount, 7);
    EXPECT_EQ(b.UsedArea, 70);
    EXPECT_EQ(b.FreeArea, 430);
    // The other levels come first, the remaining machines of the sold level last.
    EXPECT_EQ(b.WorkPlaces.front().Level, 2);
    EXPECT_EQ(b.WorkPlaces.back().Level, 1);
}

TEST(TBuilding, HiringAndFiringOffers) {
    ScriptedPrompter prompter;
    TBuilding b(10);
    EXPECT_EQ(b.FireOffer(1, prompter), 0);
    EXPECT_EQ(prompter.last().text, "Вы уже уволили всех кого можно");
    EXPECT_EQ(b.HireMode, 0);
    prompter.queue(true);
    const int n = b.HireOffer(45, prompter);
    EXPECT_EQ(n, 40);
    EXPECT_EQ(prompter.last().text, "Вы можете нанять только 40 рабочих. Вы хотите сделать это?");
    EXPECT_EQ(b.HireMode, 1);
    EXPECT_EQ(workersOf(b), 0); // an offer staffs nothing
    b.DistributeWorkers(n);
    for (const TWorkPlace& w : b.WorkPlaces) {
        EXPECT_EQ(w.Workers, 4);
        EXPECT_EQ(w.Productivity, 100);
    }
    EXPECT_EQ(b.UpdateWorkers(), 40);
    EXPECT_EQ(b.HireOffer(1, prompter), 0);
    EXPECT_EQ(prompter.last().text,
              "Вы не можете нанять дополнительных рабочих из-за отсутствия рабочих мест");
    prompter.queue(false);
    EXPECT_EQ(b.FireOffer(41, prompter), 0);
    EXPECT_EQ(prompter.last().text, "Вы можете уволить только 40 рабочих. Вы хотите сделать это?");
    const int fired = b.FireOffer(6, prompter);
    EXPECT_EQ(fired, 6);
    b.DistributeWorkers(fired);
    EXPECT_EQ(b.UpdateWorkers(), 34);
    EXPECT_EQ(b.WorkPlaces[8].Workers, 2);
    EXPECT_EQ(b.WorkPlaces[9].Workers, 0);
}

TEST(TBuilding, BestMachinesAreStaffedFirstAndListedLast) {
    ScriptedPrompter prompter;
    TBuilding b(0);
    b.BuyWorkPlaces(1, 1, 30000, prompter);
    b.BuyWorkPlaces(1, 3, 60000, prompter);
    b.BuyWorkPlaces(1, 1, 30000, prompter);
    b.WorkPlaces[0].Price = 1; // the first level-1 machine in list order
    b.DistributeWorkers(b.HireOffer(6, prompter));
    ASSERT_EQ(b.WorkPlaces.size(), 3u);
    EXPECT_EQ(b.WorkPlaces[0].Level, 1);
    EXPECT_EQ(b.WorkPlaces[0].Price, 1.0f);
    EXPECT_EQ(b.WorkPlaces[0].Workers, 3);
    EXPECT_EQ(b.WorkPlaces[0].Productivity, 70);
    EXPECT_EQ(b.WorkPlaces[1].Workers, 0);
    EXPECT_EQ(b.WorkPlaces[2].Level, 3);
    EXPECT_EQ(b.WorkPlaces[2].Workers, 3);
    EXPECT_EQ(b.WorkPlaces[2].Productivity, 200);
    EXPECT_EQ(b.WorkerCapacity(), 11);
}

TEST(TBuilding, ModeTwoRedistributesWithoutChange) {
    ScriptedPrompter prompter;
    TBuilding b(10);
    b.DistributeWorkers(b.HireOffer(13, prompter));
    b.HireMode = 2;
    b.DistributeWorkers(100);
    EXPECT_EQ(b.UpdateWorkers(), 13);
}
