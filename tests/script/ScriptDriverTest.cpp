#include "tests/common/ScriptRun.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using ScriptRun::errorsOf;
using ScriptRun::run;
constexpr auto withKey = ScriptRun::linesOf;

QJsonObject readOf(const QList<QJsonObject>& lines, const QString& name) {
    for (const QJsonObject& r : withKey(lines, "read"))
        if (r["name"].toString() == name)
            return r;
    return {};
}

QString startLine(int players, const QJsonObject& more = {}) {
    QJsonArray list;
    for (int i = 0; i < players; ++i)
        list.append(
            QJsonArray{QString("Фирма %1").arg(i + 1), QString("Менеджер %1").arg(i + 1), i % 4});
    QJsonObject options{
        {"players", list}, {"today", "2026-12-08"}, {"seed", 7}, {"folder", ZORVICK_GAME_FOLDER}};
    for (auto it = more.begin(); it != more.end(); ++it)
        options.insert(it.key(), it.value());
    const QJsonObject start{{"start", options}};
    return QString::fromUtf8(QJsonDocument(start).toJson(QJsonDocument::Compact));
}

} // namespace

TEST(ZorvickScript, TwoAndTenPlayersReachTheBoard) {
    for (int players : {2, 10}) {
        int status = -1;
        const auto out = run({startLine(players), R"({"read": ["lName", "lCurMon", "bEndTurn"]})",
                              R"({"state": true})"},
                             &status);
        EXPECT_EQ(status, 0);
        EXPECT_TRUE(errorsOf(out).isEmpty()) << errorsOf(out).join("; ").toStdString();
        EXPECT_EQ(readOf(out, "lName")["text"].toString(), "Менеджер 1");
        EXPECT_EQ(readOf(out, "lCurMon")["text"].toString(), "Капитал: 30000$");
        EXPECT_EQ(readOf(out, "bEndTurn")["text"].toString(), "Следующий Игрок");
        const auto states = withKey(out, "state");
        ASSERT_EQ(states.size(), 1);
        const QJsonArray list = states[0]["Players"].toArray();
        ASSERT_EQ(list.size(), players);
        EXPECT_EQ(list.last().toObject()["Title"].toString(), QString("Фирма %1").arg(players));
        EXPECT_EQ(list[1].toObject()["Face"].toInt(), 1);
        EXPECT_EQ(states[0]["Calendar"].toObject()["Month"].toInt(), 12);
        bool boardShown = false;
        for (const QJsonObject& w : withKey(out, "window"))
            boardShown |= w["name"] == "Manage" && w["event"] == "shown";
        EXPECT_TRUE(boardShown);
        const QJsonObject end = out.last()["end"].toObject();
        EXPECT_EQ(end["reason"].toString(), "end of input");
        EXPECT_EQ(end["errors"].toInt(), 0);
    }
}

TEST(ZorvickScript, CountDialogRefusalsAndTheExitQuestionAreBoxes) {
    const QString start = QString(R"({"start": {"folder": "%1"}})").arg(ZORVICK_GAME_FOLDER);
    const auto out =
        run({start, R"({"key": "Space"})", R"({"type": ["eCount", "1"]})", R"({"click": "bOK"})",
             R"({"type": ["eCount", "ab"]})", R"({"click": "bOK"})", R"({"answer": ["no"]})",
             R"({"click": "bExit"})", R"({"read": ["eCount"]})", R"({"answer": ["yes"]})",
             R"({"click": "bExit"})", R"({"read": ["lName"]})"});
    const auto boxes = withKey(out, "box");
    ASSERT_EQ(boxes.size(), 4);
    EXPECT_EQ(boxes[0]["text"].toString(), "В игру могут играть от 2 до 10 игроков.");
    EXPECT_EQ(boxes[0]["title"].toString(), "Однако здравствуйте");
    EXPECT_EQ(boxes[0]["kind"].toString(), "error");
    EXPECT_EQ(boxes[1]["text"].toString(), "Введенное значение не является числом!");
    EXPECT_EQ(boxes[2]["text"].toString(), "Вам что, выйти захотелось?");
    EXPECT_EQ(boxes[2]["answer"].toString(), "no");
    EXPECT_EQ(boxes[3]["answer"].toString(), "yes");
    // The refused count was emptied; the dialog stayed open after No.
    EXPECT_EQ(readOf(out, "eCount")["text"].toString(), "");
    EXPECT_EQ(out.last()["end"].toObject()["reason"].toString(), "exit");
    EXPECT_NE(out.last()["end"].toObject()["status"].toInt(), 0);
}

