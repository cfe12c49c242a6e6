#pragma once

#include "core/assets/TAssetTrade.h"
#include "core/assets/TRawMaterialsTrade.h"
#include "core/assets/TStaffTrade.h"
#include "core/finance/TBank.h"
#include "core/finance/TProductionPlanning.h"
#include "core/finance/TResearch.h"

#include <QStringList>
#include <cstdint>
#include <vector>

class Prompter;
class TGameController;

// What a player may do during a move, each action as its window does it: through
// the game's own rule classes and the controller, with the window's per-move locks.
// A strategy never touches the game in any other way.
class SeatActions {
public:
    SeatActions(TGameController& controller, Prompter& prompter);

    // Each action done is told in one line ("Нанято 40 рабочих."), for the board to
    // show, with the firm's money after it; null: nothing is written.
    void SetLog(QStringList* lines, std::vector<float>* money = nullptr) {
        log_ = lines;
        moneyLog_ = money;
    }

    // Workers of the workshop (free to hire; wages are paid weekly).
    void Hire(std::int32_t n);
    void Fire(std::int32_t n);
    // Raw material units at 20 $; true when bought.
    bool BuyRawMaterials(std::int32_t units);
    // Machines of a level at the scenario's price, sold at 65 % of it; closed after
    // a production run, as the window's page is.
    bool BuyMachines(std::int32_t level, std::int32_t n);
    bool SellMachines(std::int32_t level, std::int32_t n);
    // Storage space, m2: 0 raw materials, 1 goods.
    bool BuyStorage(std::int32_t index, std::int32_t m2);
    // Selling up: storage space (m2, 0 raw materials, 1 goods), workshop area, free land.
    bool SellStorage(std::int32_t index, std::int32_t m2);
    bool SellWorkshopArea(std::int32_t m2);
    bool SellLand(std::int32_t m2);

    // The bank, when its button is enabled.
    bool BankOpen() const;
    float CreditLimit();
    bool Borrow(float amount);
    bool Repay(float amount);

    // One production run a move; the run is cut to the largest, as the window does.
    std::int32_t MaxProduction() const;
    float UnitCost(std::int32_t n);
    bool Produce(std::int32_t n);
    // A run with its raw materials bought and what the money lacks borrowed, as a
    // player does it through the three windows; without enough even with the bank,
    // as many suits as the money pays for.
    void ProduceWithMaterials(std::int32_t run);

    // Research (at most one payment a move, 100000 $ at most) and the design contract.
    bool ResearchAllowed() const;
    bool InvestResearch(float amount);
    bool DesignAllowed() const;
    bool PayDesign(float amount);

private:
    void tell(const QString& line);

    TGameController& controller_;
    QStringList* log_ = nullptr;
    std::vector<float>* moneyLog_ = nullptr;
    TStaffTrade staff_;
    TRawMaterialsTrade raw_;
    TAssetTrade assets_;
    TBank bank_;
    TProductionPlanning production_;
    TResearch research_;
};
