#include "ui/reports/TfHistory.h"

#include "core/game/TGameController.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>

namespace {

using Series = TExpences::Series;

int weeksOf(const TExpences& history) {
    return int(history.StartTurnMoney.size());
}

// The weeks of the history as the game numbers them; a history longer than the
// game's count (a game without one) starts at week 1.
int firstWeek(const TExpences& history, int lastWeek) {
    return std::max(1, lastWeek - weeksOf(history) + 1);
}

QList<qreal> values(const Series& series) {
    return QList<qreal>(series.begin(), series.end());
}

// x at 0, 1, ... so the line lies over the bars' categories.
QList<QPointF> overBars(const Series& series) {
    QList<QPointF> points;
    for (std::size_t i = 0; i < series.size(); ++i)
        points.append(QPointF(qreal(i), series[i]));
    return points;
}

void extend(qreal& low, qreal& high, qreal value) {
    low = std::min(low, value);
    high = std::max(high, value);
}

QAbstractAxis* categories(const TExpences& history, int lastWeek) {
    const int first = firstWeek(history, lastWeek);
    return TChartWindow::WeekCategories(first, first + std::max(1, weeksOf(history)) - 1);
}

} // namespace

TfHistory::TfHistory(TGameController& controller, QWidget* parent)
    : TChartWindow(QStringLiteral("fHistory"), QStringLiteral("История фирмы"),
                   QStringLiteral("PCHistory"), parent),
      controller_(controller) {
    chMoney =
        AddPage(QStringLiteral("tsMoney"), QStringLiteral("Деньги"), QStringLiteral("chMoney"));
    chIncome = AddPage(QStringLiteral("tsIncome"), QStringLiteral("Доходы и расходы"),
                       QStringLiteral("chIncome"));
    chLoans =
        AddPage(QStringLiteral("tsLoans"), QStringLiteral("Кредит"), QStringLiteral("chLoans"));
    chResearch = AddPage(QStringLiteral("tsResearch"), QStringLiteral("Исследования"),
                         QStringLiteral("chResearch"));
}

void TfHistory::Refresh() {
    const TZorvick* company = controller_.Company();
    if (!company)
        return;
    const TExpences& history = company->Expences;
    const int lastWeek = controller_.MarketHistory().Weeks();
    const std::pair<QChartView*, QChart*> charts[] = {
        {chMoney, MoneyChart(history, lastWeek)},
        {chIncome, IncomeChart(history, lastWeek)},
        {chLoans, LoansChart(history, lastWeek)},
        {chResearch, ResearchChart(history, lastWeek)}};
    // Players share the screen: each chart says whose firm it shows.
    for (const auto& [view, chart] : charts) {
        chart->setTitle(company->Title + QStringLiteral(": ") + chart->title());
        ShowChart(view, chart);
    }
}

QChart* TfHistory::MoneyChart(const TExpences& history, int lastWeek) {
    QChart* chart = NewChart(QStringLiteral("деньги на начало недели"));
    qreal low = 0, high = 0;
    for (const float money : history.StartTurnMoney)
        extend(low, high, money);
    AddLine(chart, QStringLiteral("Деньги"), overBars(history.StartTurnMoney), 0);
    chart->legend()->hide();
    SetAxes(chart, categories(history, lastWeek), ValueAxis(QStringLiteral("$"), low, high));
    return chart;
}

QChart* TfHistory::IncomeChart(const TExpences& history, int lastWeek) {
    QChart* chart = NewChart(QStringLiteral("выручка и затраты недели"));
    // The week's running payments as they left the cash; production holds the runs
    // with their wages and running costs (or those alone in a week without a run).
    const struct {
        const Series& series;
        const char* name;
    } costs[] = {{history.Usage, "Производство"},
                 {history.RMCost, "Сырье"},
                 {history.Interest, "Проценты"},
                 {history.Taxes, "Налоги"},
                 {history.AdvExp, "Реклама"}};
    auto* bars = new QStackedBarSeries;
    std::vector<qreal> totals(history.Revenue.size(), 0);
    int colour = 1;
    for (const auto& cost : costs) {
        bars->append(NewBarSet(QString::fromUtf8(cost.name), values(cost.series), colour++));
        for (std::size_t i = 0; i < cost.series.size() && i < totals.size(); ++i)
            totals[i] += cost.series[i];
    }
    bars->setBarWidth(0.6);
    chart->addSeries(bars);
    AddLine(chart, QStringLiteral("Выручка"), overBars(history.Revenue), 0);
    qreal low = 0, high = 0;
    for (std::size_t i = 0; i < totals.size(); ++i) {
        extend(low, high, totals[i]);
        extend(low, high, history.Revenue[i]);
    }
    SetAxes(chart, categories(history, lastWeek), ValueAxis(QStringLiteral("$"), low, high));
    return chart;
}

QChart* TfHistory::LoansChart(const TExpences& history, int lastWeek) {
    QChart* chart = NewChart(QStringLiteral("кредит взят и погашен"));
    // TurnLoan is the week's repayment less the loans taken.
    QList<qreal> taken, repaid;
    qreal high = 0;
    for (const float net : history.TurnLoan) {
        taken.append(net < 0 ? -qreal(net) : 0);
        repaid.append(net > 0 ? qreal(net) : 0);
        high = std::max(high, std::abs(qreal(net)));
    }
    auto* bars = new QBarSeries;
    bars->append(NewBarSet(QStringLiteral("Взято"), taken, 1));
    bars->append(NewBarSet(QStringLiteral("Погашено"), repaid, 2));
    chart->addSeries(bars);
    SetAxes(chart, categories(history, lastWeek), ValueAxis(QStringLiteral("$"), 0, high));
    return chart;
}

QChart* TfHistory::ResearchChart(const TExpences& history, int lastWeek) {
    QChart* chart = NewChart(QStringLiteral("исследования и дизайн"));
    // Both paid in the week: research as paid in, design when a contract starts.
    auto* bars = new QBarSeries;
    bars->append(NewBarSet(QStringLiteral("Технологии"), values(history.Dev), 0));
    bars->append(NewBarSet(QStringLiteral("Дизайн"), values(history.RL), 4));
    chart->addSeries(bars);
    qreal low = 0, high = 0;
    for (const Series* series : {&history.Dev, &history.RL})
        for (const float value : *series)
            extend(low, high, value);
    SetAxes(chart, categories(history, lastWeek), ValueAxis(QStringLiteral("$"), low, high));
    return chart;
}
