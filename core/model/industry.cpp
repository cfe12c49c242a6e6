#include "core/model/industry.h"

#include "core/platform/NumberText.h"
#include "core/platform/Prompter.h"

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>

using NumberText::fill;
using NumberText::money;

namespace {

// Whole m2 taken by a number of units, 100 to a m2, rounded up.
std::int32_t areaFor(std::int32_t units) {
    const std::int32_t q = units / 100;
    return units % 100 > 0 ? q + 1 : q;
}

struct StaffingEntry {
    std::int32_t productivity;
    float costs;
};

// Productivity and weekly costs of a machine by level (1..3) and workers (0..4);
// level 3 takes at most 3 workers.
constexpr StaffingEntry kStaffing[3][5] = {
    {{0, 0.0f}, {30, 3.0f}, {55, 5.0f}, {70, 7.0f}, {100, 9.0f}},
    {{0, 0.0f}, {50, 3.0f}, {100, 5.0f}, {120, 7.0f}, {150, 10.0f}},
    {{0, 0.0f}, {100, 3.0f}, {150, 5.0f}, {200, 7.0f}, {-1, 0.0f}},
};

} // namespace

// ---------------------------------------------------------------- TWorkPlace

TWorkPlace::TWorkPlace(std::int32_t level, float price)
    : Price(price), Level(level), Area(10), MaxWorkers(level == 3 ? 3 : 4) {
    SetWorkers(0);
}

void TWorkPlace::SetWorkers(std::int32_t n) {
    if (Level >= 1 && Level <= 3 && n >= 0 && n <= 4) {
        const StaffingEntry& e = kStaffing[Level - 1][n];
        if (e.productivity >= 0) {
            Productivity = e.productivity;
            Costs = e.costs;
        }
    }
    Amortization = float(double(Price) * 0.00765);
}

QJsonObject TWorkPlace::toJson() const {
    return QJsonObject{{"Price", double(Price)},
                       {"Costs", double(Costs)},
                       {"Level", Level},
                       {"Area", Area},
                       {"Amortization", double(Amortization)},
                       {"MaxWorkers", MaxWorkers},
                       {"Productivity", Productivity},
                       {"Workers", Workers}};
}

// ----------------------------------------------------------------- TBuilding

TBuilding::TBuilding(std::int32_t machines) {
    Level = 1;
    SetSize(500);
    WorkPlaceCount = machines;
    M2Price = 100.0f;
    M2Costs = 0.5f;
    M2Amort = 0.2f;
    UsedArea = 0;
    for (std::int32_t i = 0; i < machines; ++i) {
        WorkPlaces.emplace_back(1, 30000.0f);
        UsedArea += WorkPlaces.back().Area;
    }
    FreeArea = Size_ - UsedArea;
    Value = float(double(Size_) * M2Price + double(machines) * 6000.0);
    Costs = float(double(Size_) * M2Costs);
    Amortization = float(double(Size_) * M2Amort);
    MaxSize = 5000;
}

void TBuilding::SetSize(std::int32_t area) {
    Size_ = area;
    Value = float(double(area) * M2Price);
    Costs = float(double(area) * M2Costs);
    Amortization = float(double(area) * M2Amort);
}

std::int32_t TBuilding::staff() const {
    std::int32_t total = 0;
    for (const TWorkPlace& w : WorkPlaces)
        total += w.Workers;
    return total;
}

void TBuilding::refuseOddArea(const QString& tmpl, std::int32_t rest, Prompter& prompter) const {
    // Quotes what the unusable rest of the area would cost a week.
    prompter.error(fill(tmpl, {rest}) + money((double(M2Costs) + double(M2Amort)) * rest) +
                   QStringLiteral("$"));
}

std::int32_t TBuilding::BuildArea(std::int32_t area, Prompter& prompter) {
    if (area % 10 != 0) {
        refuseOddArea(
            QStringLiteral(
                "Зачем тебе %d м2 неиспользуемой площади? Ведь за них нужно будет платить "),
            area % 10, prompter);
        return 0;
    }
    if (Size_ >= MaxSize) {
        prompter.error(QStringLiteral("У вас нет места для постройки нового здания!"));
        return 0;
    }
    const std::int32_t rest = MaxSize - Size_;
    if (area > rest) {
        const QString text =
            QStringLiteral("Здание достигло максимального размера, и вы можете построить") +
            QStringLiteral("\n") + QStringLiteral("только %d м2 на сумму ") +
            money(double(rest) * 100) + QStringLiteral("$. Вы хотите сделать это?");
        if (!prompter.question(fill(text, {rest})))
            return 0;
        SetSize(MaxSize);
        FreeArea = Size_ - UsedArea;
        return rest;
    }
    SetSize(Size_ + area);
    FreeArea = Size_ - UsedArea;
    return area;
}

