#include "core/finance/TBank.h"

#include "core/game/TGameController.h"
#include "core/platform/NumberText.h"

float TBank::CreditLimit(const TIndustry& industry) {
    double machines = 0;
    std::int32_t building = 0;
    if (!industry.Buildings.empty()) {
        const TBuilding& workshop = industry.Buildings[0];
        for (const TWorkPlace& w : workshop.WorkPlaces)
            machines += WorkPlaceShare * double(w.Price);
        building = workshop.Size() * BuildingRate;
    }
    std::int32_t storages = 0;
    for (std::size_t i = 0; i < industry.Storages.size() && i < 2; ++i)
        storages += industry.Storages[i].Size() * StorageRate;
    // The areas are whole numbers; only the machines' share is fractional.
    return float(machines + double(building + industry.UsedLand * UsedLandRate + storages));
}

void TBank::Opening() {
    const TIndustry* industry = controller_.Industry();
    limit_ = industry ? CreditLimit(*industry) : 0;
}

std::optional<QString> TBank::DebtLine() {
    const TZorvick* player = controller_.Company();
    return controller_.LabelText(DebtKey(), DebtPattern(), player ? player->Debt : 0);
}

std::optional<QString> TBank::LimitLine() {
    return controller_.LabelText(LimitKey(), LimitPattern(), limit_);
}

std::optional<QString> TBank::InterestLine() {
    // The percentage as the scenario gives it: 1,5 stays 1,5. Taken back to percent in
    // 32 bits, where the scenario's figure was, so 0.015 gives 1.5 and not 1.4999.
    const float percent = controller_.Game().Scenario.InterestRate * 100.0f;
    return controller_.LabelTexts().LabelText(
        InterestKey(), InterestPattern(), NumberText::shortest(percent), controller_.prompter());
}

bool TBank::Take(const QString& amountText) {
    TZorvick* player = controller_.Company();
    if (!player)
        return false;
    const auto a = NumberText::readFloat(amountText, prompter_);
    if (!a)
        return false;
    const float room = limit_ - player->Debt;
    // A debt at or above the limit (the enterprise lost value since) lends nothing,
    // rather than taking the difference out of the money. A negative loan would
    // repay without money.
    if (room <= 0 || *a < 0)
        return true;
    if (*a < room) {
        player->TurnLoan -= *a;
        player->Debt += *a;
        controller_.ReceiveMoney(*a);
    } else {
        player->TurnLoan -= room;
        controller_.ReceiveMoney(room);
        player->Debt = limit_;
    }
    player->LastDebt = player->Debt;
    controller_.ActionDone();
    return true;
}

bool TBank::Give(const QString& amountText) {
    TZorvick* player = controller_.Company();
    if (!player)
        return false;
    const auto a = NumberText::readFloat(amountText, prompter_);
    if (!a)
        return false;
    // A negative repayment would borrow past the limit.
    if (*a < 0)
        return true;
    const float paid = controller_.SpendMoney(*a);
    if (paid == 0 || *a > player->Debt) {
        if (paid != 0)
            controller_.ReceiveMoney(paid);
        return true;
    }
    player->TurnLoan += *a;
    // The whole debt of the last operation clears it without a rounding remainder.
    if (*a == player->LastDebt)
        player->Debt = 0;
    else
        player->Debt -= *a;
    player->LastDebt = player->Debt;
    controller_.ActionDone();
    return true;
}
