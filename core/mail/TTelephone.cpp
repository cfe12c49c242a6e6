#include "core/mail/TTelephone.h"

#include "core/game/TGameController.h"
#include "core/model/player.h"
#include "core/platform/RandomSource.h"
#include "core/platform/Sound.h"

#include <algorithm>

namespace {

const QString hungUp = QStringLiteral("Связь завершена.");
const QString busyLine = QStringLiteral("Занято.");

// The research centre's two answers to an offer are the same words.
const QString callBackReply = QStringLiteral(
    ": Хорошо, отошлите нам ваши данные по этому вопросу. свои реквезиты и перезвоните через неделю. Всего хорошего.");
const QString rudeLine = QStringLiteral(":Отсоси радость!");

// The data-transfer log: the lines added at each step; other steps add nothing.
struct LogLine {
    std::int32_t step;
    const char* text;
};
constexpr LogLine logLines[] = {
    {0, "Соединение установлено."},
    {1, "Регистрация на домене..."},
    {3, "Регистрация завершена."},
    {4, "Login: Guest"},
    {4, "Password: Plum"},
    {6, "Вход в сеть..."},
    {9, "Пересылка реквезитов..."},
    {10, "Sending: Zorvick Name..."},
    {11, "Sending: Company Name..."},
    {12, "Sending: Text'O'Phone Number..."},
    {13, "Sending: E-Mail Address..."},
    {14, "Done."},
    {15, "Пересылка реквезитов завершена."},
    {16, "Пересылка данных..."},
    {23, "Пересылка данных завершена."},
    {24, "Завершение Связи..."},
    {27, "Готово."},
};

} // namespace

TTelephone::TTelephone(TGameController& controller) : controller_(controller) {
    book_.push_back({QStringLiteral("НИОКР"), QStringLiteral("482903"), 0});
}

QStringList TTelephone::MemoNames() const {
    QStringList names;
    for (const TPBEntry& entry : book_)
        names.append(entry.Name);
    return names;
}

void TTelephone::Show() {
    // Reopened during a call, the conversation shows where it stood, with its choices.
    if (connected_)
        return;
    lines_ = {QStringLiteral("Text'O'Phone - только качественная связь!")};
    selectedLine_ = -1;
    number_.clear();
}

void TTelephone::Digit(const QString& caption) {
    if (ringing_)
        return;
    if (dialled_)
        number_.clear();
    dialled_ = false;
    number_ += caption;
}

void TTelephone::Backspace() {
    if (!ringing_)
        number_.chop(1);
}

void TTelephone::Enter(std::int32_t highlightedRow) {
    if (ringing_)
        return;
    if (connected_) {
        if (highlightedRow >= 0)
            Choose(highlightedRow);
    } else if (!number_.isEmpty()) {
        Dial();
    }
}

void TTelephone::SetMemo(bool down) {
    memoShown_ = down;
}

void TTelephone::MemoChosen(std::int32_t row) {
    if (ringing_)
        return;
    const auto found = std::find_if(book_.begin(), book_.end(),
                                    [row](const TPBEntry& entry) { return entry.Id == row; });
    if (found != book_.end())
        current_ = *found;
    number_ = current_.Number;
    Dial();
}

void TTelephone::Dial() {
    if (ringing_)
        return;
    if (number_.isEmpty()) {
        addSelected(QStringLiteral("Ввведите номер."));
        return;
    }
    addSelected(QStringLiteral("Дозвон..."));
    dialled_ = true;
    const auto found = std::find_if(book_.begin(), book_.end(), [this](const TPBEntry& entry) {
        return entry.Number == number_;
    });
    RandomSource& random = controller_.services().random;
    if (found != book_.end()) {
        current_ = *found;
        // Four calls in five are answered.
        if (random.bounded(5) < 4) {
            if (!ring())
                return;
            connected_ = true;
            abonent_ = current_.Id;
            memoShown_ = false;
            talkShown_ = true;
            addSelected(QStringLiteral("Установлена связь с ") + current_.Name + QLatin1Char('.'));
            buildChoices();
        } else if (busy()) {
            addSelected(busyLine);
        }
        return;
    }
    // Nobody of the phone book: a modem answers one call in two.
    if (random.bounded(2) == 0) {
        if (ring())
            addSelected(QStringLiteral("Ответил модем."));
    } else if (busy()) {
        addSelected(busyLine);
    }
}

void TTelephone::HangUp() {
    if (ringing_) {
        ringing_ = false;
        controller_.services().sound.stop();
    }
    lines_.clear();
    addSelected(hungUp);
    talk_.clear();
    talkShown_ = false;
    connected_ = false;
    number_.clear();
    menu_ = 0;
    step_ = 0;
    abonent_ = -1;
    // A running data-transfer log goes on to its end, which hangs up once more.
}

