#include "core/assets/TStaffTrade.h"

#include "core/game/TGameController.h"
#include "core/platform/NumberText.h"

TBuilding* TStaffTrade::workshop() const {
    TIndustry* industry = controller_.Industry();
    return industry && !industry->Buildings.empty() ? &industry->Buildings[0] : nullptr;
}

std::optional<QString> TStaffTrade::CurrentLine() {
    TBuilding* w = workshop();
    return controller_.LabelText(CurrentKey(), CurrentPattern(), w ? w->UpdateWorkers() : 0);
}

std::optional<QString> TStaffTrade::MaxLine() {
    const TBuilding* w = workshop();
    return controller_.LabelText(MaxKey(), MaxPattern(), w ? w->WorkerCapacity() : 0);
}

bool TStaffTrade::change(std::uint8_t hireMode, const QString& countText) {
    TBuilding* w = workshop();
    if (!w)
        return false;
    // The mode is set before the count is read, so it stays set when the text is refused.
    w->HireMode = hireMode;
    const auto n = NumberText::readInt(countText, prompter_);
    if (!n)
        return false;
    const std::int32_t k =
        hireMode == 1 ? w->HireOffer(*n, prompter_) : w->FireOffer(*n, prompter_);
    w->DistributeWorkers(k);
    controller_.ModelChanged();
    return true;
}
