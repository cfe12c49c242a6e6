#include "core/assets/TAssetTrade.h"

#include "core/game/TGameController.h"
#include "core/platform/NumberText.h"

namespace {

QString areaLine(const QString& prefix, std::int32_t m2) {
    return prefix + QString::number(m2) + QStringLiteral(" м2");
}

QString countLine(const QString& prefix, std::int32_t count) {
    return prefix + QString::number(count) + QStringLiteral(" шт");
}

const QString CurrentArea = QStringLiteral("Текущая площадь: ");
const QString MaxArea = QStringLiteral("Максимальная площадь: ");
const QString CurrentCount = QStringLiteral("Текущее количество: ");
const QString MaxCount = QStringLiteral("Максимальное количество: ");

} // namespace

TAssetTrade::TAssetTrade(TGameController& controller, Prompter& prompter)
    : ChosenPrice(controller.Game().Scenario.WorkPlacePriceI), controller_(controller),
      prompter_(prompter) {}

TIndustry* TAssetTrade::industry() const {
    return controller_.Industry();
}

TBuilding* TAssetTrade::workshop() const {
    TIndustry* i = industry();
    return i && !i->Buildings.empty() ? &i->Buildings[0] : nullptr;
}

TStorage* TAssetTrade::storage(std::int32_t index) const {
    TIndustry* i = industry();
    return i && index >= 0 && std::size_t(index) < i->Storages.size() ? &i->Storages[index]
                                                                      : nullptr;
}

float TAssetTrade::WorkPlacePrice(std::int32_t level) const {
    return controller_.Game().Scenario.WorkPlacePrice(level);
}

QString TAssetTrade::CurrentLine(Page page) const {
    switch (page) {
    case Page::Land:
        return areaLine(CurrentArea, industry() ? industry()->Land : 0);
    case Page::Storage:
        return areaLine(CurrentArea, storage(StorageIndex) ? storage(StorageIndex)->Size() : 0);
    case Page::Building:
        return areaLine(CurrentArea, workshop() ? workshop()->Size() : 0);
    case Page::WorkPlace:
        return countLine(CurrentCount, workshop() ? workshop()->WorkPlaceCount : 0);
    }
    return {};
}

QString TAssetTrade::MaxLine(Page page) const {
    switch (page) {
    case Page::Land:
        return areaLine(MaxArea, industry() ? industry()->MaxLand : 0);
    case Page::Storage:
        return areaLine(MaxArea, storage(StorageIndex) ? storage(StorageIndex)->MaxSize : 0);
    case Page::Building:
        return areaLine(MaxArea, workshop() ? workshop()->MaxSize : 0);
    case Page::WorkPlace:
        // Each machine takes 10 m2 of the workshop.
        return countLine(MaxCount, workshop() ? workshop()->Size() / WorkPlaceArea : 0);
    }
    return {};
}

QString TAssetTrade::StoragePosition() const {
    const TIndustry* i = industry();
    return QString::number(StorageIndex + 1) + QLatin1Char('/') +
           QString::number(i ? i->Storages.size() : 0);
}

QString TAssetTrade::LevelCaption(std::int32_t level) const {
    static const QString prefixes[3] = {QStringLiteral("  I уровень - "),
                                        QStringLiteral(" II уровень - "),
                                        QStringLiteral("III уровень - ")};
    if (level < 1 || level > 3)
        return {};
    std::int32_t count = 0;
    if (const TBuilding* w = workshop())
        for (const TWorkPlace& machine : w->WorkPlaces)
            count += machine.Level == level ? 1 : 0;
    return countLine(prefixes[level - 1], count);
}

QString TAssetTrade::SalePriceLine(std::int32_t level) const {
    static const QString prefixes[3] = {QStringLiteral("I уровень - "),
                                        QStringLiteral("II уровень - "),
                                        QStringLiteral("III уровень - ")};
    if (level < 1 || level > 3)
        return {};
    return prefixes[level - 1] +
           NumberText::whole(double(WorkPlacePrice(level)) * WorkPlaceSaleShare);
}

