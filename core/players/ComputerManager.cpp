#include "core/players/ComputerManager.h"

#include "core/game/TScenario.h"
#include "core/model/player.h"
#include "core/players/FirmFigures.h"
#include "core/players/SeatActions.h"
#include "external/MathLibrary.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using namespace FirmFigures;

// The strong manager: a dollar a rival earns weighs two of its own in the first
// weeks, four from the sixteenth, while the firm is worth WorthAtFullFight or more;
// less as it is worth less, none at nothing.
constexpr float FightEarly = 2;
constexpr float Fight = 4;
constexpr float WorthAtFullFight = 100000;
// Runs of two weeks' sales: the run's overhead is paid every other week. (Weekly
// runs pay it every week; three weeks' runs tie up money at the bank's interest.)
constexpr double RunWeeks = 2;

// Suits a week for every number of workers, placed as the staff window places them:
// the best machines first, each filled before the next.
std::vector<std::int32_t> capacityByWorkers(const TZorvick& firm) {
    static const std::int32_t made[3][5] = {
        {0, 30, 55, 70, 100}, {0, 50, 100, 120, 150}, {0, 100, 150, 200, 200}};
    std::vector<std::int32_t> levels;
    for (const TWorkPlace& w : Workshop(firm).WorkPlaces)
        levels.push_back(std::clamp(w.Level, 1, 3));
    std::sort(levels.rbegin(), levels.rend());
    std::vector<std::int32_t> byWorkers{0};
    std::int32_t done = 0;
    for (const std::int32_t level : levels) {
        const std::int32_t most = level == 3 ? 3 : 4;
        for (std::int32_t n = 1; n <= most; ++n)
            byWorkers.push_back(done + made[level - 1][n]);
        done += made[level - 1][most];
    }
    return byWorkers;
}

// The fewest workers that make q suits; all of them when none do.
std::int32_t workersFor(const std::vector<std::int32_t>& capacity, std::int32_t q) {
    const auto it = std::lower_bound(capacity.begin(), capacity.end(), q);
    return std::int32_t((it == capacity.end() ? capacity.end() - 1 : it) - capacity.begin());
}

// A number in [0, 1) that follows from the seed, the week and what it is for.
float draw(std::uint64_t seed, std::int32_t week, std::uint64_t what) {
    std::uint64_t z = seed ^ (std::uint64_t(week) * 0x9E3779B97F4A7C15ull) ^ (what << 56);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return float(double(z >> 11) / double(1ull << 53));
}

// The market of this week as the manager sees it coming: its rivals as the last
// report showed them, its own slot free for the figures it weighs.
class MarketEstimate {
public:
    MarketEstimate(const SeatView& view, float rivalAdvertising) {
        const TZorvick& firm = view.firm;
        coefficient_ = view.economy.MarketCoefficient > 0 ? view.economy.MarketCoefficient : 1.1f;
        firmDesign_ = firm.RLInvest;
        firmDesignWeeks_ = firm.RLInvest != 0 ? firm.RLWeeks + 1 : firm.RLWeeks;
        // The contract's third move closes it before the week is settled.
        if (firmDesignWeeks_ >= 3)
            firmDesignWeeks_ = 0;
        SetDesign(0);
        const auto add = [&](float price, float offer) {
            const auto k = std::int32_t(prices_.size()) + 1;
            prices_.push_back({k, price});
            advertising_.push_back({rivalAdvertising, k});
            offers_.push_back({0, offer});
        };
        own_ = -1;
        for (const MarketRow& row : view.lastWeek) {
            if (row.own) {
                own_ = std::int32_t(prices_.size());
                add(0, 0);
            } else {
                // A rival that sold is taken as never short this week either.
                add(row.price, row.sold >= 1 ? 1e6f : 0);
            }
        }
        if (own_ < 0) {
            own_ = std::int32_t(prices_.size());
            add(0, 0);
        }
        count_ = std::max(view.firms, std::int32_t(prices_.size()));
        // Before the first report: rivals like itself, at the price it thinks fair.
        while (std::int32_t(prices_.size()) < count_)
            add(0, 0);
    }

    // Before the first report the rivals' figures are guessed.
    void GuessRivals(float price, float offer, float advertising) {
        for (std::size_t j = 0; j < prices_.size(); ++j)
            if (std::int32_t(j) != own_ && offers_[j].Amount == 0) {
                prices_[j].Price = price;
                offers_[j].Amount = offer;
                advertising_[j].AdvExp = advertising;
            }
    }

