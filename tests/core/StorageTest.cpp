#include "core/model/industry.h"
#include "core/platform/ScriptedPrompter.h"

#include <gtest/gtest.h>

TEST(TStorage, NewStorages) {
    const TStorage raw(0);
    EXPECT_EQ(raw.Size(), 40);
    EXPECT_EQ(raw.MaxSize, 2000);
    EXPECT_FLOAT_EQ(raw.Costs, 4.0f);
    EXPECT_FLOAT_EQ(raw.Amortization, 4.0f);
    EXPECT_EQ(raw.FreeArea, 40);
    const TStorage goods(1);
    EXPECT_EQ(goods.Size(), 20);
    EXPECT_EQ(goods.MaxSize, 1000);
    EXPECT_EQ(goods.Amount, 0);
}

TEST(TStorage, LoadingRawMaterials) {
    ScriptedPrompter prompter;
    TStorage raw(0);
    EXPECT_EQ(raw.Load(4000, prompter), 4000);
    EXPECT_EQ(prompter.last().text, "Склад заполнен!!!");
    EXPECT_EQ(prompter.last().kind, Prompter::Kind::Warning);
    EXPECT_EQ(raw.Load(1, prompter), 0);
    EXPECT_EQ(prompter.last().text,
              "вы больше не можете загружать склад, так как на нем нет свободного места");

    TStorage other(0);
    prompter.queue(true);
    EXPECT_EQ(other.Load(4001, prompter), 4000);
    EXPECT_EQ(
        prompter.last().text,
        "Вы можете приобрести только 4000 едениц сырья по цене 20,00$. Вы хотите сделать это,");
    EXPECT_EQ(other.Amount, 4000);
    EXPECT_EQ(other.FreeArea, 0);
    EXPECT_EQ(other.UsedArea, 40);
}

TEST(TStorage, AreasFollowTheAmountRoundedUp) {
    ScriptedPrompter prompter;
    TStorage raw(0);
    EXPECT_EQ(raw.Load(150, prompter), 150);
    EXPECT_EQ(raw.UsedArea, 2);
    EXPECT_EQ(raw.FreeArea, 38);
    EXPECT_EQ(raw.Take(100, false, prompter), 50);
    EXPECT_EQ(raw.Amount, 50);
    EXPECT_EQ(raw.UsedArea, 1);
    EXPECT_EQ(raw.FreeArea, 39);
    EXPECT_TRUE(prompter.boxes().isEmpty());
}

TEST(TStorage, GoodsThatDoNotFitAreLostCountedInSuits) {
    ScriptedPrompter prompter;
    TStorage goods(1);
    EXPECT_EQ(goods.Load(2500, prompter), 0);
    EXPECT_EQ(prompter.last().text,
              "Из-за нехватки места на складе было потеряно 500 спортивных костюмов... ");
    EXPECT_EQ(goods.Amount, 2000);
    EXPECT_EQ(goods.FreeArea, 0);

    // 150 held (18 m2 free): 50 more suits fit, not 1800.
    TStorage partly(1);
    partly.Load(150, prompter);
    EXPECT_EQ(partly.FreeArea, 18);
    prompter.clearBoxes();
    partly.Load(1900, prompter);
    ASSERT_EQ(prompter.boxes().size(), 1);
    EXPECT_EQ(prompter.last().text,
              "Из-за нехватки места на складе было потеряно 50 спортивных костюмов... ");
    EXPECT_EQ(partly.Amount, 2000);

    // 1950 held: 10 more fit without loss and nothing is made out of nothing.
    TStorage nearlyFull(1);
    nearlyFull.Load(1950, prompter);
    prompter.clearBoxes();
    nearlyFull.Load(10, prompter);
    EXPECT_TRUE(prompter.boxes().isEmpty());
    EXPECT_EQ(nearlyFull.Amount, 1960);
    EXPECT_EQ(nearlyFull.FreeArea, 0);
}

TEST(TStorage, TakingChecksAndAsks) {
    ScriptedPrompter prompter;
    TStorage raw(0);
    EXPECT_EQ(raw.Take(7, true, prompter), 0);
    EXPECT_EQ(raw.Take(7, false, prompter), 0);
    EXPECT_EQ(prompter.last().text, "У вас нет сырья на складе!");
    raw.Load(5, prompter);
    EXPECT_EQ(raw.Take(8, true, prompter), 2);
    EXPECT_EQ(raw.Amount, 5);
    raw.Load(2, prompter);
    EXPECT_EQ(raw.Take(7, true, prompter), 3);
    EXPECT_EQ(raw.Amount, 7);
    prompter.queue(true);
    EXPECT_EQ(raw.Take(9, false, prompter), 3);
    EXPECT_EQ(
        prompter.last().text,
        "У вас нет такого количества сырья на складе. Вы можете использовать только 7 едениц. Вы хотите сделать это?");
    EXPECT_EQ(raw.Amount, 0);
    EXPECT_EQ(raw.FreeArea, 40);
}

TEST(TStorage, BuyingAndSellingSpace) {
    ScriptedPrompter prompter;
    TStorage goods(1);
    EXPECT_EQ(goods.BuySpace(80, prompter), 80);
    EXPECT_EQ(goods.Size(), 100);
    EXPECT_FLOAT_EQ(goods.Costs, 10.0f);
    prompter.queue(true);
    EXPECT_EQ(goods.BuySpace(1000, prompter), 900);
    EXPECT_EQ(
        prompter.last().text,
        "Склад достиг максимального размера, и вы можете построить только 900 м2 на сумму 45000,00$. Вы хотите сделать это?");
    EXPECT_EQ(goods.BuySpace(1, prompter), 0);
    EXPECT_EQ(prompter.last().text, "У вас нет места для покуки складов");

    TStorage raw(0);
    raw.Load(1000, prompter); // 10 m2 taken
    prompter.queue(true);
    EXPECT_EQ(raw.SellSpace(40, prompter), 30);
    EXPECT_EQ(prompter.last().kind, Prompter::Kind::WarningQuestion);
    EXPECT_EQ(
        prompter.last().text,
        "Вы можете продать только 30 м2 склада на сумму 30000,00$, так как остальная часть склада занята. Вы хотите сделать это?");
    EXPECT_EQ(raw.Size(), 10);
    EXPECT_EQ(raw.FreeArea, 0);
    EXPECT_EQ(raw.SellSpace(1, prompter), 0);
    EXPECT_EQ(prompter.last().text, "У вас нет складов, чтобы продавать их");
}
