// The telephone's state machine: dialling, the chances of a call under the game's
// seeded random source, the research centre's conversation and the data-transfer log.
#include "MailFixture.h"
#include "core/mail/TTelephone.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString greeting = "Text'O'Phone - только качественная связь!";
const QString hungUp = "Связь завершена.";
const QString hello = "НИОКР: Здравствуйте! Это Центр исследования новых технологий. С вами "
                      "разговаривает Ефим Вертушкин.";
const QString reply = "НИОКР: Хорошо, отошлите нам ваши данные по этому вопросу. свои реквезиты "
                      "и перезвоните через неделю. Всего хорошего.";
const QStringList firstChoices = {"Представиться.", "Крикнуть \"Ты дурак!\" и бросить трубку."};
const QStringList offers = {"Предложить занятся исследованием новых технологий производства.",
                            "Предложить занятся дизайном спортивных костюмов.",
                            "Предложить отсосать."};
const QStringList lastChoices = {"Отослать данные.", "Послать его на..."};

struct Phone {
    Phone() : phone(*game.controller) { phone.Show(); }

    void dial(const QString& number) {
        for (const QChar digit : number)
            phone.Digit(QString(digit));
        phone.Dial();
    }
    // Dials the research centre until it answers.
    void connect() {
        for (int attempt = 0; attempt < 50 && !phone.Connected(); ++attempt)
            dial("482903");
        ASSERT_TRUE(phone.Connected());
    }
    int played(const char* file) const {
        int n = 0;
        for (const QString& path : game.sound.played)
            n += path.endsWith(QLatin1String(file)) ? 1 : 0;
        return n;
    }

    MailGame game;
    TTelephone phone;
};

TEST(Telephone, DigitsAfterACallStartANewNumber) {
    Phone p;
    p.dial("12");
    EXPECT_TRUE(p.phone.Dialled());
    EXPECT_EQ(p.phone.Number(), "12");
    p.phone.Digit("5");
    p.phone.Digit("7");
    EXPECT_EQ(p.phone.Number(), "57");
    EXPECT_FALSE(p.phone.Dialled());
}

TEST(Telephone, DialWithoutANumberOnlyAsksForOne) {
    Phone p;
    p.phone.Dial();
    EXPECT_EQ(p.phone.Lines(), QStringList({greeting, "Ввведите номер."}));
    EXPECT_EQ(p.phone.SelectedLine(), 1);
    EXPECT_FALSE(p.phone.Dialled());
    EXPECT_TRUE(p.game.sound.played.isEmpty());
}

// Each call draws from the game's random source: a twin of it, copied just before
// the call, tells which way the call must go.
TEST(Telephone, TheResearchCentreAnswersOrIsBusyAsTheRandomSourceSays) {
    Phone p;
    bool answered = false, busy = false;
    for (int call = 0; call < 50 && !(answered && busy); ++call) {
        RandomSource twin = p.game.random;
        const bool answers = twin.bounded(5) < 4;
        const int rings = answers ? 2 + twin.bounded(3) : 0;
        p.game.sound.played.clear();
        p.dial("482903");
        if (answers) {
            answered = true;
            EXPECT_EQ(p.played("ringout.wav"), rings);
            EXPECT_EQ(p.played("busy.wav"), 0);
            EXPECT_TRUE(p.phone.Connected());
            EXPECT_EQ(p.phone.Abonent(), 0);
            EXPECT_TRUE(p.phone.TalkShown());
            EXPECT_EQ(p.phone.Talk(), QStringList({hello}));
            EXPECT_EQ(p.phone.Lines(), firstChoices);
            EXPECT_EQ(p.phone.Current().Name, "НИОКР");
            p.phone.HangUp();
        } else {
            busy = true;
            EXPECT_EQ(p.played("busy.wav"), 6);
            EXPECT_EQ(p.played("ringout.wav"), 0);
            EXPECT_FALSE(p.phone.Connected());
            EXPECT_EQ(p.phone.Lines().mid(p.phone.Lines().size() - 2),
                      QStringList({"Дозвон...", "Занято."}));
            EXPECT_EQ(p.phone.SelectedLine(), p.phone.Lines().size() - 1);
        }
    }
    EXPECT_TRUE(answered && busy);
}

