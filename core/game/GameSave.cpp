#include "core/game/GameSave.h"

#include "core/game/TGameController.h"
#include "core/platform/RandomSource.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cfloat>
#include <cmath>
#include <limits>
#include <memory>

// Each reader below takes back what the toJson of its class writes; a field added to
// a toJson is read here too (the round-trip test fails until it is). A field that an
// older file lacks gets a fallback (Reader::integerOr and its kin) rather than a new
// format number.

namespace {

constexpr double MaxFloat = FLT_MAX;
constexpr std::int64_t MaxInt = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t MinInt = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t MaxFirms = 10;
constexpr std::int32_t MaxFace = 3;
constexpr std::int32_t UnitsPerM2 = 100;
constexpr std::int32_t MachineArea = 10;

QString quoted(const QString& name) {
    return QStringLiteral("«") + name + QStringLiteral("»");
}

QString shown(double value) {
    return QString::number(value, 'g', 10);
}

// Reads the fields of one JSON object, each with its check. The first fault is kept
// (naming the field by its path) and every later read gives a harmless default.
class Reader {
public:
    Reader(QJsonObject object, QString path, QString& error)
        : object_(std::move(object)), path_(std::move(path)), error_(error) {}

    bool ok() const { return error_.isEmpty(); }
    QString field(const QString& key) const {
        return path_.isEmpty() ? key : path_ + QLatin1Char('.') + key;
    }
    void fail(const QString& text) {
        if (error_.isEmpty())
            error_ = text;
    }
    // A value that must equal what the other fields make it.
    void agree(const char* key, double value, double expected, const QString& rule) {
        if (value != expected)
            fail(QStringLiteral("поле %1 равно %2, а должно быть %3 = %4")
                     .arg(quoted(field(key)), shown(value), rule, shown(expected)));
    }

    bool has(const char* key) const { return object_.contains(QLatin1String(key)); }
    // For a class that reads its own fields.
    const QJsonObject& json() const { return object_; }

    std::int32_t integer(const char* key, std::int64_t low = MinInt, std::int64_t high = MaxInt) {
        const QJsonValue v = value(key);
        if (!ok())
            return fallback(low, high);
        const double d = v.toDouble();
        if (!v.isDouble() || !std::isfinite(d) || d != std::floor(d)) {
            fail(QStringLiteral("поле %1 должно быть целым числом").arg(quoted(field(key))));
            return fallback(low, high);
        }
        if (d < double(low) || d > double(high)) {
            outside(key, d, double(low), double(high));
            return fallback(low, high);
        }
        return std::int32_t(d);
    }
    std::int32_t integerOr(const char* key, std::int32_t fallback, std::int64_t low = MinInt,
                           std::int64_t high = MaxInt) {
        return has(key) ? integer(key, low, high) : fallback;
    }

    // Money and other amounts: a finite number a float can hold (a NaN is written as null).
    float number(const char* key, double low = -MaxFloat, double high = MaxFloat) {
        const QJsonValue v = value(key);
        if (!ok())
            return 0;
        const double d = v.toDouble();
        if (!v.isDouble() || !std::isfinite(d)) {
            fail(QStringLiteral("поле %1 должно быть числом").arg(quoted(field(key))));
            return 0;
        }
        if (d < low || d > high) {
            outside(key, d, low, high);
            return 0;
        }
        return float(d);
    }
    float numberOr(const char* key, float fallback, double low = -MaxFloat,
                   double high = MaxFloat) {
        return has(key) ? number(key, low, high) : fallback;
    }

    bool flag(const char* key) {
        const QJsonValue v = value(key);
        if (ok() && !v.isBool())
            fail(QStringLiteral("поле %1 должно быть true или false").arg(quoted(field(key))));
        return v.toBool();
    }
    bool flagOr(const char* key, bool fallback) { return has(key) ? flag(key) : fallback; }

