// What the four statistics buttons hand the gauge library, checked through the
// controller's seam without a window.
#include "core/game/TGameController.h"
#include "core/platform/NullHelp.h"
#include "core/platform/RandomSource.h"
#include "core/platform/ScriptedPrompter.h"
#include "core/platform/SilentSound.h"
#include "tests/common/TwoFirms.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

// Every call, its arguments joined in their order.
QStringList calls;
void Record(std::int32_t percentage, std::int32_t maximum, std::int32_t current,
            const char* maximumLabel, const char* currentLabel, const char* colour,
            const char* grey, const char* caption, std::int32_t s1, std::int32_t s2,
            std::int32_t s3) {
    calls << QStringList{QString::number(percentage),
                         QString::number(maximum),
                         QString::number(current),
                         maximumLabel,
                         currentLabel,
                         colour,
                         grey,
                         caption,
                         QString::number(s1),
                         QString::number(s2),
                         QString::number(s3)}
                 .join('|');
}

// The first firm of a two-firm game; the label texts rename two labels.
struct Game : TwoFirms {
    Game() {
        controller.SetLabelTexts(TLabelTexts(IniFile::fromText(
            "[Constants]\ncProductionAmount=На складе\ncMaxDevelopmentInvestement=Цель\n")));
        controller.SetStatisticsRoutine(&Record);
    }
    // Workers on the machines in order, each up to its maximum.
    void staff(std::int32_t workers, std::size_t machines) {
        auto& places = industry().Buildings[0].WorkPlaces;
        places.resize(machines, places.at(0));
        for (TWorkPlace& w : places) {
            w.Workers = std::min(workers, w.MaxWorkers);
            workers -= w.Workers;
        }
    }
    void store(std::size_t storage, std::int32_t m2, std::int32_t units) {
        industry().Storages[storage].SetSize(m2);
        industry().Storages[storage].Amount = units;
    }
};

} // namespace

TEST(StatisticsGauge, ArgumentsOfTheFourButtons) {
    const QString counts = "Максимальное количество|Текущее количество|";
    const struct {
        const char* what;
        TGaugeKind kind;
        std::function<void(Game&)> setUp;
        QString call;
    } cases[] = {
        {"30 workers of 40", TGaugeKind::Staff, [](Game& g) { g.staff(30, 10); },
         "75|40|30|" + counts + "CWORKER|BWWORKER|Персонал|1|1|0"},
        {"exactly 57.5 % goes to the even 58", TGaugeKind::Staff, [](Game& g) { g.staff(23, 10); },
         "58|40|23|" + counts + "CWORKER|BWWORKER|Персонал|1|1|0"},
        {"12.5 % goes to the even 12", TGaugeKind::Staff, [](Game& g) { g.staff(1, 2); },
         "12|8|1|" + counts + "CWORKER|BWWORKER|Персонал|1|1|0"},
        {"no machines: a capacity of 0", TGaugeKind::Staff, [](Game& g) { g.staff(0, 0); },
         "0|0|0|" + counts + "CWORKER|BWWORKER|Персонал|1|1|0"},
        {"1500 raw units in 20 m2", TGaugeKind::RawMaterials, [](Game& g) { g.store(0, 20, 1500); },
         "75|2000|1500|" + counts + "CBOX|BWBOX|Сырье|1|1|0"},
        {"a storage of 0 m2 counts as 1 m2", TGaugeKind::RawMaterials,
         [](Game& g) { g.store(0, 0, 50); }, "50|0|50|" + counts + "CBOX|BWBOX|Сырье|1|1|0"},
        {"250 suits in 40 m2", TGaugeKind::Production, [](Game& g) { g.store(1, 40, 250); },
         "6|4000|250|Максимальное количество|На складе|CCLOTHES|BWCLOTHES|Продукция|1|1|0"},
        {"research 100000", TGaugeKind::Research,
         [](Game& g) { g.controller.Company()->ResearchInvest = 100000; },
         "33|300000|100000|Цель|Текущее количество|CRESEARCH|BWRESEARCH|Исследование|0|0|1"},
        {"1.5 % goes to the even 2", TGaugeKind::Research,
         [](Game& g) { g.controller.Company()->ResearchInvest = 4500; },
         "2|300000|4500|Цель|Текущее количество|CRESEARCH|BWRESEARCH|Исследование|0|0|1"},
        {"an amount of 2.5 goes to the even 2", TGaugeKind::Research,
         [](Game& g) { g.controller.Company()->ResearchInvest = 2.5f; },
         "0|300000|2|Цель|Текущее количество|CRESEARCH|BWRESEARCH|Исследование|0|0|1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Game g;
        c.setUp(g);
        calls.clear();
        g.controller.ShowGauge(c.kind);
        EXPECT_EQ(calls, QStringList{c.call});
    }
}
