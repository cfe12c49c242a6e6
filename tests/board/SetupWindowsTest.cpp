// The two setup dialogs, the splash and the about window.
#include "core/platform/NullHelp.h"
#include "core/platform/ScriptedPrompter.h"
#include "ui/board/BoardUi.h"
#include "ui/board/SetupDialogs.h"
#include "ui/board/TfAbout.h"
#include "ui/board/Tsplash.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

const QString setupTitle = QStringLiteral("Однако здравствуйте");
const QString exitQuestion = QStringLiteral("Вам что, выйти захотелось?");

// keyClicks cannot send Cyrillic: each character goes as a key event carrying its text.
void typeText(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
}

QList<QPixmap> fourFaces() {
    QList<QPixmap> faces;
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    for (const QColor& c : colours) {
        QPixmap p(116, 116);
        p.fill(c);
        faces.append(p);
    }
    return faces;
}

QRgb shownColour(const QLabel* label) {
    return label->pixmap().toImage().pixel(50, 50);
}

} // namespace

class SetupWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        prompter = std::make_unique<ScriptedPrompter>(ScriptedPrompter::OnUnexpected::AnswerNo);
        help.requests.clear();
    }

    void countDialogRefusesWrongCounts_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("one") << "1"
                             << "В игру могут играть от 2 до 10 игроков.";
        QTest::newRow("eleven") << "11"
                                << "В игру могут играть от 2 до 10 игроков.";
        QTest::newRow("letters") << "ab"
                                 << "Введенное значение не является числом!";
        QTest::newRow("empty") << ""
                               << "Введенное значение не является числом!";
    }
    void countDialogRefusesWrongCounts() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        PlayerCountDialog dialog(*prompter, help, QIcon());
        showActive(&dialog);
        QTest::keyClicks(dialog.eCount, typed);
        dialog.bExit->setFocus();
        QTest::mouseClick(dialog.bOK, Qt::LeftButton);
        QCOMPARE(prompter->texts(), QStringList{message});
        QCOMPARE(prompter->last().title, setupTitle);
        QCOMPARE(prompter->last().kind, Prompter::Kind::Error);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.eCount->text(), QString());
        QCOMPARE(QApplication::focusWidget(), dialog.eCount);
        QVERIFY(prompter->failures().isEmpty());
    }

    void countDialogAcceptsTenAndTakesNoThirdCharacter() {
        PlayerCountDialog dialog(*prompter, help, QIcon());
        QCOMPARE(dialog.objectName(), QStringLiteral("PlayerCountDialog"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Ввод данных"));
        QCOMPARE(dialog.size(), QSize(251, 129));
        showActive(&dialog);
        QTest::keyClicks(dialog.eCount, "100");
        QCOMPARE(dialog.eCount->text(), QStringLiteral("10"));
        QCOMPARE(dialog.Length(), 0);
        // Enter in the edit acts as OK.
        QTest::keyClick(dialog.eCount, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Count(), 10);
        QVERIFY(prompter->boxes().isEmpty());
    }

    // The length: until the last firm by default, or 26 or 52 weeks, chosen by keys.
    void countDialogOffersThreeLengths() {
        PlayerCountDialog dialog(*prompter, help, QIcon());
        QStringList items;
        for (int i = 0; i < dialog.cbLength->count(); ++i)
            items << dialog.cbLength->itemText(i);
        QCOMPARE(items, (QStringList{QStringLiteral("до последней фирмы"),
                                     QStringLiteral("26 недель"), QStringLiteral("52 недели")}));
        showActive(&dialog);
        QTest::keyClicks(dialog.eCount, "3");
        QTest::keyClick(dialog.eCount, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog.cbLength);
        QTest::keyClick(dialog.cbLength, Qt::Key_Down);
        QTest::keyClick(dialog.cbLength, Qt::Key_Down);
        QTest::keyClick(dialog.cbLength, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Count(), 3);
        QCOMPARE(dialog.Length(), 52);
    }

    void exitQuestionNoStaysYesCancels() {
        PlayerCountDialog dialog(*prompter, help, QIcon());
        showActive(&dialog);
        QTest::keyClicks(dialog.eCount, "5");
        prompter->queue(false);
        QTest::mouseClick(dialog.bExit, Qt::LeftButton);
        QCOMPARE(prompter->texts(), QStringList{exitQuestion});
        QCOMPARE(prompter->last().kind, Prompter::Kind::WarningQuestion);
        QCOMPARE(prompter->last().title, setupTitle);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.eCount->text(), QStringLiteral("5"));

        // Esc in the edit asks the same question.
        prompter->queue(true);
        dialog.eCount->setFocus();
        QTest::keyClick(dialog.eCount, Qt::Key_Escape);
        QCOMPARE(prompter->boxes().size(), 2);
        QCOMPARE(prompter->last().text, exitQuestion);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(prompter->failures().isEmpty());
    }

    void closeBoxCancelsWithoutAskingAndF1OpensTopicFive() {
        PlayerCountDialog dialog(*prompter, help, QIcon());
        showActive(&dialog);
        QTest::keyClick(dialog.eCount, Qt::Key_F1);
        QCOMPARE(help.requests, QList<int>{5});
        dialog.close();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(prompter->boxes().isEmpty());
    }

    void entryDialogWantsBothNames() {
        PlayerEntryDialog dialog(*prompter, help, QIcon(), fourFaces());
        QCOMPARE(dialog.objectName(), QStringLiteral("PlayerEntryDialog"));
        // 219 x 228, and the seat choice below the face.
        QCOMPARE(dialog.size(), QSize(219, 372));
        const QString message = QStringLiteral("Не иметь опозновательных знаков не есть хорошо!");
        showActive(&dialog);

        dialog.bNextFace->setFocus();
        QTest::mouseClick(dialog.bOK, Qt::LeftButton);
        QCOMPARE(prompter->texts(), QStringList{message});
        QCOMPARE(prompter->last().title, setupTitle);
        QCOMPARE(QApplication::focusWidget(), dialog.eTitle);

        typeText(dialog.eTitle, QStringLiteral("Рога и копыта"));
        dialog.bNextFace->setFocus();
        QTest::mouseClick(dialog.bOK, Qt::LeftButton);
        QCOMPARE(prompter->boxes().size(), 2);
        QCOMPARE(QApplication::focusWidget(), dialog.ePlayerName);
        QVERIFY(dialog.isVisible());

        dialog.eTitle->clear();
        typeText(dialog.ePlayerName, QStringLiteral("Остап"));
        QTest::mouseClick(dialog.bOK, Qt::LeftButton);
        QCOMPARE(prompter->boxes().size(), 3);
        QCOMPARE(QApplication::focusWidget(), dialog.eTitle);
        QVERIFY(dialog.isVisible());
    }

    void entryDialogTakesBlanksAsTyped() {
        PlayerEntryDialog dialog(*prompter, help, QIcon(), fourFaces());
        dialog.Prepare(3);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Ввод данных: Игрок 3"));
        showActive(&dialog);
        QTest::keyClicks(dialog.eTitle, "   ");
        typeText(dialog.ePlayerName, QStringLiteral("Остап Бендер"));
        QTest::keyClick(dialog.ePlayerName, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.FirmTitle(), QStringLiteral("   "));
        QCOMPARE(dialog.PlayerName(), QStringLiteral("Остап Бендер"));
        QCOMPARE(dialog.Face(), 0);
        QVERIFY(prompter->boxes().isEmpty());
    }

    void faceChooserWrapsAndResetsForTheNextPlayer() {
        const QList<QPixmap> faces = fourFaces();
        PlayerEntryDialog dialog(*prompter, help, QIcon(), faces);
        QCOMPARE(shownColour(dialog.iFace), QColor(Qt::red).rgb());
        for (int i = 1; i <= 4; ++i) {
            QTest::mouseClick(dialog.bNextFace, Qt::LeftButton);
            QCOMPARE(dialog.Face(), i % 4);
        }
        QCOMPARE(shownColour(dialog.iFace), QColor(Qt::red).rgb());
        QTest::mouseClick(dialog.bPrevFace, Qt::LeftButton);
        QCOMPARE(dialog.Face(), 3);
        QCOMPARE(shownColour(dialog.iFace), QColor(Qt::yellow).rgb());
        QTest::keyClicks(dialog.eTitle, "Firm");
        dialog.Prepare(2);
        QCOMPARE(dialog.Face(), 0);
        QCOMPARE(shownColour(dialog.iFace), QColor(Qt::red).rgb());
        QCOMPARE(dialog.eTitle->text(), QString());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Ввод данных: Игрок 2"));
    }

    // A person's seat is the default; a computer's brings names and a face, which the
    // person setting up may change, and its character and strength; the names are
    // still checked.
    void seatChoiceBelowTheFace() {
        PlayerEntryDialog dialog(*prompter, help, QIcon(), fourFaces());
        dialog.Prepare(3);
        showActive(&dialog);
        QVERIFY(dialog.rbPerson->isChecked());
        QVERIFY(!dialog.cbCharacter->isEnabled() && !dialog.cbStrength->isEnabled());
        QCOMPARE(dialog.cbStrength->currentText(), QStringLiteral("Средний"));
        QVERIFY(!dialog.Seat().Computer);

        typeText(dialog.ePlayerName, QStringLiteral("Остап"));
        QTest::mouseClick(dialog.rbComputer, Qt::LeftButton);
        QVERIFY(dialog.cbCharacter->isEnabled() && dialog.cbStrength->isEnabled());
        QCOMPARE(dialog.FirmTitle(), QStringLiteral("Финиш"));
        QCOMPARE(dialog.PlayerName(), QStringLiteral("Остап"));
        QCOMPARE(dialog.Face(), 3);
        dialog.cbCharacter->setCurrentIndex(dialog.cbCharacter->findText("Исследователь"));
        dialog.cbStrength->setCurrentIndex(dialog.cbStrength->findText("Сильный"));
        const TSeat seat = dialog.Seat();
        QVERIFY(seat.Computer);
        QCOMPARE(seat.Name(), QStringLiteral("strong:researcher"));

        dialog.eTitle->clear();
        QTest::mouseClick(dialog.bOK, Qt::LeftButton);
        QCOMPARE(prompter->texts(),
                 QStringList{QStringLiteral("Не иметь опозновательных знаков не есть хорошо!")});
        QVERIFY(dialog.isVisible());

        dialog.Prepare(4);
        QVERIFY(dialog.rbPerson->isChecked());
        QVERIFY(!dialog.Seat().Computer);
        QCOMPARE(dialog.cbCharacter->currentText(), QStringLiteral("Осторожный"));
    }

    void enterPressesOkWhateverHasTheFocus() {
        PlayerEntryDialog dialog(*prompter, help, QIcon(), fourFaces());
        dialog.Prepare(1);
        showActive(&dialog);
        QTest::keyClicks(dialog.eTitle, "Firm");
        dialog.bExit->setFocus();
        QTest::keyClick(dialog.bExit, Qt::Key_Enter);
        // OK refused the empty manager's name; no exit question.
        QCOMPARE(prompter->boxes().size(), 1);
        QCOMPARE(prompter->last().kind, Prompter::Kind::Error);
        QVERIFY(dialog.isVisible());
        typeText(dialog.ePlayerName, QStringLiteral("Остап"));
        dialog.bNextFace->setFocus();
        QTest::keyClick(dialog.bNextFace, Qt::Key_Return);
        QCOMPARE(dialog.Face(), 0);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void splashClosesOnCharacterKeysOnly() {
        const QPixmap title(640, 480);
        for (const Qt::Key key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Return}) {
            Tsplash splash(title);
            showActive(&splash);
            QTest::keyClick(&splash, Qt::Key_Right);
            QTest::keyClick(&splash, Qt::Key_F5);
            QTest::keyClick(&splash, Qt::Key_Shift);
            QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(100, 100));
            QTest::mouseClick(splash.iMain, Qt::RightButton);
            QVERIFY(splash.isVisible());
            QTest::keyClick(&splash, key);
            QVERIFY2(!splash.isVisible(), qPrintable(QString::number(key, 16)));
            QCOMPARE(splash.result(), int(QDialog::Accepted));
        }
    }

    void splashClosesOnTheSeventeenthTick() {
        Tsplash splash{QPixmap()};
        QCOMPARE(splash.objectName(), QStringLiteral("splash"));
        QCOMPARE(splash.size(), QSize(640, 480));
        QVERIFY(splash.Timer->isActive());
        QCOMPARE(splash.Timer->interval(), 1000);
        showActive(&splash);
        for (int i = 0; i < 16; ++i)
            splash.TimerTimer();
        QVERIFY(splash.isVisible());
        splash.TimerTimer();
        QVERIFY(!splash.isVisible());
        QCOMPARE(splash.result(), int(QDialog::Accepted));
        QCOMPARE(splash.Ticks(), 17);
    }

    void aboutClosesOnLeftClickOrEnter() {
        TfAbout about{QPixmap(396, 76)};
        QCOMPARE(about.objectName(), QStringLiteral("fAbout"));
        QCOMPARE(about.windowTitle(), QStringLiteral("О создателях"));
        QCOMPARE(about.size(), QSize(396, 453));
        QCOMPARE(about.mInfo->toPlainText().split('\n').size(), 30);
        QVERIFY(about.mInfo->isReadOnly());

        QWidget* targets[] = {&about, about.iLogo, about.mInfo->viewport()};
        for (QWidget* target : targets) {
            about.show();
            QTest::mouseClick(target, Qt::RightButton, {}, QPoint(20, 20));
            QTest::mouseClick(target, Qt::MiddleButton, {}, QPoint(20, 20));
            QTest::keyClick(about.mInfo, Qt::Key_Escape);
            QTest::keyClick(about.mInfo, Qt::Key_A);
            QVERIFY(about.isVisible());
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(20, 20));
            QVERIFY(!about.isVisible());
            QCOMPARE(about.result(), int(QDialog::Accepted));
        }
        about.show();
        QTest::keyClick(about.mInfo, Qt::Key_Return);
        QVERIFY(!about.isVisible());
        about.show();
        QTest::keyClick(&about, Qt::Key_Enter);
        QVERIFY(!about.isVisible());
        about.show();
        about.close();
        QVERIFY(!about.isVisible());
    }

private:
    void showActive(QWidget* w) {
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    std::unique_ptr<ScriptedPrompter> prompter;
    NullHelp help;
};

QTEST_MAIN(SetupWindowsTest)
#include "SetupWindowsTest.moc"
