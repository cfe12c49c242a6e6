#pragma once

#include "core/assets/TWorkshopUpgrade.h"
#include "ui/widgets/TToolWindow.h"

class TGameController;

// "Улучшить": the shown enterprise's workshop raised one level. The rules are
// TWorkshopUpgrade's; the board shows the new picture from the controller's signal.
class TFUpgrade : public TToolWindow {
    Q_OBJECT
public:
    explicit TFUpgrade(TGameController& controller, QWidget* parent = nullptr);

    // The board's "Улучшить": the button and the level line, then the window modally.
    int Execute();

    QTabWidget* PCUpgrade;
    QWidget* TSTBuilding;
    QLabel *lCurrAOBP, *lBUPrice;
    QPushButton *bBuy, *bCancel;

protected:
    void Closing() override;

private:
    void bBuyClick();

    TGameController& controller_;
    TWorkshopUpgrade upgrade_;
};