TEST(Telephone, AnUnknownNumberGetsAModemOrBusyNeverATalk) {
    Phone p;
    bool modem = false, busy = false;
    for (int call = 0; call < 50 && !(modem && busy); ++call) {
        RandomSource twin = p.game.random;
        const bool answers = twin.bounded(2) == 0;
        const int rings = answers ? 2 + twin.bounded(3) : 0;
        p.game.sound.played.clear();
        p.dial("12345");
        EXPECT_FALSE(p.phone.Connected());
        EXPECT_TRUE(p.phone.Talk().isEmpty());
        EXPECT_EQ(p.phone.Abonent(), -1);
        EXPECT_EQ(p.phone.Lines().last(), answers ? "Ответил модем." : "Занято.");
        EXPECT_EQ(p.played("ringout.wav"), rings);
        EXPECT_EQ(p.played("busy.wav"), answers ? 0 : 6);
        (answers ? modem : busy) = true;
    }
    EXPECT_TRUE(modem && busy);
}

TEST(Telephone, EveryBranchOfTheConversation) {
    const QString introduce = "Ann: Здравствуйте вас беспокоит менеджер предприятия Firm A.";
    const QString asks = "НИОКР: Чем обязаны?";
    const QString machines = "Ann: Я бы хотел предложить вам разроботать для нашего предпрятия "
                             "более совершенные станки.";
    const QString design =
        "Ann: Я бы хотел, чтобы вы занялись дизайнерскими разработками для нашей компании.";
    const struct {
        std::vector<int> choices;
        QStringList talk; // empty: the call was hung up
        QStringList lines;
        int step;
        QString log; // the first line of a started data transfer
    } cases[] = {
        {{0}, {hello, introduce, asks}, offers, 1, {}},
        {{1}, {}, {hungUp}, 0, {}},
        {{0, 0}, {hello, introduce, asks, machines, reply}, lastChoices, 2, {}},
        {{0, 1}, {hello, introduce, asks, design, reply}, lastChoices, 3, {}},
        {{0, 2}, {}, {hungUp}, 0, {}},
        {{0, 0, 0},
         {hello, introduce, asks, machines, reply},
         lastChoices,
         2,
         "соединенние с сервером..."},
        {{0, 1, 0},
         {hello, introduce, asks, design, reply},
         lastChoices,
         3,
         "соединенние с сервером"},
        {{0, 0, 1}, {}, {hungUp}, 0, {}},
        {{0, 1, 1}, {}, {hungUp}, 0, {}},
    };
    for (const auto& c : cases) {
        Phone p;
        p.connect();
        std::string trace = "choices";
        for (int choice : c.choices) {
            p.phone.Choose(choice);
            trace += ' ' + std::to_string(choice);
        }
        SCOPED_TRACE(trace);
        EXPECT_EQ(p.phone.Talk(), c.talk);
        EXPECT_EQ(p.phone.TalkShown(), !c.talk.isEmpty());
        EXPECT_EQ(p.phone.Connected(), !c.talk.isEmpty());
        EXPECT_EQ(p.phone.Lines(), c.lines);
        EXPECT_EQ(p.phone.Step(), c.step);
        EXPECT_EQ(p.phone.Menu(), c.talk.isEmpty() ? 0 : c.step);
        EXPECT_EQ(p.phone.TimerRunning(), !c.log.isEmpty());
        EXPECT_EQ(p.phone.ConnectShown(), !c.log.isEmpty());
        EXPECT_EQ(p.phone.ConnectLog(), c.log.isEmpty() ? QStringList() : QStringList{c.log});
        if (c.talk.isEmpty()) {
            EXPECT_EQ(p.phone.Abonent(), -1);
            EXPECT_EQ(p.phone.Number(), "");
        }
    }
}

TEST(Telephone, ChoicesNeedACall) {
    Phone p;
    p.phone.Choose(0);
    EXPECT_TRUE(p.phone.Talk().isEmpty());
    EXPECT_EQ(p.phone.Step(), 0);
    EXPECT_EQ(p.phone.Lines(), QStringList({greeting}));
}

