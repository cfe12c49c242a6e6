#include "core/game/TScenario.h"

#include "core/platform/NumberText.h"
#include "core/platform/RandomSource.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonObject>

#include <algorithm>
#include <filesystem>

const QString TScenario::DefaultCountryMessage = QStringLiteral("Ошибка");

namespace {

QString turnSection(std::int32_t n) {
    return QStringLiteral("Turn ") + QString::number(n);
}

} // namespace

TScenario::Stamp TScenario::stampOf(const QString& path) {
    std::error_code error;
    const std::filesystem::path native(QFile::encodeName(path).toStdString());
    Stamp stamp;
    stamp.modified = std::filesystem::last_write_time(native, error);
    if (!std::filesystem::is_directory(native, error))
        stamp.size = std::filesystem::file_size(native, error);
    return stamp;
}

TScenario::TScenario(GameFolder folder, RandomSource& random)
    : folder_(std::move(folder)), random_(random) {}

float TScenario::WorkPlacePrice(std::int32_t level) const {
    switch (level) {
    case 1:
        return WorkPlacePriceI;
    case 2:
        return WorkPlacePriceII;
    case 3:
        return WorkPlacePriceIII;
    default:
        return 0;
    }
}

void TScenario::ScenarioStep() {
    if (!Active || ScenarioTurn == ScenarioTurns) {
        StartScenario();
        return;
    }
    ++ScenarioTurn;
    ReadTurn(ScenarioTurn);
}

void TScenario::StartScenario() {
    Active = true;
    // Listing and parsing are kept until the folder or the file changes: a long
    // game starts a scenario every few weeks.
    const Stamp folderStamp = stampOf(folder_.resolve(QStringLiteral("scenarios")));
    if (!listed_ || folderStamp != folderStamp_) {
        files_ = folder_.list(QStringLiteral("scenarios"), QStringLiteral("*.scn"));
        listed_ = true;
        folderStamp_ = folderStamp;
    }
    const QStringList& files = files_;
    if (files.isEmpty()) {
        ScenarioFile.clear();
        File = IniFile();
    } else {
        ScenarioFile = files.at(random_.bounded(int(files.size())));
        const Stamp fileStamp = stampOf(ScenarioFile);
        auto cached = parsed_.find(ScenarioFile);
        if (cached == parsed_.end() || cached->stamp != fileStamp)
            cached = parsed_.insert(ScenarioFile, {fileStamp, IniFile::load(ScenarioFile)});
        File = cached->file;
    }
    ScenarioTurn = 0;
    // A negative count would never meet the turn counter and run one scenario
    // forever; a huge one would do the same in practice.
    ScenarioTurns = std::clamp<std::int32_t>(
        File.intValue(QStringLiteral("Settings"), QStringLiteral("eTurns"), 1), 0,
        MaxScenarioTurns);
    ReadTurn(0);
}

float TScenario::number(const QString& section, const QString& key, float fallback,
                        Range range) const {
    const auto text = File.find(section, key);
    if (!text)
        return fallback;
    return range.hold(NumberText::parseFloat(*text).value_or(fallback));
}

void TScenario::ReadTurn(std::int32_t n) {
    const QString numbers = turnSection(n);
    MarketCoefficient =
        number(numbers, QStringLiteral("eMK"), DefaultMarketCoefficient, MarketCoefficientRange);
    WeeklySalary =
        number(numbers, QStringLiteral("eMSalary"), DefaultWeeklySalary, WeeklySalaryRange);
    InterestRate = number(numbers, QStringLiteral("eMInterest"), DefaultInterestPercent,
                          InterestPercentRange) /
                   100.0f;
    WorkPlacePriceI =
        number(numbers, QStringLiteral("eWPICost"), DefaultWorkPlacePriceI, WorkPlacePriceRange);
    WorkPlacePriceII =
        number(numbers, QStringLiteral("eWPIICost"), DefaultWorkPlacePriceII, WorkPlacePriceRange);
    WorkPlacePriceIII = number(numbers, QStringLiteral("eWPIIICost"), DefaultWorkPlacePriceIII,
                               WorkPlacePriceRange);

    // The bank and the news run one section ahead of the numbers.
    const QString next = turnSection(n + 1);
    BankOpen = File.intValue(next, QStringLiteral("cbBank"), 1) != 0;
    CountryMessage = File.value(next, QStringLiteral("eMessage"), DefaultCountryMessage);
}

QJsonObject TScenario::toJson() const {
    return QJsonObject{
        {"MarketCoefficient", double(MarketCoefficient)},
        {"WeeklySalary", double(WeeklySalary)},
        {"InterestRate", double(InterestRate)},
        {"WorkPlacePriceI", double(WorkPlacePriceI)},
        {"WorkPlacePriceII", double(WorkPlacePriceII)},
        {"WorkPlacePriceIII", double(WorkPlacePriceIII)},
        {"BankOpen", BankOpen},
        {"CountryMessage", CountryMessage},
        {"Active", Active},
        // The name alone, so dumps compare across machines.
        {"ScenarioFile", ScenarioFile.isEmpty() ? QString() : QFileInfo(ScenarioFile).fileName()},
        {"ScenarioTurns", ScenarioTurns},
        {"ScenarioTurn", ScenarioTurn},
    };
}
