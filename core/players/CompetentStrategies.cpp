#include "core/players/CompetentStrategies.h"

#include "core/game/TScenario.h"
#include "core/model/player.h"
#include "core/players/FirmFigures.h"
#include "core/players/SeatActions.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace FirmFigures;

constexpr float StageCost = 300000;
constexpr float DesignContract = 5000;

// Suits a week from n workers, filled as the staff window fills them.
std::int32_t outputOf(const TZorvick& firm, std::int32_t n) {
    std::vector<TWorkPlace> machines = Workshop(firm).WorkPlaces;
    std::stable_sort(machines.begin(), machines.end(),
                     [](const TWorkPlace& a, const TWorkPlace& b) { return a.Level > b.Level; });
    std::int32_t suits = 0;
    for (TWorkPlace& w : machines) {
        if (n <= 0)
            break;
        const std::int32_t k = std::min(n, w.MaxWorkers);
        w.SetWorkers(k);
        suits += w.Productivity;
        n -= k;
    }
    return suits;
}

std::int32_t ownOffer(const SeatView& view, float* price) {
    for (const MarketRow& row : view.lastWeek)
        if (row.own) {
            if (price)
                *price = row.price;
            return std::int32_t(std::lround(row.sold));
        }
    return -1;
}

// Makes what it expects to sell with a margin, staffs only what the run needs,
// offers the stock at the proposed price of that run and advertises 3 % of the
// expected sales. It borrows what a run needs and repays with what it has beyond
// next week's bill. The variants change the price or do one thing more.
class Lean : public Strategy {
public:
    Decision Play(const SeatView& view, SeatActions& act) override {
        const TZorvick& firm = view.firm;
        if (!prepare(view, act))
            return {};
        expect(view);
        trim(view, act);
        const std::int32_t stock = Storage(firm, 1).Amount;
        const auto wanted = std::int32_t(std::ceil(stockWanted()));
        std::int32_t run = std::max(0, wanted - stock);
        const std::int32_t room = Storage(firm, 1).Size() * UnitsPerM2 - stock;
        const std::int32_t rawRoom = Storage(firm, 0).Size() * UnitsPerM2 / RawUnitsPerSuit;
        run = std::min({run, room, rawRoom, outputOf(firm, Workshop(firm).WorkerCapacity())});
        const std::int32_t workers = run > 0 ? WorkersForRun(firm, run) : 0;
        if (workers > Staff(firm))
            act.Hire(workers - Staff(firm));
        else
            act.Fire(Staff(firm) - workers);
        if (run > 0)
            act.ProduceWithMaterials(run);
        if (firm.Produced == 0)
            act.Fire(Staff(firm));
        const std::int32_t offer = Storage(firm, 1).Amount;
        if (offer == 0)
            return {};
        Decision d;
        d.offer = offer;
        d.price = std::max(floor(view, act), price(view, act));
        lastPrice_ = d.price;
        lastOffer_ = offer;
        const float advertising = std::floor(advertisingShare_ * d.price * expected_);
        if (firm.Money < advertising)
            act.Borrow(advertising - firm.Money);
        d.advertising = std::clamp(advertising, 0.0f, std::max(0.0f, firm.Money));
        repay(view, act, d.advertising);
        return d;
    }

    explicit Lean(float advertisingShare = 0.03f) : advertisingShare_(advertisingShare) {}

    void SetTemper(std::uint64_t seed) { DrawTemper(seed, markup_, advertisingShare_); }

protected:
    static constexpr float Margin = 1.15f;
    static constexpr std::int32_t TypicalRun = 150;

    // The suits to have in stock for the week's sale.
    virtual float stockWanted() const { return expected_ * Margin; }

    // Before the run: research, design, machines. False: the move is over.
    virtual bool prepare(const SeatView&, SeatActions&) { return true; }

    // The proposed price of a run of the expected sales.
    virtual float price(const SeatView& view, SeatActions& act) {
        return std::round((unitCost(view, act) + 40) * 1.5f * markup_);
    }

