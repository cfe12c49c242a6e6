#pragma once

#include "core/mail/TMailBox.h"

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <QTreeWidget>

class QPlainTextEdit;
class QSplitter;
class QToolBar;
class QToolButton;
class TGameController;

// The letter list: a press on empty space leaves no row selected, as the window
// system's list does, and every press is reported once the list has selected.
class TMailList : public QTreeWidget {
    Q_OBJECT
public:
    using QTreeWidget::QTreeWidget;

signals:
    void mouseDown(const QPoint& at);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The mailbox of the current player: the letters with subject, unread mark, sender
// and date above the reading pane. A letter opens only by a click on its subject;
// the selection and deletion rules are TMailBox's.
class TfMailProgram : public QDialog {
    Q_OBJECT
public:
    TfMailProgram(TGameController& controller, QWidget* parent = nullptr);

    // The mail button's action: the current player's rows and caption, then modal.
    int Open();
    // Open without the modal loop: the rows and the caption.
    void Prepare();

    TMailBox& MailBox() { return box_; }

    void lvMailMouseDown(const QPoint& at);
    // True when the key was the Delete key and has been used.
    bool lvMailKeyDown(int key);
    void bDeleteClick();

    QToolBar* tMain;
    QToolButton *tbDelete, *tbRead, *tbSend;
    QTreeWidget* tvMailBoxes;
    QSplitter *Splitter1, *Splitter2;
    TMailList* lvMail;
    QPlainTextEdit* mLetter;
    QList<QPixmap> ilButtons; // 24 x 24: delete, read, answer

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormShow();
    void FormHide();
    void addRows();
    void fitColumns();
    void rebuild();
    void setButtons(bool enabled);
    // The highlight left the opened letter: nothing to read or delete.
    void highlightMoved();

    TGameController& controller_;
    TMailBox box_;
    bool rebuilding_ = false;
};
