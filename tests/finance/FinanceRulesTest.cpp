// The rules of the bank, production and research windows, run through the game
// controller on a real game: money, debt, the weekly sums, letters and move states.
#include "core/finance/TBank.h"
#include "core/finance/TProductionPlanning.h"
#include "core/finance/TResearch.h"
#include "core/game/GameMail.h"
#include "core/game/TGameController.h"
#include "core/platform/NullHelp.h"
#include "core/platform/RandomSource.h"
#include "core/platform/ScriptedPrompter.h"
#include "core/platform/SilentSound.h"
#include "tests/common/TwoFirms.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString NoMoney = QStringLiteral("У вас недостаточно денег для этого.");

// The week's wages, running costs and amortisation come to 1000 $, spread over the run.
double thousandPerRun(float, float, float, std::int32_t, std::int32_t, std::int32_t volume,
                      std::int32_t) {
    return 1000.0 / volume;
}

// Two firms in an empty folder (the default economy); the first is on the board.
struct Firm : TwoFirms {
    // No machines, workshop area or storage space; 1000 m2 of land built on.
    void makeBare() {
        workshop().WorkPlaces.clear();
        workshop().SetSize(0);
        raw().SetSize(0);
        goods().SetSize(0);
        industry().UsedLand = 1000;
    }
    // One level-1 machine with 4 workers (100 suits a week) and the raw materials given.
    void makeWorkshop(std::int32_t rawUnits) {
        workshop().HireMode = 1;
        workshop().DistributeWorkers(4);
        raw().Amount = rawUnits;
    }
    // Both players end their moves: the week is settled and the first firm is back.
    void playWeek() {
        controller.EndMove("0", "0", "0");
        controller.EndMove("0", "0", "0");
        ASSERT_EQ(controller.Game().CurrentPlayer, 0);
    }
};

TEST(Bank, TheLimitIsTheResaleValueOfTheEnterprise) {
    Firm f;
    TBank bank(f.controller, f.prompter);
    bank.Opening();
    // 10 machines at 65 % of 30000, 500 m2 of workshop, 1060 m2 used, 40 + 20 m2 of storage.
    EXPECT_EQ(bank.LimitLine(), "Максимальный кредит: 258600 $.");
    f.makeBare();
    bank.Opening();
    EXPECT_EQ(bank.Limit(), 10000);
    f.workshop().WorkPlaces.emplace_back(1, 30000.0f);
    f.workshop().WorkPlaces.emplace_back(3, 60001.0f);
    bank.Opening();
    EXPECT_FLOAT_EQ(bank.Limit(), 10000 + 0.65f * 90001);
}

TEST(Bank, LoansAreCutToTheLimitAndOnlyPossibleRepaymentsAreTaken) {
    Firm f;
    f.makeBare();
    TBank bank(f.controller, f.prompter);
    bank.Opening();
    struct Step {
        bool take;
        const char* amount;
        float money, debt, turnLoan;
        QStringList boxes;
    };
    const Step steps[] = {
        {true, "4000", 34000, 4000, -4000, {}},
        {true, "8000", 40000, 10000, -10000, {}},   // cut to 6000
        {true, "5000", 40000, 10000, -10000, {}},   // at the limit: nothing lent
        {false, "12000", 40000, 10000, -10000, {}}, // more than the debt
        {false, "50000", 40000, 10000, -10000, {NoMoney}},
        {false, "-400", 40000, 10000, -10000, {}}, // would borrow past the limit
        {true, "-400", 40000, 10000, -10000, {}},  // would repay without money
        {false, "10000", 30000, 0, 0, {}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(s.take ? "take " : "give ") + s.amount);
        f.prompter.clearBoxes();
        EXPECT_TRUE(s.take ? bank.Take(s.amount) : bank.Give(s.amount));
        EXPECT_EQ(f.company().Money, s.money);
        EXPECT_EQ(f.company().Debt, s.debt);
        EXPECT_EQ(f.company().LastDebt, s.debt);
        EXPECT_EQ(f.company().TurnLoan, s.turnLoan);
        EXPECT_EQ(f.prompter.texts(), s.boxes);
    }
    EXPECT_EQ(bank.DebtLine(), "Долг: 0 $.");
    // A debt above the limit (the enterprise lost value) lends nothing and takes nothing.
    f.company().Debt = f.company().LastDebt = 12000;
    EXPECT_TRUE(bank.Take("100"));
    EXPECT_EQ(f.company().Debt, 12000);
    EXPECT_EQ(f.company().Money, 30000);
    EXPECT_FALSE(bank.Take("abc"));
    EXPECT_EQ(f.prompter.texts(), QStringList{"'abc' is not a valid floating point value."});
}

