#include "core/game/GameMail.h"
#include "core/game/GameRanking.h"
#include "core/game/TGameController.h"
#include "core/platform/NullHelp.h"
#include "core/platform/RandomSource.h"
#include "core/platform/ScriptedPrompter.h"
#include "core/platform/SilentSound.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The demand the tests' market gives every firm.
double fixedDemand = 0;
double FixedDemand(float, float, const TPrice*, const TAdvExp*, const TProd*, std::int32_t,
                   std::int32_t, std::int32_t) {
    return fixedDemand;
}

// A game of named firms in an empty folder (the default economy: wage 550, 30 %
// interest, bank open, no country message), or with one scenario file.
struct Game {
    explicit Game(std::initializer_list<const char*> names, const QByteArray& scenario = {}) {
        if (!scenario.isEmpty()) {
            QDir(dir.path()).mkdir("scenarios");
            QFile file(dir.path() + "/scenarios/test.scn");
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(scenario);
        }
        controller = std::make_unique<TGameController>(services);
        controller->StartCalendar();
        controller->BeginSetup(std::int32_t(names.size()));
        for (const char* name : names)
            controller->AddPlayer(QString("Firm ") + name, name, 0);
        controller->FinishSetup();
        controller->SetDemandRoutine(&FixedDemand);
        fixedDemand = 0;
    }

