#pragma once

#include "core/finance/TResearch.h"
#include "ui/widgets/TToolWindow.h"

class Prompter;
class TGameController;

// "Исследование": payments into better machines on the first page and the design
// contract on the "НИОКР" page. The rules are TResearch's.
class TFRLTrade : public TToolWindow {
    Q_OBJECT
public:
    TFRLTrade(TGameController& controller, Prompter& prompter, QWidget* parent = nullptr);

    // The board's "Исследование": the investment line and the first page, then the
    // window modally.
    int Execute();
    const TResearch& Rules() const { return research_; }

    QTabWidget* PCProduction;
    QWidget *TSProduction, *tsRL;
    QLabel* lMaxAmountOfP;
    TAmountEdit *eAmountOfP, *eRL;
    TUpDown *WPUpDown, *udRl;
    QPushButton *bPProduce, *bRL, *bCancel;

protected:
    void Closing() override;

private:
    void eAmountOfPChange(const QString& text);
    void bPProduceClick();
    void bRLClick();
    void applyMoveStates();

    TGameController& controller_;
    TResearch research_;
};
