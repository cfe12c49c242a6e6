#pragma once

#include "core/board/EnterpriseStatistics.h"
#include "ui/widgets/TToolWindow.h"

#include <cstdint>

class TGameController;

// "Статистика": the shown enterprise page by page — the whole of it, one storage at a
// time, one workshop building at a time and that building's machines. The texts are
// the core's; the window only shows them and keeps which storage and building it shows.
class TFStatistics : public TToolWindow {
    Q_OBJECT
public:
    explicit TFStatistics(TGameController& controller, QWidget* parent = nullptr);

    // The board's enterprise statistics button, once the enterprise is selected: the
    // first building and the first storage, then the page "Общее", modally.
    int Execute();

    // Page "Общее"; the board's SelectEnterprise calls it, so it is always current.
    void ShowGeneralStatistics();
    // Page "Склады" for storage index (0-based) of the shown enterprise.
    void ShowStorageStatistics(std::int32_t index);
    // Pages "Цеха" and "Рабочие места" for building index (0-based).
    void ShowWorkshopStatistics(std::int32_t index);

    void BPrevStorageClick();
    void BNextStorageClick();
    void BPrevIndustryClick();
    void BNextIndustryClick();

    QTabWidget* PCIndustry;
    QWidget *TSSGeneral, *TSSStorage, *TSSManufacture, *TSSWorkPlaces;
    QLabel *IBCount, *ISCount, *SRMCount, *SGCount, *ILandUsage, *lLMaxSize, *ICosts, *IUsage;
    QLabel *lSCount, *lSType, *lSCosts, *lSUsage, *lCurrAOSP, *lSMaxSize;
    QLabel *lBCount, *lBLevel, *lBCapacility, *lBmaxSize, *lCOB, *lBU;
    QLabel *lBAmountOfWorkPlaces, *lMaxAmount, *lWPFL, *lWPSL, *lWPTL, *lWPU, *lCOWP;
    QPushButton *BPrevStorage, *BNextStorage, *BPrevIndustry, *BNextIndustry;
    QPushButton* bOK;

protected:
    // Each showing starts again at the first storage; the building is kept.
    void showEvent(QShowEvent* event) override;

private:
    void showTexts(const StatisticsPage& page);
    std::int32_t storageCount() const;
    std::int32_t buildingCount() const;

    TGameController& controller_;
    std::int32_t storageIndex_ = 0;
    std::int32_t buildingIndex_ = 0;
};
