#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class TGame;
class TScenario;
class TZorvick;

// A firm's place when a game of a set length ends.
struct TRankedFirm {
    const TZorvick* Firm = nullptr;
    float NetWorth = 0;
};

// The final ranking of a game of a set length: the firms still in the game by net
// worth, ties to the one with more money.
namespace GameRanking {

// What a suit in stock is worth: the firm's last production cost with raw
// materials (40 $ before any run).
float SuitValue(const TZorvick& firm);
// Money, less debt, plus what the enterprise would bring sold at the asset window's
// prices (free land, storage and workshop area, machines at their sale price), raw
// materials at 20 $ a unit and suits at SuitValue.
float NetWorth(const TZorvick& firm, const TScenario& economy);
// Best first; a ruined firm is left out.
std::vector<TRankedFirm> Rank(const TGame& game);
// The text of the "Итоги игры" window.
QStringList Lines(const std::vector<TRankedFirm>& ranking);

} // namespace GameRanking
