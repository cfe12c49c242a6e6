#include "core/game/GameSave.h"
#include "core/game/TAutoSave.h"
#include "tests/common/StrategyTable.h"
#include "tests/common/TwoFirms.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

std::string dump(const TGameController& controller) {
    return QJsonDocument(controller.toJson()).toJson(QJsonDocument::Indented).toStdString();
}

QString winner(const TGameController& controller) {
    const auto& players = controller.Game().Players;
    return players.size() == 1 ? players.front()->PlayerName : QString();
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Games of 2 to 10 firms stopped at a random move (before or after the firm acted),
// saved and loaded into a fresh controller with another random source: the state is
// the same, and both copies, played on with the same decisions, end the same.
TEST(GameSave, ResumedGamesPlayOnExactlyAsTheOriginal) {
    constexpr std::int32_t MaxWeeks = 45;
    // The managers that decide from what they see alone: the competent ones remember
    // last week's expectations, which a resumed table cannot know.
    const QStringList pool = StrategyNames().mid(0, 7);
    int compared = 0;
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937_64 pick(seed);
        QStringList seats;
        for (std::uint64_t n = 2 + pick() % 9; std::uint64_t(seats.size()) < n;)
            seats << pool[qsizetype(pick() % std::uint64_t(pool.size()))];
        const std::uint64_t stopAt = pick() % (std::uint64_t(seats.size()) * 20);
        const bool midMove = pick() % 2 == 0;

        StrategyTable a(seats, seed, seed, ZORVICK_GAME_DIR);
        a.Setup();
        for (std::uint64_t move = 0; move < stopAt && !a.Over(MaxWeeks); ++move)
            a.EndMove(a.Decide());
        if (a.Over(MaxWeeks))
            continue;
        const Decision decided = midMove ? a.Decide() : Decision{};

        StrategyTable b(seats, seed, seed + 1000, ZORVICK_GAME_DIR);
        ASSERT_EQ(GameSave::Restore(GameSave::Bytes(a.controller), b.controller, true), QString());
        b.weeks = a.weeks;
        b.lastWeek = a.lastWeek;
        EXPECT_EQ(dump(b.controller), dump(a.controller));
        ++compared;

        for (StrategyTable* t : {&a, &b}) {
            t->EndMove(midMove ? decided : t->Decide());
            while (!t->Over(MaxWeeks))
                t->EndMove(t->Decide());
        }
        EXPECT_EQ(dump(b.controller), dump(a.controller));
        EXPECT_EQ(b.weeks, a.weeks);
        EXPECT_EQ(winner(b.controller), winner(a.controller));
    }
    EXPECT_GE(compared, 7);
}

// A two-firm game whose saves go to a folder of its own.
struct SavedGame : TwoFirms {
    SavedGame() : TwoFirms(ScriptedPrompter::OnUnexpected::Fail) {}
    QTemporaryDir data;
    TAutoSave save{controller, data.path()};
    QString path() const { return save.Path(); }
    void endMove() {
        ASSERT_EQ(controller.EndMove("0", "0", "0"), TGameController::MoveResult::Ended);
    }
};

TEST(AutoSave, EveryCompletedActionIsWrittenAndTheEndRemovesIt) {
    SavedGame g;
    EXPECT_FALSE(QFile::exists(g.path()));
    g.endMove();
    g.endMove();
    const QByteArray afterWeek = readAll(g.path());
    EXPECT_EQ(afterWeek, GameSave::Bytes(g.controller));
    g.controller.ReadLetter(0);
    EXPECT_NE(readAll(g.path()), afterWeek);
    EXPECT_EQ(readAll(g.path()), GameSave::Bytes(g.controller));

    // A computer's whole move is one save.
    const QByteArray beforeHold = readAll(g.path());
    g.controller.HoldActions();
    g.controller.DeleteLetter(0);
    g.controller.DeleteLetter(0);
    EXPECT_EQ(readAll(g.path()), beforeHold);
    g.controller.ReleaseActions();
    EXPECT_EQ(readAll(g.path()), GameSave::Bytes(g.controller));

    // Bob's firm is ruined: the next settlement leaves Ann alone, and she wins at once.
    g.controller.Game().Players[1]->Removed = true;
    g.endMove();
    EXPECT_TRUE(QFile::exists(g.path()));
    EXPECT_EQ(g.controller.EndMove("0", "0", "0"), TGameController::MoveResult::GameOver);
    EXPECT_EQ(g.controller.Game().Players.size(), 1u);
    EXPECT_FALSE(QFile::exists(g.path()));
}

