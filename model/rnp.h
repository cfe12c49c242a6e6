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

    // Note the argument order, which is not the order of the series above.
    void AddWeek(float advExp, float usage, float costs, float salary, float rl, float dev,
                 float rmCost, float constr, float interest, float taxes, float revenue,
                 float turnLoan, float startTurnMoney);
    // Drops the oldest week of every series and appends the new one.
    void ShiftWeek(float advExp, float usage, float costs, float salary, float rl, float dev,
                   float rmCost, float constr, float interest, float taxes, float revenue,
                   float turnLoan, float startTurnMoney);

    QJsonObject toJson() const;
};

QJsonObject toJson(const TPrice& record);
QJsonObject toJson(const TAdvExp& record);
QJsonObject toJson(const TProd& record);
