#include "core/players/ComputerTurn.h"

#include "core/platform/Prompter.h"
#include "core/players/ComputerManager.h"
#include "core/players/SeatActions.h"

namespace {

// The manager's own answers: it takes the smaller quantity a rule offers (it asked
// for what it wanted, so less is still of use) and declines every warning question;
// refusals only end the action.
class ManagerPrompter : public Prompter {
public:
    bool show(Kind kind, const QString&, const QString&) override { return kind == Kind::Question; }
};

// The seat's prompter stands in for the people's while the manager acts.
class SeatPrompterScope {
public:
    SeatPrompterScope(TGameController& controller, Prompter& prompter) : controller_(controller) {
        controller_.SetSeatPrompter(&prompter);
    }
    ~SeatPrompterScope() { controller_.SetSeatPrompter(nullptr); }
    SeatPrompterScope(const SeatPrompterScope&) = delete;
    SeatPrompterScope& operator=(const SeatPrompterScope&) = delete;

private:
    TGameController& controller_;
};

} // namespace

bool ComputerTurn::ComputerToMove(const TGameController& controller) {
    const TZorvick* firm = controller.Company();
    return firm && firm->Seat.Computer && !controller.Ended();
}

bool ComputerTurn::PersonSeated(const TGameController& controller) {
    for (const auto& firm : controller.Game().Players)
        if (!firm->Seat.Computer)
            return true;
    return false;
}

QStringList ComputerTurn::Play() {
    QStringList lines;
    TZorvick* firm = controller_.Company();
    if (!firm || !firm->Seat.Computer)
        return lines;
    // Its letters are read and put away first: nothing of them waits for a person.
    for (auto i = std::int32_t(firm->Letters.size()) - 1; i >= 0; --i) {
        controller_.ReadLetter(i);
        controller_.DeleteLetter(i);
    }
    controller_.UpdateMailFlashing();
    offer_ = price_ = advertising_ = QStringLiteral("0");
    // A ruined firm plays its last turn with its controls locked.
    if (controller_.ControlsLocked())
        return lines;

    ManagerPrompter prompter;
    const SeatPrompterScope scope(controller_, prompter);
    SeatActions act(controller_, prompter);
    moneyBefore_ = firm->Money;
    moneyAfter_.clear();
    act.SetLog(&lines, &moneyAfter_);

    // The last market report, as every player has read it: the last settled week's
    // rows, written in the order of the players, which holds until the next settlement.
    std::vector<MarketRow> rows;
    const TMarketHistory& history = controller_.MarketHistory();
    for (const TMarketRow& row : history.Rows())
        if (row.Week == history.Weeks())
            rows.push_back({row.Sold, row.Price,
                            std::int32_t(rows.size()) == controller_.Game().CurrentPlayer});
    const SeatView view{*firm, controller_.Game().Scenario, history.Weeks(),
                        std::int32_t(controller_.Game().Players.size()), rows};
    const Decision decision = ComputerManager(firm->Seat).Play(view, act, firm->Seat);

    // Typed as a person types: whole numbers, the edits' caps applied.
    const QString offer = QString::number(std::max(0, decision.offer));
    const QString advertising =
        QString::number(std::max(0.0, std::floor(double(decision.advertising))), 'f', 0);
    offer_ = controller_.ProdChanged(offer).replacement.value_or(offer);
    advertising_ = controller_.AdvExpChanged(advertising).replacement.value_or(advertising);
    price_ = QString::number(std::max(0.0, std::round(double(decision.price))), 'f', 0);
    return lines;
}

TGameController::MoveResult ComputerTurn::End() {
    return controller_.EndMove(offer_, price_, advertising_);
}