    QString text(const char* key) {
        const QJsonValue v = value(key);
        if (ok() && !v.isString())
            fail(QStringLiteral("поле %1 должно быть текстом").arg(quoted(field(key))));
        return v.toString();
    }
    QString textOr(const char* key, const QString& fallback) {
        return has(key) ? text(key) : fallback;
    }

    QJsonArray array(const char* key, qsizetype low, qsizetype high) {
        const QJsonValue v = value(key);
        if (!ok())
            return {};
        if (!v.isArray()) {
            fail(QStringLiteral("поле %1 должно быть списком").arg(quoted(field(key))));
            return {};
        }
        const QJsonArray a = v.toArray();
        if (a.size() < low || a.size() > high) {
            fail(QStringLiteral("в списке %1 %2 элементов, а допустимо от %3 до %4")
                     .arg(quoted(field(key)))
                     .arg(a.size())
                     .arg(low)
                     .arg(high));
            return {};
        }
        return a;
    }

    Reader object(const char* key) {
        const QJsonValue v = value(key);
        if (ok() && !v.isObject())
            fail(QStringLiteral("поле %1 должно быть объектом").arg(quoted(field(key))));
        return Reader(v.toObject(), field(key), error_);
    }
    // Element i of a list read with array().
    Reader element(const QJsonArray& list, const char* key, qsizetype i) {
        const QString name = field(key) + QLatin1Char('[') + QString::number(i) + QLatin1Char(']');
        if (ok() && !list.at(i).isObject())
            fail(QStringLiteral("элемент %1 должен быть объектом").arg(quoted(name)));
        return Reader(list.at(i).toObject(), name, error_);
    }
    // A number of a list of numbers.
    float numberAt(const QJsonArray& list, const char* key, qsizetype i) {
        const double d = list.at(i).toDouble();
        if (ok() && (!list.at(i).isDouble() || !std::isfinite(d) || std::fabs(d) > MaxFloat))
            fail(
                QStringLiteral("элемент %1[%2] должен быть числом").arg(quoted(field(key))).arg(i));
        return float(d);
    }

private:
    // What a failed read gives: 0 when the range holds it, so later checks stay quiet.
    static std::int32_t fallback(std::int64_t low, std::int64_t high) {
        return std::int32_t(low <= 0 && 0 <= high ? 0 : low);
    }
    QJsonValue value(const char* key) {
        if (!ok())
            return {};
        const auto it = object_.constFind(QLatin1String(key));
        if (it == object_.constEnd()) {
            fail(QStringLiteral("нет поля %1").arg(quoted(field(key))));
            return {};
        }
        return *it;
    }
    void outside(const char* key, double value, double low, double high) {
        fail(QStringLiteral("поле %1 равно %2, а допустимо от %3 до %4")
                 .arg(quoted(field(key)), shown(value), shown(low), shown(high)));
    }