TEST(Bank, TheInterestLineShowsThePercentAsTheScenarioGivesIt) {
    // As the scenario reads it: a percentage divided by 100 in 32 bits.
    const std::pair<float, const char*> rates[] = {{5.0f / 100.0f, "Текущий процент: 5 %."},
                                                   {1.2f / 100.0f, "Текущий процент: 1,2 %."},
                                                   {1.5f / 100.0f, "Текущий процент: 1,5 %."}};
    for (const auto& [rate, line] : rates) {
        Firm f;
        f.controller.Game().Scenario.InterestRate = rate;
        EXPECT_EQ(TBank(f.controller, f.prompter).InterestLine(), QString::fromUtf8(line));
    }
}

TEST(Production, TheLargestRunCapsTheVolumeAndTheCostLineAddsRawMaterials) {
    const std::pair<std::int32_t, std::int32_t> largest[] = {{150, 75}, {400, 100}, {0, 0}};
    for (const auto& [rawUnits, m] : largest) {
        Firm f;
        f.makeWorkshop(rawUnits);
        TProductionPlanning p(f.controller, f.prompter, &thousandPerRun);
        EXPECT_EQ(p.Showing(), m) << rawUnits;
        EXPECT_EQ(p.MaxLine(), "Максимум продукции: " + QString::number(m) + " ед.");
    }
    Firm f;
    f.makeWorkshop(150);
    TProductionPlanning p(f.controller, f.prompter, &thousandPerRun);
    EXPECT_EQ(p.AmountReplacement("74"), std::nullopt);
    EXPECT_EQ(p.AmountReplacement("75"), "75");
    EXPECT_EQ(p.AmountReplacement("9999"), "75");
    // 1000 $ over 50 suits, and 40 $ of raw materials on top; every cost beeps.
    EXPECT_EQ(p.CostLine("50"), "Текущая себестоимось: 60 чел.");
    EXPECT_EQ(f.sound.beeps, 1);
}

TEST(Production, OneRunAMoveIsChargedAtCostAndPriced) {
    Firm f;
    f.makeWorkshop(150);
    f.goods().Amount = 1960; // room for 40 of the 50 suits
    TProductionPlanning p(f.controller, f.prompter, &thousandPerRun);
    QSignalSpy proposed(&f.controller, &TGameController::saleProposed);
    p.Showing();
    ASSERT_TRUE(p.Produce("50"));
    // 50 x 20 $, without the 40 $ of raw materials the line shows.
    EXPECT_EQ(f.company().Money, 29000);
    EXPECT_EQ(f.raw().Amount, 50);
    EXPECT_EQ(f.goods().Amount, 2000);
    EXPECT_EQ(
        f.prompter.texts(),
        QStringList{"Из-за нехватки места на складе было потеряно 10 спортивных костюмов... "});
    EXPECT_EQ(f.company().Produced, 50);
    EXPECT_FALSE(f.controller.ProductionAllowed());
    p.Closing();
    ASSERT_EQ(proposed.count(), 1);
    EXPECT_EQ(proposed[0], (QVariantList{"90", "2000"})); // (20 + 40) x 1.5, all in stock
    // Reopened: the paid run stays this week's, but no price comes without a new run.
    p.Showing();
    p.Closing();
    EXPECT_EQ(proposed.count(), 1);
    EXPECT_EQ(f.company().Produced, 50);
    // The week books the run as charged, with the wages and running costs paid from the
    // cash of a firm that offered nothing: all the money the week took. The next turn
    // frees production and clears Produced.
    f.playWeek();
    const TExpences& week = f.company().Expences;
    EXPECT_FLOAT_EQ(week.Usage[0] + week.Interest[0], 30000 - f.company().Money);
    EXPECT_EQ(f.company().Produced, 0);
    EXPECT_TRUE(f.controller.ProductionAllowed());
}

TEST(Production, NothingIsMadeForARunOfZeroOrOneNotPaid) {
    const std::tuple<float, const char*, QStringList> cases[] = {
        {30000, "0", {}},
        {999, "50", {NoMoney}},
        {30000, "5x", {"'5x' is not a valid integer value."}},
    };
    for (const auto& [money, amount, boxes] : cases) {
        SCOPED_TRACE(amount);
        Firm f;
        f.makeWorkshop(150);
        f.company().Money = money;
        TProductionPlanning p(f.controller, f.prompter, &thousandPerRun);
        QSignalSpy proposed(&f.controller, &TGameController::saleProposed);
        EXPECT_FALSE(p.Produce(amount));
        p.Closing();
        EXPECT_EQ(f.company().Money, money);
        EXPECT_EQ(f.raw().Amount, 150);
        EXPECT_EQ(f.goods().Amount + f.company().Produced + proposed.count(), 0);
        EXPECT_TRUE(f.controller.ProductionAllowed());
        EXPECT_EQ(f.prompter.texts(), boxes);
    }
}

