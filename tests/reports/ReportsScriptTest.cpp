// After a played week the script driver reaches the accountant's fax, the enterprise
// statistics window and the four gauges by their names.
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

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
    EXPECT_EQ(fax[12], "| Реклама                     | 100         |");
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
