#include "ui/reports/TFStatistics.h"

#include "core/board/BoardRules.h"
#include "core/game/TGameController.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <initializer_list>
#include <utility>

namespace {

constexpr int HelpTopicStatistics = 2;
constexpr int LineLeft = 16;
constexpr int LineStep = 24;

// "<", the counter and ">" in a row at the top of a page.
struct Browser {
    QPushButton* prev;
    QLabel* count;
    QPushButton* next;
};

Browser makeBrowser(QWidget* page, const QString& prevName, const QString& countName,
                    const QString& nextName) {
    Browser b;
    b.prev = TToolWindow::MakeButton(page, prevName, QStringLiteral("<"), QRect(12, 8, 16, 16));
    b.prev->setFlat(true);
    b.count = new QLabel(QStringLiteral("1/1"), page);
    b.count->setObjectName(countName);
    b.count->setGeometry(37, 8, 24, 16);
    b.count->setAlignment(Qt::AlignCenter);
    b.next = TToolWindow::MakeButton(page, nextName, QStringLiteral(">"), QRect(72, 8, 16, 16));
    b.next->setFlat(true);
    return b;
}

// Text lines one under the other from the given top.
void makeLines(QWidget* page, std::initializer_list<std::pair<QLabel**, const char*>> lines,
               int top) {
    for (const auto& [label, name] : lines) {
        *label = TToolWindow::MakeLine(page, QString::fromLatin1(name), {}, LineLeft, top);
        top += LineStep;
    }
}

} // namespace

TFStatistics::TFStatistics(TGameController& controller, QWidget* parent)
    : TToolWindow(QStringLiteral("FStatistics"), QStringLiteral("Статистика"), QSize(331, 454),
                  QStringLiteral("PCIndustry"), controller.services().help, HelpTopicStatistics,
                  parent),
      controller_(controller) {
    PCIndustry = PageControl();

    TSSGeneral = AddPage(QStringLiteral("TSSGeneral"), QStringLiteral("Общее"));
    makeLines(TSSGeneral,
              {{&IBCount, "IBCount"},
               {&ISCount, "ISCount"},
               {&SRMCount, "SRMCount"},
               {&SGCount, "SGCount"},
               {&ILandUsage, "ILandUsage"},
               {&lLMaxSize, "lLMaxSize"},
               {&ICosts, "ICosts"},
               {&IUsage, "IUsage"}},
              16);

    TSSStorage = AddPage(QStringLiteral("TSSStorage"), QStringLiteral("Склады"));
    const Browser storages = makeBrowser(TSSStorage, QStringLiteral("BPrevStorage"),
                                         QStringLiteral("lSCount"), QStringLiteral("BNextStorage"));
    BPrevStorage = storages.prev;
    lSCount = storages.count;
    BNextStorage = storages.next;
    makeLines(TSSStorage,
              {{&lSType, "lSType"},
               {&lSCosts, "lSCosts"},
               {&lSUsage, "lSUsage"},
               {&lCurrAOSP, "lCurrAOSP"},
               {&lSMaxSize, "lSMaxSize"}},
              40);

    TSSManufacture = AddPage(QStringLiteral("TSSManufacture"), QStringLiteral("Цеха"));
    const Browser buildings =
        makeBrowser(TSSManufacture, QStringLiteral("BPrevIndustry"), QStringLiteral("lBCount"),
                    QStringLiteral("BNextIndustry"));
    BPrevIndustry = buildings.prev;
    lBCount = buildings.count;
    BNextIndustry = buildings.next;
    makeLines(TSSManufacture,
              {{&lBLevel, "lBLevel"},
               {&lBCapacility, "lBCapacility"},
               {&lBmaxSize, "lBmaxSize"},
               {&lCOB, "lCOB"},
               {&lBU, "lBU"}},
              40);

    TSSWorkPlaces = AddPage(QStringLiteral("TSSWorkPlaces"), QStringLiteral("Рабочие места"));
    makeLines(TSSWorkPlaces,
              {{&lBAmountOfWorkPlaces, "lBAmountOfWorkPlaces"},
               {&lMaxAmount, "lMaxAmount"},
               {&lWPFL, "lWPFL"},
               {&lWPSL, "lWPSL"},
               {&lWPTL, "lWPTL"},
               {&lWPU, "lWPU"},
               {&lCOWP, "lCOWP"}},
              16);

    bOK = AddCloseButton(QStringLiteral("bOK"));

    connect(BPrevStorage, &QPushButton::clicked, this, &TFStatistics::BPrevStorageClick);
    connect(BNextStorage, &QPushButton::clicked, this, &TFStatistics::BNextStorageClick);
    connect(BPrevIndustry, &QPushButton::clicked, this, &TFStatistics::BPrevIndustryClick);
    connect(BNextIndustry, &QPushButton::clicked, this, &TFStatistics::BNextIndustryClick);
}

int TFStatistics::Execute() {
    // The pages open on the first building while the browsing keeps its own index, as
    // the game has it; with one workshop a firm never sees the difference.
    ShowWorkshopStatistics(0);
    ShowStorageStatistics(0);
    PCIndustry->setCurrentWidget(TSSGeneral);
    return exec();
}

void TFStatistics::showEvent(QShowEvent* event) {
    storageIndex_ = 0;
    TToolWindow::showEvent(event);
}

void TFStatistics::showTexts(const StatisticsPage& page) {
    for (const auto& [name, text] : page)
        if (auto* label = findChild<QLabel*>(name))
            label->setText(text);
}

void TFStatistics::ShowGeneralStatistics() {
    if (const TIndustry* industry = controller_.Industry())
        showTexts(EnterpriseStatistics::General(*industry));
}

void TFStatistics::ShowStorageStatistics(std::int32_t index) {
    if (const TIndustry* industry = controller_.Industry())
        showTexts(EnterpriseStatistics::Storage(*industry, index));
}

void TFStatistics::ShowWorkshopStatistics(std::int32_t index) {
    if (const TIndustry* industry = controller_.Industry())
        showTexts(EnterpriseStatistics::Workshop(*industry, index));
}

std::int32_t TFStatistics::storageCount() const {
    const TIndustry* industry = controller_.Industry();
    return industry ? std::int32_t(industry->Storages.size()) : 0;
}

std::int32_t TFStatistics::buildingCount() const {
    const TIndustry* industry = controller_.Industry();
    return industry ? std::int32_t(industry->Buildings.size()) : 0;
}

void TFStatistics::BPrevStorageClick() {
    storageIndex_ = BoardRules::PrevEnterprise(storageIndex_, storageCount());
    ShowStorageStatistics(storageIndex_);
}

void TFStatistics::BNextStorageClick() {
    storageIndex_ = BoardRules::NextEnterprise(storageIndex_, storageCount());
    ShowStorageStatistics(storageIndex_);
}

void TFStatistics::BPrevIndustryClick() {
    buildingIndex_ = BoardRules::PrevEnterprise(buildingIndex_, buildingCount());
    ShowWorkshopStatistics(buildingIndex_);
}

void TFStatistics::BNextIndustryClick() {
    buildingIndex_ = BoardRules::NextEnterprise(buildingIndex_, buildingCount());
    ShowWorkshopStatistics(buildingIndex_);
}
