#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class SeatActions;
class TScenario;
class TZorvick;

// One row of the last market report: what every firm sold and asked.
struct MarketRow {
    float sold = 0;
    float price = 0;
    bool own = false;
};

// What a player sees at the board: its own firm and windows, the week's economy
// (wage, interest, machine prices, the bank) and the last market report.
struct SeatView {
    const TZorvick& firm;
    const TScenario& economy;
    std::int32_t week = 0;  // weeks settled so far
    std::int32_t firms = 0; // firms in the game
    const std::vector<MarketRow>& lastWeek;

    // The lowest price a rival sold at last week; 0 when none sold.
    float LowestRivalPrice() const;
};

// The three figures typed into the board at the end of the move.
struct Decision {
    std::int32_t offer = 0;
    float price = 0;
    float advertising = 0;
};

// A computer manager: decides a move from what its player sees and acts only
// through SeatActions; what it returns is typed into the board.
class Strategy {
public:
    virtual ~Strategy() = default;
    virtual Decision Play(const SeatView& view, SeatActions& act) = 0;
};

// A manager's temper for a game, drawn from its seed: a markup within 5 % of the
// proposed price, and its advertising share times a half to one and a half.
void DrawTemper(std::uint64_t seed, float& markup, float& advertisingShare);

// passive, proposed, undercutter, advertiser, researcher, borrower, spoiler, then the
// competent ones (CompetentStrategies.h).
QStringList StrategyNames();
// None for a name not in the list. The seed varies the manager's temper from game
// to game (how much it marks up and advertises), so games differ.
std::unique_ptr<Strategy> MakeStrategy(const QString& name, std::uint64_t seed = 0);
