#include "ui/board/TfAbout.h"

#include "ui/board/BoardUi.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace {

bool closesWindow(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    return false;
}

} // namespace

TfAbout::TfAbout(const QPixmap& logo, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("fAbout"));
    setWindowTitle(QStringLiteral("О создателях"));
    setFixedSize(396, 453);

    iLogo = new QLabel(this);
    iLogo->setObjectName(QStringLiteral("iLogo"));
    iLogo->setGeometry(0, 0, 396, 76);
    iLogo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    iLogo->setPixmap(logo);

    mInfo = new QPlainTextEdit(this);
    mInfo->setObjectName(QStringLiteral("mInfo"));
    mInfo->setGeometry(0, 76, 396, 377);
    mInfo->setReadOnly(true);
    mInfo->setFrameStyle(QFrame::NoFrame);
    mInfo->setFont(BoardUi::monoFont(12));
    mInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    mInfo->viewport()->setCursor(Qt::ArrowCursor);
    // A right click must leave the window as it is, without a copy menu.
    mInfo->setContextMenuPolicy(Qt::NoContextMenu);
    QPalette palette = mInfo->palette();
    palette.setColor(QPalette::Base, QColor(0xc0, 0xc0, 0xc0));
    mInfo->setPalette(palette);
    mInfo->setPlainText(CreditsText());
    mInfo->viewport()->installEventFilter(this);
    mInfo->installEventFilter(this);
}

QString TfAbout::CreditsText() {
    return QStringLiteral("Зорвик (Zorvick), версия 1.0\n"
                          "Деловая игра для 2-10 игроков\n"
                          "\n"
                          "Идея и правила игры:\n"
                          "    команда Zorvick\n"
                          "Экономическая модель рынка:\n"
                          "    отдел расчетов\n"
                          "Программирование ядра игры:\n"
                          "    группа разработки\n"
                          "Окна и управление:\n"
                          "    группа интерфейса\n"
                          "Картинки и звуки:\n"
                          "    художники и звукорежиссер\n"
                          "Сценарии экономики:\n"
                          "    отдел сценариев\n"
                          "Справка и руководство:\n"
                          "    технические писатели\n"
                          "Проверка и отладка:\n"
                          "    отдел тестирования\n"
                          "\n"
                          "Благодарности:\n"
                          "    всем, кто играл в первые версии\n"
                          "    и присылал замечания;\n"
                          "    нашим семьям за терпение;\n"
                          "    швейным фабрикам за образцы\n"
                          "    спортивных костюмов.\n"
                          "\n"
                          "Щелкните мышью или нажмите Enter,\n"
                          "чтобы закрыть это окно.\n"
                          "Удачной игры!");
}

void TfAbout::showEvent(QShowEvent* event) {
    BoardUi::centreOnScreen(this);
    QDialog::showEvent(event);
}

void TfAbout::mousePressEvent(QMouseEvent* event) {
    if (closesWindow(event))
        accept();
}

void TfAbout::keyPressEvent(QKeyEvent* event) {
    // No Esc: only Enter, a left click and the close box close the window.
    if (closesWindow(event))
        accept();
}

bool TfAbout::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == mInfo || watched == mInfo->viewport()) && closesWindow(event)) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
