#include "core/players/SeatActions.h"

#include "core/game/TGameController.h"

SeatActions::SeatActions(TGameController& controller, Prompter& prompter)
    : controller_(controller), staff_(controller, prompter), raw_(controller, prompter),
      assets_(controller, prompter), bank_(controller, prompter), production_(controller, prompter),
      research_(controller, prompter) {}

void SeatActions::Hire(std::int32_t n) {
    if (n > 0 && !controller_.ControlsLocked())
        staff_.Hire(QString::number(n));
}

void SeatActions::Fire(std::int32_t n) {
    if (n > 0 && !controller_.ControlsLocked())
        staff_.Fire(QString::number(n));
}

bool SeatActions::BuyRawMaterials(std::int32_t units) {
    return units > 0 && !controller_.ControlsLocked() && raw_.Buy(QString::number(units));
}

bool SeatActions::BuyMachines(std::int32_t level, std::int32_t n) {
    if (n <= 0 || controller_.ControlsLocked() || !controller_.ProductionAllowed() ||
        !controller_.LevelAllowed(level))
        return false;
    assets_.ChooseLevel(level);
    return assets_.Buy(TAssetTrade::Page::WorkPlace, QString::number(n));
}

bool SeatActions::SellMachines(std::int32_t level, std::int32_t n) {
    if (n <= 0 || controller_.ControlsLocked() || !controller_.ProductionAllowed())
        return false;
    assets_.ChooseLevel(level);
    return assets_.Sell(TAssetTrade::Page::WorkPlace, QString::number(n));
}

bool SeatActions::BuyStorage(std::int32_t index, std::int32_t m2) {
    if (m2 <= 0 || controller_.ControlsLocked())
        return false;
    assets_.Showing();
    while (assets_.StorageIndex != index)
        assets_.NextStorage();
    return assets_.Buy(TAssetTrade::Page::Storage, QString::number(m2));
}

bool SeatActions::SellStorage(std::int32_t index, std::int32_t m2) {
    if (m2 <= 0 || controller_.ControlsLocked())
        return false;
    assets_.Showing();
    while (assets_.StorageIndex != index)
        assets_.NextStorage();
    return assets_.Sell(TAssetTrade::Page::Storage, QString::number(m2));
}

bool SeatActions::SellWorkshopArea(std::int32_t m2) {
    return m2 > 0 && !controller_.ControlsLocked() &&
           assets_.Sell(TAssetTrade::Page::Building, QString::number(m2));
}

bool SeatActions::SellLand(std::int32_t m2) {
    return m2 > 0 && !controller_.ControlsLocked() &&
           assets_.Sell(TAssetTrade::Page::Land, QString::number(m2));
}

bool SeatActions::BankOpen() const {
    return controller_.BankTradeEnabled();
}

float SeatActions::CreditLimit() {
    bank_.Opening();
    return bank_.Limit();
}

bool SeatActions::Borrow(float amount) {
    if (!(amount > 0) || !BankOpen())
        return false;
    bank_.Opening();
    return bank_.Take(QString::number(double(amount), 'f', 2));
}

bool SeatActions::Repay(float amount) {
    if (!(amount > 0) || !BankOpen())
        return false;
    bank_.Opening();
    return bank_.Give(QString::number(double(amount), 'f', 2));
}

std::int32_t SeatActions::MaxProduction() const {
    return production_.MaxProduction();
}

float SeatActions::UnitCost(std::int32_t n) {
    return production_.UnitCost(n);
}

bool SeatActions::Produce(std::int32_t n) {
    if (n <= 0 || controller_.ControlsLocked() || !controller_.ProductionAllowed())
        return false;
    production_.Showing();
    const QString text = QString::number(n);
    return production_.Produce(production_.AmountReplacement(text).value_or(text));
}

bool SeatActions::ResearchAllowed() const {
    return !controller_.ControlsLocked() && controller_.ResearchInvestAllowed();
}

bool SeatActions::InvestResearch(float amount) {
    if (!(amount > 0) || !ResearchAllowed())
        return false;
    const QString text = QString::number(double(amount), 'f', 0);
    const float before = controller_.Company()->Money;
    research_.Invest(TResearch::AmountReplacement(text).value_or(text));
    return controller_.Company()->Money != before;
}

bool SeatActions::DesignAllowed() const {
    return !controller_.ControlsLocked() && controller_.DesignAllowed();
}

bool SeatActions::PayDesign(float amount) {
    if (!(amount > 0) || !DesignAllowed())
        return false;
    research_.PayDesign(QString::number(double(amount), 'f', 0));
    return !controller_.DesignAllowed();
}