void TTelephone::Choose(std::int32_t row) {
    // Choices are offered only during a call; status lines are not choices.
    if (!connected_)
        return;
    const QString n = playerName();
    const QString c = current_.Name;
    switch (menu_) {
    case 0:
        if (row == 0) {
            talk_.append(n + QStringLiteral(": Здравствуйте вас беспокоит менеджер предприятия ") +
                         playerTitle() + QLatin1Char('.'));
            talk_.append(c + QStringLiteral(": Чем обязаны?"));
            step_ = 1;
            buildChoices();
        } else if (row == 1) {
            talk_.append(n + QStringLiteral(": Ты Дурак!"));
            HangUp();
        }
        break;
    case 1:
        if (row == 0) {
            talk_.append(
                n +
                QStringLiteral(
                    ": Я бы хотел предложить вам разроботать для нашего предпрятия более совершенные станки."));
            talk_.append(c + callBackReply);
            step_ = 2;
            buildChoices();
        } else if (row == 1) {
            talk_.append(
                n +
                QStringLiteral(
                    ": Я бы хотел, чтобы вы занялись дизайнерскими разработками для нашей компании."));
            talk_.append(c + callBackReply);
            step_ = 3;
            buildChoices();
        } else if (row == 2) {
            talk_.append(n + rudeLine);
            HangUp();
        }
        break;
    case 2:
    case 3:
        if (row == 0) {
            startLog(menu_ == 2 ? QStringLiteral("соединенние с сервером...")
                                : QStringLiteral("соединенние с сервером"));
        } else if (row == 1) {
            talk_.append(n + rudeLine);
            HangUp();
        }
        break;
    default:
        break;
    }
}

void TTelephone::Tick() {
    for (const LogLine& line : logLines)
        if (line.step == logStep_)
            connectLog_.append(QString::fromUtf8(line.text));
    if (logStep_ == LogLastStep) {
        timerRunning_ = false;
        connected_ = false;
        lines_.clear();
        addSelected(hungUp);
        connectShown_ = false;
        HangUp();
    }
    ++logStep_;
}

TTelephone::Focus TTelephone::FocusOnEntering(Control control) const {
    switch (control) {
    case Control::Number:
        return Focus::ToText;
    case Control::Text:
        return connected_ ? Focus::Stays : Focus::ToNone;
    case Control::Talk:
    case Control::Connect:
        return Focus::ToNone;
    }
    return Focus::Stays;
}

void TTelephone::addSelected(const QString& line) {
    lines_.append(line);
    selectedLine_ = std::int32_t(lines_.size()) - 1;
}

void TTelephone::setChoices(const QStringList& choices, std::int32_t menu) {
    lines_ = choices;
    selectedLine_ = -1;
    menu_ = menu;
}

void TTelephone::buildChoices() {
    // Only the research centre (picture 0) holds a conversation.
    if (!connected_ || current_.Id != 0)
        return;
    switch (step_) {
    case 0:
        talk_.append(
            current_.Name +
            QStringLiteral(
                ": Здравствуйте! Это Центр исследования новых технологий. С вами разговаривает Ефим Вертушкин."));
        setChoices({QStringLiteral("Представиться."),
                    QStringLiteral("Крикнуть \"Ты дурак!\" и бросить трубку.")},
                   0);
        break;
    case 1:
        setChoices(
            {QStringLiteral("Предложить занятся исследованием новых технологий производства."),
             QStringLiteral("Предложить занятся дизайном спортивных костюмов."),
             QStringLiteral("Предложить отсосать.")},
            1);
        break;
    case 2:
    case 3:
        setChoices({QStringLiteral("Отослать данные."), QStringLiteral("Послать его на...")},
                   step_);
        break;
    default:
        break;
    }
}

bool TTelephone::play(const QString& file, int times) {
    if (BeforeSound)
        BeforeSound();
    Services& services = controller_.services();
    const QString path = services.folder.resolve(file);
    ringing_ = true;
    for (int i = 0; i < times && ringing_; ++i)
        services.sound.playSync(path);
    // A hang-up while they played has ended the call.
    const bool played = ringing_;
    ringing_ = false;
    return played;
}

bool TTelephone::ring() {
    // Two, three or four rings, equally likely.
    return play(QStringLiteral("Sounds\\ringout.wav"),
                2 + controller_.services().random.bounded(3));
}

bool TTelephone::busy() {
    return play(QStringLiteral("Sounds\\busy.wav"), 6);
}

void TTelephone::startLog(const QString& firstLine) {
    connectLog_ = {firstLine};
    connectShown_ = true;
    logStep_ = 0;
    timerRunning_ = true;
}

QString TTelephone::playerName() const {
    const TZorvick* player = controller_.Company();
    return player ? player->PlayerName : QString();
}

QString TTelephone::playerTitle() const {
    const TZorvick* player = controller_.Company();
    return player ? player->Title : QString();
}
