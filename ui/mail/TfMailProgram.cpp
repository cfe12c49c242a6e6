#include "ui/mail/TfMailProgram.h"

#include "core/game/TGameController.h"
#include "core/model/player.h"
#include "ui/board/BoardUi.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

void TMailList::mousePressEvent(QMouseEvent* event) {
    QTreeWidget::mousePressEvent(event);
    if (!indexAt(event->position().toPoint()).isValid())
        clearSelection();
    emit mouseDown(event->position().toPoint());
}

namespace {

QToolButton* makeToolButton(QToolBar* bar, const QString& name, const QString& caption,
                            const QIcon& icon, QAction** action = nullptr) {
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(icon);
    button->setIconSize(QSize(24, 24));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setFixedSize(66, 44);
    button->setFocusPolicy(Qt::NoFocus);
    QAction* placed = bar->addWidget(button);
    if (action)
        *action = placed;
    return button;
}

} // namespace

TfMailProgram::TfMailProgram(TGameController& controller, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      controller_(controller), box_(controller) {
    setObjectName(QStringLiteral("fMailProgram"));
    setFixedSize(640, 490);

    const GameFolder& folder = controller.services().folder;
    QList<QIcon> icons;
    for (const char* file :
         {"images\\mail_delete.bmp", "images\\mail_read.bmp", "images\\mail_answer.bmp"}) {
        ilButtons.append(BoardUi::loadPicture(folder, QString::fromLatin1(file)));
        // Painted on the button face colour, which becomes transparent.
        QPixmap pixmap = ilButtons.last();
        if (!pixmap.isNull())
            pixmap.setMask(pixmap.createMaskFromColor(QColor(0xef, 0xef, 0xef)));
        icons.append(QIcon(pixmap));
    }

    tMain = new QToolBar(this);
    tMain->setObjectName(QStringLiteral("tMain"));
    tMain->setMovable(false);
    tMain->setFloatable(false);
    // Small enough that " Прочитать " fits its 66-pixel button whole.
    tMain->setStyleSheet(QStringLiteral("QToolBar { border: none; spacing: 0; }"
                                        "QToolButton { padding: 0; font-size: 10px; }"));
    tbDelete =
        makeToolButton(tMain, QStringLiteral("tbDelete"), QStringLiteral("Удалить"), icons[0]);
    tbRead =
        makeToolButton(tMain, QStringLiteral("tbRead"), QStringLiteral(" Прочитать "), icons[1]);
    QAction* sendPlace = nullptr;
    tbSend = makeToolButton(tMain, QStringLiteral("tbSend"), QStringLiteral("Ответить"), icons[2],
                            &sendPlace);
    // The game writes every letter; players never answer.
    sendPlace->setVisible(false);

    tvMailBoxes = new QTreeWidget;
    tvMailBoxes->setObjectName(QStringLiteral("tvMailBoxes"));
    tvMailBoxes->setHeaderHidden(true);

    lvMail = new TMailList;
    lvMail->setObjectName(QStringLiteral("lvMail"));
    lvMail->setColumnCount(4);
    lvMail->setHeaderLabels({QStringLiteral("Тема"), QStringLiteral("!"), QStringLiteral("От кого"),
                             QStringLiteral("Дата")});
    lvMail->setRootIsDecorated(false);
    lvMail->setItemsExpandable(false);
    lvMail->setUniformRowHeights(true);
    lvMail->setSelectionMode(QAbstractItemView::SingleSelection);
    lvMail->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvMail->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvMail->setAllColumnsShowFocus(true);
    lvMail->header()->setStretchLastSection(false);
    lvMail->header()->setSectionsMovable(false);
    lvMail->header()->setMinimumSectionSize(16);
    lvMail->setColumnWidth(1, 16);
    lvMail->setColumnWidth(2, 100);
    lvMail->setColumnWidth(3, 70);
    lvMail->installEventFilter(this);
    connect(lvMail, &TMailList::mouseDown, this, &TfMailProgram::lvMailMouseDown);
    connect(lvMail, &QTreeWidget::itemSelectionChanged, this, &TfMailProgram::highlightMoved);

    mLetter = new QPlainTextEdit;
    mLetter->setObjectName(QStringLiteral("mLetter"));
    mLetter->setReadOnly(true);
    mLetter->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont arial(QStringLiteral("Liberation Sans"));
    arial.setStyleHint(QFont::SansSerif);
    arial.setPixelSize(13);
    mLetter->setFont(arial);

    Splitter2 = new QSplitter(Qt::Vertical);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->addWidget(lvMail);
    Splitter2->addWidget(mLetter);
    Splitter2->setChildrenCollapsible(false);
    Splitter2->setSizes({170, 260});

    Splitter1 = new QSplitter(Qt::Horizontal);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->addWidget(tvMailBoxes);
    Splitter1->addWidget(Splitter2);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({150, 490});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tMain);
    layout->addWidget(Splitter1, 1);

    connect(tbDelete, &QToolButton::clicked, this, &TfMailProgram::bDeleteClick);
}