std::int32_t TBuilding::SellArea(std::int32_t area, Prompter& prompter) {
    if (Size_ == 0) {
        prompter.error(QStringLiteral("У вас нет земли для продажи"));
        return 0;
    }
    if (area % 10 != 0) {
        refuseOddArea(
            QStringLiteral(
                "Зачем вам %d м2 неиспользуемой площади? Ведь за них нужно будет платить "),
            area % 10, prompter);
        return 0;
    }
    if (area >= Size_) {
        const QString text =
            QStringLiteral("Вы действительно хотите продать предприятие за ") + money(Value) +
            QStringLiteral("$?!7! Его размер составляет %d м2 с %d рабочими местами");
        if (!prompter.question(fill(text, {Size_, WorkPlaceCount})))
            return 0;
        const std::int32_t sold = Size_;
        WorkPlaces.clear();
        SetSize(0);
        UsedArea = 0;
        FreeArea = 0;
        WorkPlaceCount = 0;
        return sold;
    }
    if (area <= FreeArea) {
        FreeArea -= area;
        SetSize(Size_ - area);
        return area;
    }
    // The sale needs area under machines: the last machines leave with it.
    const std::int32_t k = (area - FreeArea) / 10;
    if (!prompter.question(fill(
            QStringLiteral(
                "Вы Можете продать %d м2 только вместе с %d рабочих мест. Вы хотитие сделать это?"),
            {area, k})))
        return 0;
    SetSize(Size_ - area);
    const auto leaving = std::clamp<std::int32_t>(k, 0, std::int32_t(WorkPlaces.size()));
    WorkPlaces.erase(WorkPlaces.end() - leaving, WorkPlaces.end());
    WorkPlaceCount -= k;
    UsedArea = 10 * WorkPlaceCount;
    FreeArea = Size_ - UsedArea;
    return area;
}

void TBuilding::Upgrade() {
    ++Level;
    switch (Level) {
    case 1:
        MaxSize = 5000;
        break;
    case 2:
        MaxSize = 10000;
        break;
    case 3:
        MaxSize = 15000;
        break;
    default:
        break;
    }
}

std::int32_t TBuilding::BuyWorkPlaces(std::int32_t n, std::int32_t level, float price,
                                      Prompter& prompter) {
    if (FreeArea == 0) {
        prompter.error(QStringLiteral("У вас недостаточно места для покупки новых рабочих мест"));
        return 0;
    }
    const std::int32_t room = FreeArea / 10;
    if (n < room) {
        for (std::int32_t i = 0; i < n; ++i)
            WorkPlaces.emplace_back(level, price);
        UsedArea = 10 * (WorkPlaceCount + n);
        FreeArea = Size_ - UsedArea;
        WorkPlaceCount += n;
        return n;
    }
    const QString text = QStringLiteral("Вы можете купить только %d рабочих мест за ") +
                         money(double(room) * price) + QStringLiteral("$. Вы хотите сделать это?");
    if (!prompter.question(fill(text, {room})))
        return 0;
    for (std::int32_t i = 0; i < room; ++i)
        WorkPlaces.emplace_back(level, price);
    UsedArea = Size_;
    FreeArea = 0;
    WorkPlaceCount = Size_ / 10;
    return room;
}

