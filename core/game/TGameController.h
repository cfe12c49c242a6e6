#pragma once

#include "core/board/TLabelTexts.h"
#include "core/board/WeeklyInputs.h"
#include "core/game/GameRanking.h"
#include "core/game/TGame.h"
#include "core/game/TMarketHistory.h"
#include "core/platform/Services.h"
#include "core/reports/StatisticsGauge.h"
#include "core/reports/TMarketReport.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

// The one object through which a game changes: the moves, the settlement of a
// week, money and the purchase pattern. It owns the game state and tells the
// windows what changed through its signals; no window changes the game itself.
class TGameController : public QObject {
    Q_OBJECT
public:
    // The market library's demand routine, as the settlement calls it.
    using DemandRoutine = double (*)(float marketCoefficient, float designInvestment,
                                     const TPrice* prices, const TAdvExp* advertising,
                                     const TProd* offered, std::int32_t playerIndex,
                                     std::int32_t playerCount, std::int32_t designWeeks);
    // The gauge library's routine, as the statistics buttons call it (texts in UTF-8).
    using StatisticsRoutine = void (*)(std::int32_t percentage, std::int32_t maximum,
                                       std::int32_t current, const char* maximumLabel,
                                       const char* currentLabel, const char* colourPicture,
                                       const char* greyPicture, const char* caption,
                                       std::int32_t showPercentage, std::int32_t showScale,
                                       std::int32_t money);

    explicit TGameController(const Services& services, QObject* parent = nullptr);

    TGame& Game() { return game_; }
    const TGame& Game() const { return game_; }
    Services& services() { return services_; }
    // The people's prompter, or during a computer's move the manager's own.
    Prompter& prompter() { return seatPrompter_ ? *seatPrompter_ : services_.prompter; }
    void SetSeatPrompter(Prompter* prompter) { seatPrompter_ = prompter; }

    const TLabelTexts& LabelTexts() const { return labelTexts_; }
    void SetLabelTexts(TLabelTexts texts) { labelTexts_ = std::move(texts); }
    QString LabelText(const QString& key, const QString& builtIn) const;
    std::optional<QString> LabelText(const QString& key, const QString& builtIn, double value);

    TZorvick* Company() const { return game_.Company(); }
    TIndustry* Industry() const { return game_.Industry(); }

    // ----------------------------------------------------------------- setup
    // The calendar starts in the month of today; the first move is move 1.
    void StartCalendar();
    void BeginSetup(std::int32_t playerCount) { game_.BeginSetup(playerCount); }
    // 26 or 52 weeks, after which the firms left are ranked by net worth; 0 (the
    // default): until one firm is left.
    void SetGameLength(std::int32_t weeks) { game_.GameLength = weeks; }
    // A computer seat without a seed gets one from the game's random source.
    void AddPlayer(const QString& title, const QString& playerName, std::int32_t face,
                   const TSeat& seat = {});
    // After the last player: the first player's turn begins.
    void FinishSetup();

    // ------------------------------------------------------------------ moves
    enum class MoveResult {
        Refused, // a weekly figure is not a number; nothing took effect
        Ended,   // the move ended (and the week was settled when it was the last)
        GameOver // the game has ended; the program is to close
    };
    // Ends the current player's move with the three texts of the weekly edits.
    MoveResult EndMove(const QString& prodText, const QString& priceText,
                       const QString& advExpText);
    // Settles the week for every firm; the market report is kept in MarketReport().
    // False when no firm is left after dropping the ruined ones (the game ends).
    bool SettleWeek();
    // The turn of the next player in the list.
    void StartNextTurn();

    // The change rules of the weekly edits: the offer is capped by the suits in the
    // goods storage of the shown enterprise, advertising by the money.
    WeeklyInputs::Outcome ProdChanged(const QString& text);
    WeeklyInputs::Outcome AdvExpChanged(const QString& text);

    // ------------------------------------------------------------------ money
    // Pays out of the current player's money if it suffices; 0 means not paid
    // (the refusal has been shown).
    float SpendMoney(float amount);
    void ReceiveMoney(float amount);
    // The purchase pattern of every asset dialog: buy() runs the model's buy operation
    // on the current player's enterprise (asking the model's own questions) and returns
    // the quantity k it accepted; k × unitPrice is charged and k × constrRate booked in
    // Constr. When it is not paid, the enterprise is put back exactly as it was, without
    // a question. Returns k when paid, else 0.
    std::int32_t Purchase(const std::function<std::int32_t()>& buy, float unitPrice,
                          float constrRate);
    // A sale: sell() runs the model's sell operation and returns k; k × unitPrice is
    // received and k × constrRate taken off Constr. Returns k.
    std::int32_t Sale(const std::function<std::int32_t()>& sell, float unitPrice, float constrRate);

    // --------------------------------------------- what the windows read and act on
    bool ControlsLocked() const { return controlsLocked_; }
    bool BankTradeEnabled() const { return bankTradeEnabled_; }
    bool StatisticsEnabled() const { return statisticsEnabled_; }
    bool MailFlashing() const { return mailFlashing_; }
    bool Ended() const { return ended_; }
    // "Следующий Игрок", or "Конец Хода" for the last move of the week.
    QString EndTurnCaption() const { return endTurnCaption_; }
    QString MarketReport() const { return report_.Text(); }
    // The firms left when a game of a set length ended, best first.
    const std::vector<TRankedFirm>& FinalRanking() const { return ranking_; }
    const QStringList& MarketReportLines() const { return report_.Lines(); }
    // Every firm's sales, price and money in every settled week of the game.
    const TMarketHistory& MarketHistory() const { return marketHistory_; }
    TMarketHistory& MarketHistory() { return marketHistory_; }

