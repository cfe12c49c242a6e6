#pragma once

#include "core/finance/TBank.h"
#include "ui/widgets/TToolWindow.h"

class Prompter;
class TGameController;

// "Банк": the current player borrows up to the credit limit and repays. The rules
// are TBank's.
class TFLoans : public TToolWindow {
    Q_OBJECT
public:
    TFLoans(TGameController& controller, Prompter& prompter, QWidget* parent = nullptr);

    // The board's "БАНК": the limit and the three lines, then the window modally.
    int Execute();
    const TBank& Rules() const { return bank_; }

    QTabWidget* PCLoan;
    QWidget* TSLoan;
    QLabel *lCurrentDebt, *lMaxLoan, *lBankInterest;
    TAmountEdit* eAmountOfP;
    TUpDown* WPUpDown;
    QPushButton *bTake, *bGive, *bCancel;

protected:
    void Closing() override;

private:
    void writeDebt();
    void bTakeClick();
    void bGiveClick();

    TGameController& controller_;
    TBank bank_;
};
