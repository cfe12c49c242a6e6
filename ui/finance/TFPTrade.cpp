#include "ui/finance/TFPTrade.h"

#include "core/board/BoardRules.h"
#include "core/game/TGameController.h"
#include "ui/widgets/TAmountEdit.h"

#include <QLabel>
#include <QPushButton>

TFPTrade::TFPTrade(TGameController& controller, Prompter& prompter, QWidget* parent,
                   ProdCostRoutine costRoutine)
    : TToolWindow(QStringLiteral("FPTrade"), QStringLiteral("Производство"), QSize(331, 453),
                  QStringLiteral("PCProduction"), controller.services().help,
                  BoardRules::HelpTopicAssets, parent),
      controller_(controller), planning_(controller, prompter, costRoutine) {
    AddCloseBox();
    PCProduction = PageControl();
    TSProduction = AddPage(QStringLiteral("TSProduction"), QStringLiteral("Продукция"));
    RowNames names;
    names.current = QStringLiteral("lMaxP");
    names.max = QStringLiteral("lCurrCost");
    names.edit = QStringLiteral("eAmountOfP");
    names.editMaxLength = 4;
    names.upDown = QStringLiteral("WPUpDown");
    names.buy = QStringLiteral("bPProduce");
    names.buyCaption = QStringLiteral("Произвести");
    names.buyWidth = 97;
    const Row row = MakeRow(TSProduction, names);
    lMaxP = row.current;
    lMaxP->setText(QStringLiteral("Текущее количество:"));
    lCurrCost = row.max;
    lCurrCost->setText(QStringLiteral("дCurrCost"));
    eAmountOfP = row.edit;
    WPUpDown = row.upDown;
    bPProduce = row.buy;
    bCancel = AddCloseButton(QStringLiteral("bCancel"));
    connect(eAmountOfP, &TAmountEdit::amountChanged, this, &TFPTrade::eAmountOfPChange);
    connect(bPProduce, &QPushButton::clicked, this, &TFPTrade::bPProduceClick);
    connect(&controller_, &TGameController::moveStatesChanged, this, &TFPTrade::applyMoveStates);
    applyMoveStates();
}

int TFPTrade::Execute() {
    applyMoveStates();
    return exec();
}

void TFPTrade::showEvent(QShowEvent* event) {
    const std::int32_t m = planning_.Showing();
    if (const auto text = planning_.MaxLine())
        lMaxP->setText(*text);
    if (const auto text = planning_.CostLine(QString::number(m)))
        lCurrCost->setText(*text);
    eAmountOfP->setText(QString::number(m));
    TToolWindow::showEvent(event);
}

void TFPTrade::eAmountOfPChange(const QString& text) {
    // The replacement runs this rule again for the largest run.
    if (const auto largest = planning_.AmountReplacement(text); largest && *largest != text)
        eAmountOfP->setText(*largest);
    if (const auto line = planning_.CostLine(eAmountOfP->text()))
        lCurrCost->setText(*line);
}

void TFPTrade::bPProduceClick() {
    if (!planning_.Produce(eAmountOfP->text()))
        return;
    // The run used raw materials: the largest run left is smaller now.
    if (const auto text = planning_.MaxLine())
        lMaxP->setText(*text);
}

void TFPTrade::applyMoveStates() {
    bPProduce->setEnabled(controller_.ProductionAllowed());
}

void TFPTrade::Closing() {
    planning_.Closing();
    eAmountOfP->setText(QStringLiteral("0"));
}
