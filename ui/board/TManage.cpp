#include "ui/board/TManage.h"

#include "core/board/BoardRules.h"
#include "core/board/WeeklyInputs.h"
#include "core/game/TAutoSave.h"
#include "core/platform/Help.h"
#include "core/platform/NumberText.h"
#include "core/platform/Prompter.h"
#include "core/platform/Sound.h"
#include "core/players/ComputerTurn.h"
#include "external/StatisticsLibrary.h"
#include "ui/assets/TFRMTrad.h"
#include "ui/assets/TFSTrad.h"
#include "ui/assets/TFTrade.h"
#include "ui/assets/TFUpgrade.h"
#include "ui/board/BoardUi.h"
#include "ui/board/SetupDialogs.h"
#include "ui/board/TComputerMove.h"
#include "ui/board/TfAbout.h"
#include "ui/board/Tsplash.h"
#include "ui/finance/TFLoans.h"
#include "ui/finance/TFPTrade.h"
#include "ui/finance/TFRLTrade.h"
#include "ui/mail/TfMailProgram.h"
#include "ui/mail/TfTextoPhone.h"
#include "ui/reports/TFStatistics.h"
#include "ui/reports/TfHistory.h"
#include "ui/reports/TfManReport.h"
#include "ui/reports/TfMarket.h"
#include "ui/reports/TfReport.h"
#include "ui/reports/TfResults.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QTimer>

namespace {

// Ctrl and these open the two chart windows.
constexpr Qt::Key HistoryKey = Qt::Key_H;
constexpr Qt::Key MarketKey = Qt::Key_M;

// A name or figure longer than its label is written smaller rather than cut; the
// tooltip holds it whole should even the smallest size not do.
void showWhole(QLabel* label, const QString& text) {
    QFont font = label->parentWidget()->font();
    const int largest = font.pixelSize() > 0 ? font.pixelSize() : 12;
    for (int size = largest; size >= 7; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= label->width())
            break;
    }
    label->setFont(font);
    // Too long even at the smallest size: the end gives way to "…", so a cut text
    // is seen to be cut; the tooltip holds it whole.
    label->setText(QFontMetrics(font).elidedText(text, Qt::ElideRight, label->width()));
    label->setToolTip(text);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        QRect geometry, const QIcon& icon = {}) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::TabFocus);
    if (!icon.isNull()) {
        button->setIcon(icon);
        button->setIconSize(QSize(16, 16));
    }
    return button;
}

QGroupBox* makeGroup(QWidget* parent, const QString& name, const QString& caption, QRect geometry) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    group->setGeometry(geometry);
    return group;
}

// The frame of a panel picture at its fixed place, with the 116 x 116 picture inside.
QLabel* makePicture(QGroupBox* group, const QString& name, QFrame** frameOut = nullptr) {
    auto* frame = new QFrame(group);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setGeometry(4, 36, 120, 120);
    auto* picture = new QLabel(frame);
    picture->setObjectName(name);
    picture->setGeometry(2, 2, 116, 116);
    if (frameOut)
        *frameOut = frame;
    return picture;
}

QLineEdit* makeWeeklyEdit(QWidget* parent, const QString& name, int top, const QString& pattern) {
    auto* edit = new QLineEdit(QStringLiteral("0"), parent);
    edit->setObjectName(name);
    edit->setGeometry(152, top, 104, 22);
    // Stars, not the style's dots: the other players at the screen see only "*".
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    return edit;
}

} // namespace

