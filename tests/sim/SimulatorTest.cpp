#include "Simulator.h"
#include "core/game/TGameController.h"
#include "core/platform/NullHelp.h"
#include "core/platform/RandomSource.h"
#include "core/platform/ScriptedPrompter.h"
#include "core/platform/SilentSound.h"
#include "core/players/SeatActions.h"
#include "core/players/Strategies.h"
#include "tests/common/TwoFirms.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

SimOptions options(const QString& players, std::int32_t games) {
    SimOptions o;
    o.players = players.split(',');
    o.folder = ZORVICK_GAME_DIR;
    o.scenario = "calm.scn";
    o.games = games;
    o.seed = 7;
    return o;
}

TEST(Simulator, SameSeedSameResultsAndCsv) {
    const Simulator sim(options("proposed,undercutter,researcher,passive", 6));
    QString csv1, csv2;
    QTextStream s1(&csv1), s2(&csv2);
    const QString first = sim.Summary(sim.Run(&s1));
    const QString second = sim.Summary(sim.Run(&s2));
    EXPECT_EQ(first, second);
    EXPECT_EQ(csv1, csv2);
    EXPECT_TRUE(csv1.startsWith("game,week,seat,strategy,money,debt,"));
    SimOptions other = options("proposed,undercutter,researcher,passive", 6);
    other.seed = 8;
    EXPECT_NE(Simulator(other).Summary(Simulator(other).Run()), QString()) << "runs";
}

TEST(Simulator, PassiveAndSpoilerAreRuined) {
    const Simulator sim(options("passive,spoiler,proposed", 2));
    for (const GameResult& r : sim.Run()) {
        EXPECT_GT(r.ruinedWeek[0], 0);
        EXPECT_GT(r.ruinedWeek[1], 0);
    }
}

// Each game seats distinct strategies of the pool; wins are counted per strategy.
TEST(Simulator, MixedGamesDrawDistinctStrategies) {
    SimOptions o = options("passive,proposed,undercutter,advertiser,spoiler", 12);
    o.mix = 3;
    const Simulator sim(o);
    const auto results = sim.Run();
    QSet<QString> seen;
    for (const GameResult& r : results) {
        ASSERT_EQ(r.seats.size(), 3);
        EXPECT_EQ(QSet<QString>(r.seats.begin(), r.seats.end()).size(), 3);
        for (const QString& name : r.seats)
            EXPECT_TRUE(o.players.contains(name)) << name.toStdString();
        seen.unite(QSet<QString>(r.seats.begin(), r.seats.end()));
    }
    EXPECT_EQ(seen.size(), 5);
    const QString summary = sim.Summary(results);
    EXPECT_EQ(summary, sim.Summary(sim.Run()));
    EXPECT_TRUE(summary.contains("players: 3 drawn from passive,proposed,"))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(QRegularExpression("\\npassive +\\d+ +0 0.0 %")))
        << summary.toStdString();
}

TEST(Simulator, OptionsAreChecked) {
    EXPECT_NE(Simulator::Check(options("proposed", 1)), QString());
    EXPECT_TRUE(Simulator::Check(options("proposed,dreamer", 1)).contains("dreamer"));
    SimOptions missing = options("proposed,passive", 1);
    missing.scenario = "none.scn";
    EXPECT_NE(Simulator::Check(missing), QString());
    EXPECT_EQ(Simulator::Check(options("proposed,passive", 1)), QString());
    SimOptions mix = options("proposed,passive,spoiler", 1);
    mix.mix = 4;
    EXPECT_TRUE(Simulator::Check(mix).contains("--mix 4"));
    mix.mix = 3;
    EXPECT_EQ(Simulator::Check(mix), QString());
    mix.players = QStringList{"proposed", "proposed", "spoiler"};
    EXPECT_TRUE(Simulator::Check(mix).contains("--mix 3"));
}

// One seat of a two-firm game in an empty folder (the default economy).
struct Seat : TwoFirms {
    Seat() : TwoFirms(ScriptedPrompter::OnUnexpected::AnswerNo, 1, QDate(2026, 1, 5)) {}
    Decision play(const QString& name, const std::vector<MarketRow>& rows = {}) {
        const SeatView view{*controller.Company(), controller.Game().Scenario, 1, 2, rows};
        return MakeStrategy(name)->Play(view, actions);
    }
    TZorvick& firm() { return *controller.Company(); }

    SeatActions actions{controller, prompter};
};

TEST(Strategies, ProposedStaffsBorrowsProducesAndOffersAtTheProposedPrice) {
    Seat s;
    const Decision d = s.play("proposed");
    EXPECT_EQ(s.firm().Industries[0].Buildings[0].UpdateWorkers(), 40);
    EXPECT_EQ(s.firm().Produced, 1000);
    EXPECT_GT(s.firm().Debt, 0);
    EXPECT_EQ(d.offer, 1000);
    // (cost of a suit of the run + 40) x 1.5, whole dollars.
    const float unit = s.actions.UnitCost(1000);
    EXPECT_FLOAT_EQ(d.price, std::round((unit + 40) * 1.5f));
    EXPECT_FALSE(s.controller.ProductionAllowed());
}

