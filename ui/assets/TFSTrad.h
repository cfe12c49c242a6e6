#pragma once

#include "core/assets/TStaffTrade.h"
#include "ui/widgets/TToolWindow.h"

class Prompter;
class TGameController;

// "Рабочие": the workers of the shown enterprise's workshop hired and fired. The
// rules are TStaffTrade's.
class TFSTrad : public TToolWindow {
    Q_OBJECT
public:
    TFSTrad(TGameController& controller, Prompter& prompter, QWidget* parent = nullptr);

    // The board's "Найм": the two lines, then the window modally.
    int Execute();

    QTabWidget* PCStaff;
    QWidget* TSWorkers;
    QLabel *lCurrAOW, *lMaxAOW;
    TAmountEdit* EAmountOfW;
    TUpDown* WPUpDown;
    QPushButton *wbBuy, *wbSell, *bCancel;

protected:
    void Closing() override;

private:
    void writeLines();
    void wbBuyClick();
    void wbSellClick();

    TGameController& controller_;
    TStaffTrade staff_;
};
