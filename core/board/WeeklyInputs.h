#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class Prompter;

// The change rules of the board's three weekly edits, run on every change of
// their text. The board applies a replacement and selects the text when told.
namespace WeeklyInputs {

struct Outcome {
    std::optional<QString> replacement; // the new text; none: the text stays
    bool selectAll = false;
};

// Offered suits: capped by the suits in the goods storage of the shown enterprise.
Outcome ProdChanged(const QString& text, std::int32_t inStock, Prompter& prompter);
// Advertising: capped by the money, never below 0.
Outcome AdvExpChanged(const QString& text, float money, Prompter& prompter);
// Price: only the empty text is mended.
Outcome PriceChanged(const QString& text);

// What the edits accept as typed: no sign, so no negative figures.
QString ProdPattern();   // digits
QString AmountPattern(); // digits and one decimal separator
QString PricePattern();  // up to 9999999 with two decimals
constexpr int ProdMaxLength = 6;

} // namespace WeeklyInputs
