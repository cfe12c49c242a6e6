#include "core/model/industry.h"
#include "core/platform/ScriptedPrompter.h"

#include <gtest/gtest.h>

TEST(TIndustry, NewEnterprise) {
    const TIndustry industry(1, 2);
    EXPECT_EQ(industry.Land, 2000);
    EXPECT_EQ(industry.UsedLand, 1060);
    EXPECT_EQ(industry.FreeLand, 940);
    EXPECT_EQ(industry.MaxLand, 10000);
    EXPECT_EQ(industry.LandPrice, 1020.0f);
    EXPECT_EQ(industry.Storages[0].Kind, 0);
    EXPECT_EQ(industry.Storages[1].Kind, 1);
}

TEST(TIndustry, BuyingBeyondTheLimitOffersTheRest) {
    ScriptedPrompter prompter;
    TIndustry industry(1, 2);
    prompter.queue(true);
    EXPECT_EQ(industry.BuyLand(9000, prompter), 8000);
    EXPECT_EQ(prompter.last().text,
              "Вы можете купить только 8000 м2 земли на сумму 80000 $. Вы хотите сделать это?");
    EXPECT_EQ(prompter.last().kind, Prompter::Kind::Question);
    EXPECT_EQ(industry.Land, 10000);
    EXPECT_EQ(industry.FreeLand, 8940);
    EXPECT_EQ(industry.BuyLand(1, prompter), 0);
    EXPECT_EQ(prompter.last().text, "Вы исчерали лимит земли!");
    EXPECT_EQ(prompter.last().kind, Prompter::Kind::Error);
}

TEST(TIndustry, NoToAnOfferChangesNothing) {
    ScriptedPrompter prompter;
    TIndustry industry(1, 2);
    prompter.queue({false, false});
    EXPECT_EQ(industry.BuyLand(9000, prompter), 0);
    EXPECT_EQ(industry.SellLand(1000, prompter), 0);
    EXPECT_EQ(industry.Land, 2000);
    EXPECT_EQ(industry.FreeLand, 940);
}

TEST(TIndustry, ExactAmountsNeedNoQuestion) {
    ScriptedPrompter prompter;
    TIndustry industry(1, 2);
    EXPECT_EQ(industry.BuyLand(8000, prompter), 8000);
    EXPECT_EQ(industry.SellLand(8940, prompter), 8940);
    EXPECT_TRUE(prompter.boxes().isEmpty());
    EXPECT_EQ(industry.Land, 1060);
    EXPECT_EQ(industry.FreeLand, 0);
}

TEST(TIndustry, SellingMoreThanTheFreeLandOffersIt) {
    ScriptedPrompter prompter;
    TIndustry industry(1, 2);
    prompter.queue(true);
    EXPECT_EQ(industry.SellLand(1000, prompter), 940);
    EXPECT_EQ(prompter.last().text,
              "Вы можете продать только 940 м2 земли на сумму 18800 $. Вы хотите сделать это?");
    EXPECT_EQ(industry.Land, 1060);
    EXPECT_EQ(industry.FreeLand, 0);
    EXPECT_EQ(industry.SellLand(10, prompter), 0);
    EXPECT_EQ(prompter.last().text, "Вы уже продали всю землю!");
}
