#include "core/game/TScenario.h"
#include "core/platform/RandomSource.h"
#include "core/platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>
#include <vector>

namespace {

// A game folder in a temporary directory, with scenario files written the way a
// Windows editor writes them.
class ScenarioFolder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    GameFolder folder() const { return GameFolder(dir_.path()); }

    void write(const QString& name, QString text) {
        text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
        writeBytes(name, TextFile::encode1251(text));
    }

    void writeBytes(const QString& name, const QByteArray& bytes) {
        QDir(dir_.path()).mkpath(QStringLiteral("scenarios"));
        QFile file(dir_.path() + QStringLiteral("/scenarios/") + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // A file of the given turns whose sections are told apart by eMK = 1 + n / 10,
    // eMSalary = 500 + n and the message "Новость n".
    void writeNumbered(const QString& name, const QString& turns, int sections) {
        QString text = QStringLiteral("[Settings]\neTurns=") + turns + QLatin1Char('\n');
        for (int n = 0; n < sections; ++n)
            text += QStringLiteral("[Turn %1]\neMK=1,%1\neMSalary=%2\neMessage=Новость %1\n")
                        .arg(n)
                        .arg(500 + n);
        write(name, text);
    }

    QTemporaryDir dir_;
};

struct Expected {
    int turn;    // scenario turn counter after the step
    int numbers; // section the numbers came from
    int message; // section the message came from
};

void expectStep(const TScenario& s, const Expected& e, int settlement) {
    SCOPED_TRACE(::testing::Message() << "settlement " << settlement);
    EXPECT_EQ(s.ScenarioTurn, e.turn);
    EXPECT_FLOAT_EQ(s.MarketCoefficient, 1.0f + float(e.numbers) / 10);
    EXPECT_FLOAT_EQ(s.WeeklySalary, float(500 + e.numbers));
    EXPECT_EQ(s.CountryMessage, QStringLiteral("Новость ") + QString::number(e.message));
}

void expectDefaults(const TScenario& s) {
    EXPECT_FLOAT_EQ(s.MarketCoefficient, 1.1f);
    EXPECT_FLOAT_EQ(s.WeeklySalary, 550);
    EXPECT_FLOAT_EQ(s.InterestRate, 0.3f);
    EXPECT_FLOAT_EQ(s.WorkPlacePriceI, 30000);
    EXPECT_FLOAT_EQ(s.WorkPlacePriceII, 45000);
    EXPECT_FLOAT_EQ(s.WorkPlacePriceIII, 60000);
    EXPECT_TRUE(s.BankOpen);
    EXPECT_EQ(s.CountryMessage, QStringLiteral("Ошибка"));
}

TEST_F(ScenarioFolder, BeforeTheFirstSettlement) {
    RandomSource random(1);
    const TScenario s(folder(), random);
    EXPECT_FALSE(s.Active);
    EXPECT_EQ(s.MarketCoefficient, 0);
    EXPECT_EQ(s.WeeklySalary, 550);
    EXPECT_EQ(s.InterestRate, 0);
    EXPECT_EQ(s.WorkPlacePriceI, 30000);
    EXPECT_EQ(s.WorkPlacePriceII, 45000);
    EXPECT_EQ(s.WorkPlacePriceIII, 60000);
    EXPECT_TRUE(s.BankOpen);
    EXPECT_TRUE(s.CountryMessage.isEmpty());
}

TEST_F(ScenarioFolder, NoFolderRunsOneTurnScenariosOfDefaults) {
    RandomSource random(1);
    TScenario s(folder(), random);
    const int expectedTurn[] = {0, 1, 0, 1, 0};
    for (int settlement = 0; settlement < 5; ++settlement) {
        s.ScenarioStep();
        SCOPED_TRACE(settlement + 1);
        EXPECT_TRUE(s.Active);
        EXPECT_EQ(s.ScenarioTurns, 1);
        EXPECT_EQ(s.ScenarioTurn, expectedTurn[settlement]);
        EXPECT_TRUE(s.ScenarioFile.isEmpty());
        expectDefaults(s);
    }
}

TEST_F(ScenarioFolder, TimelineOfATwoTurnScenario) {
    writeNumbered(QStringLiteral("two.scn"), QStringLiteral("2"), 4);
    RandomSource random(1);
    TScenario s(folder(), random);
    // Numbers from turn n, the message from turn n + 1; the fourth settlement starts over.
    const Expected timeline[] = {{0, 0, 1}, {1, 1, 2}, {2, 2, 3}, {0, 0, 1}, {1, 1, 2}};
    for (int i = 0; i < 5; ++i) {
        s.ScenarioStep();
        EXPECT_EQ(s.ScenarioTurns, 2);
        expectStep(s, timeline[i], i + 1);
    }
}

TEST_F(ScenarioFolder, ZeroAndNegativeTurnsRestartEverySettlement) {
    for (const QString& turns : {QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("-7")}) {
        SCOPED_TRACE(turns.toStdString());
        writeNumbered(QStringLiteral("short.scn"), turns, 4);
        RandomSource random(1);
        TScenario s(folder(), random);
        for (int settlement = 1; settlement <= 4; ++settlement) {
            s.ScenarioStep();
            EXPECT_EQ(s.ScenarioTurns, 0);
            expectStep(s, {0, 0, 1}, settlement);
        }
    }
}

TEST_F(ScenarioFolder, HexadecimalTurns) {
    writeNumbered(QStringLiteral("hex.scn"), QStringLiteral("0x3"), 5);
    RandomSource random(1);
    TScenario s(folder(), random);
    s.ScenarioStep();
    EXPECT_EQ(s.ScenarioTurns, 3);
    for (int turn = 1; turn <= 3; ++turn) {
        s.ScenarioStep();
        expectStep(s, {turn, turn, turn + 1}, turn + 1);
    }
    s.ScenarioStep();
    EXPECT_EQ(s.ScenarioTurn, 0);

    writeNumbered(QStringLiteral("hex.scn"), QStringLiteral("0xA"), 2);
    s.StartScenario();
    EXPECT_EQ(s.ScenarioTurns, 10);
}

TEST_F(ScenarioFolder, TurnsDefaultToOne) {
    for (const QString& settings : {QStringLiteral("[Settings]\neTurns=many\n"),
                                    QStringLiteral("[Settings]\n"), QStringLiteral("")}) {
        write(QStringLiteral("a.scn"), settings + QStringLiteral("[Turn 0]\neMK=2\n"));
        RandomSource random(1);
        TScenario s(folder(), random);
        s.ScenarioStep();
        EXPECT_EQ(s.ScenarioTurns, 1) << settings.toStdString();
        EXPECT_FLOAT_EQ(s.MarketCoefficient, 2);
    }
}

TEST_F(ScenarioFolder, ReadsEveryKeyOfATurn) {
    write(QStringLiteral("full.scn"),
          QStringLiteral("[Settings]\neTurns=1\n"
                         "[Turn 0]\neMK=0.9\neMSalary=600\neMInterest=5\neWPICost=31000\n"
                         "eWPIICost=46000\neWPIIICost=61000\ncbBank=1\neMessage=Не читается\n"
                         "[Turn 1]\neMK=1.2\neMInterest=12,5\ncbBank=0\n"
                         "eMessage=Банк закрыт на неделю.\n"
                         "[Turn 2]\ncbBank=-1\neMessage=\n"));
    RandomSource random(1);
    TScenario s(folder(), random);
    s.ScenarioStep();
    EXPECT_FLOAT_EQ(s.MarketCoefficient, 0.9f);
    EXPECT_FLOAT_EQ(s.WeeklySalary, 600);
    EXPECT_FLOAT_EQ(s.InterestRate, 0.05f);
    EXPECT_FLOAT_EQ(s.WorkPlacePriceI, 31000);
    EXPECT_FLOAT_EQ(s.WorkPlacePriceII, 46000);
    EXPECT_FLOAT_EQ(s.WorkPlacePriceIII, 61000);
    // "Turn 1" closes the bank in the week after the first settlement.
    EXPECT_FALSE(s.BankOpen);
    EXPECT_EQ(s.CountryMessage, QStringLiteral("Банк закрыт на неделю."));

    s.ScenarioStep();
    EXPECT_FLOAT_EQ(s.MarketCoefficient, 1.2f);
    EXPECT_FLOAT_EQ(s.InterestRate, 0.125f);
    // Keys missing from "Turn 1" fall back to the defaults, not to turn 0's values.
    EXPECT_FLOAT_EQ(s.WeeklySalary, 550);
    EXPECT_FLOAT_EQ(s.WorkPlacePriceI, 30000);
    EXPECT_TRUE(s.BankOpen); // any number but 0 opens
    EXPECT_TRUE(s.CountryMessage.isEmpty());
}

TEST_F(ScenarioFolder, MissingSectionsGiveDefaults) {
    write(QStringLiteral("thin.scn"), QStringLiteral("[Settings]\neTurns=1\n"));
    RandomSource random(1);
    TScenario s(folder(), random);
    s.ScenarioStep();
    EXPECT_FALSE(s.ScenarioFile.isEmpty());
    expectDefaults(s);
}

TEST_F(ScenarioFolder, DecimalSeparators) {
    struct Case {
        const char* text;
        float expected;
    };
    const Case cases[] = {{"1.25", 1.25f}, {"1,25", 1.25f}, {"2", 2.0f},    {"1;25", 1.1f},
                          {"1.2.5", 1.1f}, {"1,2,5", 1.1f}, {"один", 1.1f}, {"", 1.1f}};
    for (const Case& c : cases) {
        write(QStringLiteral("sep.scn"), QStringLiteral("[Settings]\neTurns=1\n[Turn 0]\neMK=") +
                                             QString::fromUtf8(c.text) +
                                             QStringLiteral("\neMSalary=612,5\n"));
        RandomSource random(1);
        TScenario s(folder(), random);
        s.ScenarioStep();
        EXPECT_FLOAT_EQ(s.MarketCoefficient, c.expected) << c.text;
        EXPECT_FLOAT_EQ(s.WeeklySalary, 612.5f);
    }
}

// Any number in a file ends within its key's range, unchanged when inside it.
TEST_F(ScenarioFolder, ValuesAreHeldToTheirRanges) {
    const char* keys[] = {"eMK", "eMSalary", "eMInterest", "eWPICost", "eWPIICost", "eWPIIICost"};
    // As docs/scenarios.md gives them; interest in percent.
    const float low[] = {0, 0, 0, 1, 1, 1};
    const float high[] = {10, 100000, 100, 1e7f, 1e7f, 1e7f};
    std::mt19937 gen(59);
    std::uniform_real_distribution<double> exponent(-3, 38);
    std::uniform_int_distribution<int> turns(-2000, 5000);
    for (int round = 0; round < 200; ++round) {
        float written[6];
        const int writtenTurns = turns(gen);
        QString text = QStringLiteral("[Settings]\neTurns=%1\n[Turn 0]\n").arg(writtenTurns);
        for (int k = 0; k < 6; ++k) {
            written[k] = float(std::pow(10.0, exponent(gen)) * (gen() % 3 == 0 ? -1 : 1));
            text += QStringLiteral("%1=%2\n").arg(keys[k]).arg(written[k], 0, 'g', 9);
        }
        write(QStringLiteral("random.scn"), text);
        RandomSource random(1);
        TScenario s(folder(), random);
        s.ScenarioStep();
        const float read[] = {s.MarketCoefficient, s.WeeklySalary,     s.InterestRate * 100,
                              s.WorkPlacePriceI,   s.WorkPlacePriceII, s.WorkPlacePriceIII};
        for (int k = 0; k < 6; ++k)
            EXPECT_FLOAT_EQ(read[k], std::clamp(written[k], low[k], high[k])) << text.toStdString();
        EXPECT_EQ(s.ScenarioTurns, std::clamp(writtenTurns, 0, 1000));
    }
}

// The same scenario as Windows, a Linux editor and UTF-16 editors save it.
TEST_F(ScenarioFolder, ReadsAsWrittenInEveryEncoding) {
    const QString text = QStringLiteral("[Settings]\neTurns=2\n[Turn 0]\neMK=1,15\neMInterest=5\n"
                                        "[Turn 1]\ncbBank=0\neMessage=Экономика стабильна.\n");
    QString crlf = text;
    crlf.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    QStringEncoder le(QStringEncoder::Utf16LE), be(QStringEncoder::Utf16BE);
    const std::pair<const char*, QByteArray> files[] = {
        {"Windows-1251", TextFile::encode1251(crlf)},
        {"UTF-8, LF", text.toUtf8()},
        {"UTF-16 LE", "\xFF\xFE" + QByteArray(le(crlf))},
        {"UTF-16 BE", "\xFE\xFF" + QByteArray(be(text))},
    };
    for (const auto& [name, bytes] : files) {
        writeBytes(QStringLiteral("calm.scn"), bytes);
        RandomSource random(1);
        TScenario s(folder(), random);
        s.ScenarioStep();
        EXPECT_EQ(s.ScenarioTurns, 2) << name;
        EXPECT_FLOAT_EQ(s.MarketCoefficient, 1.15f) << name;
        EXPECT_FLOAT_EQ(s.InterestRate, 0.05f) << name;
        EXPECT_FALSE(s.BankOpen) << name;
        EXPECT_EQ(s.CountryMessage, QStringLiteral("Экономика стабильна.")) << name;
    }
}

TEST_F(ScenarioFolder, UnreadableBankFlagKeepsTheBankOpen) {
    write(QStringLiteral("bank.scn"),
          QStringLiteral("[Settings]\neTurns=1\n[Turn 1]\ncbBank=нет\n"));
    RandomSource random(1);
    TScenario s(folder(), random);
    s.ScenarioStep();
    EXPECT_TRUE(s.BankOpen);
}

TEST_F(ScenarioFolder, NamesMatchWithoutRegardToCase) {
    write(QStringLiteral("CASE.SCN"),
          QStringLiteral("[SETTINGS]\nETURNS=4\n[turn 0]\nemk=1,5\n[TURN 1]\nCBBANK=0\n"));
    RandomSource random(1);
    TScenario s(folder(), random);
    s.ScenarioStep();
    EXPECT_EQ(s.ScenarioTurns, 4);
    EXPECT_FLOAT_EQ(s.MarketCoefficient, 1.5f);
    EXPECT_FALSE(s.BankOpen);
}

TEST_F(ScenarioFolder, OnlyScnFilesAreChosen) {
    writeNumbered(QStringLiteral("real.scn"), QStringLiteral("0"), 2);
    write(QStringLiteral("notes.txt"), QStringLiteral("[Settings]\neTurns=9\n"));
    write(QStringLiteral("real.scn.bak"), QStringLiteral("[Settings]\neTurns=9\n"));
    RandomSource random(3);
    TScenario s(folder(), random);
    for (int i = 0; i < 20; ++i) {
        s.ScenarioStep();
        ASSERT_EQ(QFileInfo(s.ScenarioFile).fileName(), QStringLiteral("real.scn"));
    }
}

// The files are taken in name order, so a seed picks the same files on any file system.
TEST_F(ScenarioFolder, TheSameSeedChoosesTheSameFiles) {
    const QStringList names = {QStringLiteral("c.scn"), QStringLiteral("a.scn"),
                               QStringLiteral("b.scn")};
    for (const QString& name : names)
        writeNumbered(name, QStringLiteral("0"), 2);
    const QStringList sorted = {QStringLiteral("a.scn"), QStringLiteral("b.scn"),
                                QStringLiteral("c.scn")};

    for (std::uint64_t seed : {1u, 42u, 977u}) {
        RandomSource random(seed);
        RandomSource twin(seed);
        RandomSource reference(seed);
        TScenario s(folder(), random);
        TScenario again(folder(), twin);
        QStringList chosen;
        for (int i = 0; i < 30; ++i) {
            s.ScenarioStep();
            again.ScenarioStep();
            const QString name = QFileInfo(s.ScenarioFile).fileName();
            EXPECT_EQ(name, QFileInfo(again.ScenarioFile).fileName());
            EXPECT_EQ(name, sorted.at(reference.bounded(3)));
            if (!chosen.contains(name))
                chosen.append(name);
        }
        EXPECT_EQ(chosen.size(), 3) << "seed " << seed; // every file has its chance
    }
}

TEST_F(ScenarioFolder, DumpsEveryField) {
    write(QStringLiteral("dump.scn"),
          QStringLiteral("[Settings]\neTurns=3\n[Turn 0]\neMK=1.5\neMInterest=4\n"
                         "[Turn 1]\ncbBank=0\neMessage=Кризис\n"));
    RandomSource random(1);
    TScenario s(folder(), random);
    s.ScenarioStep();
    const QJsonObject json = s.toJson();
    EXPECT_EQ(json.size(), 12);
    EXPECT_DOUBLE_EQ(json.value("MarketCoefficient").toDouble(), 1.5);
    EXPECT_DOUBLE_EQ(json.value("WeeklySalary").toDouble(), 550);
    EXPECT_NEAR(json.value("InterestRate").toDouble(), 0.04, 1e-7);
    EXPECT_DOUBLE_EQ(json.value("WorkPlacePriceI").toDouble(), 30000);
    EXPECT_DOUBLE_EQ(json.value("WorkPlacePriceII").toDouble(), 45000);
    EXPECT_DOUBLE_EQ(json.value("WorkPlacePriceIII").toDouble(), 60000);
    EXPECT_EQ(json.value("BankOpen"), QJsonValue(false));
    EXPECT_EQ(json.value("CountryMessage").toString(), QStringLiteral("Кризис"));
    EXPECT_EQ(json.value("Active"), QJsonValue(true));
    EXPECT_EQ(json.value("ScenarioFile").toString(), QStringLiteral("dump.scn"));
    EXPECT_EQ(json.value("ScenarioTurns").toInt(), 3);
    EXPECT_EQ(json.value("ScenarioTurn").toInt(), 0);
}

} // namespace