TEST(ZorvickScript, WeeklyEditsFollowTheirRules) {
    const auto out =
        run({startLine(2), R"({"type": ["eProd", "500"]})", R"({"type": ["eAdvExp", "50000"]})",
             R"({"type": ["ePrice", "12,5"]})", R"({"read": ["eProd", "eAdvExp", "ePrice"]})",
             R"({"type": ["ePrice", ""]})", R"({"read": ["Manage.ePrice"]})"});
    EXPECT_TRUE(errorsOf(out).isEmpty()) << errorsOf(out).join("; ").toStdString();
    const auto reads = withKey(out, "read");
    ASSERT_EQ(reads.size(), 4);
    EXPECT_EQ(reads[0]["text"].toString().toInt(), 0); // no suits in stock yet
    EXPECT_EQ(reads[0]["echo"].toString(), "password");
    EXPECT_EQ(reads[1]["text"].toString(), "30000");
    EXPECT_EQ(reads[2]["text"].toString(), "12,5");
    EXPECT_EQ(reads[3]["text"].toString(), "0");
}

TEST(ZorvickScript, WrongNamesAndDisabledControlsAreReportedAndSkipped) {
    const auto out = run({startLine(2), R"({"click": "bNoSuchButton"})",
                          R"({"click": "bbBankStatistics"})", "this is not json",
                          R"({"dance": true})", R"({"read": ["bbBankStatistics", "lName"]})"});
    const QStringList errors = errorsOf(out);
    ASSERT_EQ(errors.size(), 4);
    EXPECT_TRUE(errors[0].contains("bNoSuchButton"));
    EXPECT_TRUE(errors[1].contains("disabled"));
    EXPECT_EQ(readOf(out, "bbBankStatistics")["enabled"].toBool(), false);
    EXPECT_EQ(readOf(out, "lName")["text"].toString(), "Менеджер 1");
    const QJsonObject end = out.last()["end"].toObject();
    EXPECT_EQ(end["errors"].toInt(), 4);
    EXPECT_EQ(end["reason"].toString(), "end of input");
}

TEST(ZorvickScript, UnansweredQuestionIsAnsweredNoAndReported) {
    const QString start = QString(R"({"start": {"folder": "%1"}})").arg(ZORVICK_GAME_FOLDER);
    const auto out = run({start, R"({"key": "Space"})", R"({"click": "bExit"})"});
    const auto boxes = withKey(out, "box");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0]["answer"].toString(), "no");
    EXPECT_EQ(errorsOf(out).size(), 1);
    // The input ends with the count dialog still open: the driver closes it.
    EXPECT_EQ(out.last()["end"].toObject()["reason"].toString(), "end of input");
}

TEST(ZorvickScript, ControlsBehindAModalWindowAreOutOfReach) {
    const auto out =
        run({startLine(2), R"({"click": "miAbout"})", R"({"type": ["eProd", "5"]})",
             R"({"click": "Manage.bEndTurn"})", R"({"click": "miAbout"})", R"({"close": "Manage"})",
             R"({"read": ["mInfo"]})", R"({"close": "fAbout"})", R"({"close": "fAbout"})",
             R"({"read": ["eProd", "lName"]})"});
    EXPECT_EQ(errorsOf(out), QStringList({"eProd is behind the modal window fAbout",
                                          "Manage.bEndTurn is behind the modal window fAbout",
                                          "miAbout is behind the modal window fAbout",
                                          "Manage is behind the modal window fAbout",
                                          "no open window named fAbout"}));
    const QString credits = readOf(out, "mInfo")["text"].toString();
    // The whole text, not only its first line.
    EXPECT_TRUE(credits.startsWith("Зорвик (Zorvick), версия 1.0\n") &&
                credits.endsWith("\nУдачной игры!"));
    QStringList events;
    for (const QJsonObject& w : withKey(out, "window"))
        if (w["name"] == "fAbout" || w["name"] == "Manage")
            events.append(w["name"].toString() + " " + w["event"].toString());
    EXPECT_EQ(events,
              QStringList({"Manage shown", "fAbout shown", "fAbout closed", "Manage closed"}));
    // Nothing reached the board: the figure is untouched and the turn did not pass.
    EXPECT_EQ(readOf(out, "eProd")["text"].toString(), "0");
    EXPECT_EQ(readOf(out, "lName")["text"].toString(), "Менеджер 1");
    EXPECT_EQ(out.last()["end"].toObject()["reason"].toString(), "end of input");
}

