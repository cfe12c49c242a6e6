#include "ui/assets/TFSTrad.h"

#include "core/board/BoardRules.h"
#include "core/game/TGameController.h"
#include "ui/widgets/TAmountEdit.h"

#include <QLabel>
#include <QPushButton>

TFSTrad::TFSTrad(TGameController& controller, Prompter& prompter, QWidget* parent)
    : TToolWindow(QStringLiteral("FSTrad"), QStringLiteral("Рабочие"), QSize(331, 454),
                  QStringLiteral("PCStaff"), controller.services().help,
                  BoardRules::HelpTopicAssets, parent),
      controller_(controller), staff_(controller, prompter) {
    PCStaff = PageControl();
    TSWorkers = AddPage(QStringLiteral("TSWorkers"), QStringLiteral("Рабочие"));
    RowNames names;
    names.current = QStringLiteral("lCurrAOW");
    names.max = QStringLiteral("lMaxAOW");
    names.edit = QStringLiteral("EAmountOfW");
    names.editMaxLength = 4;
    names.upDown = QStringLiteral("WPUpDown");
    names.upDownWidth = 25;
    names.buy = QStringLiteral("wbBuy");
    names.buyCaption = QStringLiteral("Нанять");
    names.sell = QStringLiteral("wbSell");
    names.sellCaption = QStringLiteral("Уволить");
    const Row row = MakeRow(TSWorkers, names);
    lCurrAOW = row.current;
    lCurrAOW->setText(QStringLiteral("Текущее количество:"));
    lMaxAOW = row.max;
    lMaxAOW->setText(QStringLiteral("Максимальное количество:"));
    EAmountOfW = row.edit;
    WPUpDown = row.upDown;
    wbBuy = row.buy;
    wbSell = row.sell;
    bCancel = AddCloseButton(QStringLiteral("bCancel"));
    connect(wbBuy, &QPushButton::clicked, this, &TFSTrad::wbBuyClick);
    connect(wbSell, &QPushButton::clicked, this, &TFSTrad::wbSellClick);
}

int TFSTrad::Execute() {
    writeLines();
    return exec();
}

void TFSTrad::writeLines() {
    // A pattern that does not fit has shown its error; the line keeps its text.
    if (const auto text = staff_.CurrentLine())
        lCurrAOW->setText(*text);
    if (const auto text = staff_.MaxLine())
        lMaxAOW->setText(*text);
}

void TFSTrad::wbBuyClick() {
    if (!staff_.Hire(EAmountOfW->text()))
        return;
    EAmountOfW->setText(QStringLiteral("0"));
    writeLines();
}

void TFSTrad::wbSellClick() {
    if (!staff_.Fire(EAmountOfW->text()))
        return;
    EAmountOfW->setText(QStringLiteral("0"));
    writeLines();
}

void TFSTrad::Closing() {
    EAmountOfW->setText(QStringLiteral("0"));
    controller_.ClearAdvExp();
}