    // A contract paid this move counts from this week; none keeps the running one.
    void SetDesign(float investment) {
        design_ = investment > 0 ? investment : firmDesign_;
        designWeeks_ = investment > 0 ? 1 : firmDesignWeeks_;
    }

    void SetOwn(float price, float advertising, float offer) {
        const auto j = std::size_t(own_);
        prices_[j].Price = price;
        advertising_[j].AdvExp = advertising;
        offers_[j].Amount = offer;
    }
    double Sales(std::int32_t j) const {
        return Demand(coefficient_, j == own_ ? design_ : 0, prices_.data(), advertising_.data(),
                      offers_.data(), j, count_, j == own_ ? designWeeks_ : 0);
    }
    // What the rivals earn over their cost at the figures set.
    double RivalsMargin(float rivalCost) const {
        double margin = 0;
        for (std::int32_t j = 0; j < count_; ++j)
            if (j != own_ && offers_[std::size_t(j)].Amount > 0)
                margin += (0.9 * double(prices_[std::size_t(j)].Price) - rivalCost) * Sales(j);
        return margin;
    }
    std::int32_t Own() const { return own_; }
    std::int32_t Count() const { return count_; }

private:
    float coefficient_ = 1;
    float design_ = 0, firmDesign_ = 0;
    std::int32_t designWeeks_ = 0, firmDesignWeeks_ = 0;
    std::vector<TPrice> prices_;
    std::vector<TAdvExp> advertising_;
    std::vector<TProd> offers_;
    std::int32_t own_ = 0;
    std::int32_t count_ = 0;
};

// The rivals' advertising that makes the market library give what the firm sold
// last week at its own figures; none when it sold out or did not sell, since then
// the sales say only that demand was at least the offer.
std::optional<float> readRivalAdvertising(const SeatView& view, std::int32_t lastOffer) {
    const TZorvick& firm = view.firm;
    const MarketRow* own = nullptr;
    for (const MarketRow& row : view.lastWeek)
        if (row.own)
            own = &row;
    if (!own || own->sold < 1 || own->sold >= float(lastOffer) - 0.5f)
        return std::nullopt;
    const auto n = std::int32_t(view.lastWeek.size());
    std::vector<TPrice> prices;
    std::vector<TAdvExp> advertising;
    std::vector<TProd> offers;
    std::int32_t ownIndex = 0;
    for (std::int32_t j = 0; j < n; ++j) {
        const MarketRow& row = view.lastWeek[std::size_t(j)];
        prices.push_back({j + 1, row.price});
        advertising.push_back({row.own ? firm.AdvExp : 0, j + 1});
        // Whether a rival sold out no report tells; taken as never short, its appeal
        // is what pressed on the firm's own sales.
        offers.push_back({0, row.own ? float(lastOffer) : (row.sold >= 1 ? 1e6f : 0.0f)});
        if (row.own)
            ownIndex = j;
    }
    const float k = view.economy.MarketCoefficient > 0 ? view.economy.MarketCoefficient : 1.1f;
    const auto sales = [&](float rival) {
        for (std::int32_t j = 0; j < n; ++j)
            if (j != ownIndex)
                advertising[std::size_t(j)].AdvExp = rival;
        return Demand(k, 0, prices.data(), advertising.data(), offers.data(), ownIndex, n, 0);
    };
    float low = 0, high = 1e6f;
    if (sales(low) <= own->sold)
        return low;
    if (sales(high) >= own->sold)
        return high;
    for (int i = 0; i < 40; ++i) {
        const float mid = 0.5f * (low + high);
        (sales(mid) > own->sold ? low : high) = mid;
    }
    return 0.5f * (low + high);
}

} // namespace

ComputerManager::ComputerManager(const TSeat& seat)
    : seat_(seat), plan_(MakeStrategy(PlanOf(seat.character), seat.Seed | 1)) {}

ComputerManager::~ComputerManager() = default;

QString ComputerManager::PlanOf(TSeat::Character character) {
    switch (character) {
    case TSeat::Character::PriceFighter:
        return QStringLiteral("undercutter");
    case TSeat::Character::Advertiser:
        return QStringLiteral("advertiser");
    case TSeat::Character::Researcher:
        return QStringLiteral("researcher");
    case TSeat::Character::Careful:
        break;
    }
    return QStringLiteral("proposed");
}