TEST(AutoSave, TheStartOffersToContinueTheSavedGame) {
    SavedGame saved;
    saved.endMove();
    const std::string state = dump(saved.controller);

    struct Case {
        const char* name;
        TAutoSave::Offer offer;
        std::optional<bool> answer; // the answer to the question, none when not asked
        bool resumed;
    };
    for (const Case& c : {Case{"yes", TAutoSave::Offer::Ask, true, true},
                          Case{"no", TAutoSave::Offer::Ask, false, false},
                          Case{"resume", TAutoSave::Offer::Resume, std::nullopt, true},
                          Case{"new", TAutoSave::Offer::New, std::nullopt, false}}) {
        SCOPED_TRACE(c.name);
        TwoFirms fresh;
        TAutoSave start(fresh.controller, saved.data.path());
        start.SetOffer(c.offer);
        if (c.answer)
            fresh.prompter.queue(*c.answer);
        EXPECT_EQ(start.ResumeAtStart(), c.resumed);
        ASSERT_EQ(fresh.prompter.boxes().size(), c.answer ? 1 : 0);
        if (c.answer) {
            EXPECT_EQ(fresh.prompter.last().kind, Prompter::Kind::Question);
            EXPECT_EQ(fresh.prompter.last().title, "Однако здравствуйте!");
            EXPECT_EQ(fresh.prompter.last().text, "Продолжить прерванную игру?");
        }
        EXPECT_EQ(dump(fresh.controller) == state, c.resumed);
        // The old save stays until a new game's setup is done.
        EXPECT_EQ(readAll(start.Path()), GameSave::Bytes(saved.controller));
    }

    // A new game replaces it once its setup is done.
    TwoFirms other;
    TAutoSave start(other.controller, saved.data.path());
    start.SetOffer(TAutoSave::Offer::New);
    EXPECT_FALSE(start.ResumeAtStart());
    other.controller.BeginSetup(2);
    other.controller.AddPlayer("Gamma", "Gus", 2);
    other.controller.AddPlayer("Delta", "Dan", 3);
    other.controller.FinishSetup();
    EXPECT_EQ(readAll(start.Path()), GameSave::Bytes(other.controller));

    // No save, no question.
    QTemporaryDir empty;
    TwoFirms none;
    TAutoSave nothing(none.controller, empty.path());
    EXPECT_FALSE(nothing.ResumeAtStart());
    EXPECT_TRUE(none.prompter.boxes().isEmpty());
}

