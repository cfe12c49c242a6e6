#include "ui/mail/TfTextoPhone.h"

#include "core/game/TGameController.h"
#include "ui/board/BoardUi.h"
#include "ui/mail/TextoPhoneLayout.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegion>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace {

QRect rectOf(const TextoPhoneLayout::Box& box) {
    return QRect(box.x, box.y, box.w, box.h);
}

// The keys are flat: the drawing's key caps show through, pressed keys darken.
const char* keyStyle = "QToolButton { border: none; background: transparent; color: %1;"
                       " font-family: 'Liberation Sans', Arial; font-size: 15px;"
                       " font-weight: bold; }"
                       "QToolButton:hover { background: rgba(255, 255, 255, 45);"
                       " border-radius: 6px; }"
                       "QToolButton:pressed, QToolButton:checked {"
                       " background: rgba(0, 0, 0, 80); border-radius: 6px; }";

QToolButton* makeKey(QWidget* parent, const QString& name, const QString& caption, QRect place,
                     const char* textColour) {
    auto* key = new QToolButton(parent);
    key->setObjectName(name);
    key->setText(caption);
    key->setAutoRaise(true);
    key->setGeometry(place);
    key->setFocusPolicy(Qt::NoFocus);
    key->setStyleSheet(QString::fromLatin1(keyStyle).arg(QLatin1String(textColour)));
    return key;
}

QPlainTextEdit* makeScreen(QWidget* parent, const QString& name, QRect place, const QString& style,
                           bool wrap) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setGeometry(place);
    memo->setFrameStyle(QFrame::NoFrame);
    memo->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setContextMenuPolicy(Qt::NoContextMenu);
    memo->setStyleSheet(style);
    memo->hide();
    return memo;
}

// A memo shows its lines, the newest in view.
void showLines(QPlainTextEdit* memo, const QStringList& lines) {
    const QString text = lines.join(QLatin1Char('\n'));
    if (memo->toPlainText() == text)
        return;
    memo->setPlainText(text);
    // Wrapped lines are laid out only once the memo is shown and the events run: scroll
    // then, or the newest line may stay below the view.
    QTimer::singleShot(0, memo, [memo] {
        memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
    });
}

} // namespace