Decision ComputerManager::Play(const SeatView& view, SeatActions& act, TSeat& memory) {
    switch (seat_.strength) {
    case TSeat::Strength::Weak:
        return playWeak(view, act);
    case TSeat::Strength::Strong:
        return playStrong(view, act, memory);
    case TSeat::Strength::Normal:
        break;
    }
    return playNormal(view, act);
}

// The plan, with a beginner's slips: the price guessed rather than worked out,
// advertising forgotten in some weeks, part of the stock left in the store, and
// the workers kept on in a week without a run, to be ready for the next.
Decision ComputerManager::playWeak(const SeatView& view, SeatActions& act) {
    Decision d = plan_->Play(view, act);
    if (view.firm.Produced == 0 && draw(seat_.Seed, view.week, 4) < 0.5f)
        act.Hire(Workshop(view.firm).WorkerCapacity() - Staff(view.firm));
    if (draw(seat_.Seed, view.week, 1) < 0.5f)
        d.advertising = 0;
    d.offer = std::int32_t(float(d.offer) * (0.5f + 0.4f * draw(seat_.Seed, view.week, 2)));
    d.price = std::round(d.price * (0.9f + 0.5f * draw(seat_.Seed, view.week, 3)));
    return d;
}

// The plan, with a temper of its own drawn for the game: a price from 30 % below to
// 40 % above the plan's, and 40 to 100 % of the stock offered. Week by week such
// managers do as the plan does; over a game some fare better, some worse.
Decision ComputerManager::playNormal(const SeatView& view, SeatActions& act) {
    Decision d = plan_->Play(view, act);
    d.offer = std::int32_t(float(d.offer) * (0.4f + 0.6f * draw(seat_.Seed, 0, 2)));
    d.price = std::round(d.price * (0.7f + 0.7f * draw(seat_.Seed, 0, 3)));
    return d;
}

