#include "ui/board/SetupDialogs.h"

#include "core/board/BoardRules.h"
#include "core/board/SetupRules.h"
#include "core/platform/Help.h"
#include "core/platform/Prompter.h"
#include "ui/board/BoardUi.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr Qt::WindowFlags toolWindow =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

QLabel* label(QWidget* parent, const QString& text, QRect geometry) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}

} // namespace

SetupDialog::SetupDialog(Prompter& prompter, Help& help, QWidget* parent)
    : QDialog(parent, toolWindow), prompter_(prompter), help_(help) {
    setFont(BoardUi::monoPointFont(10, true));
    setWindowTitle(SetupRules::DialogCaption());
}

void SetupDialog::AskExit() {
    if (prompter_.warningQuestion(SetupRules::ExitQuestion(), SetupRules::DialogTitle()))
        reject();
}

void SetupDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // Only from an edit; elsewhere Esc does nothing rather than cancel unasked.
        if (qobject_cast<QLineEdit*>(focusWidget()))
            AskExit();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        help_.showTopic(BoardRules::HelpTopicSetup);
        return;
    }
    // Enter presses OK whatever has the focus: the other buttons are no default
    // buttons, so a clicked ">" does not take Enter over (Space still presses it).
    QDialog::keyPressEvent(event);
}

QPushButton* SetupDialog::makeExitButton(const QIcon& glyph) {
    auto* button = new QPushButton(QStringLiteral("Выход"), this);
    button->setObjectName(QStringLiteral("bExit"));
    button->setIcon(glyph);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, &SetupDialog::AskExit);
    return button;
}

PlayerCountDialog::PlayerCountDialog(Prompter& prompter, Help& help, const QIcon& exitGlyph,
                                     QWidget* parent)
    : SetupDialog(prompter, help, parent) {
    setObjectName(QStringLiteral("PlayerCountDialog"));
    setFixedSize(251, 129);
    label(this, QStringLiteral("Количество игроков:"), QRect(8, 16, 156, 16));
    label(this, QStringLiteral("Длина игры:"), QRect(8, 76, 156, 16));
    cbLength = new QComboBox(this);
    cbLength->setObjectName(QStringLiteral("cbLength"));
    cbLength->setGeometry(8, 96, 235, 24);
    cbLength->addItem(QStringLiteral("до последней фирмы"), 0);
    cbLength->addItem(QStringLiteral("26 недель"), 26);
    cbLength->addItem(QStringLiteral("52 недели"), 52);

    eCount = new QLineEdit(this);
    eCount->setObjectName(QStringLiteral("eCount"));
    eCount->setGeometry(8, 40, 152, 24);
    eCount->setMaxLength(SetupRules::CountMaxLength);

    bOK = new QPushButton(QStringLiteral("OK"), this);
    bOK->setObjectName(QStringLiteral("bOK"));
    bOK->setGeometry(168, 8, 75, 25);
    bOK->setDefault(true);
    connect(bOK, &QPushButton::clicked, this, &PlayerCountDialog::bOKClick);

    bExit = makeExitButton(exitGlyph);
    bExit->setGeometry(168, 40, 75, 25);

    setTabOrder(eCount, cbLength);
    setTabOrder(cbLength, bOK);
    setTabOrder(bOK, bExit);
    eCount->setFocus();
}

int PlayerCountDialog::Length() const {
    return cbLength->currentData().toInt();
}

void PlayerCountDialog::bOKClick() {
    const auto check = SetupRules::CheckPlayerCount(eCount->text());
    if (!check.count) {
        prompter_.error(check.message, SetupRules::DialogTitle());
        eCount->clear();
        eCount->setFocus();
        return;
    }
    count_ = *check.count;
    accept();
}

