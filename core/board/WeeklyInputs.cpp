#include "core/board/WeeklyInputs.h"

#include "core/platform/NumberText.h"

#include <algorithm>

namespace WeeklyInputs {

namespace {

Outcome emptied() {
    return Outcome{QStringLiteral("0"), true};
}

} // namespace

Outcome ProdChanged(const QString& text, std::int32_t inStock, Prompter& prompter) {
    if (text.isEmpty())
        return emptied();
    const auto value = NumberText::readInt(text, prompter);
    if (value && *value > inStock)
        return Outcome{QString::number(inStock), false};
    return {};
}

Outcome AdvExpChanged(const QString& text, float money, Prompter& prompter) {
    if (text.isEmpty())
        return emptied();
    const auto value = NumberText::readFloat(text, prompter);
    // Negative money would ask for negative advertising; 0 is the most there is.
    const float cap = std::max(money, 0.0f);
    if (value && *value > cap)
        return Outcome{NumberText::whole(cap), false};
    return {};
}

Outcome PriceChanged(const QString& text) {
    if (text.isEmpty())
        return emptied();
    return {};
}

QString ProdPattern() {
    return QStringLiteral("[0-9]*");
}

QString AmountPattern() {
    return QStringLiteral("[0-9]*[.,]?[0-9]*");
}

QString PricePattern() {
    return QStringLiteral("[0-9]{0,7}([.,][0-9]{0,2})?");
}

} // namespace WeeklyInputs
