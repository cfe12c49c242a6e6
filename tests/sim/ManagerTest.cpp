// The computer managers: seats by name, a computer's move through the controller,
// determinism for a seed, games of computers only, and the simulator's seats.
#include "Simulator.h"
#include "core/game/GameSave.h"
#include "core/game/TGameController.h"
#include "core/platform/NullHelp.h"
#include "core/platform/RandomSource.h"
#include "core/platform/ScriptedPrompter.h"
#include "core/platform/SilentSound.h"
#include "core/players/ComputerTurn.h"
#include "core/players/FirmFigures.h"
#include "core/players/SeatActions.h"
#include "core/players/TSeat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

// A game of the given seats (a manager's name, or "" for a person) in the game folder.
struct Table {
    Table(const QStringList& seats, std::uint64_t seed)
        : prompter(ScriptedPrompter::OnUnexpected::Fail),
          random(seed), services{
                            prompter,          sound, help, random, GameFolder(ZORVICK_GAME_DIR),
                            QDate(2026, 12, 8)} {
        controller.StartCalendar();
        controller.BeginSetup(std::int32_t(seats.size()));
        for (const QString& name : seats)
            controller.AddPlayer("Firm " + name, "Manager " + name, 0,
                                 TSeat::FromName(name).value_or(TSeat{}));
        controller.FinishSetup();
    }
    // Plays computer moves until a person is to move, the game ends or weeks pass.
    void playComputers(std::int32_t moves) {
        for (std::int32_t i = 0; i < moves && ComputerTurn::ComputerToMove(controller); ++i) {
            ComputerTurn turn(controller);
            lines += turn.Play();
            if (turn.End() != TGameController::MoveResult::Ended)
                return;
        }
    }
    QByteArray state() const { return QJsonDocument(controller.toJson()).toJson(); }

    ScriptedPrompter prompter;
    SilentSound sound;
    NullHelp help;
    RandomSource random;
    Services services;
    TGameController controller{services};
    QStringList lines;
};

TEST(Managers, NamesOfSeats) {
    const struct {
        const char* name;
        bool valid;
        TSeat::Strength strength;
        TSeat::Character character;
    } cases[] = {
        {"strong", true, TSeat::Strength::Strong, TSeat::Character::Careful},
        {"weak:researcher", true, TSeat::Strength::Weak, TSeat::Character::Researcher},
        {"normal:fighter", true, TSeat::Strength::Normal, TSeat::Character::PriceFighter},
        {"normal:advertiser", true, TSeat::Strength::Normal, TSeat::Character::Advertiser},
        {"proposed", false, {}, {}},
        {"strong:", false, {}, {}},
        {"strong:careful:x", false, {}, {}},
    };
    for (const auto& c : cases) {
        const auto seat = TSeat::FromName(c.name);
        ASSERT_EQ(seat.has_value(), c.valid) << c.name;
        if (!seat)
            continue;
        EXPECT_TRUE(seat->Computer);
        EXPECT_EQ(seat->strength, c.strength) << c.name;
        EXPECT_EQ(seat->character, c.character) << c.name;
        EXPECT_EQ(TSeat::FromName(seat->Name())->Name(), seat->Name());
    }
}

// A computer's move acts through the rules, tells each action, reads its mail and
// shows no box to the people; the next seat is a person's.
TEST(Managers, ComputerMoveThroughTheController) {
    for (const char* manager : {"strong", "normal:researcher", "weak:fighter"}) {
        Table table({"", manager}, 5);
        EXPECT_FALSE(ComputerTurn::ComputerToMove(table.controller));
        ASSERT_EQ(table.controller.EndMove("0", "0", "0"), TGameController::MoveResult::Ended);
        TZorvick& computer = *table.controller.Company();
        ASSERT_TRUE(computer.Seat.Computer);
        EXPECT_NE(computer.Seat.Seed, 0u) << "drawn from the game's random source";
        ComputerTurn turn(table.controller);
        const QStringList lines = turn.Play();
        EXPECT_TRUE(computer.Letters.empty());
        EXPECT_FALSE(table.controller.MailFlashing());
        EXPECT_GT(computer.Produced, 0) << manager;
        const QString made = QStringLiteral("Произведено %1 костюм").arg(computer.Produced);
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& l) {
            return l.startsWith(made);
        })) << lines.join(' ').toStdString();
        // The weak one leaves part of its stock unsold.
        EXPECT_GT(turn.Offer().toInt(), 0);
        EXPECT_LE(turn.Offer().toInt(), computer.Industries[0].Storages[1].Amount);
        EXPECT_GT(turn.Price().toFloat(), 0);
        EXPECT_EQ(turn.End(), TGameController::MoveResult::Ended);
        EXPECT_EQ(table.controller.Game().CurrentPlayer, 0);
        EXPECT_GT(computer.Sold, 0) << manager;
        EXPECT_TRUE(table.prompter.boxes().isEmpty())
            << table.prompter.texts().join('|').toStdString();
    }
}

