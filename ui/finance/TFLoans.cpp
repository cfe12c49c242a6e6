#include "ui/finance/TFLoans.h"

#include "core/board/BoardRules.h"
#include "core/game/TGameController.h"
#include "ui/widgets/TAmountEdit.h"

#include <QLabel>
#include <QPushButton>

namespace {

// A template that does not fit has shown its error; the line keeps its text.
void writeLine(QLabel* line, const std::optional<QString>& text) {
    if (text)
        line->setText(*text);
}

} // namespace

TFLoans::TFLoans(TGameController& controller, Prompter& prompter, QWidget* parent)
    : TToolWindow(QStringLiteral("FLoans"), QStringLiteral("Банк"), QSize(331, 453),
                  QStringLiteral("PCLoan"), controller.services().help, BoardRules::HelpTopicAssets,
                  parent),
      controller_(controller), bank_(controller, prompter) {
    AddCloseBox();
    PCLoan = PageControl();
    TSLoan = AddPage(QStringLiteral("TSLoan"), QStringLiteral("Банк"));
    lCurrentDebt =
        MakeLine(TSLoan, QStringLiteral("lCurrentDebt"), QStringLiteral("Текущий заем:"), 16, 16);
    lMaxLoan = MakeLine(TSLoan, QStringLiteral("lMaxLoan"), QStringLiteral("Лимит:"), 16, 40);
    lBankInterest =
        MakeLine(TSLoan, QStringLiteral("lBankInterest"), QStringLiteral("lBankInterest"), 16, 64);
    RowNames names;
    names.edit = QStringLiteral("eAmountOfP");
    names.editMaxLength = 6;
    names.upDown = QStringLiteral("WPUpDown");
    names.upDownIncrement = RoundSum;
    names.buy = QStringLiteral("bTake");
    names.buyCaption = QStringLiteral("Взять");
    names.sell = QStringLiteral("bGive");
    names.sellCaption = QStringLiteral("Отдать");
    const Row row = MakeRow(TSLoan, names);
    eAmountOfP = row.edit;
    WPUpDown = row.upDown;
    bTake = row.buy;
    bGive = row.sell;
    bCancel = AddCloseButton(QStringLiteral("bCancel"));
    connect(bTake, &QPushButton::clicked, this, &TFLoans::bTakeClick);
    connect(bGive, &QPushButton::clicked, this, &TFLoans::bGiveClick);
}

int TFLoans::Execute() {
    bank_.Opening();
    writeDebt();
    writeLine(lMaxLoan, bank_.LimitLine());
    writeLine(lBankInterest, bank_.InterestLine());
    return exec();
}

void TFLoans::writeDebt() {
    writeLine(lCurrentDebt, bank_.DebtLine());
}

void TFLoans::bTakeClick() {
    if (!bank_.Take(eAmountOfP->text()))
        return;
    writeDebt();
    eAmountOfP->clear(); // its rule makes it "0"
}

void TFLoans::bGiveClick() {
    if (!bank_.Give(eAmountOfP->text()))
        return;
    writeDebt();
    eAmountOfP->clear();
}

void TFLoans::Closing() {
    eAmountOfP->setText(QStringLiteral("0"));
    controller_.ClearAdvExp();
}