TEST(Telephone, TheDataTransferLogRunsItsThirtyOneTicks) {
    const QStringList log = {"соединенние с сервером...",
                             "Соединение установлено.",
                             "Регистрация на домене...",
                             "Регистрация завершена.",
                             "Login: Guest",
                             "Password: Plum",
                             "Вход в сеть...",
                             "Пересылка реквезитов...",
                             "Sending: Zorvick Name...",
                             "Sending: Company Name...",
                             "Sending: Text'O'Phone Number...",
                             "Sending: E-Mail Address...",
                             "Done.",
                             "Пересылка реквезитов завершена.",
                             "Пересылка данных...",
                             "Пересылка данных завершена.",
                             "Завершение Связи...",
                             "Готово."};
    for (bool hangUpEarly : {false, true}) {
        SCOPED_TRACE(hangUpEarly);
        Phone p;
        p.connect();
        for (int choice : {0, 0, 0})
            p.phone.Choose(choice);
        for (int tick = 0; tick < 30; ++tick) {
            p.phone.Tick();
            // "H" does not stop the log: it goes on over the hung-up telephone.
            if (hangUpEarly && tick == 4) {
                p.phone.HangUp();
                EXPECT_FALSE(p.phone.Connected());
                EXPECT_FALSE(p.phone.TalkShown());
            }
        }
        EXPECT_EQ(p.phone.ConnectLog(), log);
        EXPECT_TRUE(p.phone.TimerRunning());
        EXPECT_TRUE(p.phone.ConnectShown());
        EXPECT_EQ(p.phone.Connected(), !hangUpEarly);
        p.phone.Tick();
        EXPECT_FALSE(p.phone.TimerRunning());
        EXPECT_FALSE(p.phone.Connected());
        EXPECT_FALSE(p.phone.ConnectShown());
        EXPECT_FALSE(p.phone.TalkShown());
        EXPECT_EQ(p.phone.Lines(), QStringList({hungUp}));
        EXPECT_EQ(p.phone.Step(), 0);
        EXPECT_EQ(p.phone.LogStep(), 31);
    }
}

TEST(Telephone, ThePhoneBookDialsItsEntryAndFocusMovesOn) {
    Phone p;
    EXPECT_EQ(p.phone.MemoNames(), QStringList({"НИОКР"}));
    // A row matching no entry dials the blank entry: there is nothing to dial.
    p.phone.MemoChosen(3);
    EXPECT_EQ(p.phone.Lines().last(), "Ввведите номер.");
    using C = TTelephone::Control;
    using F = TTelephone::Focus;
    EXPECT_EQ(p.phone.FocusOnEntering(C::Number), F::ToText);
    EXPECT_EQ(p.phone.FocusOnEntering(C::Text), F::ToNone);
    p.phone.SetMemo(true);
    EXPECT_TRUE(p.phone.MemoShown());
    for (int attempt = 0; attempt < 50 && !p.phone.Connected(); ++attempt)
        p.phone.MemoChosen(0);
    ASSERT_TRUE(p.phone.Connected());
    EXPECT_EQ(p.phone.Number(), "482903");
    // Connecting puts the phone book away.
    EXPECT_FALSE(p.phone.MemoShown());
    EXPECT_EQ(p.phone.FocusOnEntering(C::Text), F::Stays);
    EXPECT_EQ(p.phone.FocusOnEntering(C::Talk), F::ToNone);
    EXPECT_EQ(p.phone.FocusOnEntering(C::Connect), F::ToNone);
}

} // namespace

TEST(Telephone, KeysTypeDialAndChooseAndAHangUpStopsTheRinging) {
    Phone p;
    for (const char* key : {"4", "8", "*", "#"})
        p.phone.Digit(key);
    p.phone.Backspace();
    p.phone.Backspace();
    EXPECT_EQ(p.phone.Number(), "48");
    p.phone.Backspace();
    p.phone.Backspace();
    p.phone.Enter(-1); // no number: nothing to dial
    EXPECT_EQ(p.phone.Lines(), QStringList({greeting}));

    // The first ring is interrupted: no more sounds, no call.
    p.game.sound.duringSync = [&] { p.phone.HangUp(); };
    for (int attempt = 0; attempt < 50 && p.game.sound.played.isEmpty(); ++attempt)
        p.dial("482903");
    EXPECT_EQ(p.game.sound.played.size(), 1);
    EXPECT_FALSE(p.phone.Connected() || p.phone.Ringing());
    EXPECT_EQ(p.phone.Lines(), QStringList({hungUp}));
    p.game.sound.duringSync = nullptr;

    p.connect();
    p.phone.Enter(-1); // nothing highlighted: nothing happens, the call goes on
    EXPECT_TRUE(p.phone.Connected());
    EXPECT_EQ(p.phone.Lines(), firstChoices);
    p.phone.Enter(0);
    EXPECT_EQ(p.phone.Lines(), offers);
    // Reopened, the telephone shows the conversation where it stood.
    p.phone.Show();
    EXPECT_EQ(p.phone.Lines(), offers);
    EXPECT_EQ(p.phone.Talk().size(), 3);
}