TEST(Strategies, UndercutterAsksBelowTheCheapestRivalButNotBelowCost) {
    Seat s;
    const Decision high = s.play("undercutter", {{800, 90, false}, {500, 120, true}});
    EXPECT_EQ(high.price, 85); // 5 % below 90
    Seat t;
    const Decision low = t.play("undercutter", {{800, 20, false}});
    EXPECT_FLOAT_EQ(low.price, std::ceil(t.actions.UnitCost(1000) + 40));
}

TEST(Strategies, PassiveDoesNothingAndSpoilerOffersOneSuitAtOneDollar) {
    Seat s;
    const Decision none = s.play("passive");
    EXPECT_EQ(none.offer, 0);
    EXPECT_EQ(s.firm().Money, 30000);
    const Decision spoil = s.play("spoiler");
    EXPECT_EQ(spoil.offer, 1);
    EXPECT_EQ(spoil.price, 1);
    EXPECT_EQ(s.firm().Produced, 1);
}

// Research is paid from money to spare only, never borrowed: 600000 $ of loans
// would cost more in interest than better machines save.
TEST(Strategies, ResearcherPaysOnlyWhatItHasToSpare) {
    struct Case {
        float money;
        float paid;
    };
    for (const Case c : {Case{30000, 0}, Case{60000, 0}, Case{400000, 100000}}) {
        Seat s;
        s.firm().Money = c.money;
        s.play("researcher");
        EXPECT_EQ(s.firm().ResearchInvest, c.paid) << c.money;
        EXPECT_EQ(s.controller.ResearchInvestAllowed(), c.paid == 0) << c.money;
        EXPECT_EQ(s.firm().Produced, 1000) << c.money;
    }
}

// A run cut short by a full store is priced as a full run, and advertising follows
// last week's sales rather than the pile in stock; without a run the staff goes home.
TEST(Strategies, ProposedPricesAFullStoreAsAFullRun) {
    Seat s;
    TStorage& goods = s.firm().Industries[0].Storages[1];
    goods.Load(goods.Size() * 100 - 300, s.prompter);
    const Decision d = s.play("proposed", {{250, 90, true}, {700, 95, false}});
    EXPECT_EQ(s.firm().Produced, 300);
    EXPECT_FLOAT_EQ(d.price, std::round((s.actions.UnitCost(1000) + 40) * 1.5f));
    EXPECT_EQ(d.offer, goods.Amount);
    EXPECT_FLOAT_EQ(d.advertising, std::floor(0.03f * d.price * 250));
    EXPECT_EQ(s.firm().Industries[0].Buildings[0].UpdateWorkers(), 40);

    // A full store leaves no run: the workers are not paid to stand idle.
    Seat full;
    TStorage& store = full.firm().Industries[0].Storages[1];
    store.Load(store.Size() * 100, full.prompter);
    const Decision idle = full.play("proposed");
    EXPECT_EQ(full.firm().Produced, 0);
    EXPECT_EQ(full.firm().Industries[0].Buildings[0].UpdateWorkers(), 0);
    EXPECT_EQ(idle.offer, store.Amount);
}

TEST(Strategies, BorrowerBuysTheMachinesItCanPayFor) {
    Seat s;
    s.play("borrower");
    const auto machines = s.firm().Industries[0].Buildings[0].WorkPlaces.size();
    EXPECT_GT(machines, 10u);
    EXPECT_LE(machines, 20u);
    EXPECT_GE(s.firm().Money, 0);
    EXPECT_EQ(s.firm().Produced, std::int32_t(machines) * 100);
}

} // namespace

// --plot draws without a display: one game's money, or many games' lengths and wins.
TEST(SimulatorPlot, WritesAPictureWithoutADisplay) {
    QTemporaryDir dir;
    const struct {
        const char* games;
        QSize size;
    } cases[] = {{"1", QSize(640, 420)}, {"5", QSize(1280, 420)}};
    for (const auto& c : cases) {
        const QString file = dir.filePath(QString("plot%1.png").arg(c.games));
        QProcess sim;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        sim.setProcessEnvironment(env);
        sim.start(ZORVICK_SIM, {"--players", "proposed,passive", "--games", c.games, "--weeks",
                                "12", "--folder", ZORVICK_GAME_DIR, "--plot", file});
        ASSERT_TRUE(sim.waitForFinished(120000));
        EXPECT_EQ(sim.exitCode(), 0) << sim.readAllStandardError().toStdString();
        EXPECT_EQ(QImage(file).size(), c.size) << c.games;
    }
}