TEST(AutoSave, CommandLineNewAndLoad) {
    SavedGame saved;
    saved.endMove();
    const QByteArray bytes = readAll(saved.path());
    QTemporaryDir elsewhere;
    const QString file = elsewhere.filePath("lesson.json");
    writeAll(file, bytes);

    TwoFirms loaded;
    QTemporaryDir data;
    TAutoSave load(loaded.controller, data.path());
    EXPECT_EQ(load.UseArguments({"zorvick", "--load", file}), QString());
    EXPECT_TRUE(load.ResumeAtStart());
    EXPECT_TRUE(loaded.prompter.boxes().isEmpty());
    EXPECT_EQ(dump(loaded.controller), dump(saved.controller));
    // The file is left as it was; the game goes on in the save.
    EXPECT_EQ(readAll(file), bytes);
    EXPECT_EQ(readAll(load.Path()), bytes);

    TwoFirms fresh;
    TAutoSave skip(fresh.controller, saved.data.path());
    EXPECT_EQ(skip.UseArguments({"zorvick", "--new"}), QString());
    EXPECT_FALSE(skip.ResumeAtStart());
    EXPECT_TRUE(fresh.prompter.boxes().isEmpty());

    EXPECT_TRUE(skip.UseArguments({"zorvick", "--continue"}).contains("--continue"));
    EXPECT_TRUE(skip.UseArguments({"zorvick", "--load"}).contains("--load"));

    writeAll(file, bytes.left(100));
    TwoFirms refused;
    TAutoSave bad(refused.controller, data.path());
    bad.SetLoadFile(file);
    EXPECT_FALSE(bad.ResumeAtStart());
    EXPECT_TRUE(refused.prompter.last().text.startsWith("Игру из файла"));
    EXPECT_TRUE(QFile::exists(file));
}

// Sets the value at a path of keys and list positions ("Players/0/Money"); an
// undefined value removes the field.
QJsonValue edited(const QJsonValue& at, QStringList path, const QJsonValue& value) {
    const QString key = path.takeFirst();
    if (at.isArray()) {
        QJsonArray list = at.toArray();
        const auto i = key.toInt();
        list[i] = path.isEmpty() ? value : edited(list[i], path, value);
        return list;
    }
    QJsonObject object = at.toObject();
    if (path.isEmpty() && value.isUndefined())
        object.remove(key);
    else
        object[key] = path.isEmpty() ? value : edited(object[key], path, value);
    return object;
}

TEST(AutoSave, BadFilesAreReportedAndKeptAside) {
    SavedGame saved;
    saved.endMove();
    saved.endMove();
    const QByteArray good = readAll(saved.path());
    const QJsonObject root = QJsonDocument::fromJson(good).object();
    const auto with = [&](const char* path, const QJsonValue& value) {
        return QJsonDocument(edited(root, QString(path).split('/'), value).toObject()).toJson();
    };
    const QString machine = "Players/0/Industries/0/Buildings/0/WorkPlaces/0/";

    const struct {
        const char* name;
        QByteArray bytes;
        const char* message;
    } cases[] = {
        {"truncated", good.left(good.size() / 2), "файл повреждён или оборван"},
        {"not JSON", QByteArray("\x00\xff zorvick", 10), "файл повреждён или оборван"},
        {"another document", R"({"players": []})", "это не сохранённая игра Zorvick"},
        {"a list", "[1, 2]", "это не сохранённая игра Zorvick"},
        {"newer format", with("format", 2), "более новой версией игры (формат 2"},
        {"unknown format", with("format", 0), "неизвестный формат файла 0"},
        {"negative workers", with(qPrintable(machine + "Workers"), -2),
         "«Players[0].Industries[0].Buildings[0].WorkPlaces[0].Workers» равно -2, а допустимо "
         "от 0 до 4"},
        {"more workers than places", with(qPrintable(machine + "Workers"), 5), "равно 5"},
        {"current player past the list", with("CurrentPlayer", 2),
         "поле «CurrentPlayer» равно 2, а допустимо от 0 до 1"},
        {"NaN money", with("Players/1/Money", QJsonValue::Null),
         "поле «Players[1].Money» должно быть числом"},
        {"money as text", with("Players/1/Money", "много"), "«Players[1].Money» должно быть"},
        {"missing debt", with("Players/0/Debt", QJsonValue::Undefined),
         "нет поля «Players[0].Debt»"},
        {"history shorter than its count", with("Players/0/HistoryCount", 3),
         "в списке «Players[0].Expences.AdvExp» 1 элементов"},
        {"land that does not add up", with("Players/0/Industries/0/FreeLand", 5),
         "«Players[0].Industries[0].FreeLand» равно 5"},
        {"week 5", with("Calendar/Week", 5), "«Calendar.Week» равно 5"},
        {"a length of 30 weeks", with("GameLength", 30), "«GameLength» должно быть 0, 26 или 52"},
        {"scenario gone", with("Scenario/ScenarioFile", "gone.scn"), "сценария «gone.scn»"},
        {"random source", with("Random", "1 2 3"), "«Random»"},
        {"chart seats", with("MarketHistory/Seats", QJsonArray{0, 1, 1}),
         "в списке «MarketHistory.Seats» 3 элементов"},
        {"chart row of no firm",
         with("MarketHistory/Rows", QJsonArray{QJsonArray{1, 7, 0, 0, 0, 0, 0}}),
         "в поле «MarketHistory» фирмы, места и недели не сходятся"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir data;
        TwoFirms fresh;
        TAutoSave start(fresh.controller, data.path());
        writeAll(start.Path(), c.bytes);
        const std::string before = dump(fresh.controller);
        EXPECT_FALSE(start.ResumeAtStart());
        EXPECT_EQ(dump(fresh.controller), before);
        // One error box, before any question.
        ASSERT_EQ(fresh.prompter.boxes().size(), 1);
        EXPECT_EQ(fresh.prompter.last().kind, Prompter::Kind::Error);
        const QString text = fresh.prompter.last().text;
        EXPECT_TRUE(text.startsWith("Сохранённую игру нельзя продолжить: ")) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.message))) << text.toStdString();
        EXPECT_TRUE(text.contains("Файл отложен как")) << text.toStdString();
        EXPECT_FALSE(QFile::exists(start.Path()));
        const QStringList aside = QDir(data.path()).entryList({"autosave.json.bad-*"});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(readAll(data.filePath(aside[0])), c.bytes);
    }
}