    QJsonObject object_;
    QString path_;
    QString& error_;
};

// ------------------------------------------------------------------ the firm

TWorkPlace readWorkPlace(Reader r) {
    const std::int32_t level = r.integer("Level", 1, 3);
    TWorkPlace w(level, r.number("Price", 0));
    w.Costs = r.number("Costs");
    w.Area = r.integer("Area", MachineArea, MachineArea);
    w.Amortization = r.number("Amortization");
    w.MaxWorkers = r.integer("MaxWorkers", 0, 4);
    r.agree("MaxWorkers", w.MaxWorkers, level == 3 ? 3 : 4,
            QStringLiteral("4 для уровней I и II, 3 для III, здесь"));
    w.Productivity = r.integer("Productivity", 0);
    w.Workers = r.integer("Workers", 0, w.MaxWorkers);
    return w;
}

TBuilding readBuilding(Reader r) {
    TBuilding b(0);
    b.MaxSize = r.integer("MaxSize", 0);
    const QJsonArray machines = r.array("WorkPlaces", 0, b.MaxSize / MachineArea);
    for (qsizetype i = 0; i < machines.size() && r.ok(); ++i)
        b.WorkPlaces.push_back(readWorkPlace(r.element(machines, "WorkPlaces", i)));
    b.M2Price = r.number("M2Price");
    b.M2Costs = r.number("M2Costs");
    b.M2Amort = r.number("M2Amort");
    b.SetSize(r.integer("Size", 0, b.MaxSize));
    // Set after the size, which computes them: the saved values are the game's.
    b.Value = r.number("Value");
    b.Costs = r.number("Costs");
    b.Amortization = r.number("Amortization");
    b.WorkPlaceCount = r.integer("WorkPlaceCount", 0);
    r.agree("WorkPlaceCount", b.WorkPlaceCount, double(b.WorkPlaces.size()),
            QStringLiteral("число мест"));
    b.UsedArea = r.integer("UsedArea", 0);
    r.agree("UsedArea", b.UsedArea, double(MachineArea) * double(b.WorkPlaces.size()),
            QStringLiteral("10 × число мест"));
    b.FreeArea = r.integer("FreeArea");
    r.agree("FreeArea", b.FreeArea, double(b.Size()) - b.UsedArea,
            QStringLiteral("Size − UsedArea"));
    b.Level = r.integer("Level", 1, 3);
    b.HireMode = std::uint8_t(r.integer("HireMode", 0, 2));
    return b;
}

TStorage readStorage(Reader r, std::uint8_t kind) {
    r.integer("Kind", kind, kind);
    TStorage s(kind);
    s.MaxSize = r.integer("MaxSize", 0);
    s.M2Costs = r.number("M2Costs");
    s.M2Price = r.number("M2Price");
    s.M2Amort = r.number("M2Amort");
    s.SetSize(r.integer("Size", 0, s.MaxSize));
    s.Costs = r.number("Costs");
    s.Amortization = r.number("Amortization");
    s.Amount = r.integer("Amount", 0, std::int64_t(UnitsPerM2) * s.Size());
    s.UsedArea = r.integer("UsedArea", 0);
    r.agree("UsedArea", s.UsedArea, (s.Amount + UnitsPerM2 - 1) / UnitsPerM2,
            QStringLiteral("Amount / 100 с округлением вверх"));
    s.FreeArea = r.integer("FreeArea");
    r.agree("FreeArea", s.FreeArea, double(s.Size()) - s.UsedArea,
            QStringLiteral("Size − UsedArea"));
    return s;
}

TIndustry readIndustry(Reader r) {
    TIndustry industry(0, 0);
    const QJsonArray buildings = r.array("Buildings", 1, 16);
    for (qsizetype i = 0; i < buildings.size() && r.ok(); ++i)
        industry.Buildings.push_back(readBuilding(r.element(buildings, "Buildings", i)));
    // Entry 0 holds the raw materials, entry 1 the suits.
    const QJsonArray storages = r.array("Storages", 2, 2);
    for (qsizetype i = 0; i < storages.size() && r.ok(); ++i)
        industry.Storages.push_back(
            readStorage(r.element(storages, "Storages", i), std::uint8_t(i)));
    industry.MaxLand = r.integer("MaxLand", 0);
    industry.Land = r.integer("Land", 0, industry.MaxLand);
    industry.UsedLand = r.integer("UsedLand", 0, industry.Land);
    industry.FreeLand = r.integer("FreeLand");
    r.agree("FreeLand", industry.FreeLand, double(industry.Land) - industry.UsedLand,
            QStringLiteral("Land − UsedLand"));
    industry.LandPrice = r.number("LandPrice");
    return industry;
}

TLetter readLetter(Reader r) {
    TLetter letter;
    letter.Unread = r.flag("Unread");
    letter.From = r.text("From");
    letter.Date = r.text("Date");
    letter.Text = r.text("Text");
    letter.Subject = r.text("Subject");
    return letter;
}

void readHistory(Reader r, TExpences& history, std::int32_t weeks) {
    static constexpr std::pair<const char*, TExpences::Series TExpences::*> Columns[] = {
        {"AdvExp", &TExpences::AdvExp},
        {"Constr", &TExpences::Constr},
        {"Costs", &TExpences::Costs},
        {"Dev", &TExpences::Dev},
        {"RL", &TExpences::RL},
        {"Taxes", &TExpences::Taxes},
        {"RMCost", &TExpences::RMCost},
        {"Revenue", &TExpences::Revenue},
        {"Salary", &TExpences::Salary},
        {"Usage", &TExpences::Usage},
        {"Interest", &TExpences::Interest},
        {"TurnLoan", &TExpences::TurnLoan},
        {"StartTurnMoney", &TExpences::StartTurnMoney}};
    // Every series holds one entry per settled week kept.
    for (const auto& [name, series] : Columns) {
        const QJsonArray values = r.array(name, weeks, weeks);
        for (qsizetype i = 0; i < values.size(); ++i)
            (history.*series).push_back(r.numberAt(values, name, i));
    }
}

// Who sits at the firm, and what a computer manager remembers; a file without it
// was saved before computers could sit, so a person does.
TSeat readSeat(Reader r) {
    TSeat seat;
    seat.Computer = r.flag("Computer");
    seat.character = TSeat::Character(
        r.integer("Character", 0, std::int64_t(TSeat::CharacterNames().size()) - 1));
    seat.strength =
        TSeat::Strength(r.integer("Strength", 0, std::int64_t(TSeat::StrengthNames().size()) - 1));
    const QString seed = r.text("Seed");
    bool number = false;
    seat.Seed = seed.toULongLong(&number);
    if (r.ok() && !number)
        r.fail(QStringLiteral("поле %1 должно быть целым числом").arg(quoted(r.field("Seed"))));
    seat.RivalAdvertising = r.number("RivalAdvertising", -1);
    seat.LastOffer = r.integer("LastOffer", 0);
    return seat;
}

std::unique_ptr<TZorvick> readFirm(Reader r) {
    auto firm = std::make_unique<TZorvick>(0);
    firm->Money = r.number("Money");
    firm->Title = r.text("Title");
    firm->PlayerName = r.text("PlayerName");
    firm->Face = r.integer("Face", 0, MaxFace);
    const QJsonArray industries = r.array("Industries", 1, 16);
    for (qsizetype i = 0; i < industries.size() && r.ok(); ++i)
        firm->Industries.push_back(readIndustry(r.element(industries, "Industries", i)));
    firm->IndustryCount = r.integer("IndustryCount");
    r.agree("IndustryCount", firm->IndustryCount, double(firm->Industries.size()),
            QStringLiteral("число предприятий"));
    firm->Price = r.number("Price");
    firm->AdvExp = r.number("AdvExp", 0);
    firm->ResearchInvest = r.number("ResearchInvest", 0, 300000);
    firm->TechLevel = r.integer("TechLevel", 1, 3);
    firm->Debt = r.number("Debt", 0);
    firm->SellAmount = r.integer("SellAmount");
    firm->LastDebt = r.number("LastDebt");
    firm->Sold = r.number("Sold", 0);
    // A design run is counted up to three moves and cleared at the third.
    firm->RLWeeks = r.integer("RLWeeks", 0, 2);
    firm->RLInvest = r.number("RLInvest", 0);
    const QJsonArray letters = r.array("Letters", 0, 1000000);
    for (qsizetype i = 0; i < letters.size() && r.ok(); ++i)
        firm->Letters.push_back(readLetter(r.element(letters, "Letters", i)));
    firm->Bankrupt = r.flag("Bankrupt");
    firm->DebtWeeks = r.integer("DebtWeeks", 0, 3);
    firm->IdleWeeks = r.integer("IdleWeeks", 0, 3);
    firm->Removed = r.flag("Removed");
    firm->Produced = r.integer("Produced", 0);
    firm->HistoryCount = r.integer("HistoryCount", 0, TZorvick::HistoryLength);
    readHistory(r.object("Expences"), firm->Expences, firm->HistoryCount);
    firm->Constr = r.number("Constr");
    firm->StartTurnMoney = r.number("StartTurnMoney");
    firm->TurnLoan = r.number("TurnLoan");
    firm->TurnProduction = r.number("TurnProduction");
    firm->TurnResearch = r.number("TurnResearch");
    firm->TurnRawMaterials = r.number("TurnRawMaterials");
    firm->LastUnitCost = r.number("LastUnitCost", 0);
    if (r.has("Seat"))
        firm->Seat = readSeat(r.object("Seat"));
    return firm;
}

// ------------------------------------------------------------------ the game

// Everything read, kept until the whole document has passed its checks.
struct Loaded {
    std::vector<std::unique_ptr<TZorvick>> players;
    std::int32_t playerCount = 0;
    std::int32_t moveNumber = 1;
    std::int32_t currentPlayer = 0;
    std::int32_t enterpriseIndex = 0;
    std::int32_t gameLength = 0;
    std::int32_t weeksSettled = 0;
    std::vector<TPrice> prices;
    std::vector<TAdvExp> advExps;
    std::vector<TProd> prods;
    TCalendar calendar;
    struct {
        float marketCoefficient, weeklySalary, interestRate, priceI, priceII, priceIII;
        bool bankOpen, active;
        QString countryMessage, file; // the file's absolute path; empty for none
        std::int32_t turns, turn;
    } scenario{};
    std::string random;
    TGameController::MoveStates states;
    QStringList report;
    TMarketHistory marketHistory;
};

void readMarket(Reader& r, Loaded& g) {
    const QJsonArray prices = r.array("TPrices", g.players.size(), MaxFirms);
    const QJsonArray advExps = r.array("TAdvExps", prices.size(), prices.size());
    const QJsonArray prods = r.array("TProds", prices.size(), prices.size());
    const auto slotCount = std::int64_t(prices.size());
    for (qsizetype i = 0; i < prices.size() && r.ok(); ++i) {
        Reader price = r.element(prices, "TPrices", i);
        g.prices.push_back(TPrice{price.integer("Player", 0, slotCount), price.number("Price")});
        Reader adv = r.element(advExps, "TAdvExps", i);
        g.advExps.push_back(TAdvExp{adv.number("AdvExp"), adv.integer("Player", 0, slotCount)});
        Reader prod = r.element(prods, "TProds", i);
        g.prods.push_back(TProd{prod.integer("Player", 0, slotCount), prod.number("Amount")});
    }
}

void readTurn(Reader& r, Loaded& g) {
    const auto firms = std::int64_t(g.players.size());
    g.playerCount = r.integer("PlayerCount", 1, std::int64_t(g.prices.size()));
    g.moveNumber = r.integer("MoveNumber", 1, g.playerCount);
    g.currentPlayer = r.integer("CurrentPlayer", 0, firms - 1);
    const auto enterprises =
        r.ok() ? std::int64_t(g.players[std::size_t(g.currentPlayer)]->Industries.size()) : 1;
    g.enterpriseIndex = r.integer("EnterpriseIndex", 0, enterprises - 1);
    g.gameLength = r.integer("GameLength", 0, 52);
    if (r.ok() && g.gameLength != 0 && g.gameLength != 26 && g.gameLength != 52)
        r.fail(QStringLiteral("поле %1 должно быть 0, 26 или 52")
                   .arg(quoted(QStringLiteral("GameLength"))));
    g.weeksSettled = r.integer("WeeksSettled", 0);
}

void readCalendar(Reader r, Loaded& g) {
    g.calendar.Year = std::uint16_t(r.integer("Year", 1, 65535));
    g.calendar.Month = std::uint16_t(r.integer("Month", 1, 12));
    g.calendar.Week = std::uint16_t(r.integer("Week", 1, 4));
}

void readScenario(Reader r, Loaded& g, const GameFolder& folder) {
    auto& s = g.scenario;
    const auto hold = [&](const char* key, TScenario::Range range) {
        return r.number(key, range.low, range.high);
    };
    s.marketCoefficient = hold("MarketCoefficient", TScenario::MarketCoefficientRange);
    s.weeklySalary = hold("WeeklySalary", TScenario::WeeklySalaryRange);
    s.interestRate = r.number("InterestRate", 0, TScenario::InterestPercentRange.high / 100);
    s.priceI = hold("WorkPlacePriceI", TScenario::WorkPlacePriceRange);
    s.priceII = hold("WorkPlacePriceII", TScenario::WorkPlacePriceRange);
    s.priceIII = hold("WorkPlacePriceIII", TScenario::WorkPlacePriceRange);
    s.bankOpen = r.flag("BankOpen");
    s.countryMessage = r.text("CountryMessage");
    s.active = r.flag("Active");
    s.turns = r.integer("ScenarioTurns", 0, TScenario::MaxScenarioTurns);
    s.turn = r.integer("ScenarioTurn", 0, s.turns);
    // The file by its name in the game's scenario folder, which it must still be in.
    const QString name = r.text("ScenarioFile");
    if (!r.ok() || name.isEmpty())
        return;
    for (const QString& path : folder.list(QStringLiteral("scenarios"), QStringLiteral("*.scn")))
        if (QFileInfo(path).fileName() == name)
            s.file = path;
    if (s.file.isEmpty())
        r.fail(QStringLiteral("сценария %1 из поля %2 нет в папке scenarios")
                   .arg(quoted(name), quoted(r.field(QStringLiteral("ScenarioFile")))));
}

void readBoard(Reader r, Loaded& g) {
    if (r.flag("Ended"))
        r.fail(QStringLiteral("игра в файле уже окончена"));
    auto& s = g.states;
    s.controlsLocked = r.flag("ControlsLocked");
    s.bankTradeEnabled = r.flag("BankTradeEnabled");
    s.statisticsEnabled = r.flag("StatisticsEnabled");
    s.mailFlashing = r.flag("MailFlashing");
    s.researchInvestAllowed = r.flag("ResearchInvestAllowed");
    s.designAllowed = r.flag("DesignAllowed");
    s.productionAllowed = r.flag("ProductionAllowed");
    const QJsonArray levels = r.array("LevelsAllowed", 3, 3);
    for (qsizetype i = 0; i < levels.size(); ++i) {
        if (!levels.at(i).isBool())
            r.fail(QStringLiteral("элемент %1[%2] должен быть true или false")
                       .arg(quoted(r.field(QStringLiteral("LevelsAllowed"))))
                       .arg(i));
        s.levelAllowed[i] = levels.at(i).toBool();
    }
}

// The market over the whole game, for the charts: one seat for each firm in the list.
void readMarketHistory(Reader r, Loaded& g) {
    r.array("Seats", qsizetype(g.players.size()), qsizetype(g.players.size()));
    if (r.ok() && !g.marketHistory.fromJson(r.json()))
        r.fail(QStringLiteral("в поле %1 фирмы, места и недели не сходятся")
                   .arg(quoted(QStringLiteral("MarketHistory"))));
}

void readDocument(Reader& r, Loaded& g, const GameFolder& folder) {
    const QJsonArray players = r.array("Players", 1, MaxFirms);
    for (qsizetype i = 0; i < players.size() && r.ok(); ++i)
        g.players.push_back(readFirm(r.element(players, "Players", i)));
    readMarket(r, g);
    readTurn(r, g);
    readCalendar(r.object("Calendar"), g);
    readScenario(r.object("Scenario"), g, folder);
    readBoard(r.object("Board"), g);
    const QJsonArray report = r.array("MarketReport", 0, 1000);
    for (qsizetype i = 0; i < report.size(); ++i) {
        if (!report.at(i).isString())
            r.fail(QStringLiteral("строка %1 поля %2 должна быть текстом")
                       .arg(i)
                       .arg(quoted(QStringLiteral("MarketReport"))));
        g.report.append(report.at(i).toString());
    }
    readMarketHistory(r.object("MarketHistory"), g);
    g.random = r.text("Random").toStdString();
    RandomSource check(0);
    if (r.ok() && !check.SetState(g.random))
        r.fail(QStringLiteral("поле %1 не является состоянием генератора случайных чисел")
                   .arg(quoted(QStringLiteral("Random"))));
}

void apply(Loaded& g, TGameController& controller) {
    TGame& game = controller.Game();
    game.Players = std::move(g.players);
    game.PlayerCount = g.playerCount;
    game.MoveNumber = g.moveNumber;
    game.CurrentPlayer = g.currentPlayer;
    game.EnterpriseIndex = g.enterpriseIndex;
    game.GameLength = g.gameLength;
    game.WeeksSettled = g.weeksSettled;
    game.TPrices = std::move(g.prices);
    game.TAdvExps = std::move(g.advExps);
    game.TProds = std::move(g.prods);
    game.Calendar = g.calendar;
    TScenario& economy = game.Scenario;
    const auto& s = g.scenario;
    economy.MarketCoefficient = s.marketCoefficient;
    economy.WeeklySalary = s.weeklySalary;
    economy.InterestRate = s.interestRate;
    economy.WorkPlacePriceI = s.priceI;
    economy.WorkPlacePriceII = s.priceII;
    economy.WorkPlacePriceIII = s.priceIII;
    economy.BankOpen = s.bankOpen;
    economy.CountryMessage = s.countryMessage;
    economy.Active = s.active;
    economy.ScenarioFile = s.file;
    economy.File = s.file.isEmpty() ? IniFile() : IniFile::load(s.file);
    economy.ScenarioTurns = s.turns;
    economy.ScenarioTurn = s.turn;
    controller.MarketHistory() = std::move(g.marketHistory);
    controller.services().random.SetState(g.random);
    controller.Resume(g.states, g.report);
}

} // namespace

