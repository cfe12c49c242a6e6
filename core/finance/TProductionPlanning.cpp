#include "core/finance/TProductionPlanning.h"

#include "core/game/TGameController.h"
#include "core/platform/NumberText.h"

std::int32_t TProductionPlanning::Showing() {
    // Produced is this week's and cleared at the turn start, not here: a reopened
    // window keeps the run that was paid for, but proposes no price without a new one.
    ran_ = false;
    return MaxProduction();
}

std::int32_t TProductionPlanning::MaxProduction() const {
    const TZorvick* player = controller_.Company();
    return player ? player->MaxProduction() : 0;
}

float TProductionPlanning::UnitCost(std::int32_t n) {
    TZorvick* player = controller_.Company();
    if (!player)
        return 0;
    return player->ProductionCost(n, controller_.Game().Scenario.WeeklySalary,
                                  controller_.services().sound, costRoutine_);
}

std::optional<QString> TProductionPlanning::MaxLine() {
    return controller_.LabelText(MaxKey(), MaxPattern(), MaxProduction());
}

std::optional<QString> TProductionPlanning::CostLine(const QString& amountText) {
    const std::int32_t n = NumberText::parseInt(amountText).value_or(0);
    return controller_.LabelText(CostKey(), CostPattern(),
                                 double(UnitCost(n)) + double(RawMaterialCost));
}

std::optional<QString> TProductionPlanning::AmountReplacement(const QString& amountText) const {
    const auto n = NumberText::parseInt(amountText);
    const std::int32_t m = MaxProduction();
    if (!n || *n < m)
        return std::nullopt;
    return QString::number(m);
}

bool TProductionPlanning::Produce(const QString& amountText) {
    TZorvick* player = controller_.Company();
    if (!player || player->Industries.empty() || player->Industries[0].Storages.size() < 2)
        return false;
    const auto n = NumberText::readInt(amountText, prompter_);
    if (!n)
        return false;
    const float cost = float(*n) * UnitCost(*n);
    // A run of 0 costs 0, which counts as not paid; a negative run would pay the firm.
    if (*n <= 0 || controller_.SpendMoney(cost) == 0) {
        ran_ = false;
        return false;
    }
    ran_ = true;
    player->TurnProduction += cost;
    player->LastUnitCost = cost / float(*n);
    const std::int32_t made = player->UseRawMaterials(*n, true, prompter_);
    player->Industries[0].Storages[1].Load(made, prompter_);
    player->Produced = *n;
    controller_.SetProductionAllowed(false);
    controller_.ModelChanged();
    return true;
}

QString TProductionPlanning::ProposedPrice(std::int32_t n) {
    return NumberText::whole((double(UnitCost(n)) + double(RawMaterialCost)) * PriceMarkup);
}

void TProductionPlanning::Closing() {
    TZorvick* player = controller_.Company();
    if (ran_ && player) {
        controller_.SetProductionAllowed(false);
        const TIndustry* industry = controller_.Industry();
        const std::int32_t inStock =
            industry && industry->Storages.size() > 1 ? industry->Storages[1].Amount : 0;
        controller_.ProposeSale(ProposedPrice(player->Produced), QString::number(inStock));
    }
    controller_.ClearAdvExp();
}
