// The mailbox and telephone windows, headless: real mouse presses and keys on the
// controls, the telephone's timer driven through its handler.
#include "MailFixture.h"
#include "core/game/GameMail.h"
#include "core/model/player.h"
#include "ui/mail/TfMailProgram.h"
#include "ui/mail/TfTextoPhone.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {

const QString gameDir = QStringLiteral(ZORVICK_GAME_DIR);

QStringList rows(const QTreeWidget* list) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        out << item->text(0) + '|' + item->text(1);
    }
    return out;
}

QStringList rows(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// A person's double click: a click, then the second press arrives as a double click.
void doubleClick(QListWidget* list, int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

QPoint cell(QTreeWidget* list, int row, int column) {
    return list->visualRect(list->model()->index(row, column)).center();
}

} // namespace

class MailWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void mailboxCaptionAndButtons() {
        MailGame game(gameDir);
        game.post(0, "Дизайнерская группа");
        TfMailProgram w(*game.controller);
        w.Prepare();
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Почта - Ann@sportprom.zv"));
        // Players never answer: the third button never shows.
        QVERIFY(!w.tbSend->isVisibleTo(&w));
        for (QToolButton* b : {w.tbDelete, w.tbRead}) {
            QVERIFY(b->isVisibleTo(&w) && !b->isEnabled());
            QVERIFY(!b->icon().isNull());
        }
        QVERIFY(w.lvMail->columnWidth(0) >= 70 && w.lvMail->columnWidth(0) <= 200);
        QCOMPARE(w.lvMail->topLevelItem(0)->text(2), QStringLiteral("from@sportprom.zv"));
    }

    void mailboxOpensOnlyBySubjectAndDeletesByKeyAndButton() {
        MailGame game(gameDir);
        for (const char* subject : {"A", "B", "C"})
            game.post(0, subject);
        TfMailProgram w(*game.controller);
        w.Prepare();
        w.show();
        QTreeWidget* list = w.lvMail;

        // The sender's column opens nothing and leaves no row highlighted.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell(list, 0, 2));
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(w.mLetter->toPlainText().isEmpty());
        QVERIFY(!w.tbDelete->isEnabled());
        // The subject's own edge is outside the strict test.
        const QRect subject = list->visualRect(list->model()->index(0, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          QPoint(subject.left(), subject.center().y()));
        QVERIFY(w.mLetter->toPlainText().isEmpty());

        // Any button opens a letter by its subject.
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, cell(list, 1, 0));
        QCOMPARE(rows(list), QStringList({"A|!", "B| ", "C|!"}));
        QCOMPARE(w.mLetter->toPlainText(), QStringLiteral("Text of B"));
        QCOMPARE(list->currentIndex().row(), 1);
        QVERIFY(w.tbDelete->isEnabled() && w.tbRead->isEnabled() && w.tbSend->isEnabled());

        // Delete acts only on the highlighted letter: a press below the rows, on a
        // sender, or the arrow keys leave the letter read before out of its reach.
        const std::function<void()> movesOff[] = {
            [&] {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  QPoint(20, list->viewport()->height() - 5));
            },
            [&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell(list, 1, 2)); },
            [&] { QTest::keyClick(list, Qt::Key_Down); },
        };
        for (const auto& moveOff : movesOff) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell(list, 1, 0));
            QCOMPARE(w.mLetter->toPlainText(), QStringLiteral("Text of B"));
            moveOff();
            QVERIFY(w.mLetter->toPlainText().isEmpty());
            QVERIFY(!w.tbDelete->isEnabled());
            QTest::keyClick(list, Qt::Key_Delete);
            QCOMPARE(game.subjects(0), QStringList({"A", "B", "C"}));
        }

        // The button and the key delete the opened letter and leave none highlighted:
        // pressed again, they delete nothing.
        for (const auto& [press, left] :
             {std::pair<std::function<void()>, QStringList>{[&] { w.tbDelete->click(); },
                                                            {"A", "C"}},
              {[&] { QTest::keyClick(list, Qt::Key_Delete); }, {"A"}}}) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell(list, 1, 0));
            press();
            QCOMPARE(game.subjects(0), left);
            QVERIFY(list->selectedItems().isEmpty());
            QVERIFY(w.mLetter->toPlainText().isEmpty());
            QVERIFY(!w.tbDelete->isEnabled() && !w.tbRead->isEnabled());
            QTest::keyClick(list, Qt::Key_Delete);
            QCOMPARE(game.subjects(0), left);
        }
    }

    void mailboxOpensAtTheTopAndShowsWholeAddresses() {
        MailGame game(gameDir);
        for (int i = 0; i < 30; ++i)
            game.player(0).PostLetter(GameMail::AdvertisingAgencyAddress(), "Letter", "Text",
                                      "2026.12.1");
        TfMailProgram w(*game.controller);
        QTimer::singleShot(0, &w, [&] {
            w.lvMail->scrollToBottom();
            w.close();
        });
        w.Open();
        int scrolled = -1, advance = 0, width = 0;
        QTimer::singleShot(0, &w, [&] {
            scrolled = w.lvMail->verticalScrollBar()->value();
            advance = w.lvMail->fontMetrics().horizontalAdvance(w.lvMail->topLevelItem(0)->text(2));
            width = w.lvMail->columnWidth(2);
            w.close();
        });
        w.Open();
        QCOMPARE(scrolled, 0);
        QVERIFY2(advance < width, qPrintable(QStringLiteral("%1 %2").arg(advance).arg(width)));
    }

    void escapeClosesTheMailboxAndTheFlashingStops() {
        MailGame game(gameDir);
        game.post(1, "For Bob");
        QCOMPARE(game.controller->EndMove("0", "0", "0"), TGameController::MoveResult::Ended);
        QVERIFY(game.controller->MailFlashing());
        TfMailProgram w(*game.controller);
        QTimer::singleShot(0, &w, [&w] {
            QVERIFY(w.isVisible());
            QTest::keyClick(w.lvMail, Qt::Key_Escape);
        });
        w.Open();
        QVERIFY(!w.isVisible());
        QCOMPARE(w.windowTitle(), QStringLiteral("Почта - Bob@sportprom.zv"));
        QVERIFY(!game.controller->MailFlashing());
        // Bob never opened his letter: it is still unread, but the button stays black.
        QVERIFY(game.player(1).HasUnread());
    }

    void telephoneIsADeviceWithItsFocusRules() {
        MailGame game(gameDir);
        TfTextoPhone w(*game.controller);
        w.show();
        // Focus moves, and its rules run, only in the active window.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // Cut to a rounded outline: the corners are not part of the window.
        QVERIFY(!w.mask().contains(QPoint(1, 1)));
        QVERIFY(!w.mask().contains(QPoint(464, 335)));
        QVERIFY(w.mask().contains(QPoint(233, 168)));
        QVERIFY(w.mask().contains(QPoint(233, 1)));
        QVERIFY(!w.iPhone->pixmap().isNull());
        for (QWidget* hidden : {static_cast<QWidget*>(w.lbMemo), static_cast<QWidget*>(w.mTalk),
                                static_cast<QWidget*>(w.mConnect)})
            QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
        QCOMPARE(rows(w.lbText), QStringList({"Text'O'Phone - только качественная связь!"}));
        QCOMPARE(w.focusWidget(), w.bNone);
        // The display and the choice list pass the focus on while no call runs.
        w.eNumber->setFocus();
        QCOMPARE(w.focusWidget(), w.bNone);
        // Escape does not leave the telephone; "E" does.
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isVisible());
        w.sbExit->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }

    void telephoneKeysTypeDialAndChooseButNeverHangUp() {
        MailGame game(gameDir);
        TfTextoPhone w(*game.controller);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto focused = [&] { return w.focusWidget() ? w.focusWidget() : &w; };
        QTest::keyClicks(focused(), "4829033");
        QTest::keyClick(focused(), Qt::Key_Backspace);
        QCOMPARE(w.eNumber->text(), QStringLiteral("482903"));
        for (int attempt = 0; attempt < 50 && !w.Phone().Connected(); ++attempt)
            QTest::keyClick(focused(), Qt::Key_Return);
        QVERIFY(w.Phone().Connected());
        QTest::keyClick(focused(), Qt::Key_Return); // nothing highlighted
        QVERIFY(w.Phone().Connected());
        QTest::keyClick(focused(), Qt::Key_Down);
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(w.Phone().Step(), 1);
        // The long first offer wraps onto a second line instead of being cut.
        QCOMPARE(w.lbText->count(), 3);
        QVERIFY(w.lbText->visualItemRect(w.lbText->item(0)).height() >
                w.lbText->visualItemRect(w.lbText->item(1)).height());
        QCOMPARE(rows(w.lbMemo), QStringList({"НИОКР 482903"}));
    }

    void telephoneHoldsTheConversationToTheEndOfTheLog() {
        MailGame game(gameDir);
        TfTextoPhone w(*game.controller);
        w.show();
        // Focus moves, and its rules run, only in the active window.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.sb1->click();
        w.sb2->click();
        QCOMPARE(w.eNumber->text(), QStringLiteral("12"));
        w.sbMemo->click();
        QVERIFY(w.lbMemo->isVisible());
        QCOMPARE(rows(w.lbMemo), QStringList({"НИОКР 482903"}));
        for (int attempt = 0; attempt < 50 && w.iAbonent->pixmap().isNull(); ++attempt) {
            if (!w.lbMemo->isVisible())
                w.sbMemo->click();
            doubleClick(w.lbMemo, 0);
        }
        QVERIFY(!w.iAbonent->pixmap().isNull());
        QCOMPARE(w.eNumber->text(), QStringLiteral("482903"));
        QVERIFY(!w.lbMemo->isVisible() && !w.sbMemo->isChecked());
        QVERIFY(w.mTalk->isVisible());
        QVERIFY(w.mTalk->toPlainText().startsWith("НИОКР: Здравствуйте!"));
        // The rings were played from the game folder's sounds.
        QVERIFY(!game.sound.played.isEmpty());
        QVERIFY(QFile::exists(game.sound.played.last()));
        // Once connected, the choice list keeps the focus.
        w.lbText->setFocus();
        QCOMPARE(w.focusWidget(), w.lbText);

        for (int choice : {0, 1, 0})
            doubleClick(w.lbText, choice);
        QCOMPARE(w.mTalk->toPlainText().split('\n').size(), 5);
        QVERIFY(w.mConnect->isVisible());
        QCOMPARE(w.mConnect->toPlainText(), QStringLiteral("соединенние с сервером"));
        QVERIFY(w.PhoneTimer->isActive());
        for (int tick = 0; tick < 30; ++tick)
            w.PhoneTimerTimer();
        QVERIFY(w.PhoneTimer->isActive());
        QVERIFY(w.mConnect->toPlainText().endsWith("\nГотово."));
        w.PhoneTimerTimer();
        QVERIFY(!w.PhoneTimer->isActive());
        QVERIFY(!w.mConnect->isVisible() && !w.mTalk->isVisible());
        QVERIFY(w.iAbonent->pixmap().isNull());
        QCOMPARE(rows(w.lbText), QStringList({"Связь завершена."}));
        QCOMPARE(w.lbText->currentRow(), 0);
        QVERIFY(w.eNumber->text().isEmpty());
    }
};

QTEST_MAIN(MailWindowsTest)
#include "MailWindowsTest.moc"
