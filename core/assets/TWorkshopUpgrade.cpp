#include "core/assets/TWorkshopUpgrade.h"

#include "core/game/TGameController.h"

TBuilding* TWorkshopUpgrade::workshop() const {
    TIndustry* industry = controller_.Industry();
    return industry && !industry->Buildings.empty() ? &industry->Buildings[0] : nullptr;
}

std::int32_t TWorkshopUpgrade::Level() const {
    const TBuilding* w = workshop();
    return w ? w->Level : 0;
}

QString TWorkshopUpgrade::LevelLine() const {
    return QStringLiteral("Уровень: ") + QString::number(Level());
}

void TWorkshopUpgrade::Upgrade() {
    TBuilding* w = workshop();
    if (!w || !Offered())
        return;
    // Booked with the assets: it is money spent on the works.
    if (controller_.SpendMoney(StepPrice) != 0) {
        w->Upgrade();
        if (TZorvick* player = controller_.Company())
            player->Constr += StepPrice;
    }
    controller_.SelectEnterprise(controller_.Game().EnterpriseIndex);
    controller_.ModelChanged();
}