    TZorvick& player(int i) { return *controller->Game().Players.at(std::size_t(i)); }
    TGame& game() { return controller->Game(); }
    void endMove(const char* prod = "0", const char* price = "0", const char* adv = "0") {
        EXPECT_EQ(controller->EndMove(prod, price, adv), TGameController::MoveResult::Ended);
    }
    void playWeek() {
        for (std::int32_t i = 0, n = game().PlayerCount; i < n; ++i)
            endMove();
    }
    QStringList subjects(int i) {
        QStringList out;
        for (const TLetter& l : player(i).Letters)
            out << l.Subject;
        return out;
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    SilentSound sound;
    NullHelp help;
    RandomSource random{1};
    Services services{prompter, sound, help, random, GameFolder(dir.path()), QDate(2026, 12, 8)};
    std::unique_ptr<TGameController> controller;
};

TEST(Controller, TwoPlayerWeekTurnsTheCaptionAndSettles) {
    Game g{"Ann", "Bob"};
    QSignalSpy reports(g.controller.get(), &TGameController::marketReportReady);
    EXPECT_EQ(g.controller->EndTurnCaption(), "Следующий Игрок");
    EXPECT_FALSE(g.controller->StatisticsEnabled());
    g.endMove();
    EXPECT_EQ(g.controller->EndTurnCaption(), "Конец Хода");
    EXPECT_EQ(g.game().CurrentPlayer, 1);
    EXPECT_EQ(reports.count(), 0);
    g.endMove();
    EXPECT_EQ(reports.count(), 1);
    EXPECT_EQ(g.controller->EndTurnCaption(), "Следующий Игрок");
    EXPECT_EQ(g.game().MoveNumber, 1);
    EXPECT_EQ(g.game().CurrentPlayer, 0);
    EXPECT_TRUE(g.controller->StatisticsEnabled());
    EXPECT_EQ(g.game().Calendar.DateText(), "2026.12.2");
    EXPECT_EQ(g.player(1).HistoryCount, 1);
    // Neither design nor advertising: one letter of each, dated in the settled week.
    EXPECT_EQ(g.subjects(0), (QStringList{"Дизайнерская группа", "Рекламное Агенство"}));
    EXPECT_EQ(g.player(0).Letters[0].Date, "2026.12.1");
    EXPECT_EQ(g.player(0).Letters[0].From, "design@sportprom.zv");
    EXPECT_TRUE(g.controller->MailFlashing());
}

TEST(Controller, SettlementBooksSalesOrFixedCosts) {
    struct Case {
        const char* name;
        int offered, inStock;
        double demand;
        float debt;
        int workers;
        float sold, moneyChange;
        int stockAfter;
    };
    // Fixed costs: 8 workers at 550 plus 30 % of 10000, and the enterprise's costs.
    const Case cases[] = {
        {"nothing offered", 0, 40, 0, 10000, 8, 0, -(4400 + 3000), 40},
        {"demand below the offer", 100, 100, 62.4, 0, 0, 62.4f, 28080 - 1000, 38},
        {"offer below the demand", 50, 100, 62.4, 0, 0, 50, 22500 - 1000, 50},
        {"stock shrunk since the offer", 100, 30, 62.4, 0, 0, 30, 13500 - 1000, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game g{"Ann", "Bob"};
        TZorvick& ann = g.player(0);
        TIndustry& industry = ann.Industries[0];
        industry.Storages[1].Load(c.inStock, g.prompter);
        ann.Debt = c.debt;
        industry.Buildings[0].HireMode = 1;
        industry.Buildings[0].DistributeWorkers(c.workers);
        // Nothing is produced this week, so the settlement takes the enterprise's
        // running costs and amortisation whether suits are offered or not.
        const float fixed = EnterpriseCosts(industry) + EnterpriseAmortization(industry);
        fixedDemand = c.demand;
        g.endMove(QByteArray::number(c.offered), "500", "1000");
        const float before = ann.Money;
        g.endMove();
        EXPECT_FLOAT_EQ(ann.Sold, c.sold);
        EXPECT_FLOAT_EQ(ann.Money - before, c.moneyChange - fixed);
        EXPECT_EQ(industry.Storages[1].Amount, c.stockAfter);
        EXPECT_EQ(ann.SellAmount, 0);
        EXPECT_FLOAT_EQ(ann.Expences.Taxes.back(), c.offered ? 0.1f * 500 * c.sold : 0);
        EXPECT_FLOAT_EQ(ann.Expences.Revenue.back(), 500 * c.sold);
        EXPECT_FLOAT_EQ(ann.Expences.Salary.back(), 550.0f * float(c.workers));
        EXPECT_FLOAT_EQ(ann.Expences.Interest.back(), 0.3f * c.debt);
        EXPECT_TRUE(g.prompter.boxes().isEmpty());
    }
}

TEST(Controller, OfferingWithoutProducingPaysTheWeeksBillAtTheSettlement) {
    Game g{"Ann", "Bob"};
    TZorvick& ann = g.player(0);
    TIndustry& industry = ann.Industries[0];
    industry.Storages[1].Load(100, g.prompter);
    industry.Buildings[0].HireMode = 1;
    industry.Buildings[0].DistributeWorkers(8);
    ann.Debt = 1000;
    fixedDemand = 10;
    const float bill = 8 * 550.0f + EnterpriseCosts(industry) + EnterpriseAmortization(industry);
    for (const bool produced : {false, true}) {
        SCOPED_TRACE(produced ? "produced this week" : "sold from stock");
        ann.Produced = produced ? 5 : 0;
        const float before = ann.Money;
        g.endMove("10", "100", "50");
        g.endMove();
        // Interest and advertising are paid with the sales either way.
        EXPECT_FLOAT_EQ(ann.Money - before, 900 - 300 - 50 - (produced ? 0 : bill));
    }
}

TEST(Controller, DesignContractRunsThreeMovesAndIsBookedOnce) {
    Game g{"Ann", "Bob"};
    TZorvick& ann = g.player(0);
    ann.RLInvest = 9000;
    g.controller->SetDesignAllowed(false);
    g.playWeek();
    EXPECT_EQ(ann.RLWeeks, 1);
    EXPECT_EQ(ann.Expences.RL.back(), 9000);
    EXPECT_FALSE(g.controller->DesignAllowed());
    g.playWeek();
    EXPECT_EQ(ann.RLWeeks, 2);
    EXPECT_EQ(ann.Expences.RL.back(), 0);
    g.endMove();
    EXPECT_EQ(ann.RLWeeks, 0);
    EXPECT_EQ(ann.RLInvest, 0);
    EXPECT_EQ(g.subjects(0).count("Дизайнерская группа"), 1);
    const auto design = g.subjects(0).indexOf("Дизайнерская группа");
    EXPECT_EQ(ann.Letters.at(std::size_t(design)).Text,
              "У нас закончились деньги. Не могли бы Вы вложить еще?");
    EXPECT_TRUE(g.controller->DesignAllowed());
}

TEST(Controller, FourTurnsInTheRedRuinAndOneInTheBlackResets) {
    Game g{"Ann", "Bob"};
    TZorvick& bob = g.player(1);
    auto warnings = [&] {
        QStringList out;
        for (const TLetter& l : bob.Letters)
            if (l.Subject == "Предупреждение о банкротстве")
                out << l.Text.right(9);
        return out;
    };
    bob.Money = -1;
    g.endMove();
    bob.Money = -1;
    g.playWeek();
    EXPECT_EQ(bob.DebtWeeks, 2);
    bob.Money = 1e6f; // one turn start in the black
    g.playWeek();
    EXPECT_EQ(bob.DebtWeeks, 0);
    for (int turn = 0; turn < 3; ++turn) {
        bob.Money = -1;
        g.playWeek();
    }
    EXPECT_EQ(warnings(),
              (QStringList{"3 недели.", "2 недели.", "3 недели.", "2 недели.", "1 неделя."}));
    EXPECT_FALSE(bob.Bankrupt);
    bob.Money = -1;
    bob.Debt = 100;
    QSignalSpy locks(g.controller.get(), &TGameController::controlsLockedChanged);
    g.playWeek();
    EXPECT_TRUE(bob.Bankrupt && bob.Removed);
    EXPECT_EQ(bob.Letters.back().Subject, "ВЫ РАЗОРЕНЫ!!!");
    EXPECT_TRUE(bob.Letters.back().Text.endsWith("К тому же вас разыскивает полиция."));
    EXPECT_TRUE(g.controller->ControlsLocked());
    ASSERT_FALSE(locks.isEmpty());
    EXPECT_TRUE(locks.last().at(0).toBool());
    // The bank is open, so a ruined player still finds its button enabled.
    EXPECT_TRUE(g.controller->BankTradeEnabled());
}

// A firm with no machine and no suit in stock is warned at three turn starts by the
// government and ruined at the fourth, rich or not; a machine or a suit resets the count.
TEST(Controller, FourTurnsWithoutMachineOrSuitRuinWhateverTheMoney) {
    Game g{"Ann", "Bob"};
    TZorvick& bob = g.player(1);
    TBuilding& workshop = bob.Industries[0].Buildings[0];
    TStorage& goods = bob.Industries[0].Storages[1];
    auto warnings = [&] {
        QStringList out;
        for (const TLetter& l : bob.Letters)
            if (l.Subject == "Предупреждение о закрытии") {
                EXPECT_EQ(l.From, GameMail::GovernmentAddress());
                out << l.Text.right(9);
            }
        return out;
    };
    bob.Money = g.player(0).Money = 1e6f;
    workshop.WorkPlaces.clear();
    g.endMove();
    g.playWeek();
    EXPECT_EQ(bob.IdleWeeks, 2);
    // A suit in stock is trade: the count starts again.
    goods.Load(1, g.prompter);
    g.playWeek();
    EXPECT_EQ(bob.IdleWeeks, 0);
    goods.Take(1, false, g.prompter);
    g.playWeek();
    g.playWeek();
    // A machine bought back in time saves the firm.
    workshop.WorkPlaces.emplace_back(1, 30000.0f);
    g.playWeek();
    EXPECT_EQ(bob.IdleWeeks, 0);
    workshop.WorkPlaces.clear();
    for (int turn = 0; turn < 3; ++turn)
        g.playWeek();
    EXPECT_EQ(warnings(), (QStringList{"3 недели.", "2 недели.", "3 недели.", "2 недели.",
                                       "3 недели.", "2 недели.", "1 неделя."}));
    EXPECT_FALSE(bob.Bankrupt);
    EXPECT_EQ(bob.DebtWeeks, 0);
    g.playWeek();
    EXPECT_TRUE(bob.Bankrupt && bob.Removed);
    EXPECT_EQ(bob.Letters.back().Subject, "ВЫ РАЗОРЕНЫ!!!");
    EXPECT_TRUE(g.controller->ControlsLocked());
}

TEST(Controller, RuinedPlayerIsDroppedAndTheLastTakesItsPlaceWithItsRecords) {
    Game g{"A", "B", "C"};
    g.player(1).Removed = true;
    g.player(2).Industries[0].Storages[1].Load(10, g.prompter);
    fixedDemand = 4;
    g.endMove();
    g.endMove();
    EXPECT_EQ(g.controller->EndTurnCaption(), "Конец Хода");
    g.endMove("10", "77", "5");
    ASSERT_EQ(g.game().Players.size(), 2u);
    EXPECT_EQ(g.player(1).PlayerName, "C");
    // C was settled with its own price and offer from the slot it moved into.
    EXPECT_FLOAT_EQ(g.player(1).Sold, 4);
    EXPECT_EQ(g.game().TPrices[1].Price, 77);
    EXPECT_EQ(g.game().TPrices[1].Player, 2);
    EXPECT_EQ(g.game().TProds[1].Amount, 10);
    EXPECT_EQ(g.game().TPrices[2].Price, 0);
    EXPECT_EQ(g.game().TProds[2].Amount, 0);
    EXPECT_EQ(g.game().PlayerCount, 2);
    EXPECT_EQ(g.controller->MarketReportLines().size(), 11 + 2 + 2);
    g.endMove();
    EXPECT_EQ(g.controller->Company()->PlayerName, "C");
    EXPECT_EQ(g.controller->EndTurnCaption(), "Конец Хода");
}

TEST(Controller, ClosedBankCallsInTheDebt) {
    Game g({"Ann", "Bob"}, "[Settings]\r\neTurns=3\r\n[Turn 1]\r\ncbBank=0\r\n");
    TZorvick& ann = g.player(0);
    ann.Money = 3000;
    ann.Debt = 5000;
    g.playWeek();
    EXPECT_FALSE(g.game().Scenario.BankOpen);
    // Ann's interest was taken at the settlement; the debt goes at her turn start.
    EXPECT_FLOAT_EQ(ann.Money, 3000 - ann.Expences.Salary.back() - 1500 -
                                   EnterpriseCosts(ann.Industries[0]) -
                                   EnterpriseAmortization(ann.Industries[0]) - 5000);
    EXPECT_EQ(ann.Debt, 0);
    EXPECT_FALSE(g.controller->BankTradeEnabled());
}

TEST(Controller, HistoryKeepsTenWeeksAndProducedIsThisWeeksOnly) {
    Game g{"Ann", "Bob"};
    for (int week = 1; week <= 11; ++week) {
        g.player(0).Money = 1e6f;
        if (week == 1)
            g.player(0).Produced = 7;
        g.player(1).Money = 1e6f;
        g.playWeek();
    }
    EXPECT_EQ(g.player(0).HistoryCount, 10);
    EXPECT_EQ(g.player(0).Expences.RMCost.size(), 10u);
    // Week 1 produced 7 suits; every later week is recorded with none.
    for (float cost : g.player(0).Expences.RMCost)
        EXPECT_EQ(cost, 0);
}

TEST(Controller, TextThatIsNotANumberRefusesTheMoveBeforeAnyStep) {
    Game g{"Ann", "Bob"};
    TZorvick& ann = g.player(0);
    ann.RLInvest = 100;
    EXPECT_EQ(g.controller->EndMove("5", "1,2,3", "0"), TGameController::MoveResult::Refused);
    EXPECT_EQ(g.controller->EndMove("5", "1", "x"), TGameController::MoveResult::Refused);
    EXPECT_EQ(g.prompter.texts(), (QStringList{"'1,2,3' is not a valid floating point value.",
                                               "'x' is not a valid floating point value."}));
    EXPECT_EQ(ann.RLWeeks, 0);
    EXPECT_TRUE(ann.Letters.empty());
    EXPECT_EQ(g.game().MoveNumber, 1);
    EXPECT_EQ(g.game().CurrentPlayer, 0);
}

TEST(Controller, GameEndsWithTheWinnerOrWithEveryFirmRuined) {
    {
        // The settlement that leaves Ann alone ends the game, after its report.
        Game g{"Ann", "Bob"};
        QSignalSpy ended(g.controller.get(), &TGameController::gameEnded);
        QSignalSpy reports(g.controller.get(), &TGameController::marketReportReady);
        g.player(1).Removed = true;
        g.endMove();
        const auto lettersBefore = g.player(0).Letters.size();
        EXPECT_EQ(g.controller->EndMove("0", "0", "0"), TGameController::MoveResult::GameOver);
        EXPECT_EQ(g.game().Players.size(), 1u);
        EXPECT_EQ(reports.count(), 1);
        ASSERT_EQ(ended.count(), 1);
        EXPECT_EQ(ended.at(0).at(0).toInt(), 0);
        EXPECT_EQ(g.prompter.last().text, "Ann -  победитель!");
        EXPECT_EQ(g.prompter.last().title, "Однако здравствуйте!");
        EXPECT_EQ(g.prompter.last().kind, Prompter::Kind::Warning);
        EXPECT_EQ(g.player(0).Letters.size(), lettersBefore);
        EXPECT_EQ(g.controller->EndMove("0", "0", "0"), TGameController::MoveResult::GameOver);
        EXPECT_EQ(ended.count(), 1);
    }
    {
        Game g{"Ann", "Bob"};
        QSignalSpy ended(g.controller.get(), &TGameController::gameEnded);
        QSignalSpy reports(g.controller.get(), &TGameController::marketReportReady);
        g.player(0).Removed = true;
        g.player(1).Removed = true;
        g.endMove();
        EXPECT_EQ(g.controller->EndMove("0", "0", "0"), TGameController::MoveResult::GameOver);
        EXPECT_EQ(g.prompter.last().text, "Все фирмы разорены. Победителя нет.");
        EXPECT_EQ(ended.count(), 1);
        EXPECT_EQ(reports.count(), 0);
    }
}

TEST(Controller, PurchaseIsUndoneExactlyWhenNotPaid) {
    Game g{"Ann", "Bob"};
    TZorvick& ann = g.player(0);
    TIndustry& industry = ann.Industries[0];
    ann.Money = 1000;
    const QJsonObject before = industry.toJson();
    auto buyLand = [&](std::int32_t m2) {
        return [&, m2] { return industry.BuyLand(m2, g.prompter); };
    };
    EXPECT_EQ(g.controller->Purchase(buyLand(100), 20, 10), 0);
    EXPECT_EQ(g.prompter.last().text, "У вас недостаточно денег для этого.");
    EXPECT_EQ(industry.toJson(), before);
    EXPECT_EQ(ann.Constr, 0);
    EXPECT_EQ(ann.Money, 1000);
    EXPECT_EQ(g.controller->Purchase(buyLand(40), 20, 10), 40);
    EXPECT_EQ(industry.Land, before["Land"].toInt() + 40);
    EXPECT_EQ(ann.Money, 200);
    EXPECT_EQ(ann.Constr, 400);
    auto sellLand = [&] { return industry.SellLand(40, g.prompter); };
    EXPECT_EQ(g.controller->Sale(sellLand, 20, 10), 40);
    EXPECT_EQ(industry.toJson(), before);
    EXPECT_EQ(ann.Money, 1000);
    EXPECT_EQ(ann.Constr, 0);
}

TEST(MarketReport, RowsAreFilledOnTheRightAndNeverCut) {
    TMarketReport report;
    report.Begin("2026.12.1");
    report.AddRow("Ann", 62.4f, 500);
    report.AddRow("Пётр Первый Великий Император", 0, 99.5f);
    report.Finish();
    const QStringList lines = report.Lines();
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[5], " Дата: 2026.12.1");
    EXPECT_EQ(lines[11], "| Ann                | 62                 | 500      | 31200       |");
    EXPECT_EQ(lines[12],
              "| Пётр Первый Великий Император | 0                  | 100      | 0           |");
    EXPECT_EQ(lines[13], lines[8]);
    EXPECT_EQ(lines[14], " Text'O'Phone - только качественная связь!");
}

TEST(MarketHistory, OneRowAFirmAWeekAndARuinedFirmsLineEndsWhereItLeft) {
    Game g{"A", "B", "C"};
    g.player(0).Industries[0].Storages[1].Load(10, g.prompter);
    fixedDemand = 4;
    g.endMove("10", "77", "5");
    g.endMove();
    g.endMove();
    const TMarketHistory& market = g.controller->MarketHistory();
    ASSERT_EQ(market.Weeks(), 1);
    EXPECT_EQ(market.WeekDates(), QStringList{"2026.12.1"});
    ASSERT_EQ(market.Rows().size(), 3u);
    EXPECT_EQ(market.Rows()[0], (TMarketRow{1, 0, 10, 4, 77, 308, g.player(0).Money}));
    EXPECT_FLOAT_EQ(market.Share(0, 1), 1);
    EXPECT_FLOAT_EQ(market.Share(2, 1), 0);

    // B leaves at the next settlement and C takes its place in the list.
    g.player(1).Removed = true;
    g.playWeek();
    g.playWeek();
    ASSERT_EQ(market.Weeks(), 3);
    EXPECT_EQ(market.FirmRows(1).size(), 1u);
    const auto c = market.FirmRows(2);
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c.back().Week, 3);
    EXPECT_FLOAT_EQ(c.back().Money, g.player(1).Money);
    // Nothing sold in week 3: no firm has a share.
    EXPECT_FLOAT_EQ(market.Share(0, 3) + market.Share(2, 3), 0);
    EXPECT_EQ(market.Firms()[2].Title, "Firm C");

