// Firms built from the board through the script driver: land, storage space,
// workshop area, machines, workers and raw materials, then a week played.
#include "tests/common/ScriptRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using ScriptRun::errorsOf;
using ScriptRun::run;
constexpr auto withKey = ScriptRun::linesOf;

// The texts read of a control, in order.
QStringList readsOf(const QList<QJsonObject>& lines, const QString& name) {
    QStringList out;
    for (const QJsonObject& r : withKey(lines, "read"))
        if (r["name"].toString() == name)
            out.append(r["text"].toString());
    return out;
}

QStringList boxTexts(const QList<QJsonObject>& lines) {
    QStringList out;
    for (const QJsonObject& b : withKey(lines, "box"))
        out.append(b["text"].toString());
    return out;
}

QString startLine() {
    const QJsonObject start{
        {"start", QJsonObject{{"players", QJsonArray{QJsonArray{"Спорт", "Иван", 0},
                                                     QJsonArray{"Атлет", "Мария", 1}}},
                              {"today", "2026-12-08"},
                              {"seed", 11},
                              {"folder", ZORVICK_GAME_FOLDER}}}};
    return QString::fromUtf8(QJsonDocument(start).toJson(QJsonDocument::Compact));
}

TEST(AssetScript, AFirmIsBuiltFromTheBoardAndPlaysAWeek) {
    const QStringList script{
        startLine(),
        R"({"type": ["eAdvExp", "300"]})",
        // Land, storage space, workshop area and a machine traded for a better mix.
        R"({"key": "Ctrl+F"})",
        R"({"type": ["EAmountOfLand", "99"]})",
        R"({"click": "LUpDownUp"})",
        R"({"read": ["EAmountOfLand"]})",
        R"({"click": "lBuy"})",
        R"({"click": "TSTStorage"})",
        R"({"click": "BPrevStorage"})",
        R"({"read": ["lSCount"]})",
        R"({"click": "BNextStorage"})",
        R"({"type": ["EAmountOfSP", "5"]})",
        R"({"click": "sBuy"})",
        R"({"click": "TSTBuilding"})",
        R"({"type": ["EAmountOFBP", "100"]})",
        R"({"click": "bBuy"})",
        R"({"click": "TSTWorkPlace"})",
        R"({"click": "rbTL"})",
        R"({"type": ["EAmountOfWP", "1"]})",
        R"({"click": "wpSell"})",
        R"({"type": ["EAmountOfWP", "1"]})",
        R"({"click": "wpBuy"})",
        R"({"read": ["lCurrAOWP", "lWarning"]})",
        R"({"click": "bCancel"})",
        R"({"read": ["eAdvExp", "lCurMon"]})",
        // Workers for every place, then raw materials.
        R"({"key": "Ctrl+S"})",
        R"({"type": ["EAmountOfW", "45"]})",
        R"({"answer": ["yes"]})",
        R"({"click": "wbBuy"})",
        R"({"read": ["lCurrAOW"]})",
        R"({"click": "bCancel"})",
        R"({"key": "Ctrl+R"})",
        R"({"type": ["EAmountOfWP", "100"]})",
        R"({"click": "wpBuy"})",
        R"({"click": "bOK"})",
        // The upgrade costs more than is left.
        R"({"click": "bbIndustryUpgrade"})",
        R"({"click": "bBuy"})",
        R"({"read": ["lCurrAOBP"]})",
        R"({"click": "bCancel"})",
        R"({"read": ["lCurMon"]})",
        // The week: both players move, the market report is closed.
        R"({"click": "bEndTurn"})",
        R"({"click": "bEndTurn"})",
        R"({"key": "Return"})",
        R"({"state": true})",
    };
    const auto out = run(script);
    EXPECT_EQ(errorsOf(out), QStringList{"rbTL is disabled or hidden"});
    EXPECT_EQ(readsOf(out, "EAmountOfLand"), QStringList{"100"});
    EXPECT_EQ(readsOf(out, "lSCount"), QStringList{"2/2"});
    EXPECT_EQ(readsOf(out, "lCurrAOWP"), QStringList{"Текущее количество: 10 шт"});
    EXPECT_EQ(readsOf(out, "lWarning"),
              QStringList{"Внимание! Продажа станков производится по следующим ценам:"});
    // Closing the window empties the advertising figure, which reads 0 again.
    EXPECT_EQ(readsOf(out, "eAdvExp"), QStringList{"0"});
    // 30000 - 2000 - 5000 - 10000 + 19500 - 30000; raw materials 2000 more.
    EXPECT_EQ(readsOf(out, "lCurMon"), (QStringList{"Капитал: 2500$", "Капитал: 500$"}));
    EXPECT_EQ(readsOf(out, "lCurrAOW"), QStringList{"Текущее количество: 40 чел."});
    EXPECT_EQ(readsOf(out, "lCurrAOBP"), QStringList{"Уровень: 1"});
    EXPECT_EQ(boxTexts(out), (QStringList{"Вы можете нанять только 40 рабочих. Вы хотите сделать "
                                          "это?",
                                          "У вас недостаточно денег для этого."}));

    QStringList windows;
    for (const QJsonObject& w : withKey(out, "window"))
        if (w["event"] == "shown" && w["name"].toString().startsWith('F'))
            windows.append(w["name"].toString() + ": " + w["title"].toString());
    EXPECT_EQ(windows, (QStringList{"FTrade: Купить/Продать", "FSTrad: Рабочие", "FRMTrad: Сырье",
                                    "FUpgrade: Улучшить"}));

    const auto states = withKey(out, "state");
    ASSERT_EQ(states.size(), 1);
    const QJsonObject firm = states[0]["Players"].toArray()[0].toObject();
    const QJsonObject industry = firm["Industries"].toArray()[0].toObject();
    EXPECT_EQ(industry["Land"].toInt(), 2100);
    EXPECT_EQ(industry["Storages"].toArray()[0].toObject()["Size"].toInt(), 45);
    EXPECT_EQ(industry["Storages"].toArray()[0].toObject()["Amount"].toInt(), 100);
    const QJsonObject workshop = industry["Buildings"].toArray()[0].toObject();
    EXPECT_EQ(workshop["Size"].toInt(), 600);
    EXPECT_EQ(workshop["WorkPlaceCount"].toInt(), 10);
    EXPECT_EQ(workshop["Level"].toInt(), 1);
    // The week booked the asset spending and the wages of 40 workers.
    const QJsonObject history = firm["Expences"].toObject();
    EXPECT_EQ(history["Constr"].toArray().last().toDouble(), 2000 + 5000 + 10000 - 19500 + 30000);
    const double wage = states[0]["Scenario"].toObject()["WeeklySalary"].toDouble();
    EXPECT_GT(wage, 0);
    EXPECT_EQ(history["Salary"].toArray().last().toDouble(), 40 * wage);
    EXPECT_EQ(firm["HistoryCount"].toInt(), 1);
    EXPECT_EQ(out.last()["end"].toObject()["reason"].toString(), "end of input");
}

} // namespace
