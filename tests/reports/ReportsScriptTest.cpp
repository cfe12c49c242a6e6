// After a played week the script driver reaches the accountant's fax, the enterprise
// statistics window and the four gauges by their names.
#include "tests/common/ScriptRun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>
#include <ostream>

TEST(ReportsScript, FaxStatisticsAndGaugesAfterAPlayedWeek) {
    QStringList script = {
        QString(R"({"start": {"players": [["Спорт", "Иван", 0], ["Атлет", "Мария", 1]], )"
                R"("today": "2026-12-08", "seed": 3, "folder": "%1"}})")
            .arg(ZORVICK_GAME_FOLDER),
        R"({"type": ["eAdvExp", "100"]})", R"({"click": "bEndTurn"})", R"({"click": "bEndTurn"})",
        R"({"key": "Return"})", R"({"click": "bbBankStatistics"})", R"({"click": "miSelf"})",
        R"({"read": ["fManReport.mGood"]})", R"({"key": "Return"})",
        R"({"click": "bbIndustryStatistics"})", R"({"read": ["ILandUsage", "lSCount"]})",
        R"({"click": "TSSStorage"})", R"({"click": "BNextStorage"})", R"({"read": ["lSCount"]})",
        R"({"click": "BNextStorage"})", R"({"read": ["lSCount"]})", R"({"click": "BPrevStorage"})",
        R"({"read": ["lSCount", "lSType"]})", R"({"click": "TSSManufacture"})",
        R"({"click": "BNextIndustry"})", R"({"click": "BPrevIndustry"})",
        R"({"read": ["lBCount"]})", R"({"click": "bOK"})",
        // Shown again: the storages start from the first.
        R"({"click": "bbIndustryStatistics"})", R"({"click": "TSSStorage"})",
        R"({"click": "BNextStorage"})", R"({"read": ["lSCount"]})", R"({"click": "bOK"})"};
    for (const char* button : {"bbStaffStatistics", "bbRawMaterialsStatistics",
                               "bbProductionStatistics", "bbResearchStatistics"})
        script << QString(R"({"click": "%1"})").arg(button)
               << R"({"read": ["fStatisticsGauge.lMaxValue", "fStatisticsGauge.lPercent"]})"
               << R"({"click": "bClose"})";
    // The next player's fax is built afresh.
    script << R"({"click": "bEndTurn"})"
           << R"({"click": "bbBankStatistics"})"
           << R"({"click": "miSelf"})"
           << R"({"read": ["mGood"]})"
           << R"({"key": "Return"})";

    QProcess driver;
    driver.start(ZORVICK_SCRIPT, {});
    ASSERT_TRUE(driver.waitForStarted());
    driver.write(script.join('\n').toUtf8() + '\n');
    driver.closeWriteChannel();
    ASSERT_TRUE(driver.waitForFinished(60000));
    QStringList reads, errors, windows;
    for (const QByteArray& line : driver.readAllStandardOutput().split('\n')) {
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        if (o.contains("read"))
            reads << o["read"]["text"].toString();
        if (o.contains("error"))
            errors << o["error"].toString();
        if (o["window"]["event"] == "shown")
            windows << o["window"]["name"].toString() + ":" + o["window"]["title"].toString();
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    ASSERT_EQ(reads.size(), 18);
    const QStringList fax = reads[0].split('\n');
    ASSERT_EQ(fax.size(), 31);
    EXPECT_EQ(fax[0], "                       Спорт               ");
    EXPECT_EQ(fax[2], " Кому: Иван            ");
    EXPECT_EQ(fax[5], " Дата: 2026.12.1");
    // Advertising typed while offering nothing is not charged, so not reported.
    EXPECT_EQ(fax[12], "| Реклама                     | 0           |");
    EXPECT_EQ(reads.mid(1, 16),
              QStringList({"Использование земли: 9060 м2", "1/2", "2/2", "1/2", "2/2",
                           "Тип:                  Склад товаров", "1/1", "2/2", "40", "0%", "4000",
                           "0%", "2000", "0%", "300000$", "0%"}));
    EXPECT_TRUE(reads[17].contains(" Кому: Мария ")) << reads[17].toStdString();
    for (const char* window :
         {"fManReport:", "FStatistics:Статистика", "fStatisticsGauge:Персонал",
          "fStatisticsGauge:Сырье", "fStatisticsGauge:Продукция", "fStatisticsGauge:Исследование"})
        EXPECT_TRUE(windows.contains(window)) << window;
}

namespace {

// The whole figure of a fax row: "| Итого                       | 1234        |".
long long rowValue(const QString& line) {
    return line.section('|', 2, 2).trimmed().toLongLong();
}

} // namespace

// Four weeks of one firm buying, borrowing, producing, investing and selling: every
// fax adds up, and its last line is the capital the next turn starts with.
TEST(ReportsScript, TheFaxAddsUpToTheMoneyOfTheNextTurn) {
    QStringList script = {
        QString(R"({"start": {"players": [["Спорт", "Иван", 0], ["Атлет", "Мария", 1]], )"
                R"("today": "2026-12-08", "seed": 5, "folder": "%1"}})")
            .arg(ZORVICK_GAME_FOLDER)};
    const QStringList weeks[] = {
        // Raw materials, a loan, storage space, advertising typed while offering nothing.
        {R"({"key": "Ctrl+R"})", R"({"type": ["EAmountOfWP", "1000"]})", R"({"click": "wpBuy"})",
         R"({"click": "bOK"})", R"({"key": "Ctrl+B"})", R"({"type": ["eAmountOfP", "10000"]})",
         R"({"click": "bTake"})", R"({"click": "bCancel"})", R"({"key": "Ctrl+F"})",
         R"({"click": "TSTStorage"})", R"({"type": ["EAmountOfSP", "1"]})", R"({"click": "sBuy"})",
         R"({"click": "bCancel"})", R"({"type": ["eAdvExp", "5000"]})"},
        // Workers, a run offered whole, research, a repayment, advertising charged.
        {R"({"key": "Ctrl+S"})", R"({"type": ["EAmountOfW", "40"]})", R"({"click": "wbBuy"})",
         R"({"click": "bCancel"})", R"({"key": "Ctrl+P"})", R"({"click": "bPProduce"})",
         R"({"click": "bCancel"})", R"({"key": "Ctrl+L"})",
         R"({"type": ["FRLTrade.eAmountOfP", "1000"]})", R"({"click": "FRLTrade.bPProduce"})",
         R"({"click": "bCancel"})", R"({"key": "Ctrl+B"})", R"({"type": ["eAmountOfP", "4000"]})",
         R"({"click": "bGive"})", R"({"click": "bCancel"})", R"({"type": ["eAdvExp", "700"]})"},
        // Selling from stock without a run; the storage space sold again.
        {R"({"key": "Ctrl+F"})", R"({"click": "TSTStorage"})", R"({"type": ["EAmountOfSP", "1"]})",
         R"({"click": "sSell"})", R"({"click": "bCancel"})", R"({"type": ["eProd", "300"]})",
         R"({"type": ["ePrice", "90"]})"},
        // Nothing at all: wages and running costs paid from the cash.
        {}};
    for (const QStringList& week : weeks) {
        script << week << R"({"click": "bEndTurn"})"
               << R"({"click": "bEndTurn"})"
               << R"({"key": "Return"})"
               << R"({"read": ["lCurMon"]})"
               << R"({"click": "bbBankStatistics"})"
               << R"({"click": "miSelf"})"
               << R"({"read": ["mGood"]})"
               << R"({"key": "Return"})";
    }
    const auto out = ScriptRun::run(script);
    EXPECT_TRUE(ScriptRun::errorsOf(out).isEmpty())
        << ScriptRun::errorsOf(out).join("; ").toStdString();
    QStringList reads;
    for (const QJsonObject& r : ScriptRun::linesOf(out, "read"))
        reads << r["text"].toString();
    ASSERT_EQ(reads.size(), 8);
    long long money = 30000;
    for (int week = 0; week < 4; ++week) {
        const long long capital = reads[2 * week].mid(9).chopped(1).toLongLong(); // "Капитал: …$"
        const QStringList fax = reads[2 * week + 1].split('\n');
        ASSERT_EQ(fax.size(), 31);
        long long costs = 0;
        for (int row = 12; row < 21; ++row)
            costs += rowValue(fax[row]);
        const long long total = rowValue(fax[22]), revenue = rowValue(fax[24]),
                        net = rowValue(fax[26]), last = rowValue(fax[28]);
        SCOPED_TRACE(reads[2 * week + 1].toStdString());
        EXPECT_EQ(costs, total);
        EXPECT_EQ(revenue - total, net);
        EXPECT_EQ(money + net, last);
        EXPECT_EQ(last, capital);
        money = last;
        if (week == 0) {
            EXPECT_EQ(rowValue(fax[12]), 0);      // advertising, not charged
            EXPECT_EQ(rowValue(fax[16]), 20000);  // 1000 units of raw materials
            EXPECT_EQ(rowValue(fax[17]), 1000);   // 1 m2 of storage
            EXPECT_EQ(rowValue(fax[19]), -10000); // the loan
        }
    }
}
