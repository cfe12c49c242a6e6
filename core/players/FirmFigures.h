#pragma once

#include "core/model/industry.h"
#include "core/model/player.h"

#include <cstdint>

// What every computer player reads off its own firm: the workshop, the two
// storages (0 raw materials, 1 goods) and the prices the rules fix.
namespace FirmFigures {

constexpr float RawUnitPrice = 20;
constexpr std::int32_t RawUnitsPerSuit = 2;
constexpr float RawCostPerSuit = RawUnitPrice * RawUnitsPerSuit;
constexpr std::int32_t UnitsPerM2 = 100;

inline const TBuilding& Workshop(const TZorvick& firm) {
    return firm.Industries[0].Buildings[0];
}

inline const TStorage& Storage(const TZorvick& firm, std::size_t i) {
    return firm.Industries[0].Storages[i];
}

inline std::int32_t Staff(const TZorvick& firm) {
    std::int32_t sum = 0;
    for (const TWorkPlace& w : Workshop(firm).WorkPlaces)
        sum += w.Workers;
    return sum;
}

inline std::int32_t Machines(const TZorvick& firm, std::int32_t level) {
    std::int32_t n = 0;
    for (const TWorkPlace& w : Workshop(firm).WorkPlaces)
        n += w.Level == level ? 1 : 0;
    return n;
}

} // namespace FirmFigures