std::optional<QString> TAssetTrade::TotalLine(Page page, const QString& amountText) const {
    const auto amount = NumberText::readFloat(amountText, prompter_);
    if (!amount)
        return std::nullopt;
    // The texts quote 10 and 50 $ a m2 of land and storage, and the land total uses
    // LandPrice: what buying really costs is the buy button's.
    QString quoted;
    float unit = 0;
    switch (page) {
    case Page::Land:
        quoted = QStringLiteral("X 10,00$ = ");
        unit = industry() ? industry()->LandPrice : 0;
        break;
    case Page::Storage:
        quoted = QStringLiteral("X 50,00$ = ");
        unit = storage(0) ? storage(0)->M2Price : 0;
        break;
    case Page::Building:
        quoted = QStringLiteral("X 100,00$ = ");
        unit = workshop() ? workshop()->M2Price : 0;
        break;
    case Page::WorkPlace:
        quoted = QStringLiteral("X ") + NumberText::money(ChosenPrice) + QStringLiteral("$ = ");
        unit = ChosenPrice;
        break;
    }
    return quoted + NumberText::shortest(*amount * unit) + QStringLiteral("$");
}

void TAssetTrade::ChooseLevel(std::int32_t level) {
    ChosenLevel = level;
    ChosenPrice = WorkPlacePrice(level);
}

void TAssetTrade::NextStorage() {
    const TIndustry* i = industry();
    const auto n = i ? std::int32_t(i->Storages.size()) : 0;
    StorageIndex = StorageIndex < n - 1 ? StorageIndex + 1 : 0;
}

void TAssetTrade::PrevStorage() {
    const TIndustry* i = industry();
    const auto n = i ? std::int32_t(i->Storages.size()) : 0;
    StorageIndex = StorageIndex < 1 ? n - 1 : StorageIndex - 1;
}

bool TAssetTrade::Buy(Page page, const QString& amountText) {
    const auto amount = NumberText::readInt(amountText, prompter_);
    if (!amount || !industry())
        return false;
    const std::int32_t n = *amount;
    std::int32_t paid = 0;
    switch (page) {
    case Page::Land:
        paid = controller_.Purchase([&] { return industry()->BuyLand(n, prompter_); }, LandPrice,
                                    LandConstr);
        break;
    case Page::Storage:
        if (!storage(StorageIndex))
            return false;
        paid = controller_.Purchase([&] { return storage(StorageIndex)->BuySpace(n, prompter_); },
                                    StoragePrice, StorageConstr);
        break;
    case Page::Building:
        if (!workshop())
            return false;
        paid = controller_.Purchase([&] { return workshop()->BuildArea(n, prompter_); },
                                    BuildingPrice, BuildingConstr);
        break;
    case Page::WorkPlace:
        if (!workshop())
            return false;
        paid = controller_.Purchase(
            [&] { return workshop()->BuyWorkPlaces(n, ChosenLevel, ChosenPrice, prompter_); },
            ChosenPrice, ChosenPrice);
        break;
    }
    return paid != 0;
}

bool TAssetTrade::Sell(Page page, const QString& amountText) {
    const auto amount = NumberText::readInt(amountText, prompter_);
    if (!amount || !industry())
        return false;
    const std::int32_t n = *amount;
    switch (page) {
    case Page::Land:
        controller_.Sale([&] { return industry()->SellLand(n, prompter_); }, LandPrice, LandConstr);
        break;
    case Page::Storage:
        if (!storage(StorageIndex))
            return false;
        controller_.Sale([&] { return storage(StorageIndex)->SellSpace(n, prompter_); },
                         StoragePrice, StorageConstr);
        break;
    case Page::Building:
        if (!workshop())
            return false;
        controller_.Sale([&] { return workshop()->SellArea(n, prompter_); }, BuildingPrice,
                         BuildingConstr);
        break;
    case Page::WorkPlace: {
        if (!workshop())
            return false;
        // 65 % of the level's price now, whatever the machine cost.
        const auto salePrice = float(double(ChosenPrice) * WorkPlaceSaleShare);
        controller_.Sale(
            [&] { return workshop()->SellWorkPlaces(n, ChosenLevel, ChosenPrice, prompter_); },
            salePrice, salePrice);
        break;
    }
    }
    return true;
}