    // What a suit costs with its raw materials: never sold below it.
    float floor(const SeatView& view, SeatActions& act) {
        return std::ceil(unitCost(view, act) + 40);
    }

    // What a suit of a full run costs with every machine staffed, as the production
    // window would show it: the price does not follow a small week's run into a spiral.
    float unitCost(const SeatView& view, SeatActions& act) {
        const TZorvick& firm = view.firm;
        const std::int32_t capacity = Workshop(firm).WorkerCapacity();
        const std::int32_t full = std::max(1, outputOf(firm, capacity));
        const float salary = view.economy.WeeklySalary;
        const float fixed = act.UnitCost(full) * float(full) - float(Staff(firm)) * salary;
        return (fixed + float(capacity) * salary) / float(full);
    }

    // The money kept back: next week's bill at this staffing, and some.
    float cushion(const SeatView& view) const {
        return float(Staff(view.firm)) * view.economy.WeeklySalary + 5000;
    }

    void repay(const SeatView& view, SeatActions& act, float advertising) {
        const TZorvick& firm = view.firm;
        const float spare = firm.Money - cushion(view) - advertising;
        if (firm.Debt > 0 && spare > 0)
            act.Repay(std::min(spare, firm.Debt));
    }

    // Last week's sales, more when it sold out; before any sale, a fair share.
    void expect(const SeatView& view) {
        const std::int32_t sold = ownOffer(view, nullptr);
        if (sold < 0 || lastOffer_ == 0) {
            if (expected_ == 0)
                expected_ = std::max(40.0f, 600.0f / float(std::max(2, view.firms)));
            return;
        }
        soldOut_ = sold >= lastOffer_;
        unsold_ = lastOffer_ > 0 ? 1.0f - float(sold) / float(lastOffer_) : 0;
        expected_ =
            soldOut_ ? std::max(float(sold) * 1.2f, expected_) : std::max(10.0f, float(sold));
    }

    // Machines cost their amortisation whether they work or not: those left idle for
    // five weeks are sold, two at a time, keeping two spare for a good week. In the
    // red, as the bankruptcy letter advises, the spare ones go at once.
    void trim(const SeatView& view, SeatActions& act) {
        const TZorvick& firm = view.firm;
        const auto machines = std::int32_t(Workshop(firm).WorkPlaces.size());
        const std::int32_t busy =
            (WorkersForRun(firm, std::int32_t(std::ceil(expected_ * Margin))) + 3) / 4;
        idleFor_ = machines > busy + 2 ? idleFor_ + 1 : 0;
        if (idleFor_ >= 5) {
            act.SellMachines(1, std::min(2, machines - busy - 2));
            idleFor_ = 0;
        }
        const float salePrice = view.economy.WorkPlacePriceI * 0.65f;
        if (firm.Money < 0 && salePrice > 0) {
            const auto needed = std::int32_t(std::ceil(-firm.Money / salePrice));
            act.SellMachines(
                1, std::min(needed, std::int32_t(Workshop(firm).WorkPlaces.size()) - busy));
        }
    }

    float expected_ = 0;
    float lastPrice_ = 0;
    std::int32_t lastOffer_ = 0;
    bool soldOut_ = false;
    float unsold_ = 0;
    std::int32_t idleFor_ = 0;
    float advertisingShare_;
    float markup_ = 1;
};

// Follows last week's unsold share: it means to keep about the margin it makes
// unsold; beyond that the price falls by half the excess share (10 % at most a
// week), and after selling out it rises by 5 %.
class Follower : public Lean {
protected:
    float price(const SeatView& view, SeatActions& act) override {
        if (lastPrice_ == 0)
            return Lean::price(view, act);
        if (soldOut_)
            return std::round(lastPrice_ * 1.05f);
        const float excess = std::max(0.0f, unsold_ - (Margin - 1));
        return std::round(lastPrice_ * std::max(0.9f, 1 - 0.5f * excess));
    }
};