TEST(ZorvickScript, TheWeekEndsWithTheMarketReportInItsMemo) {
    const auto out =
        run({startLine(2), R"({"click": "bEndTurn"})", R"({"click": "bEndTurn"})",
             R"({"type": ["ePrice", "9"]})", R"({"read": ["mReport"]})", R"({"key": "Return"})",
             R"({"read": ["fReport"]})", R"({"state": true})"});
    EXPECT_EQ(errorsOf(out), QStringList({"ePrice is behind the modal window fReport"}));
    const QString report = readOf(out, "mReport")["text"].toString();
    EXPECT_TRUE(report.contains("Менеджер 1") && report.contains("Менеджер 2"));
    EXPECT_FALSE(readOf(out, "fReport")["visible"].toBool());
    const auto states = withKey(out, "state");
    ASSERT_EQ(states.size(), 1);
    EXPECT_TRUE(states[0]["Board"].isObject());
    QStringList lines;
    for (const QJsonValue& line : states[0]["MarketReport"].toArray())
        lines.append(line.toString());
    EXPECT_EQ(lines.join('\n'), report);
}

TEST(ZorvickScript, WaitLetsTheTitlePictureCloseByItself) {
    // The title picture closes itself after 17 ticks of its one-second timer: only a
    // wait that runs the event loop lets it go without a key.
    const QString start = QString(R"({"start": {"folder": "%1"}})").arg(ZORVICK_GAME_FOLDER);
    const auto out = run({start, R"({"read": ["splash"]})", R"({"wait": 20000})",
                          R"({"wait": "soon"})", R"({"wait": -1})", R"({"read": ["splash"]})"});
    EXPECT_EQ(errorsOf(out), QStringList(2, "wait takes a number of milliseconds"));
    QStringList order;
    for (const QJsonObject& o : out)
        if (o.contains("read"))
            order.append(o["read"]["name"].toString() +
                         (o["read"]["visible"].toBool() ? " shown" : " hidden"));
        else if (o.contains("window") && o["window"]["event"] == "closed")
            order.append(o["window"]["name"].toString() + " closed");
    EXPECT_EQ(order, QStringList({"splash shown", "splash closed", "splash hidden",
                                  "PlayerCountDialog closed"}));
}

TEST(ZorvickScript, TheEndOfTheGameEndsTheScript) {
    // Firms that sell nothing pay their costs every week until both are ruined.
    QStringList idleWeeks{startLine(2)};
    for (int week = 0; week < 40; ++week)
        idleWeeks << R"({"click": "bEndTurn"})"
                  << R"({"click": "bEndTurn"})"
                  << R"({"key": "Return"})";
    const QString after = R"({"read": ["lName"]})";
    const struct {
        QStringList script;
        QString lastBox;
    } cases[] = {{idleWeeks + QStringList{after}, "Все фирмы разорены. Победителя нет."},
                 {{startLine(2), R"({"close": "Manage"})", after}, ""}};
    for (const auto& c : cases) {
        const auto out = run(c.script);
        EXPECT_TRUE(errorsOf(out).isEmpty()) << errorsOf(out).join("; ").toStdString();
        const auto boxes = withKey(out, "box");
        EXPECT_EQ(boxes.isEmpty() ? "" : boxes.last()["text"].toString(), c.lastBox);
        EXPECT_TRUE(withKey(out, "read").isEmpty()); // no line runs after the end
        const QJsonObject end = out.last()["end"].toObject();
        EXPECT_EQ(end["reason"].toString(), "exit");
        EXPECT_EQ(end["status"].toInt(), 0);
    }
}

TEST(ZorvickScript, ChartsOpenFromTheMenuAndGrabSavesWhatIsDrawn) {
    QTemporaryDir dir;
    const QString market = dir.filePath("pictures/market.png");
    const QString board = dir.filePath("board.png");
    auto grabLine = [](const QString& window, const QString& file) {
        return QString::fromUtf8(QJsonDocument(QJsonObject{{"grab", QJsonArray{window, file}}})
                                     .toJson(QJsonDocument::Compact));
    };
    const auto out =
        run({startLine(2), R"({"key": "Ctrl+M"})", R"({"click": "bEndTurn"})",
             R"({"click": "bEndTurn"})", R"({"key": "Return"})", R"({"click": "bbBankStatistics"})",
             R"({"click": "miMarket"})", R"({"click": "tsPrices"})", grabLine("fMarket", market),
             R"({"key": "Escape"})", grabLine("Manage", board), grabLine("fMarket", market)});
    EXPECT_EQ(errorsOf(out), QStringList({"no open window named fMarket"}));
    const auto grabs = withKey(out, "grab");
    ASSERT_EQ(grabs.size(), 2);
    EXPECT_EQ(QImage(market).size(), QSize(640, 480));
    EXPECT_EQ(QImage(board).size(), QSize(536, 530));
    EXPECT_EQ(grabs[1]["width"].toInt(), 536);
    // Ctrl+M in the first week opened nothing; the menu's item did in the second.
    QStringList shown;
    for (const QJsonObject& w : withKey(out, "window"))
        if (w["event"] == "shown")
            shown.append(w["name"].toString());
    EXPECT_EQ(shown.filter("fMarket").size(), 1);
}

