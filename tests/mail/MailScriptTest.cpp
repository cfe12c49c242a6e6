// The mailbox and the telephone played end to end through the script driver: the
// letters of a settled week read and deleted, and the whole telephone conversation.
#include "tests/common/ScriptRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using ScriptRun::linesOf;
using ScriptRun::run;

// The reads of one control, in order.
QList<QJsonObject> readsOf(const QList<QJsonObject>& out, const QString& name) {
    QList<QJsonObject> reads;
    for (const QJsonObject& r : linesOf(out, "read"))
        if (r["name"].toString() == name)
            reads.append(r);
    return reads;
}

QStringList errorsOf(const QList<QJsonObject>& out) {
    QStringList errors;
    for (const QJsonObject& o : out)
        if (o.contains("error"))
            errors.append(o["error"].toString());
    return errors;
}

QStringList strings(const QJsonValue& array) {
    QStringList out;
    for (const QJsonValue& v : array.toArray())
        out.append(v.toString());
    return out;
}

// The first player's letters in a state line, as the list shows them.
QStringList letterRows(const QJsonObject& state) {
    QStringList rows;
    for (const QJsonValue& v : state["Players"].toArray()[0].toObject()["Letters"].toArray()) {
        const QJsonObject l = v.toObject();
        rows.append(QStringList{l["Subject"].toString(), l["Unread"].toBool() ? "!" : " ",
                                l["From"].toString(), l["Date"].toString()}
                        .join('\t'));
    }
    return rows;
}

const QString start = QString(R"({"start": {"players": [["Фирма 1", "Менеджер 1", 0],)"
                              R"( ["Фирма 2", "Менеджер 2", 1]], "today": "2026-12-08",)"
                              R"( "seed": 7, "folder": "%1"}})")
                          .arg(ZORVICK_GAME_FOLDER);

} // namespace

TEST(MailScript, TheWeeksLettersAreReadAndDeleted) {
    const auto out =
        run({start, R"({"click": "bEndTurn"})", R"({"click": "bEndTurn"})", R"({"key": "Return"})",
             R"({"state": true})", R"({"click": "bbMailBox"})",
             R"({"read": ["fMailProgram", "lvMail", "tbDelete"]})",
             R"({"click": ["lvMail", 1, 0]})", R"({"read": ["lvMail", "mLetter"]})",
             R"({"click": "tbDelete"})", R"({"read": ["lvMail"]})", R"({"key": "Delete"})",
             R"({"read": ["lvMail"]})", R"({"click": ["lvMail", 0, 2]})",
             R"({"click": ["lvMail", 5, 0]})", R"({"read": ["mLetter", "tbDelete"]})",
             R"({"key": "Escape"})", R"({"read": ["fMailProgram"]})", R"({"state": true})"});
    EXPECT_EQ(errorsOf(out), QStringList({"lvMail has no row 5 in column 0"}));
    const auto states = linesOf(out, "state");
    ASSERT_EQ(states.size(), 2);
    EXPECT_TRUE(states[0]["Board"]["MailFlashing"].toBool());
    const QStringList letters = letterRows(states[0]);
    ASSERT_GE(letters.size(), 3);
    EXPECT_EQ(readsOf(out, "fMailProgram")[0]["text"].toString(),
              "Почта - Менеджер 1@sportprom.zv");
    EXPECT_FALSE(readsOf(out, "tbDelete")[0]["enabled"].toBool());

    const auto lists = readsOf(out, "lvMail");
    ASSERT_EQ(lists.size(), 4);
    EXPECT_EQ(strings(lists[0]["rows"]), letters);
    EXPECT_EQ(lists[0]["selected"].toInt(), -1);
    // The second letter opened: read, selected and shown in full.
    QStringList opened = letters;
    opened[1].replace("\t!\t", "\t \t");
    EXPECT_EQ(strings(lists[1]["rows"]), opened);
    EXPECT_EQ(lists[1]["selected"].toInt(), 1);
    const QJsonObject second =
        states[0]["Players"].toArray()[0].toObject()["Letters"].toArray()[1].toObject();
    EXPECT_EQ(readsOf(out, "mLetter")[0]["text"].toString(), second["Text"].toString());
    // The button deletes it and leaves nothing chosen: the Delete key then deletes
    // nothing, not the unread letter that moved up.
    QStringList left = opened;
    left.removeAt(1);
    EXPECT_EQ(strings(lists[2]["rows"]), left);
    EXPECT_EQ(lists[2]["selected"].toInt(), -1);
    EXPECT_EQ(strings(lists[3]["rows"]), left);
    // A click on the sender opens nothing and disables the buttons.
    EXPECT_EQ(readsOf(out, "mLetter")[1]["text"].toString(), "");
    EXPECT_FALSE(readsOf(out, "tbDelete")[1]["enabled"].toBool());
    // Escape closed the mailbox; the game keeps the deletions, and the button is still.
    EXPECT_FALSE(readsOf(out, "fMailProgram")[1]["visible"].toBool());
    EXPECT_EQ(letterRows(states[1]), left);
    EXPECT_FALSE(states[1]["Board"]["MailFlashing"].toBool());
}