TManage::TManage(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      services_(services), controller_(services) {
    setObjectName(QStringLiteral("Manage"));
    setWindowTitle(QStringLiteral("Zorvick"));
    setFixedSize(536, 530);
    setFont(BoardUi::monoFont(12));
    buildWindow();
    connectController();
    computerMove = new TComputerMove(*this);
    controller_.SetStatisticsRoutine(&ShowStatistics);
    qApp->installEventFilter(this);
}

TManage::~TManage() = default;

void TManage::buildWindow() {
    const GameFolder& folder = services_.folder;
    const QIcon stat = BoardUi::glyph(folder, QStringLiteral("images\\btn_stat.bmp"));
    const QIcon trade = BoardUi::glyph(folder, QStringLiteral("images\\btn_trade.bmp"));
    const QIcon upgrade = BoardUi::glyph(folder, QStringLiteral("images\\btn_upgrade.bmp"));
    const QIcon bank = BoardUi::glyph(folder, QStringLiteral("images\\btn_bank.bmp"));
    const QRect statPlace(4, 160, 120, 25), tradePlace(4, 192, 120, 25),
        upgradePlace(4, 224, 120, 25);
    const QString statCaption = QStringLiteral("Статистика");
    const QString upgradeCaption = QStringLiteral("Улучшить");

    gbStaffInfo = makeGroup(this, QStringLiteral("gbStaffInfo"), QStringLiteral(" Персонал "),
                            QRect(0, 0, 128, 253));
    SImage = makePicture(gbStaffInfo, QStringLiteral("SImage"));
    bbStaffStatistics =
        makeButton(gbStaffInfo, QStringLiteral("bbStaffStatistics"), statCaption, statPlace, stat);
    bbStaffTrade = makeButton(gbStaffInfo, QStringLiteral("bbStaffTrade"), QStringLiteral("Найм"),
                              tradePlace, trade);
    bbStaffUpgrade = makeButton(gbStaffInfo, QStringLiteral("bbStaffUpgrade"), upgradeCaption,
                                upgradePlace, upgrade);
    bbStaffUpgrade->hide();

    gbRawMaterialsInfo = makeGroup(this, QStringLiteral("gbRawMaterialsInfo"),
                                   QStringLiteral(" Сырье "), QRect(136, 0, 128, 253));
    RMImage = makePicture(gbRawMaterialsInfo, QStringLiteral("RMImage"));
    bbRawMaterialsStatistics =
        makeButton(gbRawMaterialsInfo, QStringLiteral("bbRawMaterialsStatistics"), statCaption,
                   statPlace, stat);
    bbRawMaterialsTrade = makeButton(gbRawMaterialsInfo, QStringLiteral("bbRawMaterialsTrade"),
                                     QStringLiteral("Закупка"), tradePlace, trade);
    bbRawMaterialsUpgrade = makeButton(gbRawMaterialsInfo, QStringLiteral("bbRawMaterialsUpgrade"),
                                       upgradeCaption, upgradePlace, upgrade);
    bbRawMaterialsUpgrade->hide();

    gbProductionInfo = makeGroup(this, QStringLiteral("gbProductionInfo"),
                                 QStringLiteral(" Продукция "), QRect(272, 0, 128, 253));
    PImage = makePicture(gbProductionInfo, QStringLiteral("PImage"));
    bbProductionStatistics = makeButton(gbProductionInfo, QStringLiteral("bbProductionStatistics"),
                                        statCaption, statPlace, stat);
    bbProductionTrade = makeButton(gbProductionInfo, QStringLiteral("bbProductionTrade"),
                                   QStringLiteral("Производство"), tradePlace, trade);

    gbResearchInfo = makeGroup(this, QStringLiteral("gbResearchInfo"),
                               QStringLiteral(" Исследование "), QRect(408, 0, 128, 253));
    RImage = makePicture(gbResearchInfo, QStringLiteral("RImage"));
    bbResearchStatistics = makeButton(gbResearchInfo, QStringLiteral("bbResearchStatistics"),
                                      statCaption, statPlace, stat);
    bbResearchTrade = makeButton(gbResearchInfo, QStringLiteral("bbResearchTrade"),
                                 QStringLiteral("Исследование"), tradePlace, trade);

    gbIndustryInfo = makeGroup(this, QStringLiteral("gbIndustryInfo"),
                               QStringLiteral(" Предприятие "), QRect(0, 256, 128, 253));
    BPrevFirm = makeButton(gbIndustryInfo, QStringLiteral("BPrevFirm"), QStringLiteral("<"),
                           QRect(4, 16, 16, 16));
    BPrevFirm->setFlat(true);
    ICount = makeLabel(gbIndustryInfo, QStringLiteral("ICount"), QStringLiteral("1/2"),
                       QRect(29, 16, 24, 16));
    ICount->setAlignment(Qt::AlignCenter);
    BNextFirm = makeButton(gbIndustryInfo, QStringLiteral("BNextFirm"), QStringLiteral(">"),
                           QRect(64, 16, 16, 16));
    BNextFirm->setFlat(true);
    // Every player owns one enterprise, so nothing shows the switch.
    BPrevFirm->hide();
    ICount->hide();
    BNextFirm->hide();
    connect(BPrevFirm, &QPushButton::clicked, this, &TManage::BPrevFirmClick);
    connect(BNextFirm, &QPushButton::clicked, this, &TManage::BNextFirmClick);
    FImage = makePicture(gbIndustryInfo, QStringLiteral("FImage"), &FPanel);
    FPanel->setObjectName(QStringLiteral("FPanel"));
    bbIndustryStatistics = makeButton(gbIndustryInfo, QStringLiteral("bbIndustryStatistics"),
                                      statCaption, statPlace, stat);
    bbIndustryTrade = makeButton(gbIndustryInfo, QStringLiteral("bbIndustryTrade"),
                                 QStringLiteral("Торговля"), tradePlace, trade);
    bbIndustryUpgrade = makeButton(gbIndustryInfo, QStringLiteral("bbIndustryUpgrade"),
                                   upgradeCaption, upgradePlace, upgrade);

    gbMain = makeGroup(this, QStringLiteral("gbMain"), QStringLiteral(" Игра "),
                       QRect(136, 256, 265, 253));
    bbMailBox = makeButton(gbMain, QStringLiteral("bbMailBox"), QStringLiteral("Почта"),
                           QRect(8, 24, 75, 25));
    bbMailBox->setFont(BoardUi::monoFont(13, true));
    bHelp = makeButton(gbMain, QStringLiteral("bHelp"), QStringLiteral("Помощь"),
                       QRect(176, 24, 75, 25));
    bHelp->setFont(BoardUi::monoFont(13, true));
    connect(bHelp, &QPushButton::clicked, this, &TManage::bHelpClick);
    bTP = makeButton(gbMain, QStringLiteral("bTP"), QStringLiteral("Текстофон"),
                     QRect(8, 56, 75, 25));
    makeLabel(gbMain, {}, QStringLiteral("Продать"), QRect(96, 133, 56, 16));
    makeLabel(gbMain, {}, QStringLiteral("ед. по цене"), QRect(64, 165, 88, 16));
    makeLabel(gbMain, {}, QStringLiteral("вкладывая в рекламу"), QRect(8, 197, 144, 16));
    eProd = makeWeeklyEdit(gbMain, QStringLiteral("eProd"), 130, WeeklyInputs::ProdPattern());
    eProd->setMaxLength(WeeklyInputs::ProdMaxLength);
    ePrice = makeWeeklyEdit(gbMain, QStringLiteral("ePrice"), 162, WeeklyInputs::PricePattern());
    eAdvExp = makeWeeklyEdit(gbMain, QStringLiteral("eAdvExp"), 194, WeeklyInputs::AmountPattern());
    connect(eProd, &QLineEdit::textChanged, this, &TManage::eProdChange);
    connect(ePrice, &QLineEdit::textChanged, this, &TManage::ePriceChange);
    connect(eAdvExp, &QLineEdit::textChanged, this, &TManage::eAdvExpChange);
    bEndTurn = makeButton(gbMain, QStringLiteral("bEndTurn"), QStringLiteral("Следующий Игрок"),
                          QRect(8, 224, 249, 25));
    connect(bEndTurn, &QPushButton::clicked, this, &TManage::bEndTurnClick);
    setTabOrder(eProd, ePrice);
    setTabOrder(ePrice, eAdvExp);
    setTabOrder(eAdvExp, bEndTurn);

    gbZorvickInfo = makeGroup(this, QStringLiteral("gbZorvickInfo"), QStringLiteral(" Менеджер "),
                              QRect(408, 256, 128, 253));
    lName = makeLabel(gbZorvickInfo, QStringLiteral("lName"), {}, QRect(4, 16, 120, 16));
    MImage = makePicture(gbZorvickInfo, QStringLiteral("MImage"));
    // Made before the statistics button, which covers it: the title shows in the caption.
    lTitle = makeLabel(gbZorvickInfo, QStringLiteral("lTitle"), {}, QRect(4, 160, 120, 16));
    bbBankStatistics =
        makeButton(gbZorvickInfo, QStringLiteral("bbBankStatistics"), statCaption, statPlace, stat);
    bbBankStatistics->setEnabled(false);
    connect(bbBankStatistics, &QPushButton::clicked, this, &TManage::bMStatsClick);
    bbBankTrade = makeButton(gbZorvickInfo, QStringLiteral("bbBankTrade"), QStringLiteral("БАНК"),
                             tradePlace, bank);
    lCurMon = makeLabel(gbZorvickInfo, QStringLiteral("lCurMon"), {}, QRect(4, 224, 120, 16));

    StBar = new QStatusBar(this);
    StBar->setObjectName(QStringLiteral("StBar"));
    StBar->setGeometry(0, 511, 536, 19);
    StBar->setSizeGripEnabled(false);
    StBarPanel = new QLabel(StBar);
    StBarPanel->setObjectName(QStringLiteral("StBarPanel0"));
    StBarPanel->setFixedWidth(50);
    StBar->addWidget(StBarPanel);

    pmHelpPopup = new QMenu(this);
    pmHelpPopup->setObjectName(QStringLiteral("pmHelpPopup"));
    miContents = pmHelpPopup->addAction(QStringLiteral("Содержание"));
    miContents->setObjectName(QStringLiteral("miContents"));
    miIndex = pmHelpPopup->addAction(QStringLiteral("Указатель"));
    miIndex->setObjectName(QStringLiteral("miIndex"));
    miSearch = pmHelpPopup->addAction(QStringLiteral("Поиск"));
    miSearch->setObjectName(QStringLiteral("miSearch"));
    pmHelpPopup->addSeparator();
    miAbout = pmHelpPopup->addAction(QStringLiteral("О создателях"));
    miAbout->setObjectName(QStringLiteral("miAbout"));
    connect(miContents, &QAction::triggered, this, [this] { services_.help.showContents(); });
    connect(miIndex, &QAction::triggered, this, [this] { services_.help.showIndex(); });
    connect(miSearch, &QAction::triggered, this, [this] { services_.help.showSearch(); });
    connect(miAbout, &QAction::triggered, this, [this] {
        if (fAbout)
            fAbout->exec();
    });

    pmStatisticsPopup = new QMenu(this);
    pmStatisticsPopup->setObjectName(QStringLiteral("pmStatisticsPopup"));
    miSelf = pmStatisticsPopup->addAction(QStringLiteral("Личная"));
    miSelf->setObjectName(QStringLiteral("miSelf"));
    miGeneral = pmStatisticsPopup->addAction(QStringLiteral("Общая"));
    miGeneral->setObjectName(QStringLiteral("miGeneral"));
    connect(miSelf, &QAction::triggered, this, &TManage::miSelfClick);
    connect(miGeneral, &QAction::triggered, this, &TManage::miGeneralClick);
    miHistory = pmStatisticsPopup->addAction(QStringLiteral("История фирмы"));
    miHistory->setObjectName(QStringLiteral("miHistory"));
    miHistory->setShortcut(QKeySequence(Qt::CTRL | HistoryKey));
    miMarket = pmStatisticsPopup->addAction(QStringLiteral("Рынок"));
    miMarket->setObjectName(QStringLiteral("miMarket"));
    miMarket->setShortcut(QKeySequence(Qt::CTRL | MarketKey));
    // The keys are the board's (FormKeyDown); in the menu they are only shown.
    for (QAction* chart : {miHistory, miMarket})
        chart->setShortcutContext(Qt::WidgetShortcut);
    connect(miHistory, &QAction::triggered, this, &TManage::miHistoryClick);
    connect(miMarket, &QAction::triggered, this, &TManage::miMarketClick);

    MailTimer = new QTimer(this);
    MailTimer->setObjectName(QStringLiteral("MailTimer"));
    MailTimer->setInterval(200);

    for (int i = 0; i < 4; ++i)
        ILFaces.append(BoardUi::loadPicture(
            folder, QStringLiteral("images\\face") + QString::number(i) + QStringLiteral(".bmp")));
    for (int i = 0; i < 2; ++i)
        ilButtons.append(BoardUi::loadPicture(folder, QStringLiteral("images\\button") +
                                                          QString::number(i) +
                                                          QStringLiteral(".bmp")));
}

int TManage::Start() {
    const GameFolder& folder = services_.folder;
    // 1. Label texts, read once and kept.
    controller_.SetLabelTexts(TLabelTexts::Open(folder));
    // 2. The help file is the help viewer's, given it by the program entry.
    // 3., 4. The theme plays while the title picture is up.
    services_.sound.play(folder.resolve(QStringLiteral("sounds\\theme.wav")));
    splash = new Tsplash(BoardUi::loadPicture(folder, QStringLiteral("images\\title.bmp")), this);
    splash->exec();
    services_.sound.stop();
    // 5. The later steps need all four panel pictures.
    if (!loadPanelPictures())
        return StartFailed;
    // 6. The calendar starts in today's month.
    controller_.StartCalendar();
    // 7. The windows used all game long.
    createDialogs();
    // An interrupted game goes on where it stopped, without the setup.
    if (autoSave_ && autoSave_->ResumeAtStart()) {
        fReport->SetLines(controller_.MarketReportLines());
        return StartOk;
    }
    // 8. How many players.
    const QIcon exitGlyph = BoardUi::glyph(folder, QStringLiteral("images\\idc.bmp"));
    playerCountDialog = new PlayerCountDialog(services_.prompter, services_.help, exitGlyph, this);
    BoardUi::centreOnScreen(playerCountDialog);
    if (playerCountDialog->exec() != QDialog::Accepted)
        return StartCancelled;
    // 9., 10. One slot per player, then each player's names and face.
    const int count = playerCountDialog->Count();
    controller_.BeginSetup(count);
    controller_.SetGameLength(playerCountDialog->Length());
    playerEntryDialog =
        new PlayerEntryDialog(services_.prompter, services_.help, exitGlyph, ILFaces, this);
    for (int k = 1; k <= count; ++k) {
        playerEntryDialog->Prepare(k);
        BoardUi::centreOnScreen(playerEntryDialog);
        if (playerEntryDialog->exec() != QDialog::Accepted)
            return StartCancelled;
        controller_.AddPlayer(playerEntryDialog->FirmTitle(), playerEntryDialog->PlayerName(),
                              playerEntryDialog->Face(), playerEntryDialog->Seat());
    }
    // 11. The first player on the board.
    controller_.FinishSetup();
    return StartOk;
}

bool TManage::loadPanelPictures() {
    const struct {
        QLabel* picture;
        const char* file;
    } panels[] = {{RMImage, "images\\stor.bmp"},
                  {PImage, "images\\stor.bmp"},
                  {SImage, "images\\staff.bmp"},
                  {RImage, "images\\res.bmp"}};
    for (const auto& panel : panels) {
        const QString relative = QString::fromLatin1(panel.file);
        const QPixmap pixmap = BoardUi::loadPicture(services_.folder, relative);
        if (pixmap.isNull()) {
            services_.prompter.error(
                BoardRules::MissingPictureText(services_.folder.resolve(relative)),
                NumberText::applicationTitle());
            return false;
        }
        panel.picture->setPixmap(pixmap);
    }
    return true;
}

void TManage::createDialogs() {
    // In the order of creation; the windows of later issues take their places here:
    FStatistics = new TFStatistics(controller_, this);
    connect(bbIndustryStatistics, &QPushButton::clicked, this, &TManage::bbIndustryStatisticsClick);
    fLoans = new TFLoans(controller_, services_.prompter, this);
    connect(bbBankTrade, &QPushButton::clicked, fLoans, &TFLoans::Execute);
    fTrade = new TFTrade(controller_, services_.prompter, this);
    connect(bbIndustryTrade, &QPushButton::clicked, fTrade, &TFTrade::Execute);
    fReport = new TfReport(this);
    fResults = new TfResults(this);
    fAbout = new TfAbout(BoardUi::loadPicture(services_.folder, QStringLiteral("images\\logo.bmp")),
                         this);
    fUpgrade = new TFUpgrade(controller_, this);
    connect(bbIndustryUpgrade, &QPushButton::clicked, fUpgrade, &TFUpgrade::Execute);
    // The gauge library stands in for the statistics windows TFRMStatistics and TfSStats:
    // the four panels' statistics buttons show its gauge.
    const std::pair<QPushButton*, TGaugeKind> gauges[] = {
        {bbStaffStatistics, TGaugeKind::Staff},
        {bbRawMaterialsStatistics, TGaugeKind::RawMaterials},
        {bbProductionStatistics, TGaugeKind::Production},
        {bbResearchStatistics, TGaugeKind::Research}};
    for (const auto& [button, kind] : gauges)
        connect(button, &QPushButton::clicked, this,
                [this, kind = kind] { controller_.ShowGauge(kind); });
    fTextoPhone = new TfTextoPhone(controller_, this);
    connect(bTP, &QPushButton::clicked, fTextoPhone, [this] { fTextoPhone->exec(); });
    fSTrad = new TFSTrad(controller_, services_.prompter, this);
    connect(bbStaffTrade, &QPushButton::clicked, fSTrad, &TFSTrad::Execute);
    fRMTrad = new TFRMTrad(controller_, services_.prompter, this);
    connect(bbRawMaterialsTrade, &QPushButton::clicked, fRMTrad, &TFRMTrad::Execute);
    fPTrade = new TFPTrade(controller_, services_.prompter, this);
    connect(bbProductionTrade, &QPushButton::clicked, fPTrade, &TFPTrade::Execute);
    fRLTrade = new TFRLTrade(controller_, services_.prompter, this);
    connect(bbResearchTrade, &QPushButton::clicked, fRLTrade, &TFRLTrade::Execute);
    fMailProgram = new TfMailProgram(controller_, this);
    connect(bbMailBox, &QPushButton::clicked, this, &TManage::bbMailBoxClick);
    fManReport = new TfManReport(this);
    fHistory = new TfHistory(controller_, this);
    fMarket = new TfMarket(controller_, this);
}

void TManage::connectController() {
    TGameController* c = &controller_;
    connect(c, &TGameController::changed, this, &TManage::ShowPlayer);
    connect(c, &TGameController::controlsLockedChanged, this, &TManage::LockPlayerControls);
    connect(c, &TGameController::capitalChanged, this, &TManage::ShowCapital);
    // A picture that cannot be read at a turn start is not reported; the old one stays.
    connect(c, &TGameController::enterpriseChanged, this, [this] { selectEnterprise(false); });
    connect(c, &TGameController::weeklyInputsReset, this, [this] {
        for (QLineEdit* edit : {eProd, ePrice, eAdvExp})
            edit->setText(QStringLiteral("0"));
    });
    // Emptied, so the edit's own rule makes it "0" and selects it.
    connect(c, &TGameController::advExpCleared, this, [this] { eAdvExp->clear(); });
    connect(c, &TGameController::saleProposed, this,
            [this](const QString& price, const QString& prod) {
                ePrice->setText(price);
                eProd->setText(prod);
            });
    connect(c, &TGameController::mailFlashingChanged, this, [this](bool flashing) {
        if (flashing) {
            MailTimer->start();
        } else {
            MailTimer->stop();
            mailFlash_ = 0;
            setMailColour(Qt::black);
        }
    });
    connect(MailTimer, &QTimer::timeout, this, [this] {
        ++mailFlash_;
        setMailColour(mailFlash_ % 2 ? Qt::red : Qt::black);
    });
    connect(c, &TGameController::marketReportReady, this, &TManage::showMarketReport);
    connect(c, &TGameController::rankingReady, this, &TManage::showResults);
    connect(c, &TGameController::gameEnded, this, &TManage::gameEnded);
}

void TManage::setMailColour(const QColor& colour) {
    QPalette palette = bbMailBox->palette();
    // A disabled button (a computer's move) keeps its grey.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::ButtonText, colour);
    bbMailBox->setPalette(palette);
}

QString TManage::LabelText(const QString& key, const QString& builtIn) const {
    return controller_.LabelText(key, builtIn);
}

std::optional<QString> TManage::LabelText(const QString& key, const QString& builtIn,
                                          double value) {
    return controller_.LabelText(key, builtIn, value);
}

void TManage::ShowPlayer() {
    ShowCalendar();
    bEndTurn->setText(controller_.EndTurnCaption());
    bbBankStatistics->setEnabled(controller_.StatisticsEnabled());
    LockPlayerControls(controller_.ControlsLocked());
    // A ruined player may still find the bank open, and an open bank may close.
    bbBankTrade->setEnabled(controller_.BankTradeEnabled());
    const TZorvick* company = controller_.Company();
    if (!company)
        return;
    setWindowTitle(company->Title);
    showWhole(lName, company->PlayerName);
    showWhole(lTitle, company->Title);
    ShowCapital();
    if (company->Face >= 0 && company->Face < ILFaces.size())
        MImage->setPixmap(ILFaces[company->Face]);
    else
        MImage->clear();
    ICount->setText(BoardRules::IndustryCountText(Game().EnterpriseIndex,
                                                  std::int32_t(company->Industries.size())));
}

void TManage::ShowCapitalOf(float money) {
    // A long amount is written smaller, never cut to a tenth of itself.
    showWhole(lCurMon, TGame::CapitalText(money));
}

void TManage::ShowCapital() {
    if (const TZorvick* company = controller_.Company())
        ShowCapitalOf(company->Money);
}

TIndustry* TManage::SelectEnterprise() {
    return selectEnterprise(true);
}

TIndustry* TManage::selectEnterprise(bool report) {
    TIndustry* industry = Game().Industry();
    if (!industry)
        return nullptr;
    const std::int32_t level = industry->Buildings.empty() ? 1 : industry->Buildings[0].Level;
    const QString relative = BoardRules::EnterprisePicture(level);
    const QPixmap pixmap = BoardUi::loadPicture(services_.folder, relative);
    if (pixmap.isNull()) {
        // The previous picture stays.
        if (report)
            services_.prompter.error(
                BoardRules::MissingPictureText(services_.folder.resolve(relative)),
                NumberText::applicationTitle());
    } else {
        FImage->setPixmap(pixmap);
        FImage->repaint();
    }
    if (FStatistics)
        FStatistics->ShowGeneralStatistics();
    return industry;
}

void TManage::LockPlayerControls(bool locked) {
    for (QWidget* w :
         {static_cast<QWidget*>(gbResearchInfo), static_cast<QWidget*>(gbStaffInfo),
          static_cast<QWidget*>(gbRawMaterialsInfo), static_cast<QWidget*>(gbProductionInfo),
          static_cast<QWidget*>(gbIndustryInfo), static_cast<QWidget*>(bbBankTrade),
          static_cast<QWidget*>(eProd), static_cast<QWidget*>(ePrice),
          static_cast<QWidget*>(eAdvExp)})
        w->setEnabled(!locked);
}

void TManage::ShowCalendar() {
    const QString text = Game().Calendar.StatusText();
    StBarPanel->setText(text);
    // As wide as the text, so the whole date can be read.
    StBarPanel->setFixedWidth(std::max(50, StBarPanel->fontMetrics().horizontalAdvance(text) + 8));
}

void TManage::bEndTurnClick() {
    controller_.EndMove(eProd->text(), ePrice->text(), eAdvExp->text());
}

void TManage::showMarketReport() {
    // The windows are made by Start; a board used without it has no report to show.
    if (!fReport)
        return;
    fReport->SetLines(controller_.MarketReportLines());
    // A game of computers only is a demonstration: nobody has to close the report.
    if (!ComputerTurn::PersonSeated(controller_))
        computerMove->CloseUnattended(fReport);
    fReport->exec();
}

void TManage::showResults() {
    if (!fResults)
        return;
    fResults->SetLines(GameRanking::Lines(controller_.FinalRanking()));
    fResults->exec();
}

void TManage::miGeneralClick() {
    if (fReport)
        fReport->exec();
}

void TManage::miSelfClick() {
    // Built again here as well, so the fax is the current player's latest even when the
    // item is reached without the button.
    fManReport->SetLines(controller_.AccountantFax());
    fManReport->exec();
}

void TManage::miHistoryClick() {
    if (fHistory && controller_.StatisticsEnabled())
        fHistory->Execute();
}

void TManage::miMarketClick() {
    if (fMarket && controller_.StatisticsEnabled())
        fMarket->Execute();
}

void TManage::bbIndustryStatisticsClick() {
    SelectEnterprise();
    FStatistics->Execute();
}

void TManage::bMStatsClick() {
    const QPoint at = BoardRules::ButtonPopupPoint(frameGeometry().topLeft(), gbZorvickInfo->pos(),
                                                   bbBankStatistics->geometry());
    pmStatisticsPopup->popup(at);
    // The menu does not wait for a choice: the fax is rebuilt before either item shows.
    fManReport->SetLines(controller_.AccountantFax());
}

void TManage::gameEnded(int status) {
    close();
    QCoreApplication::exit(status);
}

void TManage::BNextFirmClick() {
    const TZorvick* company = controller_.Company();
    if (!company)
        return;
    const auto n = std::int32_t(company->Industries.size());
    const std::int32_t index = BoardRules::NextEnterprise(Game().EnterpriseIndex, n);
    ICount->setText(BoardRules::IndustryCountText(index, n));
    controller_.SelectEnterprise(index);
}

void TManage::BPrevFirmClick() {
    const TZorvick* company = controller_.Company();
    if (!company)
        return;
    const auto n = std::int32_t(company->Industries.size());
    const std::int32_t index = BoardRules::PrevEnterprise(Game().EnterpriseIndex, n);
    ICount->setText(BoardRules::IndustryCountText(index, n));
    controller_.SelectEnterprise(index);
}

void TManage::bbMailBoxClick() {
    fMailProgram->Open();
}

void TManage::bHelpClick() {
    pmHelpPopup->popup(
        BoardRules::ButtonPopupPoint(frameGeometry().topLeft(), gbMain->pos(), bHelp->geometry()));
}

bool TManage::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_F1 && modifiers == Qt::NoModifier) {
        services_.help.showTopic(BoardRules::HelpTopicBoard);
        return true;
    }
    if (modifiers == Qt::ControlModifier && (key == HistoryKey || key == MarketKey)) {
        key == HistoryKey ? miHistoryClick() : miMarketClick();
        return true;
    }
    const QString name = BoardRules::ShortcutButton(key, modifiers);
    if (name.isEmpty())
        return false;
    // A disabled button or group box (a ruined player, a closed bank) keeps its shortcut shut.
    auto* button = findChild<QAbstractButton*>(name);
    if (button && button->isEnabled())
        button->click();
    return true;
}

bool TManage::eventFilter(QObject* watched, QEvent* event) {
    // The board sees keys before its controls do.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (FormKeyDown(key->key(), key->modifiers()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TManage::showEvent(QShowEvent* event) {
    if (!centred_) {
        centred_ = true;
        BoardUi::centreOnScreen(this);
    }
    QWidget::showEvent(event);
}

void TManage::eProdChange() {
    applyEditRule(eProd, controller_.ProdChanged(eProd->text()));
}

void TManage::ePriceChange() {
    applyEditRule(ePrice, WeeklyInputs::PriceChanged(ePrice->text()));
}

void TManage::eAdvExpChange() {
    applyEditRule(eAdvExp, controller_.AdvExpChanged(eAdvExp->text()));
}

void TManage::applyEditRule(QLineEdit* edit, const WeeklyInputs::Outcome& outcome) {
    // A replacement that leaves the text as it was does not run the rule again.
    if (outcome.replacement && *outcome.replacement != edit->text())
        edit->setText(*outcome.replacement);
    if (outcome.selectAll)
        edit->selectAll();
}
