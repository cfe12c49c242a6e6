// The chart windows: the values their charts hold after weeks played through the
// controller, their layout with ten firms, and the board's menu and keys.
#include "../common/StartBoard.h"
#include "../common/TwoFirms.h"
#include "core/game/TMarketHistory.h"
#include "ui/reports/TfHistory.h"
#include "ui/reports/TfMarket.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLineSeries>
#include <QMenu>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTest>
#include <QValueAxis>

namespace {

double demandOfFour(float, float, const TPrice*, const TAdvExp*, const TProd*, std::int32_t,
                    std::int32_t, std::int32_t) {
    return 4;
}

template <class Series> Series* seriesNamed(QChartView* view, const QString& name) {
    for (QAbstractSeries* s : view->chart()->series())
        if (auto* typed = qobject_cast<Series*>(s); typed && (name.isEmpty() || s->name() == name))
            return typed;
    return nullptr;
}

QList<qreal> ys(const QLineSeries* line) {
    QList<qreal> out;
    for (const QPointF& p : line->points())
        out.append(p.y());
    return out;
}

template <class T> QList<qreal> asReals(const std::vector<T>& v) {
    return QList<qreal>(v.begin(), v.end());
}

} // namespace

class ChartWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void historyChartsHoldTheLastTenWeeksOfTheFirm() {
        TwoFirms f;
        f.controller.SetDemandRoutine(&demandOfFour);
        f.goods().Load(100, f.prompter);
        for (int week = 1; week <= 12; ++week) {
            if (week == 12)
                f.company().TurnLoan = -5000; // a loan taken this week
            f.controller.EndMove("10", "300", "20");
            f.controller.EndMove("0", "0", "0");
        }
        TfHistory w(f.controller);
        w.Refresh();
        const TExpences& h = f.company().Expences;
        QCOMPARE(w.chMoney->chart()->title(), QStringLiteral("Alpha: деньги на начало недели"));
        auto* money = seriesNamed<QLineSeries>(w.chMoney, {});
        QVERIFY(money);
        QCOMPARE(ys(money), asReals(h.StartTurnMoney));
        const auto* weeks =
            qobject_cast<QBarCategoryAxis*>(w.chMoney->chart()->axes(Qt::Horizontal).first());
        QCOMPARE(weeks->count(), 10);
        QCOMPARE(weeks->at(0), QStringLiteral("3"));
        QCOMPARE(weeks->at(9), QStringLiteral("12"));

        QCOMPARE(ys(seriesNamed<QLineSeries>(w.chIncome, "Выручка")), QList<qreal>(10, 1200));
        auto* costs = seriesNamed<QStackedBarSeries>(w.chIncome, {});
        QCOMPARE(costs->count(), 5);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(costs->barSets()[4]->at(i), 20); // advertising
        const auto* axis =
            qobject_cast<QValueAxis*>(w.chIncome->chart()->axes(Qt::Vertical).first());
        QVERIFY(axis->max() >= 1200);

