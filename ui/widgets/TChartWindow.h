#pragma once

#include <QColor>
#include <QDialog>
#include <QList>
#include <QPointF>
#include <QStringList>

class QAbstractAxis;
class QBarSet;
class QChart;
class QChartView;
class QLineSeries;
class QPushButton;
class QTabWidget;
class QValueAxis;

// The shape of the game's chart windows: modal, the fixed-pitch font, a page
// control of charts and a close button; Esc closes too. The window builds its
// charts again from the game each time it opens (Execute). The static helpers
// give every chart of the game, in a window or in a picture file, one look.
class TChartWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int Width = 640;
    static constexpr int Height = 480;

    TChartWindow(const QString& objectName, const QString& caption, const QString& pageControlName,
                 QWidget* parent = nullptr);

    QTabWidget* PageControl() const { return pages_; }
    // Builds the charts from the game's current state and shows the window modally.
    int Execute();
    virtual void Refresh() = 0;

    // ---------------------------------------------------------------- the look
    // A series' colour: ten that tell ten firms apart.
    static QColor SeriesColour(int index);
    // An empty chart with the title, the fixed-pitch font, the board's colours and
    // the legend at the right.
    static QChart* NewChart(const QString& title);
    // A firm's name as the legend shows it: a long one keeps its start and its end,
    // where names that begin alike differ.
    static QString LegendName(const QString& name);
    // A line through the points, each point marked, so one week still shows.
    static QLineSeries* AddLine(QChart* chart, const QString& name, const QList<QPointF>& points,
                                int colour);
    static QBarSet* NewBarSet(const QString& name, const QList<qreal>& values, int colour);
    // Weeks numbered first to last, on a value axis (lines) ...
    static QValueAxis* WeekAxis(int first, int last);
    // ... or as categories (bars; lines drawn over bars use 0, 1, ... for x). With
    // many weeks only every few carries its number, so the numbers never overlap.
    static QAbstractAxis* WeekCategories(int first, int last);
    // A value axis over the values, 0 included, with round steps.
    static QValueAxis* ValueAxis(const QString& title, qreal low, qreal high);
    // Attaches every series of the chart to both axes.
    static void SetAxes(QChart* chart, QAbstractAxis* x, QAbstractAxis* y);

protected:
    // A page with a chart view filling it; the view's chart is replaced by ShowChart.
    QChartView* AddPage(const QString& name, const QString& caption, const QString& viewName);
    static void ShowChart(QChartView* view, QChart* chart);

    void showEvent(QShowEvent* event) override;

private:
    QTabWidget* pages_;
    QPushButton* bClose_;
};
