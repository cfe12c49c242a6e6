#include "ui/assets/TFUpgrade.h"

#include "core/board/BoardRules.h"
#include "core/game/TGameController.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

TFUpgrade::TFUpgrade(TGameController& controller, QWidget* parent)
    : TToolWindow(QStringLiteral("FUpgrade"), QStringLiteral("Улучшить"), QSize(331, 453),
                  QStringLiteral("PCUpgrade"), controller.services().help,
                  BoardRules::HelpTopicAssets, parent),
      controller_(controller), upgrade_(controller) {
    PCUpgrade = PageControl();
    TSTBuilding = AddPage(QStringLiteral("TSTBuilding"), QStringLiteral("Цеха"));
    lCurrAOBP =
        MakeLine(TSTBuilding, QStringLiteral("lCurrAOBP"), QStringLiteral("Уровень:"), 16, 32);
    lBUPrice = MakeLine(TSTBuilding, QStringLiteral("lBUPrice"), QStringLiteral("Цена   : 100000$"),
                        16, 64);
    bBuy = MakeButton(TSTBuilding, QStringLiteral("bBuy"), QStringLiteral("Улучшить"),
                      QRect(16, 96, 75, 25));
    bCancel = AddCloseButton(QStringLiteral("bCancel"));
    connect(bBuy, &QPushButton::clicked, this, &TFUpgrade::bBuyClick);
}

int TFUpgrade::Execute() {
    bBuy->setEnabled(upgrade_.Offered());
    lCurrAOBP->setText(upgrade_.LevelLine());
    PCUpgrade->setCurrentWidget(TSTBuilding);
    return exec();
}

void TFUpgrade::bBuyClick() {
    upgrade_.Upgrade();
    bBuy->setEnabled(upgrade_.Offered());
    lCurrAOBP->setText(upgrade_.LevelLine());
}

void TFUpgrade::Closing() {
    controller_.ClearAdvExp();
}
