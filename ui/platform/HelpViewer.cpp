#include "ui/platform/HelpViewer.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int TopicRole = Qt::UserRole;

const char* const Style = "body { font-family: sans-serif; font-size: 10pt; }"
                          "h1 { font-size: 15pt; color: #1b3f73; }"
                          "h2 { font-size: 12pt; color: #1b3f73; }"
                          "td, th { padding: 2px 6px; }"
                          "th { background: #dde6f2; }";

QListWidgetItem* topicItem(const QString& text, int topic) {
    auto* item = new QListWidgetItem(text);
    item->setData(TopicRole, topic);
    return item;
}

} // namespace

HelpViewer::HelpViewer(const QString& helpFile, QWidget* parent)
    : QWidget(parent, Qt::Window), book_(HelpBook::load(helpFile)), file_(helpFile) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Справка Zorvick"));
    resize(860, 600);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("tabs"));

    contents_ = new QListWidget;
    contents_->setObjectName(QStringLiteral("contentsList"));
    contents_->setWordWrap(true);
    contents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const HelpTopic& t : book_.topics())
        contents_->addItem(
            topicItem(QStringLiteral("%1. %2").arg(t.number).arg(t.title), t.number));
    tabs_->addTab(contents_, QStringLiteral("Содержание"));

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->addWidget(new QLabel(QStringLiteral("Введите первые буквы слова:")));
    indexFilter_ = new QLineEdit;
    indexFilter_->setObjectName(QStringLiteral("indexFilter"));
    indexLayout->addWidget(indexFilter_);
    index_ = new QListWidget;
    index_->setObjectName(QStringLiteral("indexList"));
    index_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    indexLayout->addWidget(index_);
    tabs_->addTab(indexPage, QStringLiteral("Указатель"));

    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->addWidget(new QLabel(QStringLiteral("Искать слова:")));
    auto* searchRow = new QHBoxLayout;
    searchEdit_ = new QLineEdit;
    searchEdit_->setObjectName(QStringLiteral("searchEdit"));
    searchButton_ = new QPushButton(QStringLiteral("Найти"));
    searchButton_->setObjectName(QStringLiteral("searchButton"));
    searchRow->addWidget(searchEdit_);
    searchRow->addWidget(searchButton_);
    searchLayout->addLayout(searchRow);
    resultCount_ = new QLabel;
    resultCount_->setObjectName(QStringLiteral("resultCount"));
    searchLayout->addWidget(resultCount_);
    results_ = new QListWidget;
    results_->setObjectName(QStringLiteral("searchResults"));
    results_->setWordWrap(true);
    results_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    searchLayout->addWidget(results_);
    tabs_->addTab(searchPage, QStringLiteral("Поиск"));

    view_ = new QTextBrowser;
    view_->setObjectName(QStringLiteral("topicView"));
    view_->setOpenLinks(false);
    view_->document()->setDefaultStyleSheet(QString::fromLatin1(Style));

    back_ = new QPushButton(QStringLiteral("Назад"));
    back_->setObjectName(QStringLiteral("backButton"));
    back_->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("Закрыть"));
    close->setObjectName(QStringLiteral("closeButton"));

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(view_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addStretch();
    buttons->addWidget(close);
    rightLayout->addLayout(buttons);

    auto* splitter = new QSplitter;
    splitter->addWidget(tabs_);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 580});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    fillIndex(QString());

    connect(contents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { display(item->data(TopicRole).toInt(), true); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { display(item->data(TopicRole).toInt(), true); });
    connect(indexFilter_, &QLineEdit::textChanged, this, &HelpViewer::fillIndex);
    connect(indexFilter_, &QLineEdit::returnPressed, this,
            [this] { openIndexItem(index_->currentItem()); });
    connect(index_, &QListWidget::itemActivated, this, &HelpViewer::openIndexItem);
    connect(index_, &QListWidget::itemClicked, this, &HelpViewer::openIndexItem);
    connect(searchButton_, &QPushButton::clicked, this, &HelpViewer::runSearch);
    connect(searchEdit_, &QLineEdit::returnPressed, this, &HelpViewer::runSearch);
    connect(results_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { display(item->data(TopicRole).toInt(), true); });
    connect(results_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { display(item->data(TopicRole).toInt(), true); });
    connect(view_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (const int topic = HelpBook::linkTarget(url.toString()))
            display(topic, true);
    });
    connect(back_, &QPushButton::clicked, this, &HelpViewer::goBack);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    if (book_.isEmpty())
        view_->setHtml(QStringLiteral("<h1>Справка недоступна</h1><p>Не удалось прочитать "
                                      "файл справки:</p><p><tt>%1</tt></p>")
                           .arg(file_.toHtmlEscaped()));
    else
        display(book_.topics().first().number, false);
}

