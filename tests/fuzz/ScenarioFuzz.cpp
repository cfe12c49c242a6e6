// libFuzzer target for the scenario reader: any bytes as a scenario file, every turn
// of it read as the weekly economy, and the values held to their ranges.
#include "core/game/TScenario.h"
#include "core/platform/RandomSource.h"
#include "core/platform/TextFile.h"

#include <QTemporaryDir>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir empty;
    static RandomSource random(1);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TScenario scenario(GameFolder(empty.path()), random);
    scenario.File = IniFile::fromText(TextFile::decode(bytes));
    scenario.Active = true;
    for (std::int32_t turn = 0; turn < 4; ++turn) {
        scenario.ReadTurn(turn);
        for (float value :
             {scenario.MarketCoefficient, scenario.WeeklySalary, scenario.InterestRate,
              scenario.WorkPlacePriceI, scenario.WorkPlacePriceII, scenario.WorkPlacePriceIII})
            if (!std::isfinite(value) || value < 0)
                std::abort(); // an economy no game can survive
    }
    return 0;
}
