#pragma once

#include <QString>
#include <array>
#include <cstdint>

class TIndustry;
class TLabelTexts;
class TZorvick;

// The four statistics buttons of the board's panels, each a gauge of one figure
// against its maximum shown by the gauge library.
enum class TGaugeKind { Staff, RawMaterials, Production, Research };

// What one button hands to the gauge library's ShowStatistics, in its order.
struct TGaugeArguments {
    std::int32_t Percentage = 0;
    std::int32_t Maximum = 0;
    std::int32_t Current = 0;
    QString MaximumLabel;
    QString CurrentLabel;
    QString ColourPicture;
    QString GreyPicture;
    QString Caption;
    std::array<std::int32_t, 3> Switches{};
};

namespace StatisticsGauge {

// Research is measured against this investment.
constexpr std::int32_t ResearchMaximum = 300000;

// To the nearest whole number, halves to the even one (12.5 gives 12, 37.5 gives
// 38), held to the 32-bit range; not a number gives 0.
std::int32_t RoundHalfEven(double value);

// The arguments of a button for the player and the shown enterprise: the workers of
// its first building (counted again, which also refreshes the machines' staffing
// figures), its raw-material storage (entry 0), its goods storage (entry 1) or the
// player's research. A storage holds 100 units a m2; a capacity or a storage size
// of 0 counts as 1 in the share, while the maximum passed stays 0.
TGaugeArguments Arguments(TGaugeKind kind, const TZorvick& player, TIndustry& industry,
                          const TLabelTexts& texts);

} // namespace StatisticsGauge
