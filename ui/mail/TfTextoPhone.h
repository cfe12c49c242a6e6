#pragma once

#include "core/mail/TTelephone.h"

#include <QDialog>
#include <QList>
#include <QPixmap>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QToolButton;
class TGameController;

// The telephone: a borderless window cut to the rounded outline of its drawing,
// with a keypad, a number display, a phone book, the picture of the person called
// and a one-line choice list. The calls and the conversation are TTelephone's;
// the window shows its state after every action.
class TfTextoPhone : public QDialog {
    Q_OBJECT
public:
    TfTextoPhone(TGameController& controller, QWidget* parent = nullptr);

    TTelephone& Phone() { return phone_; }

    void DigitClick(QToolButton* key);
    void sbMemoClick(bool down);
    void lbMemoDblClick(int row);
    void sbDialClick();
    void sbHangUpClick();
    void sbExitClick();
    void lbTextDblClick(int row);
    void PhoneTimerTimer();

    QLabel* iPhone;
    QToolButton *sb1, *sb2, *sb3, *sb4, *sb5, *sb6, *sb7, *sb8, *sb9, *sb0;
    QToolButton *sbAsterix, *sbNumber, *sbMemo, *sbDial, *sbHangUp, *sbExit;
    QLineEdit* eNumber;
    QListWidget* lbText;
    QListWidget* lbMemo;
    QPlainTextEdit* mTalk;
    QPlainTextEdit* mConnect;
    QLabel* iAbonent;
    QList<QPixmap> ilAbonents; // 180 x 180
    QPushButton* bNone;
    QTimer* PhoneTimer;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    // Puts the telephone's state into the controls.
    void showState();
    // Each line of the choice list as high as its wrapped text.
    void fitLines();
    // The keyboard as the keypad: digits, "*", "#", Backspace; Enter takes the
    // highlighted choice or dials; Up and Down move the highlight during a call.
    bool phoneKey(QKeyEvent* event, QObject* from);

    TTelephone phone_;
};
