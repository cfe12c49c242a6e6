#include "core/board/EnterpriseStatistics.h"

#include "core/model/industry.h"
#include "core/platform/NumberText.h"

namespace EnterpriseStatistics {

namespace {
QString area(std::int32_t m2) {
    return QString::number(m2) + QStringLiteral(" м2");
}
} // namespace

QString PerWeek(double money) {
    return NumberText::money(money) + QStringLiteral("$/ход");
}

StatisticsPage General(const TIndustry& industry) {
    int raw = 0;
    int goods = 0;
    for (const TStorage& s : industry.Storages) {
        raw += s.Kind == 0;
        goods += s.Kind == 1;
    }
    const auto storageSize = [&](std::size_t i) {
        return i < industry.Storages.size() ? industry.Storages[i].Size() : 0;
    };
    // The workshop counts as a fixed 9000 m2, whatever its size.
    const std::int32_t landInUse = storageSize(0) + 9000 + storageSize(1);
    return {
        {"IBCount",
         QStringLiteral("Количество цехов:    ") + QString::number(industry.Buildings.size())},
        {"ISCount",
         QStringLiteral("Количество складов:  ") + QString::number(industry.Storages.size())},
        {"SRMCount", QStringLiteral("Сырья:              ") + QString::number(raw)},
        {"SGCount", QStringLiteral("Товаров:            ") + QString::number(goods)},
        {"ILandUsage", QStringLiteral("Использование земли: ") + area(landInUse)},
        {"lLMaxSize", QStringLiteral("Всего земли:         ") + area(industry.Land)},
        {"ICosts", QStringLiteral("Издержки (ход):      ") + PerWeek(EnterpriseCosts(industry))},
        {"IUsage",
         QStringLiteral("Аммортизация (ход):  ") + PerWeek(EnterpriseAmortization(industry))},
    };
}

StatisticsPage Storage(const TIndustry& industry, int index) {
    if (index < 0 || std::size_t(index) >= industry.Storages.size())
        return {};
    const TStorage& s = industry.Storages[std::size_t(index)];
    StatisticsPage page;
    page.emplace_back("lSCount", QString::number(index + 1) + QStringLiteral("/") +
                                     QString::number(industry.Storages.size()));
    if (s.Kind == 0)
        page.emplace_back("lSType", QStringLiteral("Тип:                  Склад сырья"));
    else if (s.Kind == 1)
        page.emplace_back("lSType", QStringLiteral("Тип:                  Склад товаров"));
    page.emplace_back("lSCosts", QStringLiteral("Издержки:             ") + PerWeek(s.Costs));
    page.emplace_back("lSUsage",
                      QStringLiteral("Аммортизация:         ") + PerWeek(s.Amortization));
    page.emplace_back("lCurrAOSP", QStringLiteral("Текущая площадь:      ") + area(s.Size()));
    page.emplace_back("lSMaxSize", QStringLiteral("Максимальная площадь: ") + area(s.MaxSize));
    return page;
}

StatisticsPage Workshop(const TIndustry& industry, int index) {
    if (index < 0 || std::size_t(index) >= industry.Buildings.size())
        return {};
    const TBuilding& b = industry.Buildings[std::size_t(index)];
    float costs = 0;
    float amortization = 0;
    int levels[3] = {0, 0, 0};
    const auto walked =
        std::min<std::size_t>(std::size_t(std::max(b.WorkPlaceCount, 0)), b.WorkPlaces.size());
    for (std::size_t i = 0; i < walked; ++i) {
        const TWorkPlace& w = b.WorkPlaces[i];
        costs += w.Costs;
        amortization += w.Amortization;
        if (w.Level >= 1 && w.Level <= 3)
            ++levels[w.Level - 1];
    }
    return {
        {"lBCount", QString::number(index + 1) + QStringLiteral("/") +
                        QString::number(industry.Buildings.size())},
        {"lBLevel", QStringLiteral("Уровень:                 ") + QString::number(b.Level)},
        {"lBAmountOfWorkPlaces",
         QStringLiteral("Количество:              ") + QString::number(b.WorkPlaceCount)},
        {"lMaxAmount",
         QStringLiteral("Максимальное количество: ") + QString::number(b.Size() / 10)},
        {"lWPFL", QStringLiteral("I уровня:               ") + QString::number(levels[0])},
        {"lWPSL", QStringLiteral("II уровня:              ") + QString::number(levels[1])},
        {"lWPTL", QStringLiteral("III уровня:             ") + QString::number(levels[2])},
        {"lWPU", QStringLiteral("Амортизация:             ") + PerWeek(amortization)},
        {"lCOWP", QStringLiteral("Издержки:                ") + PerWeek(costs)},
        {"lBCapacility", QStringLiteral("Текущая площадь:         ") + area(b.Size())},
        {"lBmaxSize", QStringLiteral("Максимальная площадь:    ") + area(b.MaxSize)},
        {"lCOB", QStringLiteral("Издержки:                ") + PerWeek(b.Costs)},
        {"lBU", QStringLiteral("Аммортизация:            ") + PerWeek(b.Amortization)},
    };
}

} // namespace EnterpriseStatistics
