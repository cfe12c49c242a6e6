// Two weeks played from the board through the script driver: a loan, workers, raw
// materials, a run priced by the production window, sales, the repayment, research
// and design, and a run closed by the close box, which proposes as "Закрыть" does.
#include "tests/common/ScriptRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using ScriptRun::run;
constexpr auto all = ScriptRun::linesOf;

// The reads of a control, named alone or with its window ("FPTrade.bPProduce").
QList<QJsonObject> reads(const QList<QJsonObject>& lines, const QString& name) {
    QList<QJsonObject> out;
    for (const QJsonObject& r : all(lines, "read"))
        if (r["name"] == name || r["name"].toString().endsWith('.' + name))
            out.append(r);
    return out;
}

QStringList texts(const QList<QJsonObject>& lines, const QString& name) {
    QStringList out;
    for (const QJsonObject& r : reads(lines, name))
        out.append(r["text"].toString());
    return out;
}

int capital(const QString& text) { // "Капитал: 40000$"
    return text.mid(QStringLiteral("Капитал: ").size()).chopped(1).toInt();
}

double lastWeek(const QJsonObject& firm, const char* series) {
    return firm["Expences"].toObject()[series].toArray().last().toDouble();
}

TEST(FinanceScript, AFirmBorrowsProducesSellsAndRepays) {
    const QJsonObject start{
        {"start", QJsonObject{{"players", QJsonArray{QJsonArray{"Спорт", "Иван", 0},
                                                     QJsonArray{"Атлет", "Мария", 1}}},
                              {"today", "2026-12-08"},
                              {"seed", 11},
                              {"folder", ZORVICK_GAME_FOLDER}}}};
    const QStringList script{
        QString::fromUtf8(QJsonDocument(start).toJson(QJsonDocument::Compact)),
        R"({"key": "Ctrl+B"})", R"({"read": ["lCurrentDebt", "lMaxLoan"]})",
        R"({"type": ["eAmountOfP", "120000"]})", R"({"click": "bTake"})",
        R"({"read": ["lCurrentDebt"]})", R"({"click": "bCancel"})", R"({"key": "Ctrl+S"})",
        R"({"type": ["EAmountOfW", "40"]})", R"({"click": "wbBuy"})", R"({"click": "bCancel"})",
        R"({"key": "Ctrl+R"})", R"({"type": ["EAmountOfWP", "2000"]})", R"({"click": "wpBuy"})",
        R"({"click": "bOK"})", R"({"read": ["lCurMon"]})",
        // The largest run: 10 machines of 4 workers, 2000 units of raw materials.
        R"({"key": "Ctrl+P"})", R"({"type": ["eAmountOfP", "9999"]})",
        R"({"read": ["lMaxP", "eAmountOfP"]})", R"({"click": "bPProduce"})",
        R"({"read": ["lCurMon", "bPProduce"]})", R"({"click": "bCancel"})",
        R"({"read": ["ePrice", "eProd"]})", R"({"type": ["eAdvExp", "1000"]})",
        R"({"click": "bEndTurn"})", R"({"click": "bEndTurn"})", R"({"key": "Return"})",
        R"({"state": true})",
        // Week 2: 50000 $ of the loan repaid in two parts, research, design, a run closed
        // by the box.
        R"({"key": "Ctrl+B"})", R"({"type": ["eAmountOfP", "20000"]})", R"({"click": "bGive"})",
        R"({"type": ["eAmountOfP", "30000"]})", R"({"click": "bGive"})",
        R"({"read": ["lCurrentDebt"]})", R"({"click": "bCancel"})", R"({"key": "Ctrl+L"})",
        R"({"type": ["FRLTrade.eAmountOfP", "1000"]})", R"({"click": "FRLTrade.bPProduce"})",
        R"({"read": ["lMaxAmountOfP", "FRLTrade.bPProduce"]})", R"({"click": "tsRL"})",
        R"({"type": ["eRL", "2000"]})", R"({"click": "bRL"})", R"({"read": ["tsRL"]})",
        R"({"click": "bCancel"})", R"({"key": "Ctrl+R"})", R"({"type": ["EAmountOfWP", "200"]})",
        R"({"click": "wpBuy"})", R"({"click": "bOK"})", R"({"key": "Ctrl+P"})",
        R"({"click": "bPProduce"})", R"({"close": "FPTrade"})", R"({"read": ["ePrice", "eProd"]})",
        R"({"click": "bEndTurn"})", R"({"click": "bEndTurn"})", R"({"key": "Return"})",
        R"({"state": true})"};
    const auto out = run(script);
    for (const QJsonObject& o : out)
        EXPECT_FALSE(o.contains("error") || o.contains("box"))
            << o["error"].toString().toStdString();

    EXPECT_EQ(texts(out, "lCurrentDebt"),
              (QStringList{"Долг: 0 $.", "Долг: 120000 $.", "Долг: 70000 $."}));
    EXPECT_EQ(texts(out, "lMaxLoan"), QStringList{"Максимальный кредит: 258600 $."});
    EXPECT_EQ(texts(out, "lMaxP"), QStringList{"Максимум продукции: 1000 ед."});
    EXPECT_EQ(texts(out, "eAmountOfP"), QStringList{"1000"}); // 9999 typed
    // The run is charged, and priced at (cost of a suit + 40) x 1.5.
    const QStringList money = texts(out, "lCurMon");
    ASSERT_EQ(money.size(), 2);
    EXPECT_EQ(capital(money[0]), 30000 + 120000 - 40000);
    const int charge = capital(money[0]) - capital(money[1]);
    EXPECT_GT(charge, 0);
    const QStringList price = texts(out, "ePrice"), offer = texts(out, "eProd");
    ASSERT_EQ(price.size(), 2);
    EXPECT_NEAR(price[0].toDouble(), (charge / 1000.0 + 40) * 1.5, 1);
    EXPECT_EQ(offer[0], "1000");
    const auto buttons = reads(out, "bPProduce");
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_FALSE(buttons[0]["enabled"].toBool()); // one run a move
    EXPECT_FALSE(buttons[1]["enabled"].toBool()); // one research payment a move
    EXPECT_EQ(texts(out, "lMaxAmountOfP"), QStringList{"Текущие вложения: 1000$"});
    EXPECT_FALSE(reads(out, "tsRL")[0]["enabled"].toBool());

    const auto states = all(out, "state");
    ASSERT_EQ(states.size(), 2);
    const QJsonObject week1 = states[0]["Players"].toArray()[0].toObject();
    EXPECT_EQ(week1["Debt"].toDouble(), 120000);
    EXPECT_EQ(lastWeek(week1, "TurnLoan"), -120000);
    EXPECT_EQ(lastWeek(week1, "RMCost"), 40 * 1000);
    EXPECT_NEAR(lastWeek(week1, "Usage"), charge, 1);
    const double rate = states[0]["Scenario"].toObject()["InterestRate"].toDouble();
    EXPECT_NEAR(lastWeek(week1, "Interest"), 120000 * rate, 0.01);
    const double sold = week1["Sold"].toDouble();
    EXPECT_GT(sold, 0);
    const QJsonObject industry = week1["Industries"].toArray()[0].toObject();
    EXPECT_EQ(industry["Storages"].toArray()[1].toObject()["Amount"].toInt(),
              1000 - std::lround(sold));
    // The close box proposed the second run's price and the whole stock.
    EXPECT_NE(price[1], "0");
    EXPECT_EQ(offer[1].toInt(), 1000 - std::lround(sold) + 100);

    const QJsonObject week2 = states[1]["Players"].toArray()[0].toObject();
    EXPECT_EQ(week2["Debt"].toDouble(), 70000);
    EXPECT_EQ(lastWeek(week2, "TurnLoan"), 50000);
    EXPECT_EQ(week2["ResearchInvest"].toDouble(), 1000);
    EXPECT_EQ(lastWeek(week2, "RL"), 2000);
    EXPECT_EQ(lastWeek(week2, "RMCost"), 40 * 100);
}

} // namespace
