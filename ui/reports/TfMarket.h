#pragma once

#include "ui/widgets/TChartWindow.h"

class QChart;
class TGameController;
class TMarketHistory;

// "Рынок": every firm over every settled week of the game: suits sold, price,
// share of the suits sold and money. A firm that left the game ends its line there.
class TfMarket : public TChartWindow {
    Q_OBJECT
public:
    explicit TfMarket(TGameController& controller, QWidget* parent = nullptr);

    void Refresh() override;

    static QChart* SalesChart(const TMarketHistory& market);
    static QChart* PricesChart(const TMarketHistory& market);
    static QChart* SharesChart(const TMarketHistory& market);
    static QChart* MoneyChart(const TMarketHistory& market);

    QChartView *chSales, *chPrices, *chShares, *chMoney;

private:
    TGameController& controller_;
};
