#include "Plot.h"

#include "ui/reports/TfMarket.h"
#include "ui/widgets/TChartWindow.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QPixmap>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <QWidget>
#include <algorithm>

namespace {

constexpr int ChartWidth = 640;
constexpr int ChartHeight = 420;

// How many games ended in each span of weeks; the games still running at the last
// week stand apart.
QChart* lengthsChart(const SimOptions& options, const std::vector<GameResult>& results) {
    QChart* chart = TChartWindow::NewChart(QStringLiteral("Длина игры, недель"));
    const int span = std::max(1, (options.weeks + 19) / 20);
    const int bins = (options.weeks + span - 1) / span;
    QList<qreal> ended(bins + 1, 0), running(bins + 1, 0);
    for (const GameResult& r : results) {
        if (r.ended)
            ended[std::min(bins - 1, std::max(0, (r.weeks - 1) / span))] += 1;
        else
            running[bins] += 1;
    }
    QStringList labels;
    for (int b = 0; b < bins; ++b)
        labels << (span == 1 ? QString::number(b + 1)
                             : QStringLiteral("%1-%2")
                                   .arg(b * span + 1)
                                   .arg(std::min((b + 1) * span, options.weeks)));
    labels << QStringLiteral(">%1").arg(options.weeks);
    auto* bars = new QStackedBarSeries;
    bars->append(TChartWindow::NewBarSet(QStringLiteral("закончилась"), ended, 0));
    bars->append(TChartWindow::NewBarSet(QStringLiteral("не закончилась"), running, 9));
    bars->setBarWidth(0.9);
    chart->addSeries(bars);
    auto* x = new QBarCategoryAxis;
    x->append(labels);
    x->setLabelsAngle(labels.size() > 8 ? -90 : 0);
    x->setLabelsFont(chart->legend()->font());
    const qreal most = *std::max_element(ended.begin(), ended.end());
    TChartWindow::SetAxes(
        chart, x, TChartWindow::ValueAxis(QStringLiteral("игр"), 0, std::max(most, running[bins])));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setMaximumWidth(ChartWidth);
    return chart;
}

// Wins of each seat, or of each strategy among the games it sat in.
QChart* winsChart(const SimOptions& options, const std::vector<GameResult>& results,
                  const QStringList& seatNames) {
    QChart* chart =
        TChartWindow::NewChart(options.mix > 0 ? QStringLiteral("Победы стратегий, % их игр")
                                               : QStringLiteral("Победы мест, % игр"));
    QStringList names = options.mix > 0 ? options.players : seatNames;
    names.removeDuplicates();
    QList<qreal> wins(names.size(), 0), played(names.size(), 0);
    for (const GameResult& r : results)
        for (qsizetype seat = 0; seat < r.seats.size(); ++seat) {
            const qsizetype k =
                options.mix > 0 ? names.indexOf(r.seats[seat]) : std::min(seat, names.size() - 1);
            if (k < 0)
                continue;
            played[k] += 1;
            if (r.winner == seat)
                wins[k] += 1;
        }
    QList<qreal> shares;
    qreal most = 0;
    for (qsizetype k = 0; k < names.size(); ++k) {
        shares << (played[k] > 0 ? 100 * wins[k] / played[k] : 0);
        most = std::max(most, shares.back());
    }
    auto* bars = new QBarSeries;
    QBarSet* set = TChartWindow::NewBarSet(QStringLiteral("победы"), shares, 2);
    set->setLabelColor(Qt::black);
    set->setLabelFont(chart->legend()->font());
    bars->append(set);
    bars->setLabelsVisible(true);
    bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    bars->setLabelsFormat(QStringLiteral("@value"));
    bars->setLabelsPrecision(3);
    chart->addSeries(bars);
    auto* x = new QBarCategoryAxis;
    x->append(names);
    // Upright, so long strategy names are never cut.
    x->setLabelsAngle(-90);
    x->setLabelsFont(chart->legend()->font());
    TChartWindow::SetAxes(chart, x, TChartWindow::ValueAxis(QStringLiteral("%"), 0, most));
    chart->legend()->hide();
    return chart;
}

QChartView* viewOf(QChart* chart, QWidget* parent) {
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFrameStyle(QFrame::NoFrame);
    view->setFixedSize(ChartWidth, ChartHeight);
    return view;
}

} // namespace

QString WritePlot(const QString& file, const SimOptions& options,
                  const std::vector<GameResult>& results, const QStringList& seatNames) {
    if (results.empty())
        return QStringLiteral("no game to plot");
    QWidget sheet;
    auto* row = new QHBoxLayout(&sheet);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    if (results.size() == 1) {
        row->addWidget(viewOf(TfMarket::MoneyChart(results.front().market), &sheet));
    } else {
        row->addWidget(viewOf(lengthsChart(options, results), &sheet));
        row->addWidget(viewOf(winsChart(options, results, seatNames), &sheet));
    }
    // Drawn without being shown: the layout and the charts get their sizes as it renders.
    sheet.adjustSize();
    const QPixmap picture = sheet.grab();
    if (!picture.save(file, "PNG"))
        return QStringLiteral("cannot write %1").arg(file);
    return {};
}
