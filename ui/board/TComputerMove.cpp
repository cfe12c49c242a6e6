#include "ui/board/TComputerMove.h"

#include "core/players/ComputerTurn.h"
#include "ui/board/TManage.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

TComputerMove::TComputerMove(TManage& board) : QObject(&board), board_(board) {
    setObjectName(QStringLiteral("ComputerMove"));
    lComputerAction = new QLabel(board.StBar);
    lComputerAction->setObjectName(QStringLiteral("lComputerAction"));
    board.StBar->addWidget(lComputerAction, 1);
    timer_.setSingleShot(false);
    connect(&timer_, &QTimer::timeout, this, &TComputerMove::tick);
    connect(&board.Controller(), &TGameController::turnBegan, this, &TComputerMove::turnBegan);
}

void TComputerMove::SetPace(int actionMs, int reportMs) {
    pace_ = std::max(0, actionMs);
    reportPause_ = std::max(0, reportMs);
}

void TComputerMove::turnBegan() {
    lComputerAction->clear();
    if (!ComputerTurn::ComputerToMove(board_.Controller()) || pending_)
        return;
    // Not inside the move that has just ended: its caller still has work to do.
    pending_ = true;
    QTimer::singleShot(0, this, &TComputerMove::begin);
}

void TComputerMove::begin() {
    pending_ = false;
    if (playing_ || !ComputerTurn::ComputerToMove(board_.Controller()))
        return;
    playing_ = true;
    skipping_ = false;
    // The whole move is one action: a game stopped while it is shown goes on from
    // its start, and the manager plays it again as it did.
    board_.Controller().HoldActions();
    ComputerTurn turn(board_.Controller());
    lines_ = turn.Play();
    moneyBefore_ = turn.MoneyBefore();
    moneyAfter_ = turn.MoneyAfter();
    offer_ = turn.Offer();
    price_ = turn.Price();
    advertising_ = turn.Advertising();
    shown_ = 0;
    lockBoard(true);
    // The move is made at once; the capital follows its lines as they are told.
    board_.ShowCapitalOf(moneyBefore_);
    if (pace_ == 0) {
        finish();
        return;
    }
    qApp->installEventFilter(this);
    tick();
    timer_.start(pace_);
}

void TComputerMove::tick() {
    if (shown_ < lines_.size()) {
        if (std::size_t(shown_) < moneyAfter_.size())
            board_.ShowCapitalOf(moneyAfter_[std::size_t(shown_)]);
        lComputerAction->setText(lines_[shown_++]);
        return;
    }
    // The figures go in as a person's do, shown as stars; the move ends a line later.
    if (board_.eProd->text() != offer_ || board_.ePrice->text() != price_ ||
        board_.eAdvExp->text() != advertising_) {
        board_.eProd->setText(offer_);
        board_.ePrice->setText(price_);
        board_.eAdvExp->setText(advertising_);
        return;
    }
    finish();
}

void TComputerMove::Skip() {
    if (playing_ && !skipping_) {
        skipping_ = true;
        // Out of the event that asked for it: ending the move may show the report.
        QTimer::singleShot(0, this, &TComputerMove::finish);
    }
}

void TComputerMove::finish() {
    if (!playing_)
        return;
    timer_.stop();
    qApp->removeEventFilter(this);
    if (!lines_.isEmpty())
        lComputerAction->setText(lines_.last());
    board_.eProd->setText(offer_);
    board_.ePrice->setText(price_);
    board_.eAdvExp->setText(advertising_);
    playing_ = false;
    lockBoard(false);
    board_.bEndTurnClick();
    board_.Controller().ReleaseActions();
}

void TComputerMove::lockBoard(bool locked) {
    // The people at the screen watch; nothing of the computer's firm is theirs to use.
    board_.LockPlayerControls(locked || board_.Controller().ControlsLocked());
    for (QWidget* w :
         {static_cast<QWidget*>(board_.bEndTurn), static_cast<QWidget*>(board_.bbMailBox),
          static_cast<QWidget*>(board_.bTP), static_cast<QWidget*>(board_.bbBankStatistics)})
        w->setEnabled(!locked);
    if (!locked)
        board_.ShowPlayer();
}

void TComputerMove::CloseUnattended(QDialog* report) {
    report_ = report;
    const int shown = ++reportShown_;
    QTimer::singleShot(reportPause_, this, [this, shown] {
        if (report_ && shown == reportShown_ && report_->isVisible())
            report_->accept();
    });
    qApp->installEventFilter(this);
}

bool TComputerMove::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress)
        return QObject::eventFilter(watched, event);
    if (playing_) {
        Skip();
        return true;
    }
    if (report_ && report_->isVisible()) {
        report_->accept();
        report_ = nullptr;
        qApp->removeEventFilter(this);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
