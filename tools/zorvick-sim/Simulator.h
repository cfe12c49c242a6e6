#pragma once

#include "core/game/TMarketHistory.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QTemporaryDir;
class QTextStream;

struct SimOptions {
    QStringList players;  // one strategy name a seat; with mix, the strategies drawn from
    std::int32_t mix = 0; // when above 0, each game seats this many strategies drawn at random
    QString scenario;     // one file of the folder's scenarios; empty: as the game chooses
    QString folder;       // the game folder (scenarios/ inside)
    std::int32_t games = 1000;
    std::uint64_t seed = 1;
    std::int32_t weeks = 52; // a game not decided by then counts as not ended
    std::int32_t length = 0; // 26 or 52: the game's own length, then the ranking; 0: none
};

// How one game went.
struct GameResult {
    std::int32_t weeks = 0;               // weeks settled
    bool ended = false;                   // a winner, or every firm ruined, within the weeks
    std::int32_t winner = -1;             // seat (index into the players), -1 for none
    bool ranked = false;                  // won on net worth at the end of the length
    std::vector<std::int32_t> ruinedWeek; // a seat: the settlement that dropped it, 0 if never
    QStringList seats;                    // the strategy at each seat
    TMarketHistory market;                // a run of one game: every firm's weeks
};

// Plays whole games through the game controller, one strategy a seat. The seats
// take turns at moving first from game to game, so no strategy gains by its place.
class Simulator {
public:
    // Empty when the options are fine, else what is wrong.
    static QString Check(const SimOptions& options);

    explicit Simulator(SimOptions options);

    // Game number index (0-based) with its own random source; with csv, every
    // firm's money after every settlement: game,week,seat,strategy,money.
    GameResult PlayGame(std::int32_t index, QTextStream* csv = nullptr) const;

    // Every game; progress(k) after each.
    std::vector<GameResult> Run(QTextStream* csv = nullptr,
                                const std::function<void(std::int32_t)>& progress = {}) const;

    // The results as plain text, the same for the same options.
    QString Summary(const std::vector<GameResult>& results) const;

    // The seats' names: the strategy, numbered when it sits more than once.
    const QStringList& SeatNames() const { return seatNames_; }

private:
    QStringList seatsOf(std::int32_t index) const;
    QString mixSummary(const std::vector<GameResult>& results) const;

    SimOptions options_;
    QStringList seatNames_;
    QString gameFolder_;
    std::shared_ptr<QTemporaryDir> onlyScenario_;
};