namespace {

QString seatedStart(const QJsonArray& players, int seed) {
    const QJsonObject start{{"start", QJsonObject{{"players", players},
                                                  {"today", "2026-12-08"},
                                                  {"seed", seed},
                                                  {"folder", ZORVICK_GAME_FOLDER}}}};
    return QString::fromUtf8(QJsonDocument(start).toJson(QJsonDocument::Compact));
}

} // namespace

// A person and a computer: the person's move, then the computer's, played to its end
// before the next line; a person is seated, so the report waits to be closed.
TEST(ZorvickScript, ComputerSeatMovesThroughTheBoard) {
    const QJsonArray players{QJsonArray{"Спорт", "Иван", 0},
                             QJsonArray{"Робот", "Электроник", 1, "strong:fighter"}};
    const auto out =
        run({seatedStart(players, 7), R"({"type": ["ePrice", "120"]})", R"({"click": "bEndTurn"})",
             R"({"read": ["fReport.mReport", "lComputerAction"]})", R"({"key": "Return"})",
             R"({"read": ["lName"]})", R"({"state": true})"});
    EXPECT_TRUE(errorsOf(out).isEmpty()) << errorsOf(out).join("; ").toStdString();
    EXPECT_TRUE(readOf(out, "fReport.mReport")["text"].toString().contains("| Электроник "));
    EXPECT_EQ(readOf(out, "lName")["text"].toString(), "Иван");
    EXPECT_TRUE(readOf(out, "lComputerAction")["text"].toString().endsWith("."));
    const auto states = withKey(out, "state");
    ASSERT_EQ(states.size(), 1);
    const QJsonObject robot = states[0]["Players"].toArray()[1].toObject();
    EXPECT_EQ(robot["Seat"].toObject()["Computer"].toBool(), true);
    EXPECT_EQ(robot["Seat"].toObject()["Character"].toInt(), 1);
    EXPECT_EQ(robot["Seat"].toObject()["Strength"].toInt(), 2);
    EXPECT_GT(robot["Sold"].toDouble(), 0);
    EXPECT_GT(robot["Price"].toDouble(), 0);
    EXPECT_EQ(states[0]["CurrentPlayer"].toInt(), 0);
    EXPECT_EQ(states[0]["Calendar"].toObject()["Week"].toInt(), 2);
    for (const QJsonObject& box : withKey(out, "box"))
        ADD_FAILURE() << box["text"].toString().toStdString();
}

// Computers only: the game plays itself to its winner with nothing typed, the same
// for the same seed.
TEST(ZorvickScript, ComputersAlonePlayToTheEnd) {
    // The second seat is left unnamed: it keeps the names the dialog fills in.
    const QJsonArray players{QJsonArray{"А", "Сильный", 0, "strong"},
                             QJsonArray{"", "", 1, "weak:advertiser"}};
    const auto first = run({seatedStart(players, 5)});
    EXPECT_EQ(first, run({seatedStart(players, 5)}));
    EXPECT_TRUE(errorsOf(first).isEmpty()) << errorsOf(first).join("; ").toStdString();
    const auto boxes = withKey(first, "box");
    ASSERT_FALSE(boxes.isEmpty());
    EXPECT_TRUE(boxes.last()["text"].toString().endsWith(" -  победитель!"));
    EXPECT_EQ(first.last()["end"].toObject()["reason"].toString(), "exit");
    int reports = 0;
    for (const QJsonObject& w : withKey(first, "window"))
        reports += w["name"] == "fReport" && w["event"] == "closed";
    EXPECT_GT(reports, 5);
}

