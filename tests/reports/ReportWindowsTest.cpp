// The accountant's fax window and the gauge library's window, headless.
#include "external/StatisticsLibrary.h"
#include "ui/reports/TfManReport.h"
#include "ui/reports/TfReport.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Runs the check in the next modal loop; the loop is ended after it even when a check
// failed, so a broken window cannot hang the test.
void inModal(const std::function<void(QWidget*)>& check) {
    QTimer::singleShot(0, qApp, [check] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        check(modal);
        if (modal->isVisible())
            modal->close();
    });
}

QString text(QWidget* window, const char* label) {
    return window->findChild<QLabel*>(label)->text();
}

// Whether column x of the gauge's bar is column x of the named picture of the library.
bool barShows(QWidget* gauge, int x, const char* picture) {
    const QImage bar =
        gauge->findChild<QLabel*>("iBar")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage source = QImage(QStringLiteral(":/zorvick-statistics/%1.bmp").arg(picture))
                              .convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        if (bar.pixel(x, y) != source.pixel(x, y))
            return false;
    return !source.isNull();
}

} // namespace

class ReportWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void faxWindowsCloseOnEnterOrAClickAnywhereAndGrowToTheirWidestLine() {
        TfManReport fax;
        TfReport report;
        const std::pair<FaxWindow*, int> windows[] = {{&fax, 361}, {&report, 545}};
        for (const auto& [w, width] : windows) {
            w->SetLines(QStringList(31, QStringLiteral("строка")));
            QCOMPARE(w->size(), QSize(width, 16 * 31));
            QCOMPARE(w->memo()->geometry(), w->rect());
            const std::function<void()> closers[] = {
                [w = w] { QTest::keyClick(w->memo(), Qt::Key_Return); },
                [w = w] { QTest::mouseClick(w->memo()->viewport(), Qt::LeftButton); },
                [w = w] { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(1, 1)); },
            };
            for (const auto& close : closers) {
                inModal([&](QWidget*) { close(); });
                QCOMPARE(w->exec(), int(QDialog::Accepted));
            }
            inModal([w = w](QWidget*) {
                QTest::mouseClick(w->memo()->viewport(), Qt::RightButton);
                QVERIFY(w->isVisible());
            });
            QCOMPARE(w->exec(), int(QDialog::Rejected));

            // A long firm name widens its line: the window shows it whole.
            const QString wide = QStringLiteral("| ") + QString(90, QLatin1Char('W')) + " |";
            w->SetLines({QStringLiteral("строка"), wide});
            QVERIFY(w->width() > w->memo()->fontMetrics().horizontalAdvance(wide));
            QCOMPARE(w->memo()->geometry(), w->rect());
        }
    }

    void gaugeShowsTheFiguresAndPaintsTheBarToThePercentage() {
        inModal([](QWidget* gauge) {
            QCOMPARE(gauge->objectName(), QStringLiteral("fStatisticsGauge"));
            QCOMPARE(gauge->windowTitle(), QStringLiteral("Персонал"));
            QCOMPARE(text(gauge, "lMaxLabel") + text(gauge, "lMaxValue"),
                     QStringLiteral("Максимум40"));
            QCOMPARE(text(gauge, "lCurLabel") + text(gauge, "lCurValue"),
                     QStringLiteral("Сейчас30"));
            QCOMPARE(text(gauge, "lPercent"), QStringLiteral("75%"));
            // 75 steps of two pixels in colour, the rest grey.
            QVERIFY(barShows(gauge, 0, "CWORKER"));
            QVERIFY(barShows(gauge, 149, "CWORKER"));
            QVERIFY(barShows(gauge, 150, "BWWORKER"));
            QVERIFY(barShows(gauge, 199, "BWWORKER"));
            QTest::keyClick(gauge, Qt::Key_Escape);
            QVERIFY(!gauge->isVisible());
        });
        ShowStatistics(75, 40, 30, "Максимум", "Сейчас", "CWORKER", "BWWORKER", "Персонал", 1, 1,
                       0);

        // Money, without the percentage; beyond 100 % the whole bar is colour.
        inModal([](QWidget* gauge) {
            QCOMPARE(text(gauge, "lMaxValue") + text(gauge, "lCurValue"),
                     QStringLiteral("300000$450000$"));
            QVERIFY(!gauge->findChild<QLabel*>("lPercent")->isVisible());
            QVERIFY(barShows(gauge, 199, "CRESEARCH"));
            gauge->findChild<QPushButton*>("bClose")->click();
            QVERIFY(!gauge->isVisible());
        });
        ShowStatistics(150, 300000, 450000, "", "", "cresearch", "bwresearch", "Исследование", 0, 0,
                       1);
    }
};

QTEST_MAIN(ReportWindowsTest)
#include "ReportWindowsTest.moc"
