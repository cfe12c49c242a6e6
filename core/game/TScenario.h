#pragma once

#include "core/platform/GameFolder.h"
#include "core/platform/IniFile.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <filesystem>

class QJsonObject;
class RandomSource;

// The week-by-week economy, read from scenario files ("scenarios\*.scn") chosen at
// random and run one after another for the whole game.
class TScenario {
public:
    // The values a missing key, section or file gives.
    static constexpr float DefaultMarketCoefficient = 1.1f;
    static constexpr float DefaultWeeklySalary = 550;
    static constexpr float DefaultInterestPercent = 30;
    static constexpr float DefaultWorkPlacePriceI = 30000;
    static constexpr float DefaultWorkPlacePriceII = 45000;
    static constexpr float DefaultWorkPlacePriceIII = 60000;
    static const QString DefaultCountryMessage; // "Ошибка": no message this week

    // What a scenario may set; a value outside is held at the nearer end, so no
    // file can pay players for hiring, borrowing or buying, or run money to infinity.
    struct Range {
        float low;
        float high;
        float hold(float value) const { return value < low ? low : value > high ? high : value; }
    };
    static constexpr Range MarketCoefficientRange{0, 10};
    static constexpr Range WeeklySalaryRange{0, 100000};
    static constexpr Range InterestPercentRange{0, 100}; // percent of the debt per week
    static constexpr Range WorkPlacePriceRange{1, 10000000};
    static constexpr std::int32_t MaxScenarioTurns = 1000;

    TScenario(GameFolder folder, RandomSource& random);

    // Economy parameters, as they stand before the first settlement.
    float MarketCoefficient = 0;
    float WeeklySalary = 550;
    float InterestRate = 0; // fraction of the debt per week
    float WorkPlacePriceI = 30000;
    float WorkPlacePriceII = 45000;
    float WorkPlacePriceIII = 60000;
    bool BankOpen = true;
    QString CountryMessage;

    // A new machine of level 1 to 3; 0 for another level.
    float WorkPlacePrice(std::int32_t level) const;

    // Scenario state.
    bool Active = false;
    QString ScenarioFile; // absolute path of the open file; empty when none was found
    IniFile File;         // read once when the scenario starts
    std::int32_t ScenarioTurns = 0;
    std::int32_t ScenarioTurn = 0;

    // Once per settled week, before the firms are settled.
    void ScenarioStep();
    // Chooses a file at random and reads its turn 0.
    void StartScenario();
    // The numbers of turn n and the bank flag and message of turn n + 1.
    void ReadTurn(std::int32_t n);

    QJsonObject toJson() const;

private:
    float number(const QString& section, const QString& key, float fallback, Range range) const;

    GameFolder folder_;
    RandomSource& random_;
    // When a file or the folder was last written, to know whether to read it again.
    struct Stamp {
        std::filesystem::file_time_type modified{};
        std::uintmax_t size = 0;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp stampOf(const QString& path);
    struct Parsed {
        Stamp stamp;
        IniFile file;
    };

    bool listed_ = false;
    Stamp folderStamp_;
    QStringList files_;
    QHash<QString, Parsed> parsed_;
};