// With level III reached and money to spare, the strong researcher moves its runs onto
// level III machines, two level I machines for one, two a week; the careful one keeps
// its machines.
TEST(Managers, TheStrongResearcherRunsOnLevelThree) {
    for (const auto& [manager, levelThree] :
         {std::pair{"strong:researcher", 2}, std::pair{"strong", 0}}) {
        Table table({"", manager}, 5);
        TZorvick& computer = *table.controller.Game().Players[1];
        computer.TechLevel = 3;
        computer.Money = 1e6f;
        ASSERT_EQ(table.controller.EndMove("0", "0", "0"), TGameController::MoveResult::Ended);
        const std::int32_t before = FirmFigures::Machines(computer, 1);
        ComputerTurn(table.controller).Play();
        EXPECT_EQ(FirmFigures::Machines(computer, 3), levelThree) << manager;
        EXPECT_EQ(FirmFigures::Machines(computer, 1), before - 2 * levelThree) << manager;
    }
}

// The same seed plays the same game; another seed another one. Games of computers
// only end with a winner, and the last firm's seat is a computer's.
TEST(Managers, ComputersAloneDeterministicToTheEnd) {
    const QStringList seats{"strong", "normal:advertiser", "weak:careful"};
    Table first(seats, 11), second(seats, 11), other(seats, 12);
    first.playComputers(3 * 60);
    second.playComputers(3 * 60);
    other.playComputers(3 * 60);
    EXPECT_EQ(first.state(), second.state());
    EXPECT_EQ(first.lines, second.lines);
    EXPECT_NE(first.state(), other.state());
    for (Table* t : {&first, &other}) {
        EXPECT_TRUE(t->controller.Ended());
        ASSERT_FALSE(t->prompter.boxes().isEmpty());
        EXPECT_TRUE(t->prompter.last().text.endsWith(" -  победитель!"))
            << t->prompter.last().text.toStdString();
    }
}

// A game of computers saved halfway and loaded into another controller: the seats and
// what the managers remember come back, and both copies play on to the same end.
TEST(Managers, SavedSeatsAndMemoryPlayOnAlike) {
    const QStringList seats{"", "strong:advertiser", "normal:researcher", "weak:fighter"};
    Table a(seats, 21), b(seats, 99);
    const auto play = [](Table& t, int moves) {
        for (int move = 0; move < moves && !t.controller.Ended(); ++move) {
            if (ComputerTurn::ComputerToMove(t.controller))
                t.playComputers(1);
            else
                t.controller.EndMove("0", "0", "0");
        }
    };
    play(a, 4 * 6);
    const TSeat& strong = a.controller.Game().Players[1]->Seat;
    ASSERT_GT(strong.LastOffer, 0) << "it remembers what it offered";
    const QByteArray saved = GameSave::Bytes(a.controller);
    ASSERT_EQ(GameSave::Restore(saved, b.controller, true), QString());
    EXPECT_EQ(b.state(), a.state());
    play(a, 400);
    play(b, 400);
    EXPECT_TRUE(a.controller.Ended());
    EXPECT_EQ(b.state(), a.state());
    // A save from before computers could sit has persons at every seat.
    QJsonObject old = QJsonDocument::fromJson(saved).object();
    QJsonArray players = old["Players"].toArray();
    for (auto&& p : players) {
        QJsonObject firm = p.toObject();
        firm.remove("Seat");
        p = firm;
    }
    old["Players"] = players;
    Table c({"", ""}, 1);
    ASSERT_EQ(GameSave::Restore(QJsonDocument(old).toJson(), c.controller, true), QString());
    for (const auto& firm : c.controller.Game().Players)
        EXPECT_FALSE(firm->Seat.Computer);
}

// The simulator seats the managers by name beside its strategies, and the strengths
// keep their order on the market: strong ruins a firm that makes only what it sells,
// and weak, keeping its workers idle beside a full store, is ruined before the careful
// plan. (The strong manager once undersold such a firm at a loss, counting neither the
// run's overhead nor its idle machines, and was ruined in every game.)
TEST(Managers, StrengthsKeepTheirRank) {
    struct Case {
        QStringList players;
        std::int32_t atLeast; // wins of the first seat in 4 games
    };
    const Case cases[] = {{{"strong", "lean"}, 3},
                          {{"strong:fighter", "lean-follower"}, 3},
                          {{"proposed", "weak"}, 3}};
    for (const Case& c : cases) {
        SimOptions o;
        o.players = c.players;
        o.folder = ZORVICK_GAME_DIR;
        o.scenario = "calm.scn";
        o.games = 4;
        o.seed = 1;
        EXPECT_EQ(Simulator::Check(o), QString());
        std::int32_t wins = 0;
        for (const GameResult& r : Simulator(o).Run()) {
            EXPECT_EQ(r.seats, o.players);
            wins += r.winner == 0;
        }
        EXPECT_GE(wins, c.atLeast) << c.players.join(',').toStdString();
    }
    SimOptions unknown;
    unknown.players = QStringList{"strong:dreamer", "proposed"};
    EXPECT_TRUE(Simulator::Check(unknown).contains("strong:dreamer"));
}