Decision ComputerManager::playStrong(const SeatView& view, SeatActions& act, TSeat& memory) {
    const TZorvick& firm = view.firm;
    const TScenario& economy = view.economy;
    const float salary = economy.WeeklySalary;
    const bool researcher = seat_.character == TSeat::Character::Researcher;

    std::vector<std::int32_t> capacity = capacityByWorkers(firm);
    std::int32_t full = capacity.back();
    const auto machines = std::int32_t(Workshop(firm).WorkPlaces.size());
    // A suit's wages when the machines it runs on are fully staffed, and its cloth.
    const float perSuit =
        (full > 0 ? float(Workshop(firm).WorkerCapacity()) * salary / float(full) : 22) +
        RawCostPerSuit;
    const float fairPrice = std::round(perSuit * 1.9f);

    if (const auto read = readRivalAdvertising(view, memory.LastOffer))
        memory.RivalAdvertising =
            memory.RivalAdvertising < 0 ? *read : 0.5f * (memory.RivalAdvertising + *read);
    const float rivalAdvertising =
        memory.RivalAdvertising >= 0 ? memory.RivalAdvertising : 0.03f * fairPrice * 200;
    MarketEstimate market(view, rivalAdvertising);
    // Before the first report the rivals are guessed to play as it would; after it, a
    // rival that sold nothing last week is no competitor to fight.
    if (view.lastWeek.empty())
        market.GuessRivals(fairPrice, 1e6f, rivalAdvertising);

    const std::int32_t stock = Storage(firm, 1).Amount;
    const std::int32_t room = Storage(firm, 1).Size() * UnitsPerM2 - stock;
    const std::int32_t rawRoom = Storage(firm, 0).Size() * UnitsPerM2 / RawUnitsPerSuit;
    const std::int32_t maxRun = std::max(0, std::min({full, room, rawRoom}));

    // The game is won by the rivals' ruin: a dollar a rival earns weighs against the
    // firm's own, as long as it can afford the fight.
    const float limit = act.CreditLimit();
    float worth = firm.Money - firm.Debt + float(stock) * perSuit;
    for (const TWorkPlace& w : Workshop(firm).WorkPlaces)
        worth += TAssetTrade::WorkPlaceSaleShare * w.Price;
    const float health = std::clamp(worth / WorthAtFullFight, 0.0f, 1.0f);
    // Early on the rivals live on the sale of their spare machines, and a fight costs
    // more than it takes from them; it sharpens as they run out.
    const float fight =
        FightEarly + (Fight - FightEarly) * std::clamp(float(view.week - 4) / 12, 0.0f, 1.0f);
    const float aggression =
        health * fight * (seat_.character == TSeat::Character::PriceFighter ? 1.2f : 1.0f);

    static const float adverts[] = {0, 300, 700, 1200, 2000, 3000, 4500, 6500};
    static const float designs[] = {0, 5000, 10000};
    const bool designOpen = act.DesignAllowed();
    struct Choice {
        float price = 0, advertising = 0, design = 0;
        double sales = 0;
        double score = -1e18;
    } best;
    const float supply = float(stock + maxRun);
    const float lowest = std::floor(perSuit);
    for (const float design : designs) {
        if (design > 0 && (!designOpen || design > firm.Money - firm.Debt + 0.3f * limit))
            continue;
        market.SetDesign(design);
        for (float price = lowest; price <= lowest + 150; price += 2) {
            for (const float advertising : adverts) {
                if (seat_.character == TSeat::Character::Advertiser && advertising < 3000)
                    continue;
                market.SetOwn(price, advertising, supply);
                const double sold = market.Sales(market.Own());
                // The contract is paid once and lifts two weeks' sales.
                double score = (0.9 * price - perSuit) * sold - advertising - design * 0.5;
                if (aggression > 0)
                    score -= aggression * market.RivalsMargin(perSuit);
                if (score > best.score)
                    best = {price, advertising, design, sold, score};
            }
        }
    }
    market.SetDesign(0);
    if (best.design > 0)
        act.PayDesign(best.design);

    // Research when the money allows it without the bank: the researcher keeps a couple
    // of months' bills in hand and pays in what is beyond, a little at a time; the
    // others only from money far beyond their needs.
    const float weekBill = float(machines) * 300 + 2000;
    if (firm.TechLevel < 3 && act.ResearchAllowed()) {
        const float spare = firm.Money - firm.Debt - (researcher ? 8 : 60) * weekBill;
        if (spare >= 10000)
            act.InvestResearch(std::floor(std::min(spare, researcher ? 40000.0f : 100000.0f)));
    }
    // At level III the researcher moves its runs onto the new machines: one makes what
    // two of level I make with fewer hands. Two a week, from money beyond its bills.
    if (researcher && firm.TechLevel == 3) {
        const float price = economy.WorkPlacePriceIII;
        for (int i = 0; i < 2 && firm.Money - firm.Debt - price > 8 * weekBill; ++i) {
            const std::int32_t levelOne = Machines(firm, 1);
            if (levelOne == 0 || !act.SellMachines(1, std::min(2, levelOne)) ||
                !act.BuyMachines(3, 1))
                break;
        }
    }

    // Runs of two weeks' sales: the overhead of a run is paid half as often. The
    // machines such runs need stay, and one spare; the rest are sold, two a week.
    const double expected = std::max(best.sales, 20.0);
    const auto kept =
        std::max<std::int32_t>(3, std::int32_t(std::ceil(RunWeeks * expected * 1.1 / 100.0)) + 1);
    if (view.week >= 2 && machines > kept)
        act.SellMachines(1, std::min(2, machines - kept));
    capacity = capacityByWorkers(firm);
    full = capacity.back();

    std::int32_t run = 0;
    if (double(stock) < expected * 1.1) {
        run = std::int32_t(std::ceil(RunWeeks * expected * 1.1)) - stock;
        run = std::clamp(run, 0, std::max(0, std::min({full, room, rawRoom})));
    }
    if (run > 0) {
        const std::int32_t need = workersFor(capacity, run);
        const std::int32_t have = Staff(firm);
        if (need > have)
            act.Hire(need - have);
        else if (need < have)
            act.Fire(have - need);
        act.ProduceWithMaterials(run);
    }
    // Idle hands cost a week's wages for nothing.
    if (firm.Produced == 0)
        act.Fire(Staff(firm));

    Decision d;
    d.offer = Storage(firm, 1).Amount;
    memory.LastOffer = d.offer;
    if (d.offer == 0)
        return d;
    d.price = best.price;
    float advertising = best.advertising;
    if (firm.Money < advertising)
        act.Borrow(advertising - firm.Money);
    advertising = std::clamp(advertising, 0.0f, std::max(0.0f, firm.Money));
    // Debt costs interest every week: what is beyond next week's bill goes back.
    const float spare = firm.Money - weekBill - 3000 - advertising;
    if (firm.Debt > 0 && spare > 0)
        act.Repay(std::min(spare, firm.Debt));
    d.advertising = std::floor(advertising);
    return d;
}
