// The rules of the asset windows, run through the game controller on a real
// game: what each button does to the enterprise, the money and Constr, and the
// texts the windows show.
#include "core/assets/TAssetTrade.h"
#include "core/assets/TRawMaterialsTrade.h"
#include "core/assets/TStaffTrade.h"
#include "core/assets/TWorkshopUpgrade.h"
#include "core/game/TGameController.h"
#include "core/platform/NullHelp.h"
#include "core/platform/RandomSource.h"
#include "core/platform/ScriptedPrompter.h"
#include "core/platform/SilentSound.h"
#include "tests/common/TwoFirms.h"

#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

using Page = TAssetTrade::Page;

// Two firms in an empty folder: the default economy, machines at 30000, 45000 and
// 60000 $. The first firm is on the board.
struct Firm : TwoFirms {
    TAssetTrade trade{controller, prompter};
};

const QString NoMoney = QStringLiteral("У вас недостаточно денег для этого.");

TEST(AssetTrade, EachPageChargesItsPriceAndBooksItsRate) {
    struct Case {
        const char* name;
        Page page;
        const char* amount;
        float price, sale, constr, constrSale; // for the whole amount
        const char* currentAfterBuy;
    };
    // Land costs 20 $ a m2 and storage 1000 $, whatever the total lines quote; a
    // machine sells for 65 % of its level's price. Constr books the money itself.
    const Case cases[] = {
        {"land", Page::Land, "100", 2000, 2000, 2000, 2000, "Текущая площадь: 2100 м2"},
        {"storage", Page::Storage, "5", 5000, 5000, 5000, 5000, "Текущая площадь: 45 м2"},
        {"workshop", Page::Building, "100", 10000, 10000, 10000, 10000, "Текущая площадь: 600 м2"},
        {"machines", Page::WorkPlace, "2", 60000, 39000, 60000, 39000, "Текущее количество: 12 шт"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Firm f;
        f.company().Money = 100000;
        const QString lineBefore = f.trade.CurrentLine(c.page);
        ASSERT_TRUE(f.trade.Buy(c.page, c.amount));
        EXPECT_FLOAT_EQ(f.company().Money, 100000 - c.price);
        EXPECT_FLOAT_EQ(f.company().Constr, c.constr);
        EXPECT_EQ(f.trade.CurrentLine(c.page), QString::fromUtf8(c.currentAfterBuy));
        ASSERT_TRUE(f.trade.Sell(c.page, c.amount));
        EXPECT_FLOAT_EQ(f.company().Money, 100000 - c.price + c.sale);
        EXPECT_FLOAT_EQ(f.company().Constr, c.constr - c.constrSale);
        EXPECT_EQ(f.trade.CurrentLine(c.page), lineBefore);
        EXPECT_TRUE(f.prompter.boxes().isEmpty());
    }
}

TEST(AssetTrade, NothingBoughtChangesNothing) {
    for (Page page : {Page::Land, Page::Storage, Page::Building, Page::WorkPlace}) {
        SCOPED_TRACE(int(page));
        Firm f;
        const QJsonObject before = f.industry().toJson();
        const QString line = f.trade.CurrentLine(page);
        EXPECT_FALSE(f.trade.Buy(page, "0"));
        EXPECT_EQ(f.industry().toJson(), before);
        EXPECT_EQ(f.trade.CurrentLine(page), line);
        EXPECT_EQ(f.company().Money, 30000);
        EXPECT_EQ(f.company().Constr, 0);
        EXPECT_TRUE(f.prompter.boxes().isEmpty());
    }
    // 100 m2 of land cost 2000 $: with 1999 $ the money refuses it and the land stays.
    Firm f;
    f.company().Money = 1999;
    EXPECT_FALSE(f.trade.Buy(Page::Land, "100"));
    EXPECT_EQ(f.prompter.texts(), QStringList{NoMoney});
    EXPECT_EQ(f.industry().Land, 2000);
    EXPECT_EQ(f.industry().FreeLand, 940);
    EXPECT_EQ(f.company().Money, 1999);
    EXPECT_EQ(f.company().Constr, 0);
}

TEST(AssetTrade, SoldMachinesBringTwoThirdsOfTheirLevelsPriceNow) {
    Firm f;
    f.company().Money = 0;
    // Bought cheap; the sale price is the level's price now, not what they cost.
    ASSERT_EQ(f.workshop().BuyWorkPlaces(3, 2, 1000, f.prompter), 3);
    f.trade.ChooseLevel(2);
    EXPECT_EQ(f.trade.ChosenPrice, 45000);
    EXPECT_EQ(f.trade.LevelCaption(2), " II уровень - 3 шт");
    EXPECT_EQ(f.trade.SalePriceLine(2), "II уровень - 29250");
    ASSERT_TRUE(f.trade.Sell(Page::WorkPlace, "3"));
    EXPECT_FLOAT_EQ(f.company().Money, 87750);
    EXPECT_FLOAT_EQ(f.company().Constr, -87750);
    EXPECT_EQ(f.trade.LevelCaption(2), " II уровень - 0 шт");
    EXPECT_EQ(f.trade.LevelCaption(3), "III уровень - 0 шт");
    // None of the level left: the model refuses, nothing is paid.
    EXPECT_TRUE(f.trade.Sell(Page::WorkPlace, "1"));
    EXPECT_FLOAT_EQ(f.company().Money, 87750);
}

TEST(AssetTrade, TotalLinesQuoteTheirFixedTextsAndTheModelsPrices) {
    struct Case {
        Page page;
        std::int32_t level;
        const char* text;
        const char* line;
    };
    const Case cases[] = {
        {Page::Land, 1, "100", "X 10,00$ = 102000$"},
        {Page::Land, 1, "2,5", "X 10,00$ = 2550$"},
        {Page::Storage, 1, "5", "X 50,00$ = 5000$"},
        {Page::Building, 1, "100", "X 100,00$ = 10000$"},
        {Page::WorkPlace, 1, "2", "X 30000,00$ = 60000$"},
        {Page::WorkPlace, 3, "1", "X 60000,00$ = 60000$"},
        {Page::WorkPlace, 2, "0", "X 45000,00$ = 0$"},
    };
    Firm f;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        f.trade.ChooseLevel(c.level);
        EXPECT_EQ(f.trade.TotalLine(c.page, c.text), QString::fromUtf8(c.line));
    }
    EXPECT_TRUE(f.prompter.boxes().isEmpty());
    // The total line reads a number, the buttons a whole number.
    EXPECT_EQ(f.trade.TotalLine(Page::Land, "1,2,3"), std::nullopt);
    EXPECT_FALSE(f.trade.Buy(Page::Land, "2,5"));
    EXPECT_EQ(f.prompter.texts(), (QStringList{"'1,2,3' is not a valid floating point value.",
                                               "'2,5' is not a valid integer value."}));
    EXPECT_EQ(f.prompter.last().title, "Zorvick");
    EXPECT_EQ(f.industry().Land, 2000);
}