PlayerEntryDialog::PlayerEntryDialog(Prompter& prompter, Help& help, const QIcon& exitGlyph,
                                     const QList<QPixmap>& faces, QWidget* parent)
    : SetupDialog(prompter, help, parent), faces_(faces) {
    setObjectName(QStringLiteral("PlayerEntryDialog"));
    setFixedSize(219, 372);

    label(this, QStringLiteral("Название:"), QRect(8, 8, 120, 16));
    eTitle = new QLineEdit(this);
    eTitle->setObjectName(QStringLiteral("eTitle"));
    eTitle->setGeometry(8, 24, 120, 24);

    label(this, QStringLiteral("Имя менеджера:"), QRect(8, 56, 120, 16));
    ePlayerName = new QLineEdit(this);
    ePlayerName->setObjectName(QStringLiteral("ePlayerName"));
    ePlayerName->setGeometry(8, 72, 120, 24);

    bOK = new QPushButton(QStringLiteral("OK"), this);
    bOK->setObjectName(QStringLiteral("bOK"));
    bOK->setGeometry(136, 8, 75, 25);
    bOK->setDefault(true);
    connect(bOK, &QPushButton::clicked, this, &PlayerEntryDialog::bOKClick);

    bExit = makeExitButton(exitGlyph);
    bExit->setGeometry(136, 40, 75, 25);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pFace"));
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setGeometry(8, 104, 120, 120);
    iFace = new QLabel(panel);
    iFace->setObjectName(QStringLiteral("iFace"));
    iFace->setGeometry(2, 2, 116, 116);

    bNextFace = new QPushButton(QStringLiteral(">"), this);
    bNextFace->setObjectName(QStringLiteral("bNextFace"));
    bNextFace->setGeometry(136, 104, 75, 25);
    bNextFace->setAutoDefault(false);
    connect(bNextFace, &QPushButton::clicked, this, &PlayerEntryDialog::bNextFaceClick);

    bPrevFace = new QPushButton(QStringLiteral("<"), this);
    bPrevFace->setObjectName(QStringLiteral("bPrevFace"));
    bPrevFace->setGeometry(136, 136, 75, 25);
    bPrevFace->setAutoDefault(false);
    connect(bPrevFace, &QPushButton::clicked, this, &PlayerEntryDialog::bPrevFaceClick);

    setTabOrder(eTitle, ePlayerName);
    setTabOrder(ePlayerName, bOK);
    setTabOrder(bOK, bExit);
    setTabOrder(bExit, bNextFace);
    setTabOrder(bNextFace, bPrevFace);
    buildSeat();
    Prepare(1);
}

// Below the face: who takes the seat, and for a computer its character and strength.
void PlayerEntryDialog::buildSeat() {
    gbSeat = new QGroupBox(QStringLiteral(" Игрок "), this);
    gbSeat->setObjectName(QStringLiteral("gbSeat"));
    gbSeat->setGeometry(8, 228, 203, 140);
    rbPerson = new QRadioButton(QStringLiteral("Человек"), gbSeat);
    rbPerson->setObjectName(QStringLiteral("rbPerson"));
    rbPerson->setGeometry(8, 18, 90, 20);
    rbComputer = new QRadioButton(QStringLiteral("Компьютер"), gbSeat);
    rbComputer->setObjectName(QStringLiteral("rbComputer"));
    rbComputer->setGeometry(100, 18, 100, 20);
    // Each choice on a line of its own below its caption, so the longest reads whole.
    label(gbSeat, QStringLiteral("Характер:"), QRect(8, 42, 187, 18));
    cbCharacter = new QComboBox(gbSeat);
    cbCharacter->setObjectName(QStringLiteral("cbCharacter"));
    cbCharacter->setGeometry(8, 60, 187, 22);
    cbCharacter->addItems(TSeat::CharacterTexts());
    label(gbSeat, QStringLiteral("Сила:"), QRect(8, 88, 187, 18));
    cbStrength = new QComboBox(gbSeat);
    cbStrength->setObjectName(QStringLiteral("cbStrength"));
    cbStrength->setGeometry(8, 106, 187, 22);
    cbStrength->addItems(TSeat::StrengthTexts());
    connect(rbPerson, &QRadioButton::toggled, this, &PlayerEntryDialog::seatChanged);
    connect(rbComputer, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rbComputerClick();
    });
    setTabOrder(bPrevFace, rbPerson);
    setTabOrder(rbPerson, rbComputer);
    setTabOrder(rbComputer, cbCharacter);
    setTabOrder(cbCharacter, cbStrength);
}