TEST(ZorvickScript, EnterAfterAClickedFaceButtonPressesOk) {
    // The click leaves the focus on ">", as a mouse does; Enter must still mean OK.
    const QString start = QString(R"({"start": {"folder": "%1"}})").arg(ZORVICK_GAME_FOLDER);
    const auto out =
        run({start, R"({"key": "Space"})", R"({"type": ["eCount", "2"]})", R"({"key": "Return"})",
             R"({"type": ["eTitle", "Альфа"]})", R"({"type": ["ePlayerName", "Ося"]})",
             R"({"click": "bNextFace"})", R"({"key": "Return"})",
             R"({"read": ["PlayerEntryDialog"]})", R"({"type": ["eTitle", "Бета"]})",
             R"({"type": ["ePlayerName", "Киса"]})", R"({"answer": ["no"]})",
             R"({"click": "bExit"})", R"({"key": "Return"})", R"({"state": true})"});
    EXPECT_TRUE(errorsOf(out).isEmpty()) << errorsOf(out).join("; ").toStdString();
    EXPECT_EQ(readOf(out, "PlayerEntryDialog")["text"].toString(), "Ввод данных: Игрок 2");
    const auto states = withKey(out, "state");
    ASSERT_EQ(states.size(), 1);
    const QJsonArray players = states[0]["Players"].toArray();
    ASSERT_EQ(players.size(), 2);
    EXPECT_EQ(players[0].toObject()["Face"].toInt(), 1);
    EXPECT_EQ(players[1].toObject()["Title"].toString(), "Бета");
}

TEST(ZorvickScript, AStoppedGameGoesOnFromItsDataFolder) {
    QTemporaryDir data;
    const QJsonObject folder{{"data", data.path()}};
    const auto stopped = run({startLine(2, folder), R"({"click": "bEndTurn"})",
                              R"({"type": ["eProd", "12"]})", R"({"state": true})"});
    ASSERT_TRUE(QFile::exists(data.filePath("autosave.json")));
    const QJsonObject state = withKey(stopped, "state").value(0);
    EXPECT_EQ(state["CurrentPlayer"].toInt(), 1);

    const auto windows = [](const QList<QJsonObject>& out) {
        QStringList shown;
        for (const QJsonObject& w : withKey(out, "window"))
            if (w["event"] == "shown")
                shown << w["name"].toString();
        return shown;
    };
    const QString state_ = R"({"state": true})";
    const QString read = R"({"read": ["lName", "eProd"]})";
    // "resume": true skips the question and the setup: the second manager moves, and
    // what was only typed is not kept.
    const auto resumed =
        run({startLine(2, {{"data", data.path()}, {"resume", true}}), state_, read});
    EXPECT_TRUE(errorsOf(resumed).isEmpty()) << errorsOf(resumed).join("; ").toStdString();
    EXPECT_EQ(withKey(resumed, "state").value(0), state);
    EXPECT_EQ(windows(resumed), QStringList({"splash", "Manage"}));
    EXPECT_EQ(readOf(resumed, "lName")["text"], "Менеджер 2");
    EXPECT_EQ(readOf(resumed, "eProd")["text"], "0");
    EXPECT_TRUE(withKey(resumed, "box").isEmpty());

    // Stopped on a computer's turn, the game goes on with the computer's move: the week
    // is settled, its report read, and the first manager's turn comes.
    QFile file(data.filePath("autosave.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QJsonObject save = QJsonDocument::fromJson(file.readAll()).object();
    QJsonArray firms = save["Players"].toArray();
    QJsonObject second = firms[1].toObject(), seat = second["Seat"].toObject();
    seat["Computer"] = true;
    second["Seat"] = seat;
    firms[1] = second;
    save["Players"] = firms;
    file.resize(0);
    file.write(QJsonDocument(save).toJson());
    file.close();
    const auto computerResumed = run(
        {startLine(2, {{"data", data.path()}, {"resume", true}}), R"({"key": "Return"})", state_});
    EXPECT_TRUE(errorsOf(computerResumed).isEmpty());
    EXPECT_TRUE(windows(computerResumed).contains("fReport"));
    const QJsonObject after = withKey(computerResumed, "state").value(0);
    EXPECT_EQ(after["CurrentPlayer"].toInt(), 0);
    EXPECT_EQ(after["Calendar"].toObject()["Week"].toInt(),
              state["Calendar"].toObject()["Week"].toInt() + 1);

    // Without "resume" the game asks; "no" runs the setup with the line's players.
    const auto asked =
        run({R"({"answer": ["no"]})", startLine(2, folder), R"({"read": ["lName"]})"});
    const auto boxes = withKey(asked, "box");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0]["text"], "Продолжить прерванную игру?");
    EXPECT_EQ(boxes[0]["answer"], "no");
    EXPECT_EQ(readOf(asked, "lName")["text"], "Менеджер 1");
    EXPECT_TRUE(windows(asked).contains("PlayerCountDialog"));
}