    // Read back, the history goes on with the same seats.
    TMarketHistory copy;
    ASSERT_TRUE(copy.fromJson(market.toJson()));
    EXPECT_EQ(copy.Rows(), market.Rows());
    EXPECT_EQ(copy.WeekDates(), market.WeekDates());
    copy.BeginWeek("2026.12.4");
    copy.AddRow(1, g.player(1), 0);
    EXPECT_EQ(copy.Rows().back().Firm, 2);
    QJsonObject broken = market.toJson();
    broken.insert("Seats", QJsonArray{7});
    EXPECT_FALSE(copy.fromJson(broken));
}

TEST(MarketHistory, KeepsTheWholeGameWhileTheFirmsHistoryKeepsTen) {
    Game g{"Ann", "Bob"};
    for (int week = 1; week <= 60; ++week) {
        g.player(0).Money = g.player(1).Money = 1e6f;
        g.playWeek();
    }
    const TMarketHistory& market = g.controller->MarketHistory();
    EXPECT_EQ(market.Weeks(), 60);
    EXPECT_EQ(market.Rows().size(), 120u);
    EXPECT_EQ(market.FirmRows(1).back().Week, 60);
    EXPECT_EQ(g.player(0).HistoryCount, 10);
}

} // namespace

// Net worth: money less debt, the enterprise at the asset window's prices, raw
// materials at 20 $ and suits at the last production cost with raw materials.
TEST(Ranking, NetWorthSumsTheFirmAsItWouldSell) {
    Game g{"Ann", "Bob"};
    TZorvick& ann = g.player(0);
    const TScenario& economy = g.game().Scenario;
    // 30000 $, 940 m2 of free land, 60 m2 of storage, 500 m2 of workshop, ten machines.
    EXPECT_FLOAT_EQ(GameRanking::NetWorth(ann, economy), 353800);
    ann.Debt = 10000;
    ann.Money += 10000;
    ann.Industries[0].Storages[0].Load(100, g.prompter);
    ann.Industries[0].Storages[1].Load(10, g.prompter);
    EXPECT_FLOAT_EQ(GameRanking::SuitValue(ann), 40);
    ann.LastUnitCost = 30; // the last run's suits cost 30 $ each, raw materials aside
    EXPECT_FLOAT_EQ(GameRanking::SuitValue(ann), 70);
    EXPECT_FLOAT_EQ(GameRanking::NetWorth(ann, economy), 353800 + 2000 + 700);
}

