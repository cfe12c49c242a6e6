#include "ui/assets/TFTrade.h"

#include "core/board/BoardRules.h"
#include "core/game/TGameController.h"
#include "ui/widgets/TAmountEdit.h"
#include "ui/widgets/TUpDown.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

TFTrade::TFTrade(TGameController& controller, Prompter& prompter, QWidget* parent)
    : TToolWindow(QStringLiteral("FTrade"), QStringLiteral("Купить/Продать"), QSize(331, 453),
                  QStringLiteral("PCTrade"), controller.services().help,
                  BoardRules::HelpTopicAssets, parent),
      controller_(controller), trade_(controller, prompter) {
    PCTrade = PageControl();

    // The four pages share one shape: the two lines, the amount with its arrows and
    // total, and the buy and sell buttons.
    struct PageShape {
        QString name, caption;
        RowNames row;
    };
    const PageShape shapes[4] = {
        {"TSTLand",
         "Земля",
         {.current = "lCurrAOL",
          .max = "lLMaxSize",
          .edit = "EAmountOfLand",
          .editMaxLength = 5,
          .upDown = "LUpDown",
          .total = "lLandCost",
          .totalText = "X 70 =",
          .buy = "lBuy",
          .sell = "lSell"}},
        {"TSTStorage",
         "Склады",
         {.current = "lCurrAOSP",
          .max = "lSMaxSize",
          .edit = "EAmountOfSP",
          .editMaxLength = 4,
          .upDown = "SUpDown",
          .total = "lSPCost",
          .totalText = "X 50 =",
          .buy = "sBuy",
          .sell = "sSell"}},
        {"TSTBuilding",
         "Цеха",
         {.current = "lCurrAOBP",
          .max = "lBMaxSize",
          .edit = "EAmountOFBP",
          .editMaxLength = 5,
          .upDown = "BUpDown",
          .total = "lBPCost",
          .totalText = "X 100 =",
          .buy = "bBuy",
          .sell = "bSell"}},
        {"TSTWorkPlace",
         "Рабочие места",
         {.current = "lCurrAOWP",
          .max = "lWMaxSize",
          .edit = "EAmountOfWP",
          .editMaxLength = 4,
          .upDown = "WPUpDown",
          .total = "lWPCost",
          .totalText = "X 100 =",
          .buy = "wpBuy",
          .sell = "wpSell"}},
    };
    QWidget** pages[4] = {&TSTLand, &TSTStorage, &TSTBuilding, &TSTWorkPlace};
    Row rows[4];
    for (int i = 0; i < 4; ++i) {
        *pages[i] = AddPage(shapes[i].name, shapes[i].caption);
        rows[i] = MakeRow(*pages[i], shapes[i].row);
    }
    const Row& land = rows[0];
    const Row& storage = rows[1];
    const Row& building = rows[2];
    const Row& workPlace = rows[3];

    BPrevStorage = MakeButton(TSTStorage, QStringLiteral("BPrevStorage"), QStringLiteral("<"),
                              QRect(12, 8, 16, 16));
    BPrevStorage->setFlat(true);
    lSCount = new QLabel(QStringLiteral("1/2"), TSTStorage);
    lSCount->setObjectName(QStringLiteral("lSCount"));
    lSCount->setGeometry(37, 8, 24, 16);
    lSCount->setAlignment(Qt::AlignCenter);
    BNextStorage = MakeButton(TSTStorage, QStringLiteral("BNextStorage"), QStringLiteral(">"),
                              QRect(72, 8, 16, 16));
    BNextStorage->setFlat(true);

    gbWPAO = new QGroupBox(QStringLiteral(" Дополнительные условия "), TSTWorkPlace);
    gbWPAO->setObjectName(QStringLiteral("gbWPAO"));
    gbWPAO->setGeometry(16, 160, 289, 209);
    auto radio = [this](const QString& name, const QString& caption, int top) {
        auto* rb = new QRadioButton(caption, gbWPAO);
        rb->setObjectName(name);
        rb->setGeometry(16, top, 169, 17);
        return rb;
    };
    rbFL = radio(QStringLiteral("rbFL"), QStringLiteral("  I уровень"), 24);
    rbSL = radio(QStringLiteral("rbSL"), QStringLiteral(" II уровень"), 48);
    rbTL = radio(QStringLiteral("rbTL"), QStringLiteral("III уровень"), 72);
    rbFL->setChecked(true);
    lWarning = new QLabel(
        QStringLiteral("Внимание! Продажа станков производится по следующим ценам:"), gbWPAO);
    lWarning->setObjectName(QStringLiteral("lWarning"));
    lWarning->setGeometry(16, 96, 265, 33);
    lWarning->setWordWrap(true);
    QPalette red = lWarning->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lWarning->setPalette(red);
    lFL = MakeLine(gbWPAO, QStringLiteral("lFL"), {}, 16, 136);
    lSL = MakeLine(gbWPAO, QStringLiteral("lSL"), {}, 16, 160);
    lTL = MakeLine(gbWPAO, QStringLiteral("lTL"), {}, 16, 184);
    for (QLabel* line : {lFL, lSL, lTL})
        line->setFixedWidth(265);

    bCancel = AddCloseButton(QStringLiteral("bCancel"));

    lCurrAOL = land.current;
    lLMaxSize = land.max;
    EAmountOfLand = land.edit;
    LUpDown = land.upDown;
    lLandCost = land.total;
    lBuy = land.buy;
    lSell = land.sell;
    lCurrAOSP = storage.current;
    lSMaxSize = storage.max;
    EAmountOfSP = storage.edit;
    SUpDown = storage.upDown;
    lSPCost = storage.total;
    sBuy = storage.buy;
    sSell = storage.sell;
    lCurrAOBP = building.current;
    lBMaxSize = building.max;
    EAmountOFBP = building.edit;
    BUpDown = building.upDown;
    lBPCost = building.total;
    bBuy = building.buy;
    bSell = building.sell;
    lCurrAOWP = workPlace.current;
    lWMaxSize = workPlace.max;
    EAmountOfWP = workPlace.edit;
    WPUpDown = workPlace.upDown;
    lWPCost = workPlace.total;
    wpBuy = workPlace.buy;
    wpSell = workPlace.sell;

    parts_[0] = {Page::Land, lCurrAOL, lLMaxSize, lLandCost, EAmountOfLand};
    parts_[1] = {Page::Storage, lCurrAOSP, lSMaxSize, lSPCost, EAmountOfSP};
    parts_[2] = {Page::Building, lCurrAOBP, lBMaxSize, lBPCost, EAmountOFBP};
    parts_[3] = {Page::WorkPlace, lCurrAOWP, lWMaxSize, lWPCost, EAmountOfWP};
    const std::pair<QPushButton*, QPushButton*> buttons[4] = {
        {lBuy, lSell}, {sBuy, sSell}, {bBuy, bSell}, {wpBuy, wpSell}};
    for (int i = 0; i < 4; ++i) {
        const Page page = parts_[i].page;
        connect(parts_[i].edit, &TAmountEdit::amountChanged, this,
                [this, page] { writeTotal(page); });
        connect(buttons[i].first, &QPushButton::clicked, this, [this, page] { buyClick(page); });
        connect(buttons[i].second, &QPushButton::clicked, this, [this, page] { sellClick(page); });
    }
    connect(BPrevStorage, &QPushButton::clicked, this, [this] {
        trade_.PrevStorage();
        writeStorage();
    });
    connect(BNextStorage, &QPushButton::clicked, this, [this] {
        trade_.NextStorage();
        writeStorage();
    });
    connect(rbFL, &QRadioButton::clicked, this, [this] { levelClick(1); });
    connect(rbSL, &QRadioButton::clicked, this, [this] { levelClick(2); });
    connect(rbTL, &QRadioButton::clicked, this, [this] { levelClick(3); });
    connect(&controller_, &TGameController::moveStatesChanged, this, &TFTrade::applyMoveStates);
    applyMoveStates();
}