// A run through the three windows: raw materials bought for what the store lacks, the
// bank asked for what the money lacks, and without enough even so, the run cut to
// what the money pays for, never a refusal shown.
TEST(Managers, ARunBuysItsMaterialsAndBorrowsWhatTheMoneyLacks) {
    struct Case {
        bool bankOpen;
        float money;
        std::int32_t rawInStore, run;
        std::int32_t made; // -1: fewer than the run, but some
        std::int32_t rawLeft;
    };
    const Case cases[] = {{false, 100000, 0, 200, 200, 0},
                          {false, 100000, 1000, 300, 300, 400},
                          {false, 50000, 0, 500, -1, -1},
                          {true, 5000, 0, 200, 200, 0},
                          {false, 0, 0, 200, 0, 0}};
    for (const Case& c : cases) {
        Table table({"", ""}, 3);
        table.controller.Game().Scenario.BankOpen = c.bankOpen;
        ASSERT_EQ(table.controller.EndMove("0", "0", "0"), TGameController::MoveResult::Ended);
        TZorvick& firm = *table.controller.Company();
        TStorage& raw = firm.Industries[0].Storages[0];
        firm.Money = c.money;
        raw.Load(c.rawInStore, table.prompter);
        SeatActions act(table.controller, table.prompter);
        act.Hire(40);
        act.ProduceWithMaterials(c.run);
        const std::string label = std::to_string(c.run) + " from " + std::to_string(c.money);
        if (c.made >= 0) {
            EXPECT_EQ(firm.Produced, c.made) << label;
            EXPECT_EQ(raw.Amount, c.rawLeft) << label;
        } else {
            EXPECT_GT(firm.Produced, 0) << label;
            EXPECT_LT(firm.Produced, c.run) << label;
        }
        EXPECT_GE(firm.Money, 0) << label;
        EXPECT_EQ(firm.Debt > 0, c.bankOpen) << label;
        EXPECT_TRUE(table.prompter.boxes().isEmpty())
            << table.prompter.texts().join('|').toStdString();
    }
}

// The strong manager keeps its machines until it has read a report, then sells those
// two weeks' runs do not need, and makes a run only in the weeks its stock will not
// carry: weekly runs would pay the run's overhead every week.
TEST(Managers, StrongRunsEveryOtherWeekOnTheMachinesItNeeds) {
    Table table({"strong", "normal"}, 7);
    const auto machines = [](const TZorvick& f) {
        return f.Industries[0].Buildings[0].WorkPlaces.size();
    };
    std::int32_t runs = 0, moves = 0;
    std::size_t first = 0;
    for (std::int32_t move = 0; move < 2 * 12 && !table.controller.Ended(); ++move) {
        const TZorvick* firm = table.controller.Company();
        table.playComputers(1);
        if (firm->PlayerName != "Manager strong")
            continue;
        runs += firm->Produced > 0;
        if (++moves == 1)
            first = machines(*firm);
    }
    const TZorvick* strong = nullptr;
    for (const auto& f : table.controller.Game().Players)
        if (f->PlayerName == "Manager strong")
            strong = f.get();
    ASSERT_NE(strong, nullptr);
    EXPECT_EQ(first, 10u);
    EXPECT_LT(machines(*strong), 10u);
    EXPECT_EQ(moves, 12);
    EXPECT_LE(runs, 8);
    EXPECT_GE(runs, 4);
}

// A rival that sells nothing is no rival: alone in the market, the strong manager asks a
// monopoly's price instead of fighting a rival it only imagines.
TEST(Managers, StrongAloneInTheMarketDoesNotFight) {
    Table table({"strong", ""}, 3);
    for (std::int32_t week = 0; week < 10 && !table.controller.Ended(); ++week) {
        table.playComputers(1);
        ASSERT_EQ(table.controller.EndMove("0", "0", "0"), TGameController::MoveResult::Ended);
    }
    const auto& rows = table.controller.MarketHistory().FirmRows(0);
    ASSERT_GE(rows.size(), 10u);
    for (std::size_t week = 3; week < rows.size(); ++week)
        EXPECT_GE(rows[week].Price, 100) << "week " << week + 1;
    EXPECT_EQ(table.controller.Game().Players[0]->Debt, 0);
}

} // namespace