TfTextoPhone::TfTextoPhone(TGameController& controller, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), phone_(controller) {
    using namespace TextoPhoneLayout;
    setObjectName(QStringLiteral("fTextoPhone"));
    setWindowTitle(QStringLiteral("Text'O'Phone"));
    setFixedSize(Width, Height);
    QFont arial(QStringLiteral("Liberation Sans"));
    arial.setStyleHint(QFont::SansSerif);
    arial.setPixelSize(12);
    setFont(arial);

    const GameFolder& folder = controller.services().folder;
    iPhone = new QLabel(this);
    iPhone->setObjectName(QStringLiteral("iPhone"));
    iPhone->setGeometry(rectOf(Picture));
    iPhone->setPixmap(BoardUi::loadPicture(folder, QStringLiteral("images\\phone.bmp")));

    iAbonent = new QLabel(this);
    iAbonent->setObjectName(QStringLiteral("iAbonent"));
    iAbonent->setGeometry(rectOf(Abonent));
    ilAbonents.append(BoardUi::loadPicture(folder, QStringLiteral("images\\abonent0.bmp")));

    mConnect = makeScreen(this, QStringLiteral("mConnect"), rectOf(Abonent),
                          QStringLiteral("QPlainTextEdit { background: #050b06; color: #4cff5a;"
                                         " font-family: 'Liberation Mono'; font-size: 10px; }"),
                          true);
    mConnect->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mTalk = makeScreen(this, QStringLiteral("mTalk"), rectOf(Talk),
                       QStringLiteral("QPlainTextEdit { background: #e9f0df; color: #1b2812;"
                                      " font-size: 11px; }"
                                      "QScrollBar:vertical { width: 7px; background: #c9d4b8; }"
                                      "QScrollBar::handle:vertical { background: #6d7f5e;"
                                      " min-height: 16px; border-radius: 3px; }"
                                      "QScrollBar::add-line, QScrollBar::sub-line { height: 0; }"),
                       true);

    lbMemo = new QListWidget(this);
    lbMemo->setObjectName(QStringLiteral("lbMemo"));
    lbMemo->setGeometry(rectOf(Memo));
    lbMemo->setStyleSheet(QStringLiteral(
        "QListWidget { background: #fff6cc; color: #202020; border: 1px solid #8a7a3a;"
        " font-family: 'Liberation Mono'; font-size: 13px; font-weight: bold; }"));
    lbMemo->hide();

    eNumber = new QLineEdit(this);
    eNumber->setObjectName(QStringLiteral("eNumber"));
    eNumber->setReadOnly(true);
    eNumber->setGeometry(rectOf(Number));
    eNumber->setStyleSheet(
        QStringLiteral("QLineEdit { background: #b9c9a2; color: #13200e; border: none;"
                       " font-family: 'Liberation Mono'; font-size: 17px; font-weight: bold; }"));

    lbText = new QListWidget(this);
    lbText->setObjectName(QStringLiteral("lbText"));
    lbText->setGeometry(rectOf(Text));
    lbText->setStyleSheet(
        QStringLiteral("QListWidget { background: #c7d7b1; color: #17230e; border: none;"
                       " font-size: 12px; }"
                       "QListWidget::item:selected { background: #2e4a22; color: #e3f2cc; }"));
    lbText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lbText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A long choice wraps onto a second line rather than being cut.
    lbText->setWordWrap(true);
    lbText->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);

    QToolButton** keys[5][3] = {{&sb1, &sb2, &sb3},
                                {&sb4, &sb5, &sb6},
                                {&sb7, &sb8, &sb9},
                                {&sbAsterix, &sb0, &sbNumber},
                                {&sbMemo, &sbDial, &sbHangUp}};
    const char* captions[5][3] = {
        {"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}, {"*", "0", "#"}, {"M", "D", "H"}};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 3; ++c)
            *keys[r][c] = makeKey(
                this, QString::fromLatin1(KeyNames[r][c]), QString::fromLatin1(captions[r][c]),
                QRect(KeyColumns[c], KeyRows[r], KeySize, KeySize), r < 4 ? "#1e1e1e" : "#ffffff");
    sbExit = makeKey(this, QStringLiteral("sbExit"), QStringLiteral("E"), rectOf(Exit), "#ffffff");
    sbMemo->setCheckable(true);

    bNone = new QPushButton(QStringLiteral("------------"), this);
    bNone->setObjectName(QStringLiteral("bNone"));
    // It holds the focus, but Enter must not hang up: it is no default button.
    bNone->setAutoDefault(false);
    bNone->setGeometry(rectOf(None));
    bNone->setStyleSheet(QStringLiteral(
        "QPushButton { background: #5d6066; color: #3a3c40; border: 1px solid #222428;"
        " border-radius: 2px; font-size: 6px; padding: 0; }"
        "QPushButton:pressed { background: #3a3c40; }"));

    PhoneTimer = new QTimer(this);
    PhoneTimer->setObjectName(QStringLiteral("PhoneTimer"));
    PhoneTimer->setInterval(500);

    for (QToolButton* digit :
         {sb1, sb2, sb3, sb4, sb5, sb6, sb7, sb8, sb9, sb0, sbAsterix, sbNumber})
        connect(digit, &QToolButton::clicked, this, [this, digit] { DigitClick(digit); });
    connect(sbMemo, &QToolButton::toggled, this, &TfTextoPhone::sbMemoClick);
    connect(sbDial, &QToolButton::clicked, this, &TfTextoPhone::sbDialClick);
    connect(sbHangUp, &QToolButton::clicked, this, &TfTextoPhone::sbHangUpClick);
    connect(bNone, &QPushButton::clicked, this, &TfTextoPhone::sbHangUpClick);
    connect(sbExit, &QToolButton::clicked, this, &TfTextoPhone::sbExitClick);
    connect(lbMemo, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { lbMemoDblClick(lbMemo->row(item)); });
    connect(lbText, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { lbTextDblClick(lbText->row(item)); });
    connect(PhoneTimer, &QTimer::timeout, this, &TfTextoPhone::PhoneTimerTimer);
    for (QWidget* w : {static_cast<QWidget*>(eNumber), static_cast<QWidget*>(lbText),
                       static_cast<QWidget*>(mTalk), static_cast<QWidget*>(mConnect),
                       static_cast<QWidget*>(bNone)})
        w->installEventFilter(this);
    // What is dialled shows while the synchronous rings and busy tones play.
    phone_.BeforeSound = [this] {
        showState();
        eNumber->repaint();
        lbText->repaint();
    };
    FormCreate();
}

void TfTextoPhone::FormCreate() {
    using namespace TextoPhoneLayout;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(Picture.x, Picture.y, Picture.w, Picture.h), CornerWidth / 2.0,
                           CornerHeight / 2.0);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
    // Each name with its number, so the book can be read as well as dialled from.
    for (const TPBEntry& entry : phone_.PhoneBook())
        lbMemo->addItem(entry.Name + QLatin1Char(' ') + entry.Number);
}

void TfTextoPhone::showEvent(QShowEvent* event) {
    BoardUi::centreOnScreen(this);
    phone_.Show();
    showState();
    bNone->setFocus();
    QDialog::showEvent(event);
}

void TfTextoPhone::keyPressEvent(QKeyEvent* event) {
    // The drawing has no close box; only "E" leaves the telephone.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    if (phoneKey(event, nullptr))
        return;
    QDialog::keyPressEvent(event);
}

