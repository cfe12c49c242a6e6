#pragma once

#include "core/model/player.h"

#include <QString>
#include <cstdint>
#include <optional>

class Prompter;
class TGameController;

// The rules of the production window ("Производство"): the largest run the
// enterprise can make, the cost of a suit for a run, one paid run a move that turns
// raw materials into suits, and the price and offer proposed to the board when the
// window closes after a run.
class TProductionPlanning {
public:
    static QString MaxKey() { return QStringLiteral("cCurrentProductionAmount"); }
    static QString MaxPattern() { return QStringLiteral("Максимум продукции: %s ед."); }
    static QString CostKey() { return QStringLiteral("cCurrentCost"); }
    static QString CostPattern() { return QStringLiteral("Текущая себестоимось: %s чел."); }

    // The raw materials of a suit, added to the shown cost and the price proposed
    // but not to what a run is charged.
    static constexpr float RawMaterialCost = 40;
    static constexpr double PriceMarkup = 1.5;

    // Number errors, the money refusal and the storages' messages go to the
    // prompter. The cost routine is the market library's unless one is given.
    TProductionPlanning(TGameController& controller, Prompter& prompter,
                        ProdCostRoutine costRoutine = nullptr)
        : controller_(controller), prompter_(prompter), costRoutine_(costRoutine) {}

    // The window opens: no run yet. Returns the largest run.
    std::int32_t Showing();
    bool Ran() const { return ran_; }

    std::int32_t MaxProduction() const;
    // The cost of one suit for a run of n suits (beeps, as every cost asked).
    float UnitCost(std::int32_t n);

    // The lines; none when a template does not fit (its error has been shown).
    std::optional<QString> MaxLine();
    // The cost of a suit, raw materials included, for the run typed.
    std::optional<QString> CostLine(const QString& amountText);

    // A run typed at or above the largest is replaced by the largest.
    std::optional<QString> AmountReplacement(const QString& amountText) const;

    // "Произвести": charges the run first, then takes the raw materials and stores
    // the suits (those that do not fit are lost with the storage's message). One run
    // a move: production and workplace trading stay shut until the move ends. True
    // when the run was made; false for a run of 0, one not paid or a text that is
    // not a whole number (its error has been shown).
    bool Produce(const QString& amountText);

    // The close button: after a run, the price ((cost of a suit + 40) x 1.5) and the
    // suits in stock are proposed to the board; the advertising edit is emptied.
    void Closing();
    // The price proposed for a run of n suits.
    QString ProposedPrice(std::int32_t n);

private:
    TGameController& controller_;
    Prompter& prompter_;
    ProdCostRoutine costRoutine_;
    bool ran_ = false;
};
