#pragma once

#include "core/assets/TAssetTrade.h"
#include "ui/widgets/TToolWindow.h"

class Prompter;
class QGroupBox;
class QRadioButton;
class TGameController;

// "Купить/Продать": land, storage space, workshop area and machines of the shown
// enterprise, bought and sold on four pages. The rules are TAssetTrade's.
class TFTrade : public TToolWindow {
    Q_OBJECT
public:
    TFTrade(TGameController& controller, Prompter& prompter, QWidget* parent = nullptr);

    // The board's "Торговля": the opening steps, then the window modally.
    int Execute();
    const TAssetTrade& Rules() const { return trade_; }

    QTabWidget* PCTrade;
    QWidget *TSTLand, *TSTStorage, *TSTBuilding, *TSTWorkPlace;
    QLabel *lCurrAOL, *lLMaxSize, *lCurrAOSP, *lSMaxSize, *lCurrAOBP, *lBMaxSize, *lCurrAOWP,
        *lWMaxSize;
    TAmountEdit *EAmountOfLand, *EAmountOfSP, *EAmountOFBP, *EAmountOfWP;
    TUpDown *LUpDown, *SUpDown, *BUpDown, *WPUpDown;
    QLabel *lLandCost, *lSPCost, *lBPCost, *lWPCost;
    QPushButton *lBuy, *lSell, *sBuy, *sSell, *bBuy, *bSell, *wpBuy, *wpSell;
    QPushButton *BPrevStorage, *BNextStorage;
    QLabel* lSCount;
    QGroupBox* gbWPAO;
    QRadioButton *rbFL, *rbSL, *rbTL;
    QLabel *lWarning, *lFL, *lSL, *lTL;
    QPushButton* bCancel;

protected:
    void Closing() override;
    void showEvent(QShowEvent* event) override;

private:
    using Page = TAssetTrade::Page;
    struct PageParts {
        Page page;
        QLabel *current, *max, *total;
        TAmountEdit* edit;
    };

    PageParts& parts(Page page);
    void writeLines(Page page);
    void writeTotal(Page page);
    void writeLevelCaptions();
    void writeStorage();
    void buyClick(Page page);
    void sellClick(Page page);
    void levelClick(std::int32_t level);
    // The level choices and the workplace page, as the controller has them for this move.
    void applyMoveStates();

    TGameController& controller_;
    TAssetTrade trade_;
    PageParts parts_[4];
};