bool TfTextoPhone::phoneKey(QKeyEvent* event, QObject* from) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const QString text = event->text();
    if (text.size() == 1) {
        // The keypad's keys as the keyboard types them.
        for (QToolButton* key :
             {sb1, sb2, sb3, sb4, sb5, sb6, sb7, sb8, sb9, sb0, sbAsterix, sbNumber})
            if (key->text() == text) {
                key->click();
                return true;
            }
    }
    switch (event->key()) {
    case Qt::Key_Backspace:
        phone_.Backspace();
        showState();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        phone_.Enter(lbText->selectedItems().isEmpty() ? -1 : lbText->currentRow());
        showState();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        // The list moves its own highlight; from elsewhere it is moved for it.
        if (from == lbText || !phone_.Connected() || lbText->count() == 0)
            return false;
        {
            // Nothing highlighted yet: Down starts at the first choice, Up at the last.
            const bool up = event->key() == Qt::Key_Up;
            const int row =
                lbText->selectedItems().isEmpty()
                    ? (up ? lbText->count() - 1 : 0)
                    : std::clamp(lbText->currentRow() + (up ? -1 : 1), 0, lbText->count() - 1);
            lbText->setFocus();
            lbText->setCurrentRow(row);
        }
        return true;
    default:
        return false;
    }
}

bool TfTextoPhone::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && phoneKey(static_cast<QKeyEvent*>(event), watched))
        return true;
    if (event->type() == QEvent::FocusIn && watched != bNone) {
        TTelephone::Control control = TTelephone::Control::Connect;
        if (watched == eNumber)
            control = TTelephone::Control::Number;
        else if (watched == lbText)
            control = TTelephone::Control::Text;
        else if (watched == mTalk)
            control = TTelephone::Control::Talk;
        switch (phone_.FocusOnEntering(control)) {
        case TTelephone::Focus::ToText:
            lbText->setFocus();
            // The display is left at once: it must not select its number on the way.
            return true;
        case TTelephone::Focus::ToNone:
            bNone->setFocus();
            return true;
        case TTelephone::Focus::Stays:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfTextoPhone::DigitClick(QToolButton* key) {
    phone_.Digit(key->text());
    showState();
}

void TfTextoPhone::sbMemoClick(bool down) {
    phone_.SetMemo(down);
    showState();
}

void TfTextoPhone::lbMemoDblClick(int row) {
    phone_.MemoChosen(row);
    showState();
}

void TfTextoPhone::sbDialClick() {
    phone_.Dial();
    showState();
}

void TfTextoPhone::sbHangUpClick() {
    phone_.HangUp();
    showState();
}

void TfTextoPhone::sbExitClick() {
    // A call still ringing ends with the window; a conversation is left running.
    if (phone_.Ringing())
        phone_.HangUp();
    accept();
}

void TfTextoPhone::lbTextDblClick(int row) {
    phone_.Choose(row);
    showState();
}

void TfTextoPhone::PhoneTimerTimer() {
    phone_.Tick();
    showState();
}

void TfTextoPhone::fitLines() {
    lbText->ensurePolished();
    const QFontMetrics metrics(lbText->font());
    // The scroll bar is always there, so the width does not change with the lines.
    const int width = lbText->viewport()->width() - 8;
    for (int i = 0; i < lbText->count(); ++i) {
        QListWidgetItem* item = lbText->item(i);
        const QRect text =
            metrics.boundingRect(QRect(0, 0, width, 1000), Qt::TextWordWrap, item->text());
        item->setSizeHint(QSize(width, text.height() + 2));
    }
}

void TfTextoPhone::showState() {
    eNumber->setText(phone_.Number());

    QStringList shown;
    for (int i = 0; i < lbText->count(); ++i)
        shown.append(lbText->item(i)->text());
    if (shown != phone_.Lines()) {
        lbText->clear();
        lbText->addItems(phone_.Lines());
        fitLines();
        if (phone_.SelectedLine() < 0)
            lbText->clearSelection();
    }
    // A choice the player highlighted stays highlighted while the log ticks.
    if (phone_.SelectedLine() >= 0)
        lbText->setCurrentRow(phone_.SelectedLine());

    mTalk->setVisible(phone_.TalkShown());
    showLines(mTalk, phone_.Talk());
    mConnect->setVisible(phone_.ConnectShown());
    showLines(mConnect, phone_.ConnectLog());

    {
        const QSignalBlocker quiet(sbMemo);
        sbMemo->setChecked(phone_.MemoShown());
    }
    lbMemo->setVisible(phone_.MemoShown());

    const int abonent = phone_.Abonent();
    if (abonent >= 0 && abonent < ilAbonents.size())
        iAbonent->setPixmap(ilAbonents[abonent]);
    else
        iAbonent->clear();

    if (!phone_.TimerRunning())
        PhoneTimer->stop();
    else if (!PhoneTimer->isActive())
        PhoneTimer->start();
}