// Asks 5 % below the cheapest rival that sold last week, never above its own
// proposal.
class LeanUndercutter : public Lean {
protected:
    float price(const SeatView& view, SeatActions& act) override {
        const float proposed = Lean::price(view, act);
        const float lowest = view.LowestRivalPrice();
        return lowest == 0 ? proposed : std::min(proposed, std::floor(lowest * 0.95f));
    }
};

// Undercuts the cheapest rival by 10 % down to its own cost, to drive the others out.
class PriceWar : public Lean {
protected:
    float price(const SeatView& view, SeatActions& act) override {
        const float lowest = view.LowestRivalPrice();
        const float cost = floor(view, act);
        return lowest == 0 ? std::round(cost * 1.1f) : std::floor(lowest * 0.9f);
    }
};

// Lean, with a 5000 $ design contract whenever none runs and the money allows;
// the market sees a contract in the two settlements after it is paid, so for
// those it makes half as much again.
class LeanDesigner : public Lean {
protected:
    bool prepare(const SeatView& view, SeatActions& act) override {
        if (runningFor_ > 0)
            ++runningFor_;
        if (runningFor_ > 2)
            runningFor_ = 0;
        if (act.DesignAllowed() &&
            view.firm.Money - view.firm.Debt > DesignContract + cushion(view) &&
            act.PayDesign(DesignContract))
            runningFor_ = 1;
        return true;
    }
    float stockWanted() const override {
        return Lean::stockWanted() * (runningFor_ > 0 ? 1.5f : 1.0f);
    }

private:
    std::int32_t runningFor_ = 0;
};

// Lean, paying into research: from what it has beyond three weeks' bills and its
// debt once that is 20000 $ or more, or with the loan variant, while it leads the
// market (it sold most last week), borrowing a payment of up to 100000 $ a week
// when the credit covers it. At level III it replaces the level-I machines its run
// uses, two a week.
class LeanResearcher : public Lean {
public:
    explicit LeanResearcher(bool borrow) : borrow_(borrow) {}

protected:
    bool prepare(const SeatView& view, SeatActions& act) override {
        const TZorvick& firm = view.firm;
        if (firm.TechLevel < 3 && act.ResearchAllowed()) {
            const float spare = firm.Money - firm.Debt - 3 * cushion(view);
            const float toGo = StageCost - firm.ResearchInvest;
            if (spare >= 20000) {
                act.InvestResearch(std::floor(std::min({spare, toGo, 100000.0f})));
            } else if (borrow_ && leads(view) && act.BankOpen()) {
                const float pay = std::min(toGo, 100000.0f);
                if (act.CreditLimit() - firm.Debt > pay + cushion(view)) {
                    act.Borrow(pay);
                    act.InvestResearch(pay);
                }
            }
        }
        if (firm.TechLevel == 3)
            upgrade(view, act);
        return true;
    }

private:
    static bool leads(const SeatView& view) {
        float own = -1;
        float best = 0;
        for (const MarketRow& row : view.lastWeek) {
            if (row.own)
                own = row.sold;
            else
                best = std::max(best, row.sold);
        }
        return own > best;
    }

    void upgrade(const SeatView& view, SeatActions& act) {
        const TZorvick& firm = view.firm;
        std::int32_t levelOne = Machines(firm, 1);
        std::int32_t levelThree = Machines(firm, 3);
        const auto wanted = std::int32_t(std::ceil(expected_ * Margin / 200));
        const float price = view.economy.WorkPlacePriceIII;
        for (std::int32_t i = 0; i < 2 && levelOne > 0 && levelThree < wanted; ++i) {
            if (firm.Money - price < cushion(view))
                act.Borrow(price + cushion(view) - firm.Money);
            if (firm.Money - price < cushion(view))
                break;
            act.SellMachines(1, 1);
            if (!act.BuyMachines(3, 1))
                break;
            --levelOne;
            ++levelThree;
        }
    }

    bool borrow_;
};

