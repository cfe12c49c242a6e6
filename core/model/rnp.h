#pragma once

// Market and history records. The three market records are read directly by
// the market library, which is why they stay standard-layout with this field
// order; this header therefore uses nothing but the standard library.

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

class QJsonObject;

struct TPrice {
    std::int32_t Player = 0; // position + 1
    float Price = 0;
};

struct TAdvExp {
    float AdvExp = 0;
    std::int32_t Player = 0; // position + 1
};

struct TProd {
    std::int32_t Player = 0;
    float Amount = 0; // suits offered for sale
};

static_assert(std::is_standard_layout_v<TPrice> && sizeof(TPrice) == 8 &&
              offsetof(TPrice, Player) == 0 && offsetof(TPrice, Price) == 4);
static_assert(std::is_standard_layout_v<TAdvExp> && sizeof(TAdvExp) == 8 &&
              offsetof(TAdvExp, AdvExp) == 0 && offsetof(TAdvExp, Player) == 4);
static_assert(std::is_standard_layout_v<TProd> && sizeof(TProd) == 8 &&
              offsetof(TProd, Player) == 0 && offsetof(TProd, Amount) == 4);

// One settled week of a firm, as the history records it.
struct TWeekRecord {
    float AdvExp = 0;
    float Usage = 0;
    float Costs = 0;
    float Salary = 0;
    float RL = 0;
    float Dev = 0;
    float RMCost = 0;
    float Constr = 0;
    float Interest = 0;
    float Taxes = 0;
    float Revenue = 0;
    float TurnLoan = 0;
    float StartTurnMoney = 0;
};

// The ten-week history: thirteen series of one entry per settled week, oldest first.
class TExpences {
public:
    using Series = std::vector<float>;

    Series AdvExp;
    Series Constr;
    Series Costs;
    Series Dev;
    Series RL;
    Series Taxes;
    Series RMCost;
    Series Revenue;
    Series Salary;
    Series Usage;
    Series Interest;
    Series TurnLoan;
    Series StartTurnMoney;

    void AddWeek(const TWeekRecord& week);
    // Drops the oldest week of every series and appends the new one.
    void ShiftWeek(const TWeekRecord& week);
    // The week at position i (0 the oldest); i must be below the series' length.
    TWeekRecord Week(std::size_t i) const;

    QJsonObject toJson() const;
};

QJsonObject toJson(const TPrice& record);
QJsonObject toJson(const TAdvExp& record);
QJsonObject toJson(const TProd& record);
