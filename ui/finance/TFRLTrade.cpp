#include "ui/finance/TFRLTrade.h"

#include "core/board/BoardRules.h"
#include "core/game/TGameController.h"
#include "ui/widgets/TAmountEdit.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

TFRLTrade::TFRLTrade(TGameController& controller, Prompter& prompter, QWidget* parent)
    : TToolWindow(QStringLiteral("FRLTrade"), QStringLiteral("Исследование"), QSize(331, 453),
                  QStringLiteral("PCProduction"), controller.services().help,
                  BoardRules::HelpTopicAssets, parent),
      controller_(controller), research_(controller, prompter) {
    AddCloseBox();
    PCProduction = PageControl();

    TSProduction =
        AddPage(QStringLiteral("TSProduction"), QStringLiteral("Разработка новых технологий"));
    RowNames names;
    names.current = QStringLiteral("lMaxAmountOfP");
    names.edit = QStringLiteral("eAmountOfP");
    names.editMaxLength = 6;
    names.upDown = QStringLiteral("WPUpDown");
    names.upDownIncrement = RoundSum;
    names.buy = QStringLiteral("bPProduce");
    names.buyCaption = QStringLiteral("Вложить");
    const Row research = MakeRow(TSProduction, names);
    lMaxAmountOfP = research.current;
    lMaxAmountOfP->setText(QStringLiteral("Текущие вложения:"));
    eAmountOfP = research.edit;
    WPUpDown = research.upDown;
    bPProduce = research.buy;

    tsRL = AddPage(QStringLiteral("tsRL"), QStringLiteral("НИОКР"));
    names = RowNames();
    names.edit = QStringLiteral("eRL");
    names.editMaxLength = 6;
    names.upDown = QStringLiteral("udRl");
    names.upDownIncrement = RoundSum;
    names.buy = QStringLiteral("bRL");
    names.buyCaption = QStringLiteral("Вложить");
    const Row design = MakeRow(tsRL, names);
    eRL = design.edit;
    // Stars, as the board's weekly edits: the other players see no sum.
    eRL->setEchoMode(QLineEdit::Password);
    eRL->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    udRl = design.upDown;
    bRL = design.buy;

    bCancel = AddCloseButton(QStringLiteral("bCancel"));
    connect(eAmountOfP, &TAmountEdit::amountChanged, this, &TFRLTrade::eAmountOfPChange);
    connect(bPProduce, &QPushButton::clicked, this, &TFRLTrade::bPProduceClick);
    connect(bRL, &QPushButton::clicked, this, &TFRLTrade::bRLClick);
    connect(&controller_, &TGameController::moveStatesChanged, this, &TFRLTrade::applyMoveStates);
    applyMoveStates();
}

int TFRLTrade::Execute() {
    lMaxAmountOfP->setText(research_.InvestmentLine());
    applyMoveStates();
    PCProduction->setCurrentWidget(TSProduction);
    return exec();
}

void TFRLTrade::eAmountOfPChange(const QString& text) {
    if (const auto largest = TResearch::AmountReplacement(text); largest && *largest != text)
        eAmountOfP->setText(*largest);
}

void TFRLTrade::bPProduceClick() {
    const auto line = research_.Invest(eAmountOfP->text());
    if (!line)
        return;
    lMaxAmountOfP->setText(*line);
    eAmountOfP->clear(); // its rule makes it "0"
}

void TFRLTrade::bRLClick() {
    if (research_.PayDesign(eRL->text()))
        eRL->setText(QStringLiteral("0"));
}

void TFRLTrade::applyMoveStates() {
    bPProduce->setEnabled(controller_.ResearchInvestAllowed());
    PCProduction->setTabEnabled(PCProduction->indexOf(tsRL), controller_.DesignAllowed());
}

void TFRLTrade::Closing() {
    eAmountOfP->setText(QStringLiteral("0"));
    research_.Closing();
}
