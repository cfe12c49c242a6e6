#pragma once

#include "core/assets/TRawMaterialsTrade.h"
#include "ui/widgets/TToolWindow.h"

class Prompter;
class TGameController;

// "Сырье": raw materials bought into the raw storage of the shown enterprise. The
// rules are TRawMaterialsTrade's.
class TFRMTrad : public TToolWindow {
    Q_OBJECT
public:
    TFRMTrad(TGameController& controller, Prompter& prompter, QWidget* parent = nullptr);

    // The board's "Закупка": the two lines, then the window modally.
    int Execute();

    QTabWidget* PCResourses;
    QWidget* TSRMGeneral;
    QLabel *lCurrAORM, *lMaxAORM, *lWPCost;
    TAmountEdit* EAmountOfWP;
    TUpDown* WPUpDown;
    QPushButton *wpBuy, *bOK;

protected:
    void Closing() override;

private:
    void writeLines();
    void writeTotal();
    void wpBuyClick();

    TGameController& controller_;
    TRawMaterialsTrade raw_;
};
