#include "ui/widgets/TChartWindow.h"

#include "ui/board/BoardUi.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

constexpr int PagesHeight = TChartWindow::Height - 40;
// Week numbers need about this many pixels each not to touch.
constexpr int LabelsAcross = 16;

QFont chartFont(int size, bool bold = false) {
    return BoardUi::monoFont(size, bold);
}

void styleAxis(QAbstractAxis* axis) {
    axis->setLabelsFont(chartFont(11));
    axis->setTitleFont(chartFont(11));
    axis->setLabelsColor(Qt::black);
    axis->setGridLineColor(QColor(0xd8, 0xd8, 0xd8));
    axis->setLinePenColor(QColor(0x80, 0x80, 0x80));
}

// Every step-th week shows its number, the first and the last always.
int labelStep(int weeks) {
    const int step = (weeks + LabelsAcross - 1) / LabelsAcross;
    for (const int nice : {1, 2, 5, 10, 20, 50})
        if (nice >= step)
            return nice;
    return step;
}

} // namespace

TChartWindow::TChartWindow(const QString& objectName, const QString& caption,
                           const QString& pageControlName, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setFixedSize(Width, Height);
    setFont(BoardUi::monoFont(12));
    pages_ = new QTabWidget(this);
    pages_->setObjectName(pageControlName);
    pages_->setGeometry(0, 0, Width, PagesHeight);
    bClose_ = new QPushButton(QStringLiteral("Закрыть"), this);
    bClose_->setObjectName(QStringLiteral("bClose"));
    bClose_->setGeometry(Width - 83, PagesHeight + 8, 75, 25);
    connect(bClose_, &QPushButton::clicked, this, &QDialog::reject);
}

int TChartWindow::Execute() {
    Refresh();
    return exec();
}

QChartView* TChartWindow::AddPage(const QString& name, const QString& caption,
                                  const QString& viewName) {
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* view = new QChartView(page);
    view->setObjectName(viewName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFrameStyle(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    pages_->addTab(page, caption);
    return view;
}

void TChartWindow::ShowChart(QChartView* view, QChart* chart) {
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

void TChartWindow::showEvent(QShowEvent* event) {
    BoardUi::centreOnScreen(this);
    QDialog::showEvent(event);
}

QColor TChartWindow::SeriesColour(int index) {
    static const QColor colours[] = {QColor(0x1f, 0x4e, 0x9c), QColor(0xc0, 0x28, 0x28),
                                     QColor(0x2e, 0x8b, 0x3a), QColor(0xe0, 0x8a, 0x10),
                                     QColor(0x7b, 0x3f, 0xa0), QColor(0x8b, 0x5a, 0x2b),
                                     QColor(0x1a, 0x9c, 0x9c), QColor(0xd0, 0x4c, 0xa0),
                                     QColor(0x80, 0x80, 0x20), QColor(0x50, 0x50, 0x50)};
    const int n = int(std::size(colours));
    return colours[((index % n) + n) % n];
}

QChart* TChartWindow::NewChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setTitleFont(chartFont(13, true));
    chart->setTitleBrush(Qt::black);
    // The board's face colour around a white plot, as the faxes are white.
    chart->setBackgroundBrush(QApplication::palette().color(QPalette::Window));
    chart->setBackgroundRoundness(0);
    chart->setPlotAreaBackgroundBrush(Qt::white);
    chart->setPlotAreaBackgroundVisible(true);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setAnimationOptions(QChart::NoAnimation);
    QLegend* legend = chart->legend();
    legend->setAlignment(Qt::AlignRight);
    legend->setFont(chartFont(11));
    legend->setLabelColor(Qt::black);
    legend->setMarkerShape(QLegend::MarkerShapeRectangle);
    // Ten long firm names still leave the plot most of the width; a longer name is
    // shortened with dots and shown whole as the marker's tooltip.
    legend->setMaximumWidth(Width * 3 / 10);
    legend->setShowToolTips(true);
    return chart;
}

QString TChartWindow::LegendName(const QString& name) {
    constexpr qsizetype Longest = 20;
    if (name.size() <= Longest)
        return name;
    const qsizetype head = (Longest - 1) / 2;
    return name.left(head) + QChar(0x2026) + name.right(Longest - 1 - head);
}

QLineSeries* TChartWindow::AddLine(QChart* chart, const QString& name, const QList<QPointF>& points,
                                   int colour) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->append(points);
    QPen pen(SeriesColour(colour));
    pen.setWidth(2);
    series->setPen(pen);
    // Each point marked, so one week alone still shows.
    series->setPointsVisible(true);
    series->setMarkerSize(6);
    chart->addSeries(series);
    return series;
}

QBarSet* TChartWindow::NewBarSet(const QString& name, const QList<qreal>& values, int colour) {
    auto* set = new QBarSet(name);
    set->append(values);
    set->setColor(SeriesColour(colour));
    set->setBorderColor(SeriesColour(colour).darker(130));
    return set;
}

QValueAxis* TChartWindow::WeekAxis(int first, int last) {
    auto* axis = new QValueAxis;
    styleAxis(axis);
    axis->setTitleText(QStringLiteral("неделя"));
    axis->setLabelFormat(QStringLiteral("%d"));
    // One week alone sits in the middle with its own mark only; the end weeks' marks
    // stay whole.
    const qreal pad = first == last ? 0.5 : 0.25;
    axis->setRange(first - pad, last + pad);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(labelStep(last - first + 1));
    axis->setMinorTickCount(0);
    return axis;
}

QAbstractAxis* TChartWindow::WeekCategories(int first, int last) {
    auto* axis = new QBarCategoryAxis;
    styleAxis(axis);
    axis->setTitleText(QStringLiteral("неделя"));
    const int step = labelStep(last - first + 1);
    QStringList labels;
    for (int week = first; week <= last; ++week) {
        if (week == first || week == last || week % step == 0)
            labels.append(QString::number(week));
        else
            labels.append(QString(week - first, QChar(0x200b))); // unique and unseen
    }
    axis->append(labels);
    return axis;
}

QValueAxis* TChartWindow::ValueAxis(const QString& title, qreal low, qreal high) {
    auto* axis = new QValueAxis;
    styleAxis(axis);
    axis->setTitleText(title);
    low = std::min<qreal>(low, 0);
    high = std::max<qreal>(high, 0);
    // Whole numbers label the marks: a span of a few units would repeat them.
    if (high - low < 10)
        high = low + 10;
    // A little room, so a line at the extreme does not run along the frame.
    const qreal room = (high - low) / 20;
    axis->setRange(low < 0 ? low - room : low, high > 0 ? high + room : high);
    axis->setTickCount(6);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setMinorTickCount(0);
    return axis;
}

void TChartWindow::SetAxes(QChart* chart, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
}
