#include "ui/widgets/TToolWindow.h"

#include "core/platform/Help.h"
#include "ui/board/BoardUi.h"
#include "ui/widgets/TAmountEdit.h"
#include "ui/widgets/TUpDown.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <limits>

namespace {

constexpr Qt::WindowFlags ToolWindowFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
constexpr int PageLeft = 16;
constexpr int LineRight = 320;

} // namespace

TToolWindow::TToolWindow(const QString& objectName, const QString& caption, QSize clientSize,
                         const QString& pageControlName, Help& help, int helpTopic, QWidget* parent)
    : QDialog(parent, ToolWindowFlags), help_(help), helpTopic_(helpTopic) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setFont(BoardUi::monoFont(12));
    pages_ = new QTabWidget(this);
    pages_->setObjectName(pageControlName);
    pages_->setGeometry(0, 0, clientSize.width(), 417);
    connect(pages_, &QTabWidget::currentChanged, this, [this] {
        if (isVisible())
            focusAmount();
    });
}

QWidget* TToolWindow::AddPage(const QString& name, const QString& caption) {
    auto* page = new QWidget;
    page->setObjectName(name);
    pages_->addTab(page, caption);
    return page;
}

QPushButton* TToolWindow::AddCloseButton(const QString& name, const QString& caption) {
    QPushButton* button = MakeButton(this, name, caption, QRect(248, 424, 75, 25));
    connect(button, &QPushButton::clicked, this, &TToolWindow::reject);
    return button;
}

QLabel* TToolWindow::MakeLine(QWidget* page, const QString& name, const QString& text, int left,
                              int top) {
    auto* label = new QLabel(text, page);
    label->setObjectName(name);
    // To the right edge of the page: the numbers in the lines grow.
    label->setGeometry(left, top, LineRight - left, 16);
    return label;
}

QPushButton* TToolWindow::MakeButton(QWidget* parent, const QString& name, const QString& caption,
                                     QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    // Enter in an amount edit presses nothing, as in the game's other windows.
    button->setAutoDefault(false);
    return button;
}

TToolWindow::Row TToolWindow::MakeRow(QWidget* page, const RowNames& names) {
    Row row;
    if (!names.current.isEmpty())
        row.current = MakeLine(page, names.current, {}, PageLeft, 32);
    if (!names.max.isEmpty())
        row.max = MakeLine(page, names.max, {}, PageLeft, 56);
    if (!names.edit.isEmpty()) {
        row.edit =
            new TAmountEdit(page, names.edit, QRect(16, EditTop, 129, 23), names.editMaxLength);
        if (!names.upDown.isEmpty())
            row.upDown = new TUpDown(row.edit, names.upDown,
                                     QRect(145, EditTop, names.upDownWidth, 23), page);
        if (row.upDown && names.upDownIncrement > 1) {
            row.upDown->Increment = names.upDownIncrement;
            row.upDown->Max = std::numeric_limits<int>::max();
        }
    }
    if (!names.total.isEmpty()) {
        row.total = new QLabel(page);
        row.total->setObjectName(names.total);
        row.total->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        row.total->setWordWrap(true);
        SetTotal(row.total, names.totalText);
    }
    if (!names.buy.isEmpty())
        row.buy = MakeButton(page, names.buy, names.buyCaption, QRect(16, 120, names.buyWidth, 25));
    if (!names.sell.isEmpty())
        row.sell = MakeButton(page, names.sell, names.sellCaption, QRect(96, 120, 75, 25));
    return row;
}

void TToolWindow::SetTotal(QLabel* total, const QString& text) {
    total->setText(text);
    const int height = std::max(TotalHeight, total->heightForWidth(TotalWidth));
    total->setGeometry(176, EditTop + (TotalHeight - height) / 2, TotalWidth, height);
}

void TToolWindow::AddCloseBox() {
    setWindowFlags(windowFlags() | Qt::WindowCloseButtonHint);
}

void TToolWindow::reject() {
    // The close button, Esc and the close box (through closeEvent) all come here.
    Closing();
    QDialog::reject();
}

void TToolWindow::focusAmount() {
    QWidget* page = pages_->currentWidget();
    auto* edit = page ? page->findChild<TAmountEdit*>() : nullptr;
    if (!edit || !edit->isEnabled())
        return;
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void TToolWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        help_.showTopic(helpTopic_);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TToolWindow::showEvent(QShowEvent* event) {
    BoardUi::centreOnScreen(this);
    QDialog::showEvent(event);
    focusAmount();
}
