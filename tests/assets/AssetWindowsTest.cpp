// The asset windows as a player uses them: opening, the amount edits and their
// up-downs, the buttons, the states the controller gives, closing; and the board
// opening them.
#include "core/platform/NullHelp.h"
#include "core/platform/RandomSource.h"
#include "core/platform/ScriptedPrompter.h"
#include "core/platform/SilentSound.h"
#include "tests/common/StartBoard.h"
#include "tests/common/TwoFirms.h"
#include "ui/assets/TFRMTrad.h"
#include "ui/assets/TFSTrad.h"
#include "ui/assets/TFTrade.h"
#include "ui/assets/TFUpgrade.h"
#include "ui/board/SetupDialogs.h"
#include "ui/board/TManage.h"
#include "ui/widgets/TAmountEdit.h"
#include "ui/widgets/TUpDown.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {

const QString gameDir = QStringLiteral(ZORVICK_GAME_DIR);

struct Fixture : TwoFirms {
    Fixture() : TwoFirms(ScriptedPrompter::OnUnexpected::AnswerNo, 5, QDate(2026, 3, 17)) {}
};

// Runs the check inside the window's modal loop; the close button closes it after,
// even when a check failed.
template <class Window>
void whileOpen(Window& window, QAbstractButton* close, const std::function<void()>& check) {
    QTimer::singleShot(0, &window, check);
    QTimer::singleShot(0, &window, [close] {
        if (close->window()->isVisible())
            close->click();
    });
    window.Execute();
}

void typeInto(QLineEdit* edit, const QString& keys) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, keys);
}

QImage imageOf(const QLabel* label) {
    return label->pixmap().toImage();
}

} // namespace

class AssetWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void tradeWindowOpensLandPageFirstWithStorageZero() {
        Fixture f;
        TFTrade w(f.controller, f.prompter);
        QSignalSpy cleared(&f.controller, &TGameController::advExpCleared);
        // Left as a player might leave it: the second storage, the workshop page,
        // level II chosen, amounts typed.
        whileOpen(w, w.bCancel, [&] {
            w.BNextStorage->click();
            QCOMPARE(w.lSCount->text(), QStringLiteral("2/2"));
            w.PCTrade->setCurrentWidget(w.TSTBuilding);
            w.EAmountOfWP->setText("7");
            w.EAmountOfSP->setText("3");
        });
        QCOMPARE(cleared.count(), 1);
        QCOMPARE(w.EAmountOfSP->text(), QStringLiteral("0"));
        QCOMPARE(w.EAmountOfWP->text(), QStringLiteral("0"));

