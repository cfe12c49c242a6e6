#pragma once

#include "core/model/industry.h"
#include "core/model/letter.h"
#include "core/model/rnp.h"
#include "core/players/TSeat.h"

#include <QString>
#include <cstdint>

class Prompter;
class QJsonObject;
class Sound;

// The production cost routine of the market library, as ProductionCost calls it.
using ProdCostRoutine = double (*)(float salary, float costs, float amortization,
                                   std::int32_t rawUnits, std::int32_t workers, std::int32_t volume,
                                   std::int32_t staffedMachines);

// A player's firm: names, cash and debt, the week's decisions, research and
// design progress, bankruptcy counters, the mailbox and the ten-week history.
class TZorvick {
public:
    explicit TZorvick(std::int32_t industryCount);

    float Money = 30000;
    QString Title;
    QString PlayerName;
    std::int32_t Face = 0;
    TIndustries Industries;
    std::int32_t IndustryCount = 1;
    float Price = 0;
    float AdvExp = 0;
    float ResearchInvest = 0;
    std::int32_t TechLevel = 1;
    float Debt = 0;
    std::int32_t SellAmount = 0;
    float LastDebt = 0;
    float Sold = 0;
    std::int32_t RLWeeks = 0;
    float RLInvest = 0;
    TLetters Letters;
    bool Bankrupt = false;
    std::int32_t DebtWeeks = 0;
    // Turn starts in a row with no machine and no suit in stock, 0 to 3.
    std::int32_t IdleWeeks = 0;
    bool Removed = false;
    std::int32_t Produced = 0;
    TExpences Expences;
    std::int32_t HistoryCount = 0;
    float Constr = 0;
    float StartTurnMoney = 0;
    float TurnLoan = 0;
    // Money paid this turn that the history books by kind; cleared when a turn begins.
    float TurnProduction = 0;   // production runs
    float TurnResearch = 0;     // research payments, less money returned
    float TurnRawMaterials = 0; // raw materials bought
    // Cost of a suit of the last production run, raw materials not counted; 0 before one.
    float LastUnitCost = 0;
    // A person's seat, or a computer manager's with what it remembers.
    TSeat Seat;

    static constexpr std::int32_t HistoryLength = 10;

    // Appends a settled week to the history, dropping the oldest once ten are kept.
    void RecordWeek(const TWeekRecord& week);

    // The mailbox. The date is the calendar's DateText at the moment of posting.
    void PostLetter(const QString& from, const QString& subject, const QString& text,
                    const QString& date);
    void DeleteLetter(int index);
    bool HasUnread() const;

    // Production, always on the first enterprise, its first building and its
    // raw-material storage; one suit takes two units of raw material.
    std::int32_t MaxProduction() const;
    // Takes the raw materials for amount suits (capped by the machines' output)
    // when doIt is set, else only checks; returns the suits provided for.
    std::int32_t UseRawMaterials(std::int32_t amount, bool doIt, Prompter& prompter);
    // Cost of one suit for a run of volume suits; beeps on every call.
    float ProductionCost(std::int32_t volume, float weeklySalary, Sound& sound,
                         ProdCostRoutine routine = nullptr);

    QJsonObject toJson() const;
};
