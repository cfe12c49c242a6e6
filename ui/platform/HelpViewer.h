#pragma once

#include "core/platform/Help.h"
#include "core/platform/HelpBook.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTextBrowser;

// The help window: contents, index and full-text search on the left, the topic on
// the right. It stays open beside the game; over a modal dialog it becomes modal
// itself, since it could not be used otherwise.
class HelpViewer : public QWidget, public Help {
    Q_OBJECT

public:
    explicit HelpViewer(const QString& helpFile, QWidget* parent = nullptr);

    void showContents() override;
    void showIndex() override;
    void showSearch() override;
    void showTopic(int topic) override;

    const HelpBook& book() const { return book_; }
    // The topic on display, 0 when none.
    int currentTopic() const { return current_; }

private:
    void present();
    void display(int topic, bool remember);
    void fillIndex(const QString& filter);
    void runSearch();
    void openIndexItem(QListWidgetItem* item);
    void goBack();

    HelpBook book_;
    QString file_;
    int current_ = 0;
    QList<int> history_;
    QString lastSearch_;

    QTabWidget* tabs_;
    QListWidget* contents_;
    QLineEdit* indexFilter_;
    QListWidget* index_;
    QLineEdit* searchEdit_;
    QPushButton* searchButton_;
    QListWidget* results_;
    QLabel* resultCount_;
    QTextBrowser* view_;
    QPushButton* back_;
};
