#pragma once

#include "core/game/TCalendar.h"
#include "core/game/TScenario.h"
#include "core/model/player.h"
#include "core/model/rnp.h"

#include <cstdint>
#include <memory>
#include <vector>

class Prompter;
class QJsonObject;

// The state of the one game of a run: the players in the order of moves, the
// market records handed to the demand routine, the move counter, the calendar
// and which player and enterprise the board shows. The board owns one.
class TGame {
public:
    // Scenarios are chosen among the folder's "scenarios/*.scn" with the run's random source.
    TGame(const GameFolder& folder, RandomSource& random);

    std::vector<std::unique_ptr<TZorvick>> Players;
    std::int32_t PlayerCount = 0;
    std::int32_t MoveNumber = 1;
    // One slot per player entered at setup; the length never changes, so the
    // market library can read them as contiguous arrays.
    std::vector<TPrice> TPrices;
    std::vector<TAdvExp> TAdvExps;
    std::vector<TProd> TProds;
    TCalendar Calendar;
    TScenario Scenario; // the economy parameters of the current week

    std::int32_t CurrentPlayer = 0;
    std::int32_t EnterpriseIndex = 0;

    // Weeks the game lasts, chosen at setup: 26 or 52, or 0 until one firm is left.
    std::int32_t GameLength = 0;
    std::int32_t WeeksSettled = 0;

    // The player whose turn it is and the enterprise shown; null before setup.
    TZorvick* Company() const;
    TIndustry* Industry() const;

    // Setup: slots for n players (market records all 0), then the players one by one.
    void BeginSetup(std::int32_t playerCount);
    TZorvick& AddPlayer(const QString& title, const QString& playerName, std::int32_t face);
    // After the last player: PlayerCount, the first player current, enterprise 0.
    void FinishSetup();

    // Pays out of the current player's money if it suffices; 0 means not paid.
    float SpendMoney(float amount, Prompter& prompter);
    void ReceiveMoney(float amount);
    // "Капитал: 30000$"
    QString CapitalText() const;
    static QString CapitalText(float money);

    QJsonObject toJson() const;
};