std::int32_t TBuilding::SellWorkPlaces(std::int32_t n, std::int32_t level, float price,
                                       Prompter& prompter) {
    TWorkPlaces same;
    TWorkPlaces others;
    for (TWorkPlace& w : WorkPlaces)
        (w.Level == level ? same : others).push_back(w);
    if (same.empty()) {
        prompter.error(QStringLiteral("У вас нет больше станков, чтобы продавать их "));
        return 0;
    }
    const std::int32_t available = std::int32_t(same.size());
    std::int32_t sold = 0;
    if (available < n) {
        const QString text = QStringLiteral("Вы можете продать только %d рабочих мест за ") +
                             money(double(price) * available) +
                             QStringLiteral("$. Вы хотите сделать это?");
        if (!prompter.question(fill(text, {available})))
            return 0;
        WorkPlaceCount -= available;
        UsedArea = 10 * WorkPlaceCount;
        FreeArea += 10 * available;
        same.clear();
        sold = available;
    } else {
        const auto leaving = std::max<std::int32_t>(n, 0);
        same.erase(same.end() - leaving, same.end());
        WorkPlaceCount -= n;
        UsedArea = 10 * WorkPlaceCount;
        FreeArea = Size_ - UsedArea;
        sold = n;
    }
    others.insert(others.end(), same.begin(), same.end());
    WorkPlaces = std::move(others);
    return sold;
}

std::int32_t TBuilding::HireOffer(std::int32_t n, Prompter& prompter) {
    HireMode = 1;
    const std::int32_t capacity = WorkerCapacity();
    const std::int32_t employed = staff();
    if (capacity == employed) {
        prompter.error(QStringLiteral(
            "Вы не можете нанять дополнительных рабочих из-за отсутствия рабочих мест"));
        return 0;
    }
    if (capacity - employed < n) {
        const bool yes = prompter.question(
            fill(QStringLiteral("Вы можете нанять только %d рабочих. Вы хотите сделать это?"),
                 {capacity - employed}));
        return yes ? capacity - employed : 0;
    }
    return n;
}

std::int32_t TBuilding::FireOffer(std::int32_t n, Prompter& prompter) {
    HireMode = 0;
    const std::int32_t employed = staff();
    if (employed == 0) {
        prompter.error(QStringLiteral("Вы уже уволили всех кого можно"));
        return 0;
    }
    if (employed < n) {
        const bool yes = prompter.question(
            fill(QStringLiteral("Вы можете уволить только %d рабочих. Вы хотите сделать это?"),
                 {employed}));
        return yes ? employed : 0;
    }
    return n;
}

void TBuilding::DistributeWorkers(std::int32_t n) {
    std::int32_t total = staff();
    TWorkPlaces byLevel[3];
    TWorkPlaces otherLevels; // never made by the game; kept rather than lost
    for (TWorkPlace& w : WorkPlaces) {
        w.Workers = 0;
        if (w.Level >= 1 && w.Level <= 3)
            byLevel[w.Level - 1].push_back(w);
        else
            otherLevels.push_back(w);
    }
    if (HireMode == 1)
        total += n;
    else if (HireMode == 0)
        total -= n;
    for (int level = 2; level >= 0 && total > 0; --level) {
        for (TWorkPlace& w : byLevel[level]) {
            if (total >= w.MaxWorkers) {
                w.Workers = w.MaxWorkers;
                total -= w.MaxWorkers;
            } else if (total > 0) {
                w.Workers = total;
                total = 0;
            }
            if (total <= 0)
                break;
        }
    }
    WorkPlaces.clear();
    for (TWorkPlaces& list : byLevel)
        WorkPlaces.insert(WorkPlaces.end(), list.begin(), list.end());
    WorkPlaces.insert(WorkPlaces.end(), otherLevels.begin(), otherLevels.end());
    for (TWorkPlace& w : WorkPlaces)
        w.SetWorkers(w.Workers);
}

std::int32_t TBuilding::UpdateWorkers() {
    std::int32_t total = 0;
    for (TWorkPlace& w : WorkPlaces) {
        total += w.Workers;
        w.SetWorkers(w.Workers);
    }
    return total;
}

std::int32_t TBuilding::WorkerCapacity() const {
    std::int32_t capacity = 0;
    for (const TWorkPlace& w : WorkPlaces)
        capacity += w.MaxWorkers;
    return capacity;
}

QJsonObject TBuilding::toJson() const {
    QJsonArray machines;
    for (const TWorkPlace& w : WorkPlaces)
        machines.append(w.toJson());
    return QJsonObject{{"WorkPlaces", machines},
                       {"M2Price", double(M2Price)},
                       {"Size", Size_},
                       {"M2Costs", double(M2Costs)},
                       {"Amortization", double(Amortization)},
                       {"WorkPlaceCount", WorkPlaceCount},
                       {"UsedArea", UsedArea},
                       {"FreeArea", FreeArea},
                       {"M2Amort", double(M2Amort)},
                       {"Costs", double(Costs)},
                       {"Value", double(Value)},
                       {"MaxSize", MaxSize},
                       {"Level", Level},
                       {"HireMode", int(HireMode)}};
}

