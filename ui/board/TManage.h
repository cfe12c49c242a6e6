#pragma once

#include "core/game/TGameController.h"
#include "core/platform/Services.h"

#include <QList>
#include <QPixmap>
#include <QWidget>
#include <optional>

class PlayerCountDialog;
class PlayerEntryDialog;
class QAction;
class QColor;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStatusBar;
class QTimer;
class TComputerMove;
class TFLoans;
class TFPTrade;
class TFRLTrade;
class TFRMTrad;
class TFSTrad;
class TFStatistics;
class TFTrade;
class TFUpgrade;
class TAutoSave;
class TfAbout;
class TfHistory;
class TfMailProgram;
class TfManReport;
class TfMarket;
class TfReport;
class TfResults;
class TfTextoPhone;
class Tsplash;

// The game board, a view of the game controller it owns: it reads its edits, calls
// the controller and shows what the controller's signals say changed. Start runs
// the start-up and the setup with modal windows, so that a driver feeding the event
// loop can answer them.
class TManage : public QWidget {
    Q_OBJECT
public:
    explicit TManage(const Services& services, QWidget* parent = nullptr);
    ~TManage() override;

    enum StartStatus {
        StartOk = 0,        // the board is ready to be shown
        StartCancelled = 1, // the player left a setup dialog
        StartFailed = 2,    // a picture of the panels could not be read
    };
    // The start-up in its order: label texts, theme and splash, pictures,
    // calendar, the dialog windows, the two setup dialogs, the first player.
    int Start();
    // The autosave Start offers to continue after the title picture; none by default.
    void UseAutoSave(TAutoSave* autoSave) { autoSave_ = autoSave; }

    TGameController& Controller() { return controller_; }
    TGame& Game() { return controller_.Game(); }
    const TGame& Game() const { return controller_.Game(); }
    const TLabelTexts& LabelTexts() const { return controller_.LabelTexts(); }
    Services& services() { return services_; }

    QString LabelText(const QString& key, const QString& builtIn) const;
    std::optional<QString> LabelText(const QString& key, const QString& builtIn, double value);

    // Shows the current player: names, face, capital, caption, enterprise and the
    // controls' states, as the controller has them.
    void ShowPlayer();
    void ShowCapital();
    // The capital as it stood at some point of a computer's move.
    void ShowCapitalOf(float money);
    // Shows the picture of the shown enterprise; the enterprise, or null.
    TIndustry* SelectEnterprise();
    void LockPlayerControls(bool locked);
    void ShowCalendar();

    void bEndTurnClick();
    void bMStatsClick();
    void miGeneralClick();
    void miSelfClick();
    // The charts of the firm's last weeks and of the market; from the second week on.
    void miHistoryClick();
    void miMarketClick();
    // The enterprise statistics window, opened on the shown enterprise.
    void bbIndustryStatisticsClick();
    void BNextFirmClick();
    void BPrevFirmClick();
    void bHelpClick();
    // The mailbox of the current player, shown modally.
    void bbMailBoxClick();
    // Key preview: true when the key was a shortcut or F1 and has been used.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);

    QGroupBox *gbStaffInfo, *gbRawMaterialsInfo, *gbProductionInfo, *gbResearchInfo,
        *gbIndustryInfo, *gbMain, *gbZorvickInfo;
    QLabel *SImage, *RMImage, *PImage, *RImage, *FImage, *MImage;
    QFrame* FPanel;
    QPushButton *bbStaffStatistics, *bbStaffTrade, *bbStaffUpgrade;
    QPushButton *bbRawMaterialsStatistics, *bbRawMaterialsTrade, *bbRawMaterialsUpgrade;
    QPushButton *bbProductionStatistics, *bbProductionTrade;
    QPushButton *bbResearchStatistics, *bbResearchTrade;
    QPushButton *BPrevFirm, *BNextFirm;
    QLabel* ICount;
    QPushButton *bbIndustryStatistics, *bbIndustryTrade, *bbIndustryUpgrade;
    QPushButton *bbMailBox, *bTP, *bHelp, *bEndTurn;
    QLineEdit *eProd, *ePrice, *eAdvExp;
    QLabel *lName, *lTitle, *lCurMon;
    QPushButton *bbBankStatistics, *bbBankTrade;
    QStatusBar* StBar;
    QLabel* StBarPanel; // panel 0: the calendar
    QMenu *pmHelpPopup, *pmStatisticsPopup;
    QAction *miContents, *miIndex, *miSearch, *miAbout, *miSelf, *miGeneral, *miHistory, *miMarket;
    QTimer* MailTimer;
    QList<QPixmap> ILFaces;   // 116 x 116 faces
    QList<QPixmap> ilButtons; // 71 x 21: plain and pressed

    // The windows created once at start-up (step by step as they arrive).
    Tsplash* splash = nullptr;
    TfAbout* fAbout = nullptr;
    TfReport* fReport = nullptr;
    TfResults* fResults = nullptr;
    TFStatistics* FStatistics = nullptr;
    TfManReport* fManReport = nullptr;
    TfHistory* fHistory = nullptr;
    TfMarket* fMarket = nullptr;
    TfTextoPhone* fTextoPhone = nullptr;
    TfMailProgram* fMailProgram = nullptr;
    TFTrade* fTrade = nullptr;
    TFUpgrade* fUpgrade = nullptr;
    TFSTrad* fSTrad = nullptr;
    TFRMTrad* fRMTrad = nullptr;
    TFLoans* fLoans = nullptr;
    TFPTrade* fPTrade = nullptr;
    TFRLTrade* fRLTrade = nullptr;
    PlayerCountDialog* playerCountDialog = nullptr;
    PlayerEntryDialog* playerEntryDialog = nullptr;
    // The paced moves of the computer managers.
    TComputerMove* computerMove = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildWindow();
    void createDialogs();
    bool loadPanelPictures();
    void connectController();
    TIndustry* selectEnterprise(bool report);
    void showMarketReport();
    void showResults();
    void setMailColour(const QColor& colour);
    void gameEnded(int status);
    void eProdChange();
    void ePriceChange();
    void eAdvExpChange();
    void applyEditRule(QLineEdit* edit, const WeeklyInputs::Outcome& outcome);

    Services services_;
    TGameController controller_;
    TAutoSave* autoSave_ = nullptr;
    bool centred_ = false;
    int mailFlash_ = 0; // red on odd ticks
};