    // Per-move states of the later windows, kept here so each takes them when it opens.
    bool ResearchInvestAllowed() const { return researchInvestAllowed_; } // research bPProduce
    bool DesignAllowed() const { return designAllowed_; }                 // research tsRL
    bool ProductionAllowed() const { return productionAllowed_; } // FPTrade bPProduce, TSTWorkPlace
    // The machine levels the asset trade window offers (rbFL, rbSL, rbTL).
    bool LevelAllowed(std::int32_t level) const;

    // Written by the research, design and production windows.
    void SetResearchInvestAllowed(bool allowed);
    void SetDesignAllowed(bool allowed);
    void SetProductionAllowed(bool allowed);
    // The research window's technology level rules, after TechLevel changed.
    void ApplyTechnologyLevel();
    // A dialog closed: the advertising figure is typed again.
    void ClearAdvExp() { emit advExpCleared(); }
    // A window changed the enterprise without moving money (workers hired, the
    // workshop upgraded) or finished a production run or research payment: what is
    // shown is refreshed, and the action is complete.
    void ModelChanged() {
        emit changed();
        ActionDone();
    }
    // The production window proposes the week's price and offer.
    void ProposeSale(const QString& price, const QString& prod) { emit saleProposed(price, prod); }
    // The mailbox read or deleted letters: the flashing stops once none is unread.
    void UpdateMailFlashing();
    // The mailbox opened: the button stops flashing, even with letters left unread.
    void StopMailFlashing() { setMailFlashing(false); }
    // The current player's mailbox: a letter opened (read) or deleted; an index
    // outside the list changes nothing.
    void ReadLetter(std::int32_t index);
    void DeleteLetter(std::int32_t index);
    // The shown enterprise changed (level, or the enterprise switch).
    void SelectEnterprise(std::int32_t index);

    // ---------------------------------------------------------------- saving
    // The end of every completed action (a purchase, a sale, a hire, a loan, a run, a
    // letter read, a move ended...): actionDone() is emitted and the game is saved.
    // While held (a computer's whole move is one action) the signal waits for the
    // last release.
    void ActionDone();
    void HoldActions();
    void ReleaseActions();

    // The per-move states the windows read, as a saved game keeps them.
    struct MoveStates {
        bool controlsLocked = false;
        bool bankTradeEnabled = true;
        bool statisticsEnabled = false;
        bool mailFlashing = false;
        bool researchInvestAllowed = true;
        bool designAllowed = true;
        bool productionAllowed = true;
        bool levelAllowed[3] = {true, false, false};
    };
    MoveStates States() const;
    // A saved game was put in place: its states and last market report come back and
    // every window is told.
    void Resume(const MoveStates& states, const QStringList& marketReport);

    // Tests and the simulator put another market in place of the library's.
    void SetDemandRoutine(DemandRoutine routine) { demand_ = routine; }
    // The windows plug in the gauge library; without it the buttons show nothing.
    void SetStatisticsRoutine(StatisticsRoutine routine) { statistics_ = routine; }

    // A statistics button of the staff, raw-material, production or research panel:
    // the gauge of the current player's figure, shown modally by the gauge library.
    void ShowGauge(TGaugeKind kind);
    // The accountant's fax of the current player's last settled week; empty without
    // a player.
    QStringList AccountantFax() const;

    QJsonObject toJson() const;

signals:
    // Anything of the game state may have changed: refresh what is shown.
    void changed();
    void controlsLockedChanged(bool locked);
    // Research payment, design page, production and workplace trading, machine levels.
    void moveStatesChanged();
    // The three weekly edits go back to "0".
    void weeklyInputsReset();
    void advExpCleared();
    void saleProposed(const QString& price, const QString& prod);
    void capitalChanged();
    // The enterprise shown or its level changed: its picture is shown again.
    void enterpriseChanged();
    void mailFlashingChanged(bool flashing);
    // A player's turn has begun (the first at setup, then after every move).
    void turnBegan();
    // Shown modally; the settlement goes on when the slot returns.
    void marketReportReady();
    // A game of a set length is over: FinalRanking is shown modally before the winner.
    void rankingReady();
    // The last message has been shown; the program ends with this status.
    void gameEnded(int status);
    // An action has been completed: the game may be saved.
    void actionDone();

private:
    struct Inputs {
        std::int32_t prod;
        float price;
        float advExp;
    };
    std::optional<Inputs> readInputs(const QString& prodText, const QString& priceText,
                                     const QString& advExpText);
    void settlePlayer(TZorvick& player, std::int32_t k);
    void dropRuinedPlayers();
    void beginTurn(std::int32_t index);
    void checkBankruptcy(TZorvick& player);
    void setControlsLocked(bool locked);
    void setMailFlashing(bool flashing);
    void endGame(const QString& text);
    // The calendar's date, kept: every letter and the report carry it.
    const QString& dateText();

    Services services_;
    Prompter* seatPrompter_ = nullptr;
    TGame game_;
    TLabelTexts labelTexts_;
    TMarketReport report_;
    TMarketHistory marketHistory_;
    std::vector<TRankedFirm> ranking_;
    DemandRoutine demand_;
    StatisticsRoutine statistics_ = nullptr;
    TCalendar dateOf_{};
    QString date_;

    bool controlsLocked_ = false;
    bool bankTradeEnabled_ = true;
    bool statisticsEnabled_ = false;
    bool mailFlashing_ = false;
    bool ended_ = false;
    QString endTurnCaption_;
    bool researchInvestAllowed_ = true;
    bool designAllowed_ = true;
    bool productionAllowed_ = true;
    bool levelAllowed_[3] = {true, false, false};
    int actionHolds_ = 0;
    bool actionHeld_ = false;
};