void PlayerEntryDialog::seatChanged() {
    const bool computer = rbComputer->isChecked();
    cbCharacter->setEnabled(computer);
    cbStrength->setEnabled(computer);
}

void PlayerEntryDialog::rbComputerClick() {
    rbComputer->setChecked(true);
    // The names a computer brings along; the person setting up may change them.
    static const char* const firms[] = {"Спринт", "Олимп",   "Финиш", "Рекорд", "Лидер",
                                        "Старт",  "Чемпион", "Темп",  "Кросс",  "Марафон"};
    static const char* const managers[] = {"Электроник",  "Вычислитель", "Арифмометр", "Логик",
                                           "Калькулятор", "Робот",       "Автомат",    "Алгоритм",
                                           "Процессор",   "Кибер"};
    const int k = (playerNumber_ - 1) % 10;
    if (eTitle->text().isEmpty())
        eTitle->setText(QString::fromUtf8(firms[k]));
    if (ePlayerName->text().isEmpty())
        ePlayerName->setText(QString::fromUtf8(managers[k]));
    if (face_ == 0 && !faces_.isEmpty()) {
        face_ = SetupRules::ComputerFace(facesTaken_, playerNumber_, int(faces_.size()));
        showFace();
    }
}

TSeat PlayerEntryDialog::Seat() const {
    TSeat seat;
    seat.Computer = rbComputer->isChecked();
    if (seat.Computer) {
        seat.character = TSeat::Character(cbCharacter->currentIndex());
        seat.strength = TSeat::Strength(cbStrength->currentIndex());
    }
    return seat;
}

void PlayerEntryDialog::Prepare(int playerNumber) {
    setWindowTitle(SetupRules::EntryCaption(playerNumber));
    // The seat before this one has taken its face.
    if (playerNumber == 1)
        facesTaken_.clear();
    else if (playerNumber == playerNumber_ + 1)
        facesTaken_.push_back(face_);
    playerNumber_ = playerNumber;
    eTitle->clear();
    ePlayerName->clear();
    face_ = 0;
    showFace();
    rbPerson->setChecked(true);
    cbCharacter->setCurrentIndex(0);
    cbStrength->setCurrentIndex(int(TSeat::Strength::Normal));
    seatChanged();
    eTitle->setFocus();
}

QString PlayerEntryDialog::FirmTitle() const {
    return eTitle->text();
}

QString PlayerEntryDialog::PlayerName() const {
    return ePlayerName->text();
}

void PlayerEntryDialog::bOKClick() {
    const auto check = SetupRules::CheckNames(eTitle->text(), ePlayerName->text());
    if (check.focus != SetupRules::NameField::None) {
        prompter_.error(check.message, SetupRules::DialogTitle());
        (check.focus == SetupRules::NameField::Title ? eTitle : ePlayerName)->setFocus();
        return;
    }
    accept();
}

void PlayerEntryDialog::bNextFaceClick() {
    face_ = SetupRules::NextFace(face_, int(faces_.size()));
    showFace();
}

void PlayerEntryDialog::bPrevFaceClick() {
    face_ = SetupRules::PrevFace(face_, int(faces_.size()));
    showFace();
}

void PlayerEntryDialog::showFace() {
    iFace->clear();
    if (face_ >= 0 && face_ < faces_.size())
        iFace->setPixmap(faces_[face_]);
}
