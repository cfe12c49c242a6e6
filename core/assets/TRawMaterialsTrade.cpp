#include "core/assets/TRawMaterialsTrade.h"

#include "core/game/TGameController.h"
#include "core/platform/NumberText.h"

TStorage* TRawMaterialsTrade::rawStorage() const {
    TIndustry* industry = controller_.Industry();
    return industry && !industry->Storages.empty() ? &industry->Storages[0] : nullptr;
}

std::optional<QString> TRawMaterialsTrade::CurrentLine() {
    const TStorage* s = rawStorage();
    return controller_.LabelText(CurrentKey(), CurrentPattern(), s ? s->Amount : 0);
}

std::optional<QString> TRawMaterialsTrade::MaxLine() {
    const TStorage* s = rawStorage();
    return controller_.LabelText(MaxKey(), MaxPattern(), s ? double(s->Size()) * UnitsPerM2 : 0.0);
}

std::optional<QString> TRawMaterialsTrade::TotalLine(const QString& amountText) const {
    const auto amount = NumberText::readFloat(amountText, prompter_);
    if (!amount)
        return std::nullopt;
    return QStringLiteral("X ") + NumberText::money(UnitPrice) + QStringLiteral("$ = ") +
           NumberText::shortest(*amount * UnitPrice) + QStringLiteral("$");
}

bool TRawMaterialsTrade::Buy(const QString& amountText) {
    const auto amount = NumberText::readInt(amountText, prompter_);
    if (!amount || !rawStorage())
        return false;
    const std::int32_t n = *amount;
    // Raw materials are no asset: nothing is booked in Constr, but the week's bill has them.
    const std::int32_t k =
        controller_.Purchase([&] { return rawStorage()->Load(n, prompter_); }, UnitPrice, 0);
    if (k != 0)
        controller_.Company()->TurnRawMaterials += float(k) * UnitPrice;
    return k != 0;
}