TEST(MailScript, TheWholeTelephoneConversationChangesNothingInTheGame) {
    // With this seed the research centre answers the first call.
    const auto out =
        run({start, R"({"state": true})", R"({"click": "bTP"})", R"({"read": ["lbText"]})",
             R"({"click": "sbMemo"})", R"({"double": ["lbMemo", 0]})",
             R"({"read": ["eNumber", "lbText"]})", R"({"double": ["lbText", 0]})",
             R"({"double": ["lbText", 1]})", R"({"double": ["lbText", 0]})",
             R"({"double": ["lbText", 7]})", R"({"read": ["mTalk", "mConnect"]})",
             R"({"wait": 25000})", R"({"read": ["lbText", "mConnect", "mTalk"]})",
             R"({"click": "sbExit"})", R"({"read": ["fTextoPhone"]})", R"({"state": true})"});
    EXPECT_EQ(errorsOf(out), QStringList({"lbText has no row 7 in column 0"}));
    const auto texts = readsOf(out, "lbText");
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(strings(texts[0]["rows"]),
              QStringList({"Text'O'Phone - только качественная связь!"}));
    EXPECT_EQ(readsOf(out, "eNumber")[0]["text"].toString(), "482903");
    EXPECT_EQ(strings(texts[1]["rows"]),
              QStringList({"Представиться.", "Крикнуть \"Ты дурак!\" и бросить трубку."}));
    EXPECT_EQ(readsOf(out, "mTalk")[0]["text"].toString(),
              "НИОКР: Здравствуйте! Это Центр исследования новых технологий. С вами "
              "разговаривает Ефим Вертушкин.\n"
              "Менеджер 1: Здравствуйте вас беспокоит менеджер предприятия Фирма 1.\n"
              "НИОКР: Чем обязаны?\n"
              "Менеджер 1: Я бы хотел, чтобы вы занялись дизайнерскими разработками для нашей "
              "компании.\n"
              "НИОКР: Хорошо, отошлите нам ваши данные по этому вопросу. свои реквезиты и "
              "перезвоните через неделю. Всего хорошего.");
    EXPECT_EQ(readsOf(out, "mConnect")[0]["text"].toString(), "соединенние с сервером");
    // The transfer ran to its end meanwhile (31 ticks of half a second; the wait leaves
    // room for a busy machine) and hung up.
    EXPECT_EQ(strings(texts[2]["rows"]), QStringList({"Связь завершена."}));
    EXPECT_TRUE(readsOf(out, "mConnect")[1]["text"].toString().endsWith("\nГотово."));
    EXPECT_FALSE(readsOf(out, "mConnect")[1]["visible"].toBool());
    EXPECT_FALSE(readsOf(out, "mTalk")[1]["visible"].toBool());
    EXPECT_FALSE(readsOf(out, "fTextoPhone")[0]["visible"].toBool());
    const auto states = linesOf(out, "state");
    ASSERT_EQ(states.size(), 2);
    EXPECT_EQ(states[0], states[1]);
}
