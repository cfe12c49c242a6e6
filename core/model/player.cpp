#include "core/model/player.h"

#include "core/platform/Sound.h"
#include "external/MathLibrary.h"

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>

TZorvick::TZorvick(std::int32_t industryCount) {
    HistoryCount = 0;
    Money = 30000;
    IndustryCount = industryCount;
    TechLevel = 1;
    Industries.reserve(std::size_t(std::max(industryCount, 0)));
    Debt = 0;
    AdvExp = 0;
    Price = 0;
    SellAmount = 0;
    RLWeeks = 0;
    Bankrupt = false;
    Removed = false;
    DebtWeeks = 0;
    for (std::int32_t i = 0; i < industryCount; ++i)
        Industries.emplace_back(1, 2);
    Expences = TExpences();
}

void TZorvick::RecordWeek(const TWeekRecord& week) {
    if (HistoryCount == HistoryLength) {
        Expences.ShiftWeek(week);
    } else {
        ++HistoryCount;
        Expences.AddWeek(week);
    }
}

void TZorvick::PostLetter(const QString& from, const QString& subject, const QString& text,
                          const QString& date) {
    TLetter letter;
    letter.From = from;
    letter.Text = text;
    letter.Subject = subject;
    letter.Date = date;
    letter.Unread = true;
    Letters.push_back(std::move(letter));
}

void TZorvick::DeleteLetter(int index) {
    if (index < 0 || std::size_t(index) >= Letters.size())
        return;
    Letters.erase(Letters.begin() + index);
}

bool TZorvick::HasUnread() const {
    for (const TLetter& letter : Letters)
        if (letter.Unread)
            return true;
    return false;
}

std::int32_t TZorvick::MaxProduction() const {
    if (Industries.empty() || Industries[0].Buildings.empty() || Industries[0].Storages.empty())
        return 0;
    std::int32_t capacity = 0;
    for (const TWorkPlace& w : Industries[0].Buildings[0].WorkPlaces)
        capacity += w.Productivity;
    return std::min(capacity, Industries[0].Storages[0].Amount / 2);
}

std::int32_t TZorvick::UseRawMaterials(std::int32_t amount, bool doIt, Prompter& prompter) {
    if (Industries.empty() || Industries[0].Buildings.empty() || Industries[0].Storages.empty())
        return 0;
    std::int32_t capacity = 0;
    for (TWorkPlace& w : Industries[0].Buildings[0].WorkPlaces) {
        w.SetWorkers(w.Workers);
        capacity += w.Productivity;
    }
    const std::int32_t need = amount < capacity ? 2 * amount : 2 * capacity;
    return Industries[0].Storages[0].Take(need, !doIt, prompter);
}

float TZorvick::ProductionCost(std::int32_t volume, float weeklySalary, Sound& sound,
                               ProdCostRoutine routine) {
    const std::int32_t single = volume == 0 ? 1 : volume;
    const std::int32_t twice = 2 * volume == 0 ? 1 : 2 * volume;
    float costs = 0;
    float amortization = 0;
    std::int32_t staffed = 0;
    std::int32_t workers = 0;
    if (!Industries.empty()) {
        TIndustry& industry = Industries[0];
        costs = EnterpriseCosts(industry);
        amortization = EnterpriseAmortization(industry);
        if (!industry.Buildings.empty()) {
            for (const TWorkPlace& w : industry.Buildings[0].WorkPlaces)
                staffed += w.Workers != 0;
            workers = industry.Buildings[0].UpdateWorkers();
        }
    }
    const ProdCostRoutine calculate = routine ? routine : &CalculateProdCost;
    const float cost =
        float(calculate(weeklySalary, costs, amortization, twice, workers, single, staffed));
    sound.beep();
    return cost;
}

QJsonObject TZorvick::toJson() const {
    QJsonArray industries;
    for (const TIndustry& industry : Industries)
        industries.append(industry.toJson());
    QJsonArray letters;
    for (const TLetter& letter : Letters)
        letters.append(letter.toJson());
    return QJsonObject{{"Money", double(Money)},
                       {"Title", Title},
                       {"PlayerName", PlayerName},
                       {"Face", Face},
                       {"Industries", industries},
                       {"IndustryCount", IndustryCount},
                       {"Price", double(Price)},
                       {"AdvExp", double(AdvExp)},
                       {"ResearchInvest", double(ResearchInvest)},
                       {"TechLevel", TechLevel},
                       {"Debt", double(Debt)},
                       {"SellAmount", SellAmount},
                       {"LastDebt", double(LastDebt)},
                       {"Sold", double(Sold)},
                       {"RLWeeks", RLWeeks},
                       {"RLInvest", double(RLInvest)},
                       {"Letters", letters},
                       {"Bankrupt", Bankrupt},
                       {"DebtWeeks", DebtWeeks},
                       {"IdleWeeks", IdleWeeks},
                       {"Removed", Removed},
                       {"Produced", Produced},
                       {"Expences", Expences.toJson()},
                       {"HistoryCount", HistoryCount},
                       {"Constr", double(Constr)},
                       {"StartTurnMoney", double(StartTurnMoney)},
                       {"TurnLoan", double(TurnLoan)},
                       {"TurnProduction", double(TurnProduction)},
                       {"LastUnitCost", double(LastUnitCost)},
                       {"TurnResearch", double(TurnResearch)},
                       {"TurnRawMaterials", double(TurnRawMaterials)},
                       {"Seat", Seat.toJson()}};
}
