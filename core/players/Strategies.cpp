#include "core/players/Strategies.h"

#include "core/players/CompetentStrategies.h"

#include "core/game/TScenario.h"
#include "core/model/player.h"
#include "core/players/FirmFigures.h"
#include "core/players/SeatActions.h"

#include <algorithm>
#include <cmath>
#include <random>

void DrawTemper(std::uint64_t seed, float& markup, float& advertisingShare) {
    std::mt19937 random(std::uint32_t(seed ^ (seed >> 32)));
    const auto unit = [&] { return float(random() % 1001) / 1000.0f; };
    markup = 0.95f + 0.1f * unit();
    advertisingShare *= 0.5f + unit();
}

float SeatView::LowestRivalPrice() const {
    float lowest = 0;
    for (const MarketRow& row : lastWeek)
        if (!row.own && row.sold >= 1 && row.price > 0 && (lowest == 0 || row.price < lowest))
            lowest = row.price;
    return lowest;
}

namespace {

using namespace FirmFigures;

// Suits a week the machines make with every place staffed.
std::int32_t fullCapacity(const TZorvick& firm) {
    static const std::int32_t byLevel[3] = {100, 150, 200};
    std::int32_t sum = 0;
    for (const TWorkPlace& w : Workshop(firm).WorkPlaces)
        sum += byLevel[std::clamp(w.Level, 1, 3) - 1];
    return sum;
}

// The firm that does what the game proposes: every machine staffed, raw materials
// for a full run, a full run (no more than the goods storage holds; in a week
// without a run the workers are sent home), everything
// in stock offered at the price the production window proposes for the full run,
// a fixed share of the expected sales' value spent on advertising. It borrows what
// a run needs and pays the debt back once it has a week's bill in hand. The other
// strategies vary it.
class Proposed : public Strategy {
public:
    Decision Play(const SeatView& view, SeatActions& act) override {
        prepare(view, act);
        const TZorvick& firm = view.firm;
        act.Hire(Workshop(firm).WorkerCapacity() - Staff(firm));
        produce(view, act);
        // No run this week (no money, no credit, no room): idle hands would cost a
        // week's wages for nothing, so they go home and are hired again next week.
        if (firm.Produced == 0)
            act.Fire(Staff(firm));
        const std::int32_t stock = Storage(firm, 1).Amount;
        if (stock == 0)
            return {};
        Decision d;
        d.offer = stock;
        d.price = price(view, act);
        // Last week's sales, or before the first sale the stock: what the firm expects to sell.
        float expected = float(stock);
        for (const MarketRow& row : view.lastWeek)
            if (row.own && row.sold > 0)
                expected = std::min(expected, row.sold);
        const float wanted = std::floor(advertisingShare_ * d.price * expected);
        // The run took the money: the advertising is borrowed like the run's bill.
        if (firm.Money < wanted)
            act.Borrow(wanted - firm.Money);
        repay(view, act, wanted);
        d.advertising = std::clamp(wanted, 0.0f, std::max(0.0f, firm.Money));
        return d;
    }

    explicit Proposed(float advertisingShare = 0.03f) : advertisingShare_(advertisingShare) {}

    void SetTemper(std::uint64_t seed) { DrawTemper(seed, markup_, advertisingShare_); }

protected:
    // Before staffing: machines bought or sold, research paid.
    virtual void prepare(const SeatView&, SeatActions&) {}

    // The proposed price of a full run: (cost of a suit + 40) x 1.5. A run cut short
    // by a full store would propose a dearer suit, but the stock was made at full runs.
    virtual float price(const SeatView& view, SeatActions& act) {
        return std::round((act.UnitCost(std::max(1, fullCapacity(view.firm))) + 40) * 1.5f *
                          markup_);
    }

    // The money kept when paying the debt back: the next week's bill of a fully
    // staffed workshop.
    float cushion(const SeatView& view) const {
        return float(Workshop(view.firm).WorkerCapacity()) * view.economy.WeeklySalary + 5000;
    }

    virtual void repay(const SeatView& view, SeatActions& act, float advertising) {
        const TZorvick& firm = view.firm;
        const float spare = firm.Money - cushion(view) - advertising;
        if (firm.Debt > 0 && spare > 0)
            act.Repay(std::min(spare, firm.Debt));
    }

    void produce(const SeatView& view, SeatActions& act) {
        const TZorvick& firm = view.firm;
        const std::int32_t room = Storage(firm, 1).Size() * UnitsPerM2 - Storage(firm, 1).Amount;
        const std::int32_t rawRoom = Storage(firm, 0).Size() * UnitsPerM2 / RawUnitsPerSuit;
        std::int32_t run = std::min({fullCapacity(firm), room, rawRoom});
        if (run <= 0)
            return;
        act.ProduceWithMaterials(run);
    }