        whileOpen(w, w.bCancel, [&] {
            QCOMPARE(w.PCTrade->currentWidget(), w.TSTLand);
            QCOMPARE(w.lSCount->text(), QStringLiteral("1/2"));
            QCOMPARE(w.lCurrAOSP->text(), QStringLiteral("Текущая площадь: 40 м2"));
            QCOMPARE(w.lBMaxSize->text(), QStringLiteral("Максимальная площадь: 5000 м2"));
            QVERIFY(w.rbFL->isChecked());
            QCOMPARE(w.Rules().ChosenLevel, 1);
            QCOMPARE(w.lWPCost->text(), QStringLiteral("X 30000,00$ = 0$"));
            QCOMPARE(w.rbFL->text(), QStringLiteral("  I уровень - 10 шт"));
            QCOMPARE(w.lTL->text(), QStringLiteral("III уровень - 39000"));
            // Nothing typed on the land page since the window was made.
            QCOMPARE(w.lLandCost->text(), QStringLiteral("X 70 ="));
        });
        QVERIFY(f.prompter.boxes().isEmpty());
    }

    void amountEditsTakeDigitsAndTheUpDownsWritePlainDigits() {
        Fixture f;
        TFTrade w(f.controller, f.prompter);
        whileOpen(w, w.bCancel, [&] {
            TAmountEdit* land = w.EAmountOfLand;
            typeInto(land, "12");
            QCOMPARE(land->text(), QStringLiteral("12"));
            QCOMPARE(w.lLandCost->text(), QStringLiteral("X 10,00$ = 12240$"));
            // A refused key keeps the text and its selection.
            land->selectAll();
            QTest::keyClicks(land, "-a.");
            QCOMPARE(land->text(), QStringLiteral("12"));
            QCOMPARE(land->selectedText(), QStringLiteral("12"));
            // Emptied: "0", selected, so the next digit replaces it.
            QTest::keyClick(land, Qt::Key_Backspace);
            QCOMPARE(land->text(), QStringLiteral("0"));
            QCOMPARE(land->selectedText(), QStringLiteral("0"));
            QCOMPARE(w.lLandCost->text(), QStringLiteral("X 10,00$ = 0$"));
            QTest::keyClicks(land, "5");
            QCOMPARE(land->text(), QStringLiteral("5"));

            // The up-down steps from what was typed; the arrow keys do the same.
            w.LUpDown->UpButton->click();
            QCOMPARE(land->text(), QStringLiteral("6"));
            QTest::keyClick(land, Qt::Key_Up);
            QCOMPARE(land->text(), QStringLiteral("7"));
            // A four-digit edit: the up-down stops where the edit is full.
            w.EAmountOfSP->setText("9999");
            w.SUpDown->UpButton->click();
            QCOMPARE(w.EAmountOfSP->text(), QStringLiteral("9999"));

            // What the up-down wrote is read back by the buttons.
            land->setText("999");
            w.LUpDown->UpButton->click();
            w.lBuy->click();
            QCOMPARE(w.lCurrAOL->text(), QStringLiteral("Текущая площадь: 3000 м2"));
            QCOMPARE(land->text(), QStringLiteral("0"));
        });
        QVERIFY(f.prompter.boxes().isEmpty());
        QCOMPARE(f.company().Money, 10000.0f);
    }

    void buttonsRewriteTheirPagesLines() {
        Fixture f;
        f.company().Money = 200000;
        TFTrade w(f.controller, f.prompter);
        whileOpen(w, w.bCancel, [&] {
            w.PCTrade->setCurrentWidget(w.TSTWorkPlace);
            typeInto(w.EAmountOfWP, "3");
            w.wpBuy->click();
            QCOMPARE(w.rbFL->text(), QStringLiteral("  I уровень - 13 шт"));
            QCOMPARE(w.EAmountOfWP->text(), QStringLiteral("0"));

            // Selling workshop area under machines takes them along, on both pages.
            w.PCTrade->setCurrentWidget(w.TSTBuilding);
            typeInto(w.EAmountOFBP, "400");
            f.prompter.queue(true);
            w.bSell->click();
            QCOMPARE(w.lCurrAOBP->text(), QStringLiteral("Текущая площадь: 100 м2"));
            QCOMPARE(w.lCurrAOWP->text(), QStringLiteral("Текущее количество: 10 шт"));
            QCOMPARE(w.lWMaxSize->text(), QStringLiteral("Максимальное количество: 10 шт"));
        });
    }

    void levelsAndTheWorkplacePageFollowTheController() {
        Fixture f;
        TFTrade w(f.controller, f.prompter);
        f.company().TechLevel = 2;
        f.controller.ApplyTechnologyLevel();
        QVERIFY(w.rbFL->isEnabled() && w.rbSL->isEnabled());
        QVERIFY(!w.rbTL->isEnabled());
        whileOpen(w, w.bCancel, [&] {
            w.PCTrade->setCurrentWidget(w.TSTWorkPlace);
            w.rbSL->click();
            QCOMPARE(w.Rules().ChosenLevel, 2);
            QCOMPARE(w.lWPCost->text(), QStringLiteral("X 45000,00$ = 0$"));
            // Level III cannot be chosen at TechLevel 2.
            w.rbTL->click();
            QCOMPARE(w.Rules().ChosenLevel, 2);
        });
        const int page = w.PCTrade->indexOf(w.TSTWorkPlace);
        QVERIFY(w.PCTrade->isTabEnabled(page));
        f.controller.SetProductionAllowed(false);
        QVERIFY(!w.PCTrade->isTabEnabled(page));
        // A new move allows it again.
        f.controller.EndMove("0", "0", "0");
        QVERIFY(w.PCTrade->isTabEnabled(page));
    }

    void upgradeWindowOpenedAtTheTopOffersNothing() {
        Fixture f;
        TFUpgrade w(f.controller);
        f.industry().Buildings[0].Level = 3;
        whileOpen(w, w.bCancel, [&] {
            QCOMPARE(w.lCurrAOBP->text(), QStringLiteral("Уровень: 3"));
            QVERIFY(!w.bBuy->isEnabled());
        });
    }

    void everyWindowOpensHelpTopicTwoAndEscClosesIt() {
        Fixture f;
        TFTrade trade(f.controller, f.prompter);
        TFSTrad staff(f.controller, f.prompter);
        TFRMTrad raw(f.controller, f.prompter);
        TFUpgrade upgrade(f.controller);
        QSignalSpy cleared(&f.controller, &TGameController::advExpCleared);
        auto pressKeys = [](QWidget* w) {
            QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_F1);
            QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape);
        };
        QTimer::singleShot(0, &trade, [&] { pressKeys(&trade); });
        trade.Execute();
        QTimer::singleShot(0, &staff, [&] { pressKeys(&staff); });
        staff.Execute();
        QTimer::singleShot(0, &raw, [&] { pressKeys(&raw); });
        raw.Execute();
        QTimer::singleShot(0, &upgrade, [&] { pressKeys(&upgrade); });
        upgrade.Execute();
        QCOMPARE(f.help.requests, (QList<int>{2, 2, 2, 2}));
        QCOMPARE(cleared.count(), 4);
    }

    // The real start-up, then the board's buttons and shortcuts.
    void theBoardOpensTheWindowsAndShowsTheUpgradedWorkshop() {
        ScriptedPrompter prompter(ScriptedPrompter::OnUnexpected::AnswerNo);
        SilentSound sound;
        NullHelp help;
        RandomSource random(7);
        Services services{prompter, sound, help, random, GameFolder(gameDir), QDate(2026, 3, 17)};
        TManage manage(services);
        QCOMPARE(startTwoPlayerBoard(manage), int(TManage::StartOk));
        manage.show();
        QVERIFY(QTest::qWaitForWindowExposed(&manage));

        manage.Game().Company()->Money = 100000;
        manage.eAdvExp->setText("500");
        QTimer::singleShot(0, manage.fUpgrade, [&] {
            QVERIFY(manage.fUpgrade->isVisible());
            manage.fUpgrade->bBuy->click();
            manage.fUpgrade->bCancel->click();
        });
        manage.bbIndustryUpgrade->click();
        QCOMPARE(imageOf(manage.FImage), QImage(gameDir + "/images/2lf.bmp"));
        QCOMPARE(manage.lCurMon->text(), QStringLiteral("Капитал: 0$"));
        QCOMPARE(manage.eAdvExp->text(), QStringLiteral("0"));

        const std::pair<Qt::Key, QDialog*> shortcuts[] = {
            {Qt::Key_F, manage.fTrade}, {Qt::Key_S, manage.fSTrad}, {Qt::Key_R, manage.fRMTrad}};
        for (const auto& [key, window] : shortcuts) {
            bool shown = false;
            QTimer::singleShot(0, window, [&shown, window] {
                shown = window->isVisible();
                window->reject();
            });
            QTest::keyClick(manage.eProd, key, Qt::ControlModifier);
            QVERIFY2(shown, qPrintable(window->objectName()));
        }
        QVERIFY(prompter.boxes().isEmpty());
    }
};

QTEST_MAIN(AssetWindowsTest)
#include "AssetWindowsTest.moc"
