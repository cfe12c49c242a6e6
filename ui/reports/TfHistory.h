#pragma once

#include "ui/widgets/TChartWindow.h"

class QChart;
class TExpences;
class TGameController;

// "История фирмы": the current player's last ten weeks as charts, page by page:
// money at the start of each week, revenue against the week's running payments,
// loans taken and repaid, research and design paid.
class TfHistory : public TChartWindow {
    Q_OBJECT
public:
    explicit TfHistory(TGameController& controller, QWidget* parent = nullptr);

    void Refresh() override;

    // The charts of a history whose last week is the game's week lastWeek.
    static QChart* MoneyChart(const TExpences& history, int lastWeek);
    static QChart* IncomeChart(const TExpences& history, int lastWeek);
    static QChart* LoansChart(const TExpences& history, int lastWeek);
    static QChart* ResearchChart(const TExpences& history, int lastWeek);

    QChartView *chMoney, *chIncome, *chLoans, *chResearch;

private:
    TGameController& controller_;
};