TEST(AutoSave, AFailedWriteKeepsTheLastSaveAndWarnsOnce) {
    SavedGame g;
    g.endMove();
    g.endMove();
    const QByteArray last = readAll(g.path());
    g.save.SetFailBeforeRename(true);
    g.endMove();
    g.controller.ReadLetter(0);
    EXPECT_EQ(readAll(g.path()), last);
    EXPECT_EQ(QDir(g.data.path()).entryList(QDir::Files), QStringList{"autosave.json"});
    ASSERT_EQ(g.prompter.boxes().size(), 1);
    EXPECT_EQ(g.prompter.last().kind, Prompter::Kind::Warning);
    EXPECT_TRUE(g.prompter.last().text.contains("Игра продолжается без сохранения."));

    // A folder that cannot be made (a file stands in its way).
    TwoFirms other;
    TAutoSave blocked(other.controller, g.path() + "/saves");
    EXPECT_FALSE(blocked.Write());
    EXPECT_FALSE(blocked.Write());
    ASSERT_EQ(other.prompter.boxes().size(), 1);
    EXPECT_TRUE(other.prompter.last().text.startsWith("Игру не удалось сохранить в"));
}

} // namespace

// The game's length, the weeks settled and the turn starts without trade go with the game.
TEST(GameSave, TheLengthAndTheCountsOfTheRulesAreKept) {
    TwoFirms a;
    a.controller.SetGameLength(52);
    a.controller.Game().WeeksSettled = 7;
    a.company().IdleWeeks = 2;
    a.company().LastUnitCost = 31.5f;
    TwoFirms b;
    ASSERT_EQ(GameSave::Restore(GameSave::Bytes(a.controller), b.controller, true), QString());
    EXPECT_EQ(b.controller.Game().GameLength, 52);
    EXPECT_EQ(b.controller.Game().WeeksSettled, 7);
    EXPECT_EQ(b.company().IdleWeeks, 2);
    EXPECT_EQ(b.company().LastUnitCost, 31.5f);
}