// Sells everything it owns and stops trading: at once, or (lean until then) at the
// second warning of bankruptcy.
class SellUp : public Lean {
public:
    // keepOne: one machine and the area it stands on stay, so the firm is never out of
    // business and lives on its cash (the loophole docs/balance.md measures).
    explicit SellUp(bool atWarning, bool keepOne = false)
        : atWarning_(atWarning), keepOne_(keepOne) {}

protected:
    bool prepare(const SeatView& view, SeatActions& act) override {
        const TZorvick& firm = view.firm;
        if (!soldUp_ && (!atWarning_ || firm.DebtWeeks >= 2)) {
            soldUp_ = true;
            act.Fire(Staff(firm));
            std::int32_t kept = keepOne_ ? 1 : 0;
            for (std::int32_t level = 1; level <= 3; ++level) {
                const std::int32_t n = Machines(firm, level);
                const std::int32_t stays = std::min(n, kept);
                kept -= stays;
                act.SellMachines(level, n - stays);
            }
            std::int32_t standing = 0;
            for (const TWorkPlace& w : Workshop(firm).WorkPlaces)
                standing += w.Area;
            act.SellWorkshopArea(Workshop(firm).Size() - standing);
            act.SellStorage(0, Storage(firm, 0).Size());
            if (Storage(firm, 1).Amount == 0)
                act.SellStorage(1, Storage(firm, 1).Size());
            act.SellLand(firm.Industries[0].FreeLand);
            if (firm.Debt > 0)
                act.Repay(std::min(firm.Debt, std::max(0.0f, firm.Money)));
        }
        // What is left in the goods storage is still sold, at the proposed price.
        return !soldUp_ || Storage(firm, 1).Amount > 0;
    }

private:
    bool atWarning_;
    bool keepOne_;
    bool soldUp_ = false;
};

} // namespace

std::int32_t WorkersForRun(const TZorvick& firm, std::int32_t run) {
    const std::int32_t capacity = Workshop(firm).WorkerCapacity();
    for (std::int32_t n = 0; n <= capacity; ++n)
        if (outputOf(firm, n) >= run)
            return n;
    return capacity;
}

QStringList CompetentStrategyNames() {
    return {QStringLiteral("lean"),
            QStringLiteral("lean-follower"),
            QStringLiteral("lean-undercutter"),

            QStringLiteral("lean-designer"),
            QStringLiteral("lean-researcher"),
            QStringLiteral("lean-research-loan"),
            QStringLiteral("price-war"),
            QStringLiteral("sell-up"),
            QStringLiteral("sell-at-warning")};
}

std::unique_ptr<Strategy> MakeCompetentStrategy(const QString& name, std::uint64_t seed) {
    std::unique_ptr<Lean> firm;
    if (name == QLatin1String("lean"))
        firm = std::make_unique<Lean>();
    else if (name == QLatin1String("lean-silent"))
        firm = std::make_unique<Lean>(0.0f);
    else if (name == QLatin1String("lean-loud"))
        firm = std::make_unique<Lean>(0.2f);
    else if (name == QLatin1String("lean-follower"))
        firm = std::make_unique<Follower>();
    else if (name == QLatin1String("lean-undercutter"))
        firm = std::make_unique<LeanUndercutter>();
    else if (name == QLatin1String("lean-designer"))
        firm = std::make_unique<LeanDesigner>();
    else if (name == QLatin1String("lean-researcher"))
        firm = std::make_unique<LeanResearcher>(false);
    else if (name == QLatin1String("lean-research-loan"))
        firm = std::make_unique<LeanResearcher>(true);
    else if (name == QLatin1String("price-war"))
        firm = std::make_unique<PriceWar>();
    else if (name == QLatin1String("sell-up"))
        firm = std::make_unique<SellUp>(false);
    else if (name == QLatin1String("sell-at-warning"))
        firm = std::make_unique<SellUp>(true);
    else if (name == QLatin1String("sell-but-one"))
        firm = std::make_unique<SellUp>(false, true);
    else
        return nullptr;
    if (seed != 0)
        firm->SetTemper(seed);
    return firm;
}
