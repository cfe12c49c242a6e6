#include "core/players/CompetentStrategies.h"
#include "core/game/TGameController.h"
#include "core/players/SeatActions.h"
#include "tests/common/TwoFirms.h"

#include <gtest/gtest.h>

namespace {

// The first firm of a two-firm game in an empty folder (the default economy).
struct Board : TwoFirms {
    Board() : TwoFirms(ScriptedPrompter::OnUnexpected::AnswerNo, 1, QDate(2026, 1, 5)) {}
    Decision play(Strategy& strategy, const std::vector<MarketRow>& rows = {}) {
        const SeatView view{company(), controller.Game().Scenario, 1, 2, rows};
        return strategy.Play(view, actions);
    }
    SeatActions actions{controller, prompter};
};

TEST(CompetentStrategies, WorkersForRunFillsMachinesAsTheStaffWindowDoes) {
    Board b;
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {0, 0}, {30, 1}, {31, 2}, {100, 4}, {101, 5}, {345, 14}, {1000, 40}, {5000, 40}};
    for (const auto& [run, workers] : cases)
        EXPECT_EQ(WorkersForRun(b.company(), run), workers) << run;
}

// Lean makes a fair share of the market with a margin and staffs only that run.
TEST(CompetentStrategies, LeanStaffsOnlyTheRunItExpectsToSell) {
    Board b;
    const Decision d = MakeCompetentStrategy("lean")->Play(
        {b.company(), b.controller.Game().Scenario, 0, 2, {}}, b.actions);
    EXPECT_EQ(b.company().Produced, 345); // 600 buyers / 2 firms x 1.15
    EXPECT_EQ(b.workshop().UpdateWorkers(), 14);
    EXPECT_EQ(d.offer, 345);
    EXPECT_GT(d.price, 40);
}

// The follower raises its price 5 % after selling out and cuts it by half the
// share left unsold beyond its margin, 10 % at most.
TEST(CompetentStrategies, FollowerPriceFollowsLastWeeksUnsoldShare) {
    for (const auto& [soldShare, factor] :
         {std::pair{1.0f, 1.05f}, std::pair{0.8f, 0.975f}, std::pair{0.5f, 0.9f}}) {
        Board b;
        const auto follower = MakeCompetentStrategy("lean-follower");
        const Decision first = b.play(*follower);
        const Decision second =
            b.play(*follower, {{float(first.offer) * soldShare, first.price, true}});
        EXPECT_EQ(second.price, std::round(first.price * factor)) << soldShare;
    }
}

TEST(CompetentStrategies, SellUpSellsEverythingAtOnceOrAtTheSecondWarning) {
    Board b;
    // Selling the workshop's last area sells the building: Yes.
    b.prompter.queue({true, true, true, true});
    b.play(*MakeCompetentStrategy("sell-up"));
    EXPECT_TRUE(b.workshop().WorkPlaces.empty());
    EXPECT_EQ(b.workshop().Size(), 0);
    EXPECT_EQ(b.raw().Size(), 0);
    EXPECT_EQ(b.industry().FreeLand, 0);
    EXPECT_GT(b.company().Money, 300000);

    for (const std::int32_t warnings : {1, 2}) {
        Board w;
        w.company().DebtWeeks = warnings;
        w.play(*MakeCompetentStrategy("sell-at-warning"));
        EXPECT_EQ(w.workshop().WorkPlaces.empty(), warnings == 2) << warnings;
    }

    // The loophole: one machine and the area under it stay, the rest is cash.
    Board one;
    one.prompter.queue({true, true, true, true});
    one.play(*MakeCompetentStrategy("sell-but-one"));
    ASSERT_EQ(one.workshop().WorkPlaces.size(), 1u);
    EXPECT_EQ(one.workshop().Size(), one.workshop().WorkPlaces[0].Area);
    EXPECT_GT(one.company().Money, 280000);
}

TEST(CompetentStrategies, DesignerAndResearcherPayFromWhatTheyHaveToSpare) {
    Board b;
    b.play(*MakeCompetentStrategy("lean-designer"));
    EXPECT_EQ(b.company().RLInvest, 5000);

    Board poor;
    poor.play(*MakeCompetentStrategy("lean-researcher"));
    EXPECT_EQ(poor.company().ResearchInvest, 0);
    Board rich;
    rich.company().Money = 250000;
    rich.play(*MakeCompetentStrategy("lean-researcher"));
    EXPECT_EQ(rich.company().ResearchInvest, 100000);
}

} // namespace
