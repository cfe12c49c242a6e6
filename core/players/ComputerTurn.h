#pragma once

#include "core/game/TGameController.h"

#include <QString>
#include <QStringList>
#include <vector>

// A computer seat's move, the same at the board, under the script driver and in
// the simulator: the manager reads and deletes its letters, decides from what its
// player sees, acts through SeatActions answering the rules' questions with a
// prompter of its own (nothing is shown to people), and leaves its three figures
// as they would be typed into the board's edits.
class ComputerTurn {
public:
    explicit ComputerTurn(TGameController& controller) : controller_(controller) {}

    // The current seat is a computer's and the game goes on.
    static bool ComputerToMove(const TGameController& controller);
    // Some firm still in the game is led by a person.
    static bool PersonSeated(const TGameController& controller);

    // The manager's actions, one line each, in order.
    QStringList Play();
    // The firm's money before the move and after each line of Play.
    float MoneyBefore() const { return moneyBefore_; }
    const std::vector<float>& MoneyAfter() const { return moneyAfter_; }

    // The figures for eProd, ePrice and eAdvExp, after Play: the offer capped by the
    // stock and the advertising by the money, as the edits' rules cap them.
    QString Offer() const { return offer_; }
    QString Price() const { return price_; }
    QString Advertising() const { return advertising_; }

    // Ends the move with the figures, as the end-of-move button does.
    TGameController::MoveResult End();

private:
    TGameController& controller_;
    QString offer_ = QStringLiteral("0");
    QString price_ = QStringLiteral("0");
    QString advertising_ = QStringLiteral("0");
    float moneyBefore_ = 0;
    std::vector<float> moneyAfter_;
};