namespace GameSave {

QJsonObject Document(TGameController& controller) {
    QJsonObject document = controller.toJson();
    document.insert(QStringLiteral("format"), Format);
    document.insert(QStringLiteral("Random"),
                    QString::fromStdString(controller.services().random.State()));
    return document;
}

QByteArray Bytes(TGameController& controller) {
    return QJsonDocument(Document(controller)).toJson(QJsonDocument::Compact);
}

QString Restore(const QByteArray& bytes, TGameController& controller, bool apply) {
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError)
        return QStringLiteral("файл повреждён или оборван (ошибка в байте %1: %2)")
            .arg(parse.offset)
            .arg(parse.errorString());
    const QJsonObject root = document.object();
    const QJsonValue format = root.value(QStringLiteral("format"));
    if (!document.isObject() || !format.isDouble())
        return QStringLiteral("это не сохранённая игра Zorvick (нет поля «format»)");
    if (format.toDouble() > Format)
        return QStringLiteral("файл записан более новой версией игры (формат %1, а эта версия "
                              "читает формат %2)")
            .arg(shown(format.toDouble()))
            .arg(Format);
    if (format.toDouble() != Format)
        return QStringLiteral("неизвестный формат файла %1").arg(shown(format.toDouble()));

    QString error;
    Reader reader(root, QString(), error);
    Loaded loaded;
    readDocument(reader, loaded, controller.services().folder);
    if (error.isEmpty() && apply)
        ::apply(loaded, controller);
    return error;
}

} // namespace GameSave