QString stageLetter(const QString& machine, const QString& closing) {
    return "Закончена разработка нового станка.\r\n\r\nРабочее место: Уровень " + machine +
           "\r\n\r\n" + closing;
}
const QString LevelII =
    stageLetter("2.\r\nчисло рабочих: 4\r\nмаксимум продкукции: 150\r\nцена: 45000",
                "Возможна дальнейшая разработка.");

const TLetter* researchLetter(const TZorvick& firm) {
    for (const TLetter& l : firm.Letters)
        if (l.Subject == "НИОКР")
            return &l;
    return nullptr;
}

TEST(Research, ThreePaymentsInThreeTurnsReachLevelTwo) {
    Firm f;
    f.company().Money = 1000000;
    TResearch r(f.controller, f.prompter);
    for (int turn = 1; turn <= 3; ++turn) {
        if (turn > 1)
            f.playWeek();
        ASSERT_TRUE(f.controller.ResearchInvestAllowed());
        EXPECT_EQ(r.Invest("100000"), QString("Текущие вложения: %1$").arg(100000 * turn));
        EXPECT_FALSE(f.controller.ResearchInvestAllowed()); // one payment a move
        EXPECT_EQ(researchLetter(f.company()) != nullptr, turn == 3);
    }
    EXPECT_EQ(f.company().TechLevel, 2);
    EXPECT_EQ(f.company().ResearchInvest, 0);
    EXPECT_TRUE(f.controller.LevelAllowed(2));
    EXPECT_FALSE(f.controller.LevelAllowed(3));
    const TLetter& letter = *researchLetter(f.company());
    EXPECT_EQ(letter.Text, LevelII);
    EXPECT_EQ(letter.From, GameMail::ResearchGroupAddress());
    EXPECT_TRUE(letter.From.endsWith("@" + GameMail::MailDomain()));
    EXPECT_EQ(letter.Date, f.controller.Game().Calendar.DateText());
    EXPECT_EQ(letter.Unread, 1);
}

TEST(Research, AnExcessComesBackAndLevelThreeEndsResearch) {
    Firm f;
    f.company().ResearchInvest = 250000;
    f.company().Money = 100000;
    TResearch r(f.controller, f.prompter);
    EXPECT_EQ(r.Invest("70000"), "Текущие вложения: 300000$");
    EXPECT_EQ(f.company().Money, 100000 - 70000 + 20000);
    EXPECT_EQ(researchLetter(f.company())->Text,
              LevelII + "\r\n\r\nP.S. После исследования осталось 20000$. Деньги возвращены на "
                        "ваш счет.");
    f.company().Letters.clear();
    f.playWeek();
    f.company().Money = 100000;
    f.company().ResearchInvest = 200000;
    r.Invest("100000");
    EXPECT_EQ(f.company().TechLevel, 3);
    EXPECT_TRUE(f.controller.LevelAllowed(3));
    EXPECT_EQ(researchLetter(f.company())->Text,
              stageLetter("3.\r\nчисло рабочих: 3\r\nмаксимум продкукции: 200\r\nцена: 60000",
                          "Исследовательская группа не видит перспектив для разработки."));
    f.playWeek();
    EXPECT_FALSE(f.controller.ResearchInvestAllowed());
}

TEST(Research, PaymentsAreCappedAndRefusedOnesChangeNothing) {
    EXPECT_EQ(TResearch::AmountReplacement("99999"), std::nullopt);
    EXPECT_EQ(TResearch::AmountReplacement("150000"), "100000");
    Firm f;
    TResearch r(f.controller, f.prompter);
    for (const char* amount : {"40000", "0", "-5"})
        EXPECT_EQ(r.Invest(amount), "Текущие вложения: 0$") << amount;
    EXPECT_TRUE(r.PayDesign("40000"));
    EXPECT_EQ(f.prompter.texts(), (QStringList{NoMoney, NoMoney}));
    EXPECT_EQ(f.company().Money, 30000);
    EXPECT_EQ(f.company().RLInvest, 0);
    EXPECT_TRUE(f.controller.ResearchInvestAllowed());
    EXPECT_TRUE(f.controller.DesignAllowed());
}

TEST(Research, ADesignContractShutsItsPageForThreeWeeks) {
    Firm f;
    TResearch r(f.controller, f.prompter);
    EXPECT_TRUE(r.PayDesign("5000"));
    EXPECT_EQ(f.company().Money, 25000);
    EXPECT_EQ(f.company().RLInvest, 5000);
    for (int week = 1; week <= 3; ++week) {
        EXPECT_FALSE(f.controller.DesignAllowed()) << week;
        f.playWeek();
    }
    EXPECT_TRUE(f.controller.DesignAllowed());
    EXPECT_EQ(f.company().RLInvest, 0);
}

} // namespace
