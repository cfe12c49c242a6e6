#include "ui/platform/HelpViewer.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

class HelpViewerTest : public QObject {
    Q_OBJECT

    static QString helpFile() { return QStringLiteral(ZORVICK_GAME_DIR "/help/zorvick.hlp"); }

    template <typename T> static T* child(HelpViewer& v, const char* name) {
        T* w = v.findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no child %s", name);
        return w;
    }

private slots:
    void initTestCase() { QVERIFY2(QFile::exists(helpFile()), qPrintable(helpFile())); }

    void opensAtTheTopicsTheGameAsksFor() {
        HelpViewer viewer(helpFile());
        auto* view = child<QTextBrowser>(viewer, "topicView");
        for (int topic : {1, 2, 5}) {
            viewer.showTopic(topic);
            QVERIFY(viewer.isVisible());
            QCOMPARE(viewer.currentTopic(), topic);
            QVERIFY(view->toPlainText().startsWith(viewer.book().topic(topic)->title));
        }
        // An unknown number keeps the page and shows the contents.
        viewer.showTopic(999);
        QCOMPARE(viewer.currentTopic(), 5);
        QCOMPARE(child<QTabWidget>(viewer, "tabs")->currentIndex(), 0);
    }

    void contentsListsEveryTopicAndOpensIt() {
        HelpViewer viewer(helpFile());
        viewer.showContents();
        auto* list = child<QListWidget>(viewer, "contentsList");
        QCOMPARE(list->count(), viewer.book().topics().size());
        QVERIFY(list->count() >= 10);
        QListWidgetItem* fifth = list->item(4);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(fifth).center());
        QCOMPARE(viewer.currentTopic(), viewer.book().topics()[4].number);
    }

    void indexFindsAKeywordAndOpensItsTopic() {
        HelpViewer viewer(helpFile());
        viewer.showIndex();
        QCOMPARE(child<QTabWidget>(viewer, "tabs")->currentIndex(), 1);
        auto* filter = child<QLineEdit>(viewer, "indexFilter");
        auto* list = child<QListWidget>(viewer, "indexList");
        // QTest::keyClicks takes only Latin letters; insert() goes through the same signals.
        filter->insert(QStringLiteral("себест"));
        QVERIFY(list->currentItem());
        QCOMPARE(list->currentItem()->text(), QStringLiteral("себестоимость"));
        QTest::keyClick(filter, Qt::Key_Return);
        QCOMPARE(viewer.currentTopic(), 4);
    }

    void searchFindsCyrillicIgnoringCase() {
        HelpViewer viewer(helpFile());
        viewer.showSearch();
        auto* edit = child<QLineEdit>(viewer, "searchEdit");
        auto* results = child<QListWidget>(viewer, "searchResults");
        edit->insert(QStringLiteral("ПРОЦЕНТ ЗА НЕДЕЛЮ"));
        QTest::mouseClick(child<QPushButton>(viewer, "searchButton"), Qt::LeftButton);
        QVERIFY(results->count() > 0);
        QCOMPARE(viewer.currentTopic(), results->item(0)->data(Qt::UserRole).toInt());
        QVERIFY(child<QTextBrowser>(viewer, "topicView")->textCursor().hasSelection());

        edit->setText(QStringLiteral("несуществующееслово"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(results->count(), 0);
    }

    void linksAndBackButton() {
        HelpViewer viewer(helpFile());
        viewer.showTopic(1);
        auto* view = child<QTextBrowser>(viewer, "topicView");
        auto* back = child<QPushButton>(viewer, "backButton");
        QVERIFY(!back->isEnabled());
        emit view->anchorClicked(QUrl(QStringLiteral("#topic-8")));
        QCOMPARE(viewer.currentTopic(), 8);
        QVERIFY(back->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(viewer.currentTopic(), 1);
        QVERIFY(!back->isEnabled());
    }

    void overAModalDialogTheViewerIsUsable() {
        HelpViewer viewer(helpFile());
        QDialog dialog;
        bool modalWhileShown = false;
        QTimer::singleShot(0, &dialog, [&] {
            viewer.showTopic(2);
            modalWhileShown = viewer.isModal();
            viewer.close();
            dialog.reject();
        });
        dialog.exec();
        QVERIFY(modalWhileShown);
        viewer.showTopic(1); // no dialog any more: an ordinary window again
        QVERIFY(!viewer.isModal());
    }

    void missingFileSaysSo() {
        HelpViewer viewer(QStringLiteral("/nonexistent/zorvick.hlp"));
        viewer.showTopic(1);
        QCOMPARE(viewer.currentTopic(), 0);
        QVERIFY(child<QTextBrowser>(viewer, "topicView")
                    ->toPlainText()
                    .contains(QStringLiteral("/nonexistent/zorvick.hlp")));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
