#pragma once

// Machines, workshop buildings, storages and the enterprise that holds them.
// Operations that buy or sell never move money: they return the quantity
// accepted (0 when refused or declined), and the dialogs charge for it.

#include <cstdint>
#include <vector>

class Prompter;
class QJsonObject;
class QString;

// One machine ("рабочее место") of level 1 to 3.
class TWorkPlace {
public:
    TWorkPlace(std::int32_t level, float price);

    float Price = 0;
    float Costs = 0; // weekly running cost at the current staffing
    std::int32_t Level = 1;
    std::int32_t Area = 10;
    float Amortization = 0;
    std::int32_t MaxWorkers = 4;
    std::int32_t Productivity = 0; // suits per week at the current staffing
    std::int32_t Workers = 0;

    // Productivity and costs for n workers; does not store n.
    void SetWorkers(std::int32_t n);

    QJsonObject toJson() const;
};

using TWorkPlaces = std::vector<TWorkPlace>;

// A workshop building. Invariants: WorkPlaceCount = WorkPlaces.size(),
// UsedArea = 10 x WorkPlaceCount, FreeArea = Size - UsedArea.
class TBuilding {
public:
    explicit TBuilding(std::int32_t machines);

    TWorkPlaces WorkPlaces;
    float M2Price = 0;
    float M2Costs = 0;
    float Amortization = 0;
    std::int32_t WorkPlaceCount = 0;
    std::int32_t UsedArea = 0;
    std::int32_t FreeArea = 0;
    float M2Amort = 0;
    float Costs = 0;
    float Value = 0;
    std::int32_t MaxSize = 5000;
    std::int32_t Level = 1;
    std::uint8_t HireMode = 0; // 1 hiring, 0 firing, 2 neither

    std::int32_t Size() const { return Size_; }
    // Also recomputes Value, Costs and Amortization; leaves the areas to the caller.
    void SetSize(std::int32_t area);

    std::int32_t BuildArea(std::int32_t area, Prompter& prompter);
    std::int32_t SellArea(std::int32_t area, Prompter& prompter);
    void Upgrade();
    std::int32_t BuyWorkPlaces(std::int32_t n, std::int32_t level, float price, Prompter& prompter);
    std::int32_t SellWorkPlaces(std::int32_t n, std::int32_t level, float price,
                                Prompter& prompter);
    std::int32_t HireOffer(std::int32_t n, Prompter& prompter);
    std::int32_t FireOffer(std::int32_t n, Prompter& prompter);
    // Puts the whole staff (changed by n according to HireMode) on the machines,
    // best machines first, and orders the machines by level.
    void DistributeWorkers(std::int32_t n);
    std::int32_t UpdateWorkers();
    std::int32_t WorkerCapacity() const;

    QJsonObject toJson() const;

private:
    std::int32_t Size_ = 0;
    std::int32_t staff() const;
    void refuseOddArea(const QString& tmpl, std::int32_t rest, Prompter& prompter) const;
};

using TBuildings = std::vector<TBuilding>;

// A storage: Kind 0 holds raw materials, Kind 1 finished suits; 100 units a m2.
class TStorage {
public:
    explicit TStorage(std::uint8_t kind);

    float M2Costs = 0;
    float M2Price = 0;
    float Costs = 0;
    float Amortization = 0;
    float M2Amort = 0;
    std::uint8_t Kind = 0;
    std::int32_t Amount = 0;
    std::int32_t FreeArea = 0;
    std::int32_t UsedArea = 0;
    std::int32_t MaxSize = 0;

    std::int32_t Size() const { return Size_; }
    // Also recomputes Costs and Amortization.
    void SetSize(std::int32_t area);

    std::int32_t BuySpace(std::int32_t area, Prompter& prompter);
    std::int32_t SellSpace(std::int32_t area, Prompter& prompter);
    // Raw materials: the units accepted. Suits: what does not fit is lost; returns 0.
    std::int32_t Load(std::int32_t units, Prompter& prompter);
    // Half the units taken (one suit takes two units), 0 when refused.
    std::int32_t Take(std::int32_t units, bool checkOnly, Prompter& prompter);

    QJsonObject toJson() const;

private:
    std::int32_t Size_ = 0;
    void settleArea();
};

using TStorages = std::vector<TStorage>;

// One enterprise: land, its workshops and its two storages.
class TIndustry {
public:
    TIndustry(std::int32_t buildingCount, std::int32_t storageCount);

    std::int32_t UsedLand = 0;
    std::int32_t Land = 0;
    std::int32_t FreeLand = 0;
    float LandPrice = 0;
    TBuildings Buildings;
    TStorages Storages; // 0: raw materials, 1: finished goods
    std::int32_t MaxLand = 0;

    std::int32_t BuyLand(std::int32_t area, Prompter& prompter);
    std::int32_t SellLand(std::int32_t area, Prompter& prompter);

    QJsonObject toJson() const;
};

using TIndustries = std::vector<TIndustry>;

// Weekly running costs and amortisation of an enterprise, summed in single
// precision: every storage, then building by building its machines and itself.
float EnterpriseCosts(const TIndustry& industry);
float EnterpriseAmortization(const TIndustry& industry);