    float advertisingShare_;
    float markup_ = 1;
};

// Does nothing: pays its running costs until it is ruined.
class Passive : public Strategy {
public:
    Decision Play(const SeatView&, SeatActions&) override { return {}; }
};

// Proposed, but asks 5 % below the cheapest rival that sold last week, never
// below what a suit of a full run costs with its raw materials.
class Undercutter : public Proposed {
protected:
    float price(const SeatView& view, SeatActions& act) override {
        const float proposed = Proposed::price(view, act);
        const float lowest = view.LowestRivalPrice();
        if (lowest == 0)
            return proposed;
        const std::int32_t run = std::max(1, fullCapacity(view.firm));
        const float floor = std::ceil(act.UnitCost(run) + 40);
        return std::max(floor, std::min(proposed, std::floor(lowest * 0.95f)));
    }
};

// Proposed, with a fifth of the offer's value spent on advertising.
class Advertiser : public Proposed {
public:
    Advertiser() : Proposed(0.2f) {}
};

// Proposed, paying into research every move what it earned beyond two weeks'
// bills and its debt (the most a move allows) until level III, then replacing its
// level I machines by level III ones, two a week. Research is never borrowed for:
// 600000 $ of loans would cost more in interest than the machines save.
class Researcher : public Proposed {
protected:
    void prepare(const SeatView& view, SeatActions& act) override {
        const TZorvick& firm = view.firm;
        if (firm.TechLevel < 3) {
            const float spare = firm.Money - firm.Debt - cushion(view) * 2;
            if (spare >= 10000)
                act.InvestResearch(std::floor(std::min(spare, 100000.0f)));
            return;
        }
        std::int32_t levelOne = Machines(firm, 1);
        const float price = view.economy.WorkPlacePriceIII;
        for (std::int32_t i = 0; i < 2 && levelOne > 0; ++i, --levelOne) {
            act.SellMachines(1, 1);
            if (firm.Money < price + cushion(view))
                act.Borrow(price + cushion(view) - firm.Money);
            if (firm.Money < price + cushion(view) || !act.BuyMachines(3, 1))
                break;
        }
    }
};

// Borrows up to its credit limit to buy more machines, up to ten level I machines
// a week while the bank lends, with the storage space they need, until it has 30;
// repays nothing until then.
class Borrower : public Proposed {
protected:
    void prepare(const SeatView& view, SeatActions& act) override {
        const TZorvick& firm = view.firm;
        const float price = view.economy.WorkPlacePriceI;
        const auto machines = std::int32_t(Workshop(firm).WorkPlaces.size());
        if (machines >= 30 || !act.BankOpen())
            return;
        act.Borrow(act.CreditLimit() - firm.Debt);
        // Two weeks' bills and the raw materials of a full run stay in hand.
        const float rawMaterials = float(fullCapacity(firm) * RawUnitsPerSuit) * RawUnitPrice;
        const float spare = firm.Money - 2 * cushion(view) - rawMaterials;
        const auto n = std::min(std::min(10, 30 - machines), std::int32_t(spare / price));
        if (n > 0 && act.BuyMachines(1, n)) {
            // Raw materials and suits for the bigger run.
            const std::int32_t suits = fullCapacity(firm);
            act.BuyStorage(0, suits * RawUnitsPerSuit / UnitsPerM2 - Storage(firm, 0).Size());
            act.BuyStorage(1, suits / UnitsPerM2 - Storage(firm, 1).Size());
        }
    }
    void repay(const SeatView& view, SeatActions& act, float advertising) override {
        if (Workshop(view.firm).WorkPlaces.size() >= 30)
            Proposed::repay(view, act, advertising);
    }
};

// Makes one suit every week and offers it at 1 $, to spoil the others' market.
class Spoiler : public Strategy {
public:
    Decision Play(const SeatView& view, SeatActions& act) override {
        if (Staff(view.firm) == 0)
            act.Hire(1);
        if (Storage(view.firm, 0).Amount < RawUnitsPerSuit)
            act.BuyRawMaterials(RawUnitsPerSuit);
        act.Produce(1);
        if (Storage(view.firm, 1).Amount == 0)
            return {};
        return {1, 1, 0};
    }
};

} // namespace

QStringList StrategyNames() {
    return QStringList{QStringLiteral("passive"),     QStringLiteral("proposed"),
                       QStringLiteral("undercutter"), QStringLiteral("advertiser"),
                       QStringLiteral("researcher"),  QStringLiteral("borrower"),
                       QStringLiteral("spoiler")}
           << CompetentStrategyNames();
}

std::unique_ptr<Strategy> MakeStrategy(const QString& name, std::uint64_t seed) {
    if (name == QLatin1String("passive"))
        return std::make_unique<Passive>();
    if (name == QLatin1String("spoiler"))
        return std::make_unique<Spoiler>();
    std::unique_ptr<Proposed> firm;
    if (name == QLatin1String("proposed"))
        firm = std::make_unique<Proposed>();
    else if (name == QLatin1String("undercutter"))
        firm = std::make_unique<Undercutter>();
    else if (name == QLatin1String("advertiser"))
        firm = std::make_unique<Advertiser>();
    else if (name == QLatin1String("researcher"))
        firm = std::make_unique<Researcher>();
    else if (name == QLatin1String("borrower"))
        firm = std::make_unique<Borrower>();
    else
        return MakeCompetentStrategy(name, seed);
    if (seed != 0)
        firm->SetTemper(seed);
    return firm;
}
