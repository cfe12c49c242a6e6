// The bank, production and research windows: they open with the amount ready for
// typing, the close button, the close box and Esc all run the closing steps, the
// arrows step the sums; a bank closed by the scenario stays shut.
#include "core/platform/NullHelp.h"
#include "core/platform/RandomSource.h"
#include "core/platform/ScriptedPrompter.h"
#include "core/platform/SilentSound.h"
#include "tests/common/StartBoard.h"
#include "ui/board/SetupDialogs.h"
#include "ui/board/TManage.h"
#include "ui/finance/TFLoans.h"
#include "ui/finance/TFPTrade.h"
#include "ui/finance/TFRLTrade.h"
#include "ui/widgets/TAmountEdit.h"
#include "ui/widgets/TUpDown.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

class FinanceWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void everyWayOfClosingRunsTheClosingSteps() {
        QTemporaryDir dir;
        ScriptedPrompter prompter(ScriptedPrompter::OnUnexpected::AnswerNo);
        SilentSound sound;
        NullHelp help;
        RandomSource random(5);
        Services services{prompter, sound, help, random, GameFolder(dir.path()), QDate()};
        TGameController controller(services);
        controller.BeginSetup(2);
        controller.AddPlayer("Alpha", "Ann", 0);
        controller.AddPlayer("Beta", "Bob", 1);
        controller.FinishSetup();
        TIndustry& industry = *controller.Industry();
        industry.Buildings[0].HireMode = 1;
        industry.Buildings[0].DistributeWorkers(40);
        industry.Storages[0].Amount = 2000;
        controller.Company()->Money = 100000; // a full run costs more than the start's money
        TFLoans bank(controller, prompter);
        TFPTrade production(controller, prompter);
        TFRLTrade research(controller, prompter);
        QSignalSpy cleared(&controller, &TGameController::advExpCleared);
        QSignalSpy proposed(&controller, &TGameController::saleProposed);
        const std::tuple<QDialog*, QPushButton*, TAmountEdit*, std::function<int()>> windows[] = {
            {&bank, bank.bCancel, bank.eAmountOfP, [&] { return bank.Execute(); }},
            {&production, production.bCancel, production.eAmountOfP,
             [&] { return production.Execute(); }},
            {&research, research.bCancel, research.eAmountOfP, [&] { return research.Execute(); }},
        };
        for (const auto& [window, closeButton, edit, execute] : windows) {
            QVERIFY(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
            const std::function<void()> ways[] = {
                [w = window] { w->close(); },
                [w = window] { QTest::keyClick(w, Qt::Key_Escape); },
                [b = closeButton] { b->click(); },
            };
            for (int i = 0; i < 3; ++i) {
                // Typed at once: the amount has the focus, its text selected.
                QTimer::singleShot(0, window, [w = window, e = edit] {
                    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(e));
                    QTest::keyClicks(w->focusWidget(), "12");
                    QCOMPARE(e->text(), QStringLiteral("12"));
                });
                QTimer::singleShot(0, window, ways[i]);
                QCOMPARE(execute(), int(QDialog::Rejected));
                QVERIFY(!window->isVisible());
                QCOMPARE(edit->text(), QStringLiteral("0"));
            }
        }
        QCOMPARE(cleared.count(), 9);

        // The bank's and research's arrows step the sum by a round amount.
        for (TUpDown* upDown : {bank.WPUpDown, research.WPUpDown, research.udRl}) {
            auto* sum = qobject_cast<QLineEdit*>(upDown->parentWidget()->findChild<TAmountEdit*>());
            upDown->UpButton->click();
            upDown->UpButton->click();
            upDown->DownButton->click();
            QCOMPARE(sum->text(), QStringLiteral("1000"));
            sum->setText(QStringLiteral("0"));
        }

        // A run closed by the close box proposes its price as the close button does.
        QTimer::singleShot(0, &production, [&] {
            production.bPProduce->click();
            production.close();
        });
        production.Execute();
        QCOMPARE(controller.Company()->Produced, 1000); // the largest run, shown on opening
        QCOMPARE(proposed.count(), 1);
        QCOMPARE(cleared.count(), 10);
        QVERIFY(prompter.boxes().isEmpty());
    }

    // The real start-up, then the bank's shortcut.
    void aClosedBankKeepsItsWindowShut() {
        ScriptedPrompter prompter(ScriptedPrompter::OnUnexpected::AnswerNo);
        SilentSound sound;
        NullHelp help;
        RandomSource random(7);
        Services services{
            prompter,          sound, help, random, GameFolder(QStringLiteral(ZORVICK_GAME_DIR)),
            QDate(2026, 3, 17)};
        TManage manage(services);
        QCOMPARE(startTwoPlayerBoard(manage), int(TManage::StartOk));
        manage.show();
        QVERIFY(QTest::qWaitForWindowExposed(&manage));

        bool opened = false;
        auto seeBank = [&] {
            QTimer::singleShot(0, manage.fLoans, [&] {
                opened = manage.fLoans->isVisible();
                manage.fLoans->close();
            });
            QTest::keyClick(manage.eProd, Qt::Key_B, Qt::ControlModifier);
            QCoreApplication::processEvents(); // the check runs even when nothing opened
        };
        seeBank();
        QVERIFY(opened);
        // The next player's turn begins with the bank closed: button and shortcut are shut.
        manage.Game().Scenario.BankOpen = false;
        manage.bEndTurnClick();
        QVERIFY(!manage.bbBankTrade->isEnabled());
        seeBank();
        QVERIFY(!opened);
        QVERIFY(prompter.boxes().isEmpty());
    }
};

QTEST_MAIN(FinanceWindowsTest)
#include "FinanceWindowsTest.moc"