TFTrade::PageParts& TFTrade::parts(Page page) {
    return parts_[int(page)];
}

int TFTrade::Execute() {
    trade_.Showing();
    for (Page page : {Page::Land, Page::Storage, Page::Building, Page::WorkPlace}) {
        parts(page).current->setText(trade_.CurrentLine(page));
        parts(page).max->setText(trade_.MaxLine(page));
    }
    PCTrade->setCurrentWidget(TSTLand);
    EAmountOfWP->clear(); // its rule makes it "0"
    rbFL->setChecked(true);
    levelClick(1);
    lFL->setText(trade_.SalePriceLine(1));
    lSL->setText(trade_.SalePriceLine(2));
    lTL->setText(trade_.SalePriceLine(3));
    applyMoveStates();
    return exec();
}

void TFTrade::showEvent(QShowEvent* event) {
    trade_.Showing();
    writeLevelCaptions();
    lSCount->setText(trade_.StoragePosition());
    TToolWindow::showEvent(event);
}

void TFTrade::writeLines(Page page) {
    PageParts& p = parts(page);
    p.current->setText(trade_.CurrentLine(page));
    p.max->setText(trade_.MaxLine(page));
    // A sale of workshop area can take machines with it; machines bought or sold
    // change the counts by level.
    if (page == Page::Building)
        writeLines(Page::WorkPlace);
    else if (page == Page::WorkPlace)
        writeLevelCaptions();
}

void TFTrade::writeTotal(Page page) {
    PageParts& p = parts(page);
    if (const auto text = trade_.TotalLine(page, p.edit->text()))
        SetTotal(p.total, *text);
}

void TFTrade::writeLevelCaptions() {
    rbFL->setText(trade_.LevelCaption(1));
    rbSL->setText(trade_.LevelCaption(2));
    rbTL->setText(trade_.LevelCaption(3));
}

void TFTrade::writeStorage() {
    lCurrAOSP->setText(trade_.CurrentLine(Page::Storage));
    lSMaxSize->setText(trade_.MaxLine(Page::Storage));
    lSCount->setText(trade_.StoragePosition());
}

void TFTrade::buyClick(Page page) {
    PageParts& p = parts(page);
    if (!trade_.Buy(page, p.edit->text()))
        return;
    writeLines(page);
    p.edit->setText(QStringLiteral("0"));
}

void TFTrade::sellClick(Page page) {
    PageParts& p = parts(page);
    if (!trade_.Sell(page, p.edit->text()))
        return;
    writeLines(page);
    p.edit->setText(QStringLiteral("0"));
}

void TFTrade::levelClick(std::int32_t level) {
    trade_.ChooseLevel(level);
    writeTotal(Page::WorkPlace);
}

void TFTrade::applyMoveStates() {
    rbFL->setEnabled(controller_.LevelAllowed(1));
    rbSL->setEnabled(controller_.LevelAllowed(2));
    rbTL->setEnabled(controller_.LevelAllowed(3));
    PCTrade->setTabEnabled(PCTrade->indexOf(TSTWorkPlace), controller_.ProductionAllowed());
}

void TFTrade::Closing() {
    for (TAmountEdit* edit : {EAmountOFBP, EAmountOfWP, EAmountOfSP, EAmountOfLand})
        edit->setText(QStringLiteral("0"));
    controller_.ClearAdvExp();
}