void HelpViewer::present() {
    // Over a running modal dialog a plain window would receive no input.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != this) {
        const Qt::WindowModality wanted = modal ? Qt::ApplicationModal : Qt::NonModal;
        if (windowModality() != wanted) {
            hide();
            setWindowModality(wanted);
        }
    }
    show();
    raise();
    activateWindow();
}

void HelpViewer::showContents() {
    tabs_->setCurrentWidget(contents_);
    present();
    contents_->setFocus();
}

void HelpViewer::showIndex() {
    tabs_->setCurrentIndex(1);
    present();
    indexFilter_->setFocus();
    indexFilter_->selectAll();
}

void HelpViewer::showSearch() {
    tabs_->setCurrentIndex(2);
    present();
    searchEdit_->setFocus();
    searchEdit_->selectAll();
}

void HelpViewer::showTopic(int topic) {
    // Each opening from the game starts a fresh trail for "Назад".
    if (!isVisible()) {
        history_.clear();
        back_->setEnabled(false);
    }
    if (book_.topic(topic)) {
        display(topic, true);
    } else {
        // An unknown number still opens the help, at its contents.
        tabs_->setCurrentWidget(contents_);
    }
    present();
}

void HelpViewer::display(int topic, bool remember) {
    const HelpTopic* t = book_.topic(topic);
    if (!t)
        return;
    if (remember && current_ != 0 && current_ != topic) {
        history_.append(current_);
        back_->setEnabled(true);
    }
    current_ = topic;
    view_->setHtml(t->html);
    for (int i = 0; i < contents_->count(); ++i)
        if (contents_->item(i)->data(TopicRole).toInt() == topic) {
            const QSignalBlocker block(contents_);
            contents_->setCurrentRow(i);
        }
    // After a search the first hit is marked, so the reader sees why the topic came up.
    if (tabs_->currentIndex() == 2 && !lastSearch_.isEmpty())
        view_->find(lastSearch_.split(QLatin1Char(' '), Qt::SkipEmptyParts).value(0));
}

void HelpViewer::fillIndex(const QString& filter) {
    index_->clear();
    const QString f = filter.trimmed();
    int firstMatch = -1;
    for (const QString& keyword : book_.keywords()) {
        index_->addItem(keyword);
        if (firstMatch < 0 && !f.isEmpty() && keyword.startsWith(f, Qt::CaseInsensitive))
            firstMatch = index_->count() - 1;
    }
    // Like a book's index: typing moves to the word rather than hiding the others.
    if (firstMatch >= 0) {
        index_->setCurrentRow(firstMatch);
        index_->scrollToItem(index_->currentItem(), QAbstractItemView::PositionAtTop);
    }
}

void HelpViewer::openIndexItem(QListWidgetItem* item) {
    if (!item)
        return;
    const QList<int> topics = book_.topicsForKeyword(item->text());
    if (topics.size() == 1) {
        display(topics.first(), true);
        return;
    }
    // A keyword of several topics lets the reader choose among them.
    QMenu menu(this);
    for (int topic : topics)
        if (const HelpTopic* t = book_.topic(topic))
            menu.addAction(t->title)->setData(topic);
    const QRect r = index_->visualItemRect(item);
    if (QAction* chosen = menu.exec(index_->viewport()->mapToGlobal(r.bottomLeft())))
        display(chosen->data().toInt(), true);
}

void HelpViewer::runSearch() {
    results_->clear();
    lastSearch_ = searchEdit_->text().simplified();
    const QList<int> found = book_.search(lastSearch_);
    for (int topic : found)
        if (const HelpTopic* t = book_.topic(topic))
            results_->addItem(topicItem(t->title, topic));
    resultCount_->setText(lastSearch_.isEmpty() ? QString()
                          : found.isEmpty()
                              ? QStringLiteral("Ничего не найдено.")
                              : QStringLiteral("Найдено разделов: %1").arg(found.size()));
    if (!found.isEmpty()) {
        results_->setCurrentRow(0);
        display(found.first(), true);
    }
}

void HelpViewer::goBack() {
    if (history_.isEmpty())
        return;
    display(history_.takeLast(), false);
    back_->setEnabled(!history_.isEmpty());
}
