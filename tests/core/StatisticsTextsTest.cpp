#include "core/board/EnterpriseStatistics.h"
#include "core/model/industry.h"
#include "core/platform/ScriptedPrompter.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {
QMap<QString, QString> asMap(const StatisticsPage& page) {
    QMap<QString, QString> out;
    for (const auto& [label, text] : page)
        out.insert(label, text);
    return out;
}
} // namespace

TEST(EnterpriseStatistics, GeneralPageOfANewEnterprise) {
    const TIndustry industry(1, 2);
    const auto page = asMap(EnterpriseStatistics::General(industry));
    EXPECT_EQ(page["IBCount"], "Количество цехов:    1");
    EXPECT_EQ(page["ISCount"], "Количество складов:  2");
    EXPECT_EQ(page["SRMCount"], "Сырья:              1");
    EXPECT_EQ(page["SGCount"], "Товаров:            1");
    EXPECT_EQ(page["ILandUsage"], "Использование земли: 9060 м2");
    EXPECT_EQ(page["lLMaxSize"], "Всего земли:         2000 м2");
    EXPECT_EQ(page["ICosts"], "Издержки (ход):      256,00$/ход");
    EXPECT_EQ(page["IUsage"], "Аммортизация (ход):  2401,00$/ход");
}

TEST(EnterpriseStatistics, StoragePages) {
    TIndustry industry(1, 2);
    auto raw = asMap(EnterpriseStatistics::Storage(industry, 0));
    EXPECT_EQ(raw["lSCount"], "1/2");
    EXPECT_EQ(raw["lSType"], "Тип:                  Склад сырья");
    EXPECT_EQ(raw["lSCosts"], "Издержки:             4,00$/ход");
    EXPECT_EQ(raw["lSUsage"], "Аммортизация:         4,00$/ход");
    EXPECT_EQ(raw["lCurrAOSP"], "Текущая площадь:      40 м2");
    EXPECT_EQ(raw["lSMaxSize"], "Максимальная площадь: 2000 м2");
    auto goods = asMap(EnterpriseStatistics::Storage(industry, 1));
    EXPECT_EQ(goods["lSCount"], "2/2");
    EXPECT_EQ(goods["lSType"], "Тип:                  Склад товаров");
    industry.Storages[1].Kind = 7;
    EXPECT_FALSE(asMap(EnterpriseStatistics::Storage(industry, 1)).contains("lSType"));
    EXPECT_TRUE(EnterpriseStatistics::Storage(industry, 2).empty());
}

TEST(EnterpriseStatistics, WorkshopPages) {
    ScriptedPrompter prompter;
    TIndustry industry(1, 2);
    TBuilding& b = industry.Buildings[0];
    auto page = asMap(EnterpriseStatistics::Workshop(industry, 0));
    EXPECT_EQ(page["lBCount"], "1/1");
    EXPECT_EQ(page["lBLevel"], "Уровень:                 1");
    EXPECT_EQ(page["lBAmountOfWorkPlaces"], "Количество:              10");
    EXPECT_EQ(page["lMaxAmount"], "Максимальное количество: 50");
    EXPECT_EQ(page["lWPFL"], "I уровня:               10");
    EXPECT_EQ(page["lWPSL"], "II уровня:              0");
    EXPECT_EQ(page["lWPTL"], "III уровня:             0");
    EXPECT_EQ(page["lWPU"], "Амортизация:             2295,00$/ход");
    EXPECT_EQ(page["lCOWP"], "Издержки:                0,00$/ход");
    EXPECT_EQ(page["lBCapacility"], "Текущая площадь:         500 м2");
    EXPECT_EQ(page["lBmaxSize"], "Максимальная площадь:    5000 м2");
    EXPECT_EQ(page["lCOB"], "Издержки:                250,00$/ход");
    EXPECT_EQ(page["lBU"], "Аммортизация:            100,00$/ход");

    // All machines of level 2; a 505 m2 workshop holds at most 50 of them.
    prompter.queue(true);
    b.SellWorkPlaces(10, 1, 19500, prompter);
    b.BuyWorkPlaces(3, 2, 45000, prompter);
    b.SetSize(505);
    page = asMap(EnterpriseStatistics::Workshop(industry, 0));
    EXPECT_EQ(page["lMaxAmount"], "Максимальное количество: 50");
    EXPECT_EQ(page["lWPFL"], "I уровня:               0");
    EXPECT_EQ(page["lWPSL"], "II уровня:              3");
    EXPECT_EQ(page["lWPTL"], "III уровня:             0");
}

TEST(EnterpriseStatistics, EnterpriseWithoutMachinesShowsZeroSums) {
    ScriptedPrompter prompter;
    TIndustry industry(1, 2);
    prompter.queue(true);
    industry.Buildings[0].SellArea(500, prompter);
    const auto page = asMap(EnterpriseStatistics::Workshop(industry, 0));
    EXPECT_EQ(page["lWPU"], "Амортизация:             0,00$/ход");
    EXPECT_EQ(page["lCOWP"], "Издержки:                0,00$/ход");
    EXPECT_EQ(page["lBAmountOfWorkPlaces"], "Количество:              0");
}