TEST(Ranking, TiesGoToMoreMoneyAndRuinedFirmsAreLeftOut) {
    Game g{"Ann", "Bob", "Cid"};
    // Bob has sold a machine for 19500 $: the same worth, more money.
    g.player(1).Industries[0].Buildings[0].WorkPlaces.pop_back();
    g.player(1).Money += 19500;
    g.player(2).Money += 1e6f;
    g.player(2).Bankrupt = true;
    const auto ranking = GameRanking::Rank(g.game());
    ASSERT_EQ(ranking.size(), 2u);
    EXPECT_EQ(ranking[0].Firm, &g.player(1));
    EXPECT_EQ(ranking[1].Firm, &g.player(0));
    EXPECT_FLOAT_EQ(ranking[0].NetWorth, ranking[1].NetWorth);
    const QStringList lines = GameRanking::Lines(ranking);
    EXPECT_TRUE(
        lines.join('\n').contains("| 1     | Bob                | Firm Bob           | 353800"));
}

// With a length, the game ends after that week's settlement: the ranking, then the
// winner's box for the first; without one it goes on.
TEST(Ranking, AGameOfASetLengthEndsWithTheRichestFirm) {
    Game g{"Ann", "Bob"};
    g.controller->SetGameLength(26);
    for (TZorvick* firm : {&g.player(0), &g.player(1)})
        firm->Money = 1e6f;
    g.player(1).Money += 1;
    QSignalSpy ranked(g.controller.get(), &TGameController::rankingReady);
    for (int week = 1; week < 26; ++week)
        g.playWeek();
    g.endMove();
    EXPECT_TRUE(ranked.isEmpty());
    EXPECT_EQ(g.controller->EndMove("0", "0", "0"), TGameController::MoveResult::GameOver);
    EXPECT_EQ(ranked.size(), 1);
    EXPECT_EQ(g.game().WeeksSettled, 26);
    EXPECT_EQ(g.controller->FinalRanking().front().Firm, &g.player(1));
    EXPECT_EQ(g.prompter.last().text, "Bob -  победитель!");
    EXPECT_TRUE(g.controller->Ended());
}