void TfMailProgram::Prepare() {
    rebuilding_ = true;
    lvMail->clear();
    box_.Open();
    addRows();
    rebuilding_ = false;
    // Each player's list opens at its top, wherever the last one left it.
    lvMail->scrollToTop();
    const TZorvick* player = controller_.Company();
    setWindowTitle(TMailBox::Caption(player ? player->PlayerName : QString()));
}

int TfMailProgram::Open() {
    Prepare();
    return exec();
}

void TfMailProgram::addRows() {
    for (const TMailRow& row : box_.Rows()) {
        auto* item = new QTreeWidgetItem(lvMail, {row.Subject, row.Mark, row.From, row.Date});
        // A text cut by its column can still be read whole.
        item->setToolTip(0, row.Subject);
        item->setToolTip(2, row.From);
    }
    fitColumns();
}

void TfMailProgram::fitColumns() {
    // The subject column fits its texts, within 70 to 200 pixels; the sender's gets
    // what its addresses need of the rest.
    lvMail->resizeColumnToContents(0);
    lvMail->setColumnWidth(0, std::clamp(lvMail->columnWidth(0), 70, 200));
    lvMail->resizeColumnToContents(2);
    const int room = lvMail->viewport()->width() - lvMail->columnWidth(0) - lvMail->columnWidth(1) -
                     lvMail->columnWidth(3);
    lvMail->setColumnWidth(2, std::max(100, std::min(lvMail->columnWidth(2), room)));
}

void TfMailProgram::rebuild() {
    rebuilding_ = true;
    lvMail->clear();
    mLetter->clear();
    addRows();
    lvMail->setFocus();
    const std::int32_t row = box_.RowToSelect();
    if (row >= 0)
        lvMail->setCurrentItem(lvMail->topLevelItem(row));
    rebuilding_ = false;
}

void TfMailProgram::highlightMoved() {
    if (rebuilding_)
        return;
    const QList<QTreeWidgetItem*> selected = lvMail->selectedItems();
    const int row = selected.isEmpty() ? -1 : lvMail->indexOfTopLevelItem(selected.first());
    if (row >= 0 && row == box_.RowToSelect())
        return;
    box_.Deselect();
    mLetter->clear();
    setButtons(false);
}

void TfMailProgram::setButtons(bool enabled) {
    for (QToolButton* button : {tbRead, tbDelete, tbSend})
        button->setEnabled(enabled);
}

void TfMailProgram::showEvent(QShowEvent* event) {
    BoardUi::centreOnScreen(this);
    FormShow();
    QDialog::showEvent(event);
    fitColumns(); // the list has its real width now
}

void TfMailProgram::FormShow() {
    mLetter->clear();
    setButtons(false);
}

void TfMailProgram::hideEvent(QHideEvent* event) {
    FormHide();
    QDialog::hideEvent(event);
}

void TfMailProgram::FormHide() {
    // The mail button is black again, whatever it showed when the mailbox opened.
    controller_.StopMailFlashing();
}

void TfMailProgram::lvMailMouseDown(const QPoint& at) {
    const QList<QTreeWidgetItem*> selected = lvMail->selectedItems();
    const int row = selected.isEmpty() ? -1 : lvMail->indexOfTopLevelItem(selected.first());
    const QRect subject = row < 0 ? QRect() : lvMail->visualRect(lvMail->model()->index(row, 0));
    switch (box_.MouseDown(row, row >= 0 && TMailBox::OnSubject(subject, at))) {
    case TMailBox::Click::NoRow:
    case TMailBox::Click::OffSubject:
        // No row stays highlighted that Delete would not act on.
        rebuilding_ = true;
        lvMail->clearSelection();
        rebuilding_ = false;
        mLetter->clear();
        setButtons(false);
        break;
    case TMailBox::Click::Opened:
        rebuild();
        setButtons(true);
        mLetter->setPlainText(box_.SelectedText());
        break;
    }
}

bool TfMailProgram::lvMailKeyDown(int key) {
    if (key != Qt::Key_Delete)
        return false;
    if (box_.DeleteKeyActs())
        bDeleteClick();
    return true;
}

void TfMailProgram::bDeleteClick() {
    box_.Delete();
    rebuild();
    setButtons(false);
}

bool TfMailProgram::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lvMail && event->type() == QEvent::KeyPress &&
        lvMailKeyDown(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}
