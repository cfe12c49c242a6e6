#include "ui/assets/TFRMTrad.h"

#include "core/board/BoardRules.h"
#include "core/game/TGameController.h"
#include "ui/widgets/TAmountEdit.h"

#include <QLabel>
#include <QPushButton>

TFRMTrad::TFRMTrad(TGameController& controller, Prompter& prompter, QWidget* parent)
    : TToolWindow(QStringLiteral("FRMTrad"), QStringLiteral("Сырье"), QSize(331, 454),
                  QStringLiteral("PCResourses"), controller.services().help,
                  BoardRules::HelpTopicAssets, parent),
      controller_(controller), raw_(controller, prompter) {
    PCResourses = PageControl();
    TSRMGeneral = AddPage(QStringLiteral("TSRMGeneral"), QStringLiteral("Сырье"));
    RowNames names;
    names.current = QStringLiteral("lCurrAORM");
    names.max = QStringLiteral("lMaxAORM");
    names.edit = QStringLiteral("EAmountOfWP");
    names.editMaxLength = 6;
    names.upDown = QStringLiteral("WPUpDown");
    names.upDownWidth = 25;
    names.total = QStringLiteral("lWPCost");
    names.totalText = QStringLiteral("X 100 =");
    names.buy = QStringLiteral("wpBuy");
    names.buyWidth = 154;
    const Row row = MakeRow(TSRMGeneral, names);
    lCurrAORM = row.current;
    lCurrAORM->setText(QStringLiteral("Текущее количество:"));
    lMaxAORM = row.max;
    lMaxAORM->setText(QStringLiteral("Максимальное количество:"));
    EAmountOfWP = row.edit;
    WPUpDown = row.upDown;
    lWPCost = row.total;
    wpBuy = row.buy;
    bOK = AddCloseButton(QStringLiteral("bOK"));
    connect(EAmountOfWP, &TAmountEdit::amountChanged, this, &TFRMTrad::writeTotal);
    connect(wpBuy, &QPushButton::clicked, this, &TFRMTrad::wpBuyClick);
}

int TFRMTrad::Execute() {
    writeLines();
    return exec();
}

void TFRMTrad::writeLines() {
    if (const auto text = raw_.CurrentLine())
        lCurrAORM->setText(*text);
    if (const auto text = raw_.MaxLine())
        lMaxAORM->setText(*text);
}

void TFRMTrad::writeTotal() {
    if (const auto text = raw_.TotalLine(EAmountOfWP->text()))
        SetTotal(lWPCost, *text);
}

void TFRMTrad::wpBuyClick() {
    if (!raw_.Buy(EAmountOfWP->text()))
        return;
    writeLines();
    EAmountOfWP->setText(QStringLiteral("0"));
}

void TFRMTrad::Closing() {
    EAmountOfWP->setText(QStringLiteral("0"));
    controller_.ClearAdvExp();
}
