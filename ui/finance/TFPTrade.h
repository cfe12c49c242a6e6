#pragma once

#include "core/finance/TProductionPlanning.h"
#include "ui/widgets/TToolWindow.h"

class Prompter;
class TGameController;

// "Производство": the week's run of suits, once a move. The rules are
// TProductionPlanning's.
class TFPTrade : public TToolWindow {
    Q_OBJECT
public:
    TFPTrade(TGameController& controller, Prompter& prompter, QWidget* parent = nullptr,
             ProdCostRoutine costRoutine = nullptr);

    // The board's "Производство": the window modally.
    int Execute();
    const TProductionPlanning& Rules() const { return planning_; }

    QTabWidget* PCProduction;
    QWidget* TSProduction;
    QLabel *lMaxP, *lCurrCost;
    TAmountEdit* eAmountOfP;
    TUpDown* WPUpDown;
    QPushButton *bPProduce, *bCancel;

protected:
    void Closing() override;
    void showEvent(QShowEvent* event) override;

private:
    void eAmountOfPChange(const QString& text);
    void bPProduceClick();
    void applyMoveStates();

    TGameController& controller_;
    TProductionPlanning planning_;
};
