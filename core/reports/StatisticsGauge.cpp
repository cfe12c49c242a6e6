#include "core/reports/StatisticsGauge.h"

#include "core/board/TLabelTexts.h"
#include "core/model/player.h"

#include <array>
#include <cmath>
#include <limits>

namespace StatisticsGauge {

namespace {

constexpr std::int32_t UnitsPerM2 = 100;

const QString CurrentDefault = QStringLiteral("Текущее количество");
const QString MaximumDefault = QStringLiteral("Максимальное количество");

// current ÷ maximum × 100, with a maximum of 0 counted as 1. Multiplied first, so a
// share that is exactly a half (23 of 40 is 57.5) stays one and goes to the even number.
std::int32_t percentage(double current, double maximum) {
    return RoundHalfEven(current * 100 / (maximum == 0 ? 1 : maximum));
}

} // namespace

std::int32_t RoundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    // The default rounding mode of the floating-point unit takes halves to even.
    const double rounded = std::nearbyint(value);
    if (rounded >= double(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (rounded <= double(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return std::int32_t(rounded);
}

namespace {

// What tells the four gauges apart besides their figures.
struct GaugeLook {
    const char* currentKey;
    const char* maximumKey;
    const char* colourPicture;
    const char* greyPicture;
    const char* caption; // UTF-8
    std::array<std::int32_t, 3> switches;
};

constexpr GaugeLook Looks[] = {
    {"cCurrentWorkersAmount", "cMaxWorkersAmount", "CWORKER", "BWWORKER", "Персонал", {1, 1, 0}},
    {"cCurrentRawMaterialsAmount", "cMaxRawMaterialsAmount", "CBOX", "BWBOX", "Сырье", {1, 1, 0}},
    {"cProductionAmount", "cMaxProductionAmount", "CCLOTHES", "BWCLOTHES", "Продукция", {1, 1, 0}},
    {"cCurrentDevelopmentInvestement",
     "cMaxDevelopmentInvestement",
     "CRESEARCH",
     "BWRESEARCH",
     "Исследование",
     {0, 0, 1}},
};

} // namespace

TGaugeArguments Arguments(TGaugeKind kind, const TZorvick& player, TIndustry& industry,
                          const TLabelTexts& texts) {
    TGaugeArguments a;
    const GaugeLook& look = Looks[std::size_t(kind)];
    a.CurrentLabel = texts.LabelText(QString::fromLatin1(look.currentKey), CurrentDefault);
    a.MaximumLabel = texts.LabelText(QString::fromLatin1(look.maximumKey), MaximumDefault);
    a.ColourPicture = QString::fromLatin1(look.colourPicture);
    a.GreyPicture = QString::fromLatin1(look.greyPicture);
    a.Caption = QString::fromUtf8(look.caption);
    a.Switches = look.switches;

    const auto storage = [&](std::size_t index) {
        if (index >= industry.Storages.size())
            return;
        const TStorage& s = industry.Storages[index];
        a.Current = s.Amount;
        a.Maximum = s.Size() * UnitsPerM2;
        a.Percentage = percentage(s.Amount, double(s.Size() == 0 ? 1 : s.Size()) * UnitsPerM2);
    };
    switch (kind) {
    case TGaugeKind::Staff:
        if (!industry.Buildings.empty()) {
            TBuilding& workshop = industry.Buildings[0];
            a.Current = workshop.UpdateWorkers();
            a.Maximum = workshop.WorkerCapacity();
            a.Percentage = percentage(a.Current, a.Maximum);
        }
        break;
    case TGaugeKind::RawMaterials:
        storage(0);
        break;
    case TGaugeKind::Production:
        storage(1);
        break;
    case TGaugeKind::Research:
        a.Current = RoundHalfEven(player.ResearchInvest);
        a.Maximum = ResearchMaximum;
        a.Percentage = percentage(player.ResearchInvest, ResearchMaximum);
        break;
    }
    return a;
}

} // namespace StatisticsGauge
