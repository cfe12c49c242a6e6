#include "ui/reports/FaxWindow.h"

#include "ui/board/BoardUi.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <algorithm>

namespace {

bool isEnter(QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool isLeftPress(QEvent* event) {
    return event->type() == QEvent::MouseButtonPress &&
           static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

} // namespace

FaxWindow::FaxWindow(const QString& objectName, const QString& caption, int width,
                     const QString& memoName, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), width_(width) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setFixedWidth(width);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(memoName);
    memo_->setReadOnly(true);
    memo_->setFrameStyle(QFrame::NoFrame);
    memo_->setFont(BoardUi::monoFont(13));
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_->setContextMenuPolicy(Qt::NoContextMenu);
    memo_->viewport()->setCursor(Qt::ArrowCursor);
    memo_->installEventFilter(this);
    memo_->viewport()->installEventFilter(this);
}

void FaxWindow::SetLines(const QStringList& lines) {
    memo_->setPlainText(lines.join(QLatin1Char('\n')));
    // Long names push their columns to the right: the window grows to the widest line.
    const QFontMetrics metrics(memo_->font());
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int margins = 2 * int(memo_->document()->documentMargin()) + 4;
    const int width = std::max(width_, widest + margins);
    const int height = LineHeight * int(lines.size());
    setFixedSize(width, height);
    memo_->setGeometry(0, 0, width, height);
}

bool FaxWindow::eventFilter(QObject* watched, QEvent* event) {
    if (isEnter(event) || isLeftPress(event)) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FaxWindow::keyPressEvent(QKeyEvent* event) {
    if (isEnter(event)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FaxWindow::mousePressEvent(QMouseEvent* event) {
    if (isLeftPress(event)) {
        accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void FaxWindow::showEvent(QShowEvent* event) {
    BoardUi::centreOnScreen(this);
    memo_->moveCursor(QTextCursor::Start);
    QDialog::showEvent(event);
}