        const QList<QBarSet*> loans = seriesNamed<QAbstractBarSeries>(w.chLoans, {})->barSets();
        QCOMPARE(loans[0]->label(), QStringLiteral("Взято"));
        QCOMPARE(loans[0]->at(9), 5000);
        QCOMPARE(loans[0]->at(8) + loans[1]->at(9), 0);
        QCOMPARE(seriesNamed<QAbstractBarSeries>(w.chResearch, {})->barSets()[0]->label(),
                 QStringLiteral("Технологии"));
        // Nothing paid: the marks are still whole dollars apart, none read twice.
        const auto* research =
            qobject_cast<QValueAxis*>(w.chResearch->chart()->axes(Qt::Vertical).first());
        QVERIFY((research->max() - research->min()) / (research->tickCount() - 1) >= 1);
    }

    void marketChartsOfTenFirmsWithOneWeekAndNoSales() {
        TwoFirms f;
        TGameController& c = f.controller;
        // Ten firms from the start; the two of the fixture are set up again.
        c.BeginSetup(10);
        for (int i = 0; i < 10; ++i)
            c.AddPlayer(QStringLiteral("Фирма с очень длинным названием %1").arg(i), "M", 0);
        c.FinishSetup();
        for (int i = 0; i < 10; ++i)
            c.EndMove("0", QString::number(100 + i), "0");
        TfMarket w(c);
        w.Refresh();
        w.show();
        for (QChartView* view : {w.chSales, w.chPrices, w.chShares, w.chMoney}) {
            w.PageControl()->setCurrentWidget(view->parentWidget());
            QChart* chart = view->chart();
            QTRY_VERIFY(chart->plotArea().width() > chart->size().width() / 2);
            // The legend beside the plot, all ten firms in it, inside the chart.
            const QRectF legend = chart->legend()->geometry();
            QVERIFY(legend.left() >= chart->plotArea().right());
            QVERIFY(legend.right() <= chart->size().width());
            QCOMPARE(chart->legend()->markers().size(), 10);
        }
        // Names that begin alike keep their ends in the legend.
        auto* prices = seriesNamed<QLineSeries>(w.chPrices, "Фирма с о…азванием 3");
        QCOMPARE(prices->points(), QList<QPointF>{QPointF(1, 103)});
        // One week: its own mark only, no week 0 or 2 around it.
        const auto* week = qobject_cast<QValueAxis*>(w.chPrices->chart()->axes(Qt::Horizontal)[0]);
        QVERIFY(week->min() > 0 && week->max() < 2);
        for (QBarSet* set : seriesNamed<QStackedBarSeries>(w.chShares, {})->barSets())
            QCOMPARE(set->at(0), 0);

        // A ruined firm's lines end at its last week.
        c.Game().Players[2]->Removed = true;
        for (int i = 0; i < 10; ++i)
            c.EndMove("0", "0", "0");
        w.Refresh();
        QCOMPARE(seriesNamed<QLineSeries>(w.chSales, "Фирма с о…азванием 2")->count(), 1);
        QCOMPARE(seriesNamed<QLineSeries>(w.chSales, "Фирма с о…азванием 9")->count(), 2);
    }

    void boardOpensTheChartsFromTheSecondWeek() {
        ScriptedPrompter prompter(ScriptedPrompter::OnUnexpected::AnswerNo);
        SilentSound sound;
        NullHelp help;
        RandomSource random(1);
        Services services{prompter,          sound, help, random, GameFolder(ZORVICK_GAME_DIR),
                          QDate(2026, 12, 8)};
        TManage m(services);
        QCOMPARE(startTwoPlayerBoard(m), int(TManage::StartOk));
        m.show();
        QStringList captions;
        for (QAction* a : m.pmStatisticsPopup->actions())
            captions << a->text();
        QCOMPARE(captions, (QStringList{"Личная", "Общая", "История фирмы", "Рынок"}));

        QStringList opened;
        QTimer closer;
        connect(&closer, &QTimer::timeout, &m, [&] {
            if (QWidget* w = QApplication::activeModalWidget(); w && w->isVisible()) {
                opened << w->objectName();
                if (w == m.fHistory || w == m.fMarket)
                    QTest::keyClick(w, Qt::Key_Escape);
                else
                    w->close();
            }
        });
        closer.start(5);
        QTest::keyClick(&m, Qt::Key_H, Qt::ControlModifier);
        QVERIFY(opened.isEmpty());
        m.Controller().EndMove("0", "0", "0");
        m.Controller().EndMove("0", "0", "0");
        QTest::keyClick(&m, Qt::Key_H, Qt::ControlModifier);
        m.miMarket->trigger();
        QCOMPARE(opened, (QStringList{"fReport", "fHistory", "fMarket"}));
        QVERIFY(!m.fHistory->isVisible() && !m.fMarket->isVisible());
    }
};

QTEST_MAIN(ChartWindowsTest)
#include "ChartWindowsTest.moc"