TEST(AssetTrade, StorageBrowsingWrapsBothWaysAndTradesTheShownStorage) {
    Firm f;
    f.company().Money = 100000;
    EXPECT_EQ(f.trade.StoragePosition(), "1/2");
    f.trade.PrevStorage();
    EXPECT_EQ(f.trade.StoragePosition(), "2/2");
    EXPECT_EQ(f.trade.CurrentLine(Page::Storage), "Текущая площадь: 20 м2");
    EXPECT_EQ(f.trade.MaxLine(Page::Storage), "Максимальная площадь: 1000 м2");
    ASSERT_TRUE(f.trade.Buy(Page::Storage, "5"));
    EXPECT_EQ(f.industry().Storages[1].Size(), 25);
    EXPECT_EQ(f.industry().Storages[0].Size(), 40);
    f.trade.NextStorage();
    EXPECT_EQ(f.trade.StoragePosition(), "1/2");
    EXPECT_EQ(f.trade.CurrentLine(Page::Storage), "Текущая площадь: 40 м2");
}

TEST(AssetTrade, UnpaidPurchaseIsUndoneExactlyAndSilently) {
    struct Case {
        const char* name;
        std::function<void(Firm&)> prepare;
        std::function<bool(Firm&)> buy;
        QStringList boxes;
    };
    const Case cases[] = {
        {"area of a workshop sold to nothing",
         [](Firm& f) {
             f.prompter.queue(true);
             ASSERT_EQ(f.workshop().SellArea(500, f.prompter), 500);
             f.prompter.clearBoxes();
             f.company().Money = 5000;
         },
         [](Firm& f) { return f.trade.Buy(Page::Building, "100"); },
         {NoMoney}},
        {"the machines that fit, accepted",
         [](Firm& f) { f.prompter.queue(true); },
         [](Firm& f) { return f.trade.Buy(Page::WorkPlace, "45"); },
         {"Вы можете купить только 40 рабочих мест за 1200000,00$. Вы хотите сделать это?",
          NoMoney}},
        {"raw materials up to a full storage",
         [](Firm& f) {
             f.prompter.queue(true);
             f.company().Money = 1000;
         },
         [](Firm& f) { return TRawMaterialsTrade(f.controller, f.prompter).Buy("4001"); },
         {"Вы можете приобрести только 4000 едениц сырья по цене 20,00$. Вы хотите сделать это,",
          NoMoney}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Firm f;
        c.prepare(f);
        const QJsonObject before = f.industry().toJson();
        const float money = f.company().Money;
        EXPECT_FALSE(c.buy(f));
        EXPECT_EQ(f.prompter.texts(), c.boxes);
        EXPECT_EQ(f.industry().toJson(), before);
        EXPECT_EQ(f.company().Money, money);
        EXPECT_EQ(f.company().Constr, 0);
    }
}

TEST(StaffTrade, HiringAndFiringFollowTheWorkshopsOffers) {
    Firm f;
    TStaffTrade staff(f.controller, f.prompter);
    EXPECT_EQ(staff.CurrentLine(), "Текущее количество: 0 чел.");
    EXPECT_EQ(staff.MaxLine(), "Максимальное количество: 40 чел.");
    // Hiring none while places are free changes nothing and asks nothing.
    EXPECT_TRUE(staff.Hire("0"));
    EXPECT_TRUE(f.prompter.boxes().isEmpty());
    EXPECT_TRUE(staff.Hire("12"));
    EXPECT_EQ(staff.CurrentLine(), "Текущее количество: 12 чел.");
    f.prompter.queue(true);
    EXPECT_TRUE(staff.Hire("45"));
    EXPECT_EQ(staff.CurrentLine(), "Текущее количество: 40 чел.");
    // Every place taken: the workshop's refusal, even for none.
    EXPECT_TRUE(staff.Hire("0"));
    f.prompter.queue(false);
    EXPECT_TRUE(staff.Fire("50"));
    EXPECT_EQ(staff.CurrentLine(), "Текущее количество: 40 чел.");
    EXPECT_TRUE(staff.Fire("15"));
    EXPECT_EQ(staff.CurrentLine(), "Текущее количество: 25 чел.");
    EXPECT_EQ(
        f.prompter.texts(),
        (QStringList{"Вы можете нанять только 28 рабочих. Вы хотите сделать это?",
                     "Вы не можете нанять дополнительных рабочих из-за отсутствия рабочих мест",
                     "Вы можете уволить только 40 рабочих. Вы хотите сделать это?"}));
    // Free of charge: wages are paid with the week.
    EXPECT_EQ(f.company().Money, 30000);

    // The mode is set before the count is read.
    f.workshop().HireMode = 0;
    EXPECT_FALSE(staff.Hire("x"));
    EXPECT_EQ(f.prompter.last().text, "'x' is not a valid integer value.");
    EXPECT_EQ(f.workshop().HireMode, 1);
    EXPECT_EQ(f.workshop().UpdateWorkers(), 25);
}

TEST(AssetTexts, PatternsOfConstantsReplaceTheBuiltInTexts) {
    Firm f;
    f.controller.SetLabelTexts(TLabelTexts(IniFile::fromText(
        "[Constants]\ncCurrentWorkersAmount=Рабочих %s\ncMaxWorkersAmount=Мест %d\n"
        "cMaxRawMaterialsAmount=До %s ед.\n")));
    TStaffTrade staff(f.controller, f.prompter);
    TRawMaterialsTrade raw(f.controller, f.prompter);
    f.industry().Buildings[0].HireMode = 1;
    f.industry().Buildings[0].DistributeWorkers(12);
    EXPECT_EQ(staff.CurrentLine(), "Рабочих 12");
    EXPECT_TRUE(f.prompter.boxes().isEmpty());
    // A pattern that takes no text: the format error, and the line keeps its text.
    EXPECT_EQ(staff.MaxLine(), std::nullopt);
    EXPECT_EQ(f.prompter.last().text, "Format 'Мест %d' invalid or incompatible with argument.");
    EXPECT_EQ(raw.CurrentLine(), "Текущее количество: 0 ед.");
    EXPECT_EQ(raw.MaxLine(), "До 4000 ед.");
}

TEST(RawMaterialsTrade, UnitsCostTwentyDollarsAndAreNoAsset) {
    Firm f;
    TRawMaterialsTrade raw(f.controller, f.prompter);
    EXPECT_EQ(raw.MaxLine(), "Максимальное количество: 4000 ед.");
    EXPECT_EQ(raw.TotalLine("100"), "X 20,00$ = 2000$");
    EXPECT_FALSE(raw.Buy("0"));
    EXPECT_EQ(f.company().Money, 30000);
    EXPECT_TRUE(raw.Buy("150"));
    EXPECT_EQ(f.industry().Storages[0].Amount, 150);
    EXPECT_EQ(f.company().Money, 27000);
    EXPECT_EQ(f.company().Constr, 0);
    EXPECT_EQ(raw.CurrentLine(), "Текущее количество: 150 ед.");
    EXPECT_TRUE(f.prompter.boxes().isEmpty());
}

TEST(WorkshopUpgrade, EachStepCostsAHundredThousandUpToLevelThree) {
    struct Case {
        float money;
        int clicks;
        std::int32_t level, maxSize;
        float left;
        int refusals, pictures;
    };
    // With 250000 $ two steps reach the top, and a third is not sold; 99999 $ buy none.
    const Case cases[] = {{250000, 3, 3, 15000, 50000, 0, 2}, {99999, 1, 1, 5000, 99999, 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.money);
        Firm f;
        TWorkshopUpgrade upgrade(f.controller);
        QSignalSpy pictures(&f.controller, &TGameController::enterpriseChanged);
        f.company().Money = c.money;
        for (int i = 0; i < c.clicks; ++i)
            upgrade.Upgrade();
        EXPECT_EQ(f.workshop().Level, c.level);
        EXPECT_EQ(f.workshop().MaxSize, c.maxSize);
        EXPECT_EQ(upgrade.LevelLine(), "Уровень: " + QString::number(c.level));
        EXPECT_EQ(upgrade.Offered(), c.level != 3);
        EXPECT_EQ(f.company().Money, c.left);
        // Booked with the week's asset spending, as paid.
        EXPECT_EQ(f.company().Constr, c.money - c.left);
        EXPECT_EQ(f.prompter.texts(), QStringList(c.refusals, NoMoney));
        // The board shows the level's picture again after a paid or refused step.
        EXPECT_EQ(pictures.count(), c.pictures);
    }
}

} // namespace