// ------------------------------------------------------------------ TStorage

TStorage::TStorage(std::uint8_t kind) : Kind(kind) {
    if (kind == 0) {
        Size_ = 40;
        MaxSize = 2000;
    } else {
        Size_ = 20;
        MaxSize = 1000;
    }
    M2Price = 1000.0f;
    M2Costs = 0.1f;
    M2Amort = 0.1f;
    Costs = float(double(Size_) * M2Costs);
    Amortization = float(double(Size_) * M2Amort);
    Amount = 0;
    UsedArea = 0;
    FreeArea = Size_;
}

void TStorage::SetSize(std::int32_t area) {
    Size_ = area;
    Costs = float(double(area) * M2Costs);
    Amortization = float(double(area) * M2Amort);
}

void TStorage::settleArea() {
    UsedArea = areaFor(Amount);
    FreeArea = Size_ - UsedArea;
}

std::int32_t TStorage::BuySpace(std::int32_t area, Prompter& prompter) {
    if (Size_ == MaxSize) {
        prompter.error(QStringLiteral("У вас нет места для покуки складов"));
        return 0;
    }
    const std::int32_t rest = MaxSize - Size_;
    if (area <= rest) {
        SetSize(Size_ + area);
        FreeArea = Size_ - UsedArea;
        return area;
    }
    const QString text =
        QStringLiteral(
            "Склад достиг максимального размера, и вы можете построить только %d м2 на сумму ") +
        money(double(rest) * 50) + QStringLiteral("$. Вы хотите сделать это?");
    if (!prompter.question(fill(text, {rest})))
        return 0;
    SetSize(MaxSize);
    FreeArea = Size_ - UsedArea;
    return rest;
}

std::int32_t TStorage::SellSpace(std::int32_t area, Prompter& prompter) {
    if (FreeArea == 0) {
        prompter.error(QStringLiteral("У вас нет складов, чтобы продавать их"));
        return 0;
    }
    if (area <= FreeArea) {
        SetSize(Size_ - area);
        FreeArea = Size_ - UsedArea;
        return area;
    }
    const QString text =
        QStringLiteral("Вы можете продать только %d м2 склада на сумму ") +
        money(double(FreeArea) * 1000) +
        QStringLiteral("$, так как остальная часть склада занята. Вы хотите сделать это?");
    if (!prompter.warningQuestion(fill(text, {FreeArea})))
        return 0;
    SetSize(Size_ - FreeArea);
    const std::int32_t sold = FreeArea;
    FreeArea = 0;
    return sold;
}

std::int32_t TStorage::Load(std::int32_t units, Prompter& prompter) {
    const std::int32_t room = 100 * Size_ - Amount;
    if (Kind != 0) {
        // Suits from production: room is counted in suits, and what does not fit is lost.
        if (units > room) {
            prompter.error(
                fill(QStringLiteral(
                         "Из-за нехватки места на складе было потеряно %d спортивных костюмов... "),
                     {units - room}));
            Amount = 100 * Size_;
            UsedArea = Size_;
            FreeArea = 0;
        } else {
            Amount += units;
            settleArea();
        }
        return 0;
    }
    if (room <= 0) {
        prompter.error(QStringLiteral(
            "вы больше не можете загружать склад, так как на нем нет свободного места"));
        return 0;
    }
    if (units > room) {
        const QString text =
            QStringLiteral("Вы можете приобрести только %d едениц сырья по цене ") + money(20) +
            QStringLiteral("$. Вы хотите сделать это,");
        if (!prompter.question(fill(text, {room})))
            return 0;
        Amount = 100 * Size_;
        FreeArea = 0;
        UsedArea = Size_;
        return room;
    }
    Amount += units;
    settleArea();
    if (FreeArea == 0)
        prompter.warning(QStringLiteral("Склад заполнен!!!"));
    return units;
}

