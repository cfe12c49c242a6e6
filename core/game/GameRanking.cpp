#include "core/game/GameRanking.h"

#include "core/assets/TAssetTrade.h"
#include "core/game/TGame.h"
#include "core/platform/NumberText.h"

#include <algorithm>

namespace {

constexpr float RawUnitPrice = 20;
constexpr float RawMaterialCostPerSuit = 40;

QString filled(const QString& text, qsizetype width) {
    return text.leftJustified(width, QLatin1Char(' '), false);
}

} // namespace

namespace GameRanking {

float SuitValue(const TZorvick& firm) {
    return firm.LastUnitCost + RawMaterialCostPerSuit;
}

float NetWorth(const TZorvick& firm, const TScenario& economy) {
    double worth = double(firm.Money) - double(firm.Debt);
    const float suit = SuitValue(firm);
    for (const TIndustry& industry : firm.Industries) {
        worth += double(industry.FreeLand) * TAssetTrade::LandPrice;
        for (const TBuilding& building : industry.Buildings) {
            worth += double(building.Size()) * TAssetTrade::BuildingPrice;
            for (const TWorkPlace& machine : building.WorkPlaces)
                worth +=
                    double(economy.WorkPlacePrice(machine.Level)) * TAssetTrade::WorkPlaceSaleShare;
        }
        for (std::size_t s = 0; s < industry.Storages.size(); ++s) {
            const TStorage& storage = industry.Storages[s];
            worth += double(storage.Size()) * TAssetTrade::StoragePrice;
            worth += double(storage.Amount) * (s == 0 ? RawUnitPrice : suit);
        }
    }
    return float(worth);
}

std::vector<TRankedFirm> Rank(const TGame& game) {
    std::vector<TRankedFirm> ranking;
    for (const auto& firm : game.Players)
        if (!firm->Bankrupt && !firm->Removed)
            ranking.push_back({firm.get(), NetWorth(*firm, game.Scenario)});
    std::stable_sort(ranking.begin(), ranking.end(),
                     [](const TRankedFirm& a, const TRankedFirm& b) {
                         if (a.NetWorth != b.NetWorth)
                             return a.NetWorth > b.NetWorth;
                         return a.Firm->Money > b.Firm->Money;
                     });
    return ranking;
}

QStringList Lines(const std::vector<TRankedFirm>& ranking) {
    const QString rule =
        QStringLiteral("+-------+--------------------+--------------------+---------------+");
    QStringList lines{
        QStringLiteral("                          Итоги игры"), QString(), rule,
        QStringLiteral("| Место | Имя менеджера      | Фирма              | Состояние ($) |"),
        rule};
    for (std::size_t i = 0; i < ranking.size(); ++i) {
        const TZorvick& firm = *ranking[i].Firm;
        lines << QStringLiteral("| ") + filled(QString::number(i + 1), 5) + QStringLiteral(" | ") +
                     filled(firm.PlayerName, 18) + QStringLiteral(" | ") + filled(firm.Title, 18) +
                     QStringLiteral(" | ") +
                     filled(NumberText::whole(double(ranking[i].NetWorth)), 13) +
                     QStringLiteral(" |");
    }
    lines << rule;
    return lines;
}

} // namespace GameRanking
