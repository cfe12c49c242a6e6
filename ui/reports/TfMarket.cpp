#include "ui/reports/TfMarket.h"

#include "core/game/TGameController.h"
#include "core/game/TMarketHistory.h"

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>

namespace {

constexpr std::int32_t MarkedWeeks = 20;

// One line a firm through its weeks of the value the row gives.
QChart* firmLines(const TMarketHistory& market, const QString& title, const QString& unit,
                  float TMarketRow::*field) {
    QChart* chart = TChartWindow::NewChart(title);
    qreal low = 0, high = 0;
    for (std::int32_t firm = 0; firm < std::int32_t(market.Firms().size()); ++firm) {
        QList<QPointF> points;
        for (const TMarketRow& row : market.FirmRows(firm)) {
            points.append(QPointF(row.Week, row.*field));
            low = std::min<qreal>(low, row.*field);
            high = std::max<qreal>(high, row.*field);
        }
        QLineSeries* line = TChartWindow::AddLine(
            chart, TChartWindow::LegendName(market.Firms()[std::size_t(firm)].Title), points, firm);
        // Over many weeks the marks would hide the lines.
        line->setPointsVisible(market.Weeks() <= MarkedWeeks);
    }
    TChartWindow::SetAxes(chart, TChartWindow::WeekAxis(1, std::max(1, market.Weeks())),
                          TChartWindow::ValueAxis(unit, low, high));
    return chart;
}

} // namespace

TfMarket::TfMarket(TGameController& controller, QWidget* parent)
    : TChartWindow(QStringLiteral("fMarket"), QStringLiteral("Рынок"), QStringLiteral("PCMarket"),
                   parent),
      controller_(controller) {
    chSales =
        AddPage(QStringLiteral("tsSales"), QStringLiteral("Продажи"), QStringLiteral("chSales"));
    chPrices =
        AddPage(QStringLiteral("tsPrices"), QStringLiteral("Цены"), QStringLiteral("chPrices"));
    chShares = AddPage(QStringLiteral("tsShares"), QStringLiteral("Доли рынка"),
                       QStringLiteral("chShares"));
    chMoney = AddPage(QStringLiteral("tsMarketMoney"), QStringLiteral("Капитал"),
                      QStringLiteral("chMarketMoney"));
}

void TfMarket::Refresh() {
    const TMarketHistory& market = controller_.MarketHistory();
    ShowChart(chSales, SalesChart(market));
    ShowChart(chPrices, PricesChart(market));
    ShowChart(chShares, SharesChart(market));
    ShowChart(chMoney, MoneyChart(market));
}

QChart* TfMarket::SalesChart(const TMarketHistory& market) {
    return firmLines(market, QStringLiteral("Продано костюмов за неделю"), QStringLiteral("ед."),
                     &TMarketRow::Sold);
}

QChart* TfMarket::PricesChart(const TMarketHistory& market) {
    return firmLines(market, QStringLiteral("Цена костюма"), QStringLiteral("$"),
                     &TMarketRow::Price);
}

QChart* TfMarket::MoneyChart(const TMarketHistory& market) {
    return firmLines(market, QStringLiteral("Деньги после недели"), QStringLiteral("$"),
                     &TMarketRow::Money);
}

QChart* TfMarket::SharesChart(const TMarketHistory& market) {
    QChart* chart = NewChart(QStringLiteral("Доля проданных костюмов"));
    const int weeks = std::max(1, market.Weeks());
    auto* bars = new QStackedBarSeries;
    for (std::int32_t firm = 0; firm < std::int32_t(market.Firms().size()); ++firm) {
        QList<qreal> shares;
        for (int week = 1; week <= weeks; ++week)
            shares.append(100.0 * market.Share(firm, week));
        bars->append(NewBarSet(LegendName(market.Firms()[std::size_t(firm)].Title), shares, firm));
    }
    bars->setBarWidth(0.8);
    chart->addSeries(bars);
    QValueAxis* percent = ValueAxis(QStringLiteral("%"), 0, 100);
    percent->setRange(0, 100);
    percent->setTickCount(6);
    SetAxes(chart, WeekCategories(1, weeks), percent);
    return chart;
}