std::int32_t TStorage::Take(std::int32_t units, bool checkOnly, Prompter& prompter) {
    if (!checkOnly && Amount == 0) {
        prompter.error(QStringLiteral("У вас нет сырья на складе!"));
        return 0;
    }
    if (Amount < units) {
        if (checkOnly)
            return Amount / 2;
        if (!prompter.question(fill(
                QStringLiteral(
                    "У вас нет такого количества сырья на складе. Вы можете использовать только %d едениц. Вы хотите сделать это?"),
                {Amount})))
            return 0;
        const std::int32_t taken = Amount / 2;
        Amount = 0;
        UsedArea = 0;
        FreeArea = Size_;
        return taken;
    }
    if (checkOnly)
        return units / 2;
    Amount -= units;
    settleArea();
    return units / 2;
}

QJsonObject TStorage::toJson() const {
    return QJsonObject{{"Size", Size_},
                       {"M2Costs", double(M2Costs)},
                       {"M2Price", double(M2Price)},
                       {"Costs", double(Costs)},
                       {"Amortization", double(Amortization)},
                       {"M2Amort", double(M2Amort)},
                       {"Kind", int(Kind)},
                       {"Amount", Amount},
                       {"FreeArea", FreeArea},
                       {"UsedArea", UsedArea},
                       {"MaxSize", MaxSize}};
}

// ----------------------------------------------------------------- TIndustry

TIndustry::TIndustry(std::int32_t buildingCount, std::int32_t storageCount) {
    MaxLand = 10000;
    Land = 2000;
    for (std::int32_t i = 0; i < buildingCount; ++i)
        Buildings.emplace_back(10);
    for (std::int32_t i = 0; i < storageCount; ++i)
        Storages.emplace_back(std::uint8_t(i == 0 ? 0 : 1));
    UsedLand = 1000;
    for (std::size_t i = 0; i < Storages.size() && i < 2; ++i)
        UsedLand += Storages[i].Size();
    FreeLand = Land - UsedLand;
    LandPrice = 1020.0f;
}

std::int32_t TIndustry::BuyLand(std::int32_t area, Prompter& prompter) {
    if (Land == MaxLand) {
        prompter.error(QStringLiteral("Вы исчерали лимит земли!"));
        return 0;
    }
    const std::int32_t rest = MaxLand - Land;
    if (area > rest) {
        if (!prompter.question(fill(
                QStringLiteral(
                    "Вы можете купить только %d м2 земли на сумму %d $. Вы хотите сделать это?"),
                {rest, 10LL * rest})))
            return 0;
        FreeLand += rest;
        Land = MaxLand;
        return rest;
    }
    Land += area;
    FreeLand = Land - UsedLand;
    return area;
}

std::int32_t TIndustry::SellLand(std::int32_t area, Prompter& prompter) {
    if (FreeLand == 0) {
        prompter.error(QStringLiteral("Вы уже продали всю землю!"));
        return 0;
    }
    if (area > FreeLand) {
        if (!prompter.question(fill(
                QStringLiteral(
                    "Вы можете продать только %d м2 земли на сумму %d $. Вы хотите сделать это?"),
                {FreeLand, 20LL * FreeLand})))
            return 0;
        const std::int32_t sold = FreeLand;
        FreeLand = 0;
        Land = UsedLand;
        return sold;
    }
    FreeLand -= area;
    Land -= area;
    return area;
}

QJsonObject TIndustry::toJson() const {
    QJsonArray buildings;
    for (const TBuilding& b : Buildings)
        buildings.append(b.toJson());
    QJsonArray storages;
    for (const TStorage& s : Storages)
        storages.append(s.toJson());
    return QJsonObject{{"UsedLand", UsedLand},   {"Land", Land},
                       {"FreeLand", FreeLand},   {"LandPrice", double(LandPrice)},
                       {"Buildings", buildings}, {"Storages", storages},
                       {"MaxLand", MaxLand}};
}

float EnterpriseCosts(const TIndustry& industry) {
    float sum = 0;
    for (const TStorage& s : industry.Storages)
        sum += s.Costs;
    for (const TBuilding& b : industry.Buildings) {
        for (const TWorkPlace& w : b.WorkPlaces)
            sum += w.Costs;
        sum += b.Costs;
    }
    return sum;
}

float EnterpriseAmortization(const TIndustry& industry) {
    float sum = 0;
    for (const TStorage& s : industry.Storages)
        sum += s.Amortization;
    for (const TBuilding& b : industry.Buildings) {
        for (const TWorkPlace& w : b.WorkPlaces)
            sum += w.Amortization;
        sum += b.Amortization;
    }
    return sum;
}
