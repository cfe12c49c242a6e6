#include "core/game/TScenario.h"
#include "core/platform/IniFile.h"
#include "core/platform/NumberText.h"
#include "core/platform/RandomSource.h"
#include "core/platform/TextFile.h"
#include "external/MathLibrary.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

const GameFolder source(QStringLiteral(ZORVICK_SOURCE_DIR));

QStringList shipped() {
    return source.list(QStringLiteral("scenarios"), QStringLiteral("*.scn"));
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ShippedScenarios, AtLeastFourDistinctEconomies) {
    const QStringList files = shipped();
    ASSERT_GE(files.size(), 4);
    QList<QByteArray> bodies;
    for (const QString& path : files) {
        const QByteArray body = bytesOf(path);
        EXPECT_FALSE(bodies.contains(body)) << path.toStdString();
        bodies.append(body);
    }
}

TEST(ShippedScenarios, WrittenAsAWindowsEditorWritesThem) {
    for (const QString& path : shipped()) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray bytes = bytesOf(path);
        ASSERT_FALSE(bytes.isEmpty());
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
        EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
        EXPECT_EQ(bytes.count("\r"), bytes.count("\r\n"));
        const QString text = TextFile::decode(bytes);
        // Windows-1251 all through: the text encodes back to the same bytes.
        EXPECT_EQ(TextFile::encode1251(text), bytes);
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
    }
}

float number(const IniFile& ini, const QString& section, const char* key) {
    const auto text = ini.find(section, QString::fromLatin1(key));
    EXPECT_TRUE(text.has_value()) << section.toStdString() << " " << key;
    const auto value = text ? NumberText::parseFloat(*text) : std::nullopt;
    EXPECT_TRUE(value.has_value()) << section.toStdString() << " " << key;
    return value.value_or(-1);
}

// Every section a file of T turns needs is there, every value is readable and
// the economy stays near the starting one.
TEST(ShippedScenarios, CompleteAndPlayable) {
    for (const QString& path : shipped()) {
        SCOPED_TRACE(path.toStdString());
        const IniFile ini = IniFile::load(path);
        ASSERT_TRUE(ini.isLoaded());
        const std::int32_t turns =
            ini.intValue(QStringLiteral("Settings"), QStringLiteral("eTurns"), -1);
        EXPECT_GE(turns, 6);
        EXPECT_LE(turns, 12);
        for (std::int32_t n = 0; n <= turns; ++n) {
            const QString section = QStringLiteral("Turn %1").arg(n);
            ASSERT_TRUE(ini.hasSection(section)) << n;
            const float mk = number(ini, section, "eMK");
            EXPECT_GE(mk, 0.7f);
            EXPECT_LE(mk, 1.6f);
            const float salary = number(ini, section, "eMSalary");
            EXPECT_GE(salary, 450);
            EXPECT_LE(salary, 750);
            const float interest = number(ini, section, "eMInterest");
            EXPECT_GT(interest, 0);
            EXPECT_LE(interest, 10);
            const float wp1 = number(ini, section, "eWPICost");
            const float wp2 = number(ini, section, "eWPIICost");
            const float wp3 = number(ini, section, "eWPIIICost");
            EXPECT_LT(wp1, wp2);
            EXPECT_LT(wp2, wp3);

            // A full starting workshop at its proposed price: the market buys from it, and
            // the price pays for the run were it all sold. Against an equal rival it need not
            // earn: firms have to compete.
            const double unit = CalculateProdCost(salary, 346, 2401, 2000, 40, 1000, 10);
            const float price = float(1.5 * (unit + 40));
            const TPrice prices[] = {{1, price}, {2, price}};
            const TAdvExp adverts[] = {{1000, 1}, {1000, 2}};
            const TProd offers[] = {{0, 1000}, {0, 1000}};
            EXPECT_GT(Demand(mk, 0, prices, adverts, offers, 0, 2, 0), 100) << "turn " << n;
            EXPECT_GT(0.9 * price * 1000 - unit * 1000 - 40 * 1000 - 1000, 0) << "turn " << n;
        }
        for (std::int32_t n = 1; n <= turns + 1; ++n) {
            const QString section = QStringLiteral("Turn %1").arg(n);
            ASSERT_TRUE(ini.hasSection(section)) << n;
            const auto bank = ini.find(section, QStringLiteral("cbBank"));
            ASSERT_TRUE(bank && IniFile::parseInt(*bank)) << n;
            const QString message = ini.value(section, QStringLiteral("eMessage"), QString());
            EXPECT_FALSE(message.isEmpty()) << n;
            EXPECT_NE(message, TScenario::DefaultCountryMessage);
        }
    }
}

// The game plays them: a long run through the shipped folder never leaves the
// economy the files describe.
TEST(ShippedScenarios, RunOneAfterAnother) {
    RandomSource random(2024);
    TScenario s(source, random);
    QStringList seen;
    for (int week = 0; week < 300; ++week) {
        s.ScenarioStep();
        ASSERT_FALSE(s.ScenarioFile.isEmpty());
        EXPECT_LE(s.ScenarioTurn, s.ScenarioTurns);
        EXPECT_NE(s.CountryMessage, TScenario::DefaultCountryMessage) << week;
        // Far below the 30 % a missing or unreadable eMInterest would give.
        EXPECT_LT(s.InterestRate, 0.2f) << week;
        const QString name = QFileInfo(s.ScenarioFile).fileName();
        if (!seen.contains(name))
            seen.append(name);
    }
    EXPECT_EQ(seen.size(), shipped().size());
}

} // namespace
