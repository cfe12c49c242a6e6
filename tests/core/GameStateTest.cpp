#include "core/game/TGame.h"
#include "core/platform/RandomSource.h"
#include "core/platform/ScriptedPrompter.h"

#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {
RandomSource random(1);

TGame twoPlayers() {
    TGame game(GameFolder("/nonexistent"), random);
    game.BeginSetup(2);
    game.AddPlayer("Спорт", "Иван", 0);
    game.AddPlayer("Атлет", "Мария", 3);
    game.FinishSetup();
    return game;
}
} // namespace

TEST(TGame, SetupCreatesOneSlotPerPlayer) {
    const TGame game = twoPlayers();
    EXPECT_EQ(game.PlayerCount, 2);
    EXPECT_EQ(game.MoveNumber, 1);
    ASSERT_EQ(game.TPrices.size(), 2u);
    EXPECT_EQ(game.TAdvExps[1].Player, 0);
    EXPECT_EQ(game.TProds[1].Amount, 0.0f);
    ASSERT_NE(game.Company(), nullptr);
    EXPECT_EQ(game.Company()->Title, "Спорт");
    EXPECT_EQ(game.Players[1]->Face, 3);
    EXPECT_EQ(game.Industry(), &game.Players[0]->Industries[0]);
    // The market records are contiguous, as the market library reads them.
    EXPECT_EQ(&game.TPrices[1], game.TPrices.data() + 1);
}

TEST(TGame, SpendingExactlyTheCapitalSucceeds) {
    ScriptedPrompter prompter;
    TGame game = twoPlayers();
    EXPECT_EQ(game.SpendMoney(30000, prompter), 30000.0f);
    EXPECT_EQ(game.Company()->Money, 0.0f);
    EXPECT_EQ(game.CapitalText(), "Капитал: 0$");
    EXPECT_TRUE(prompter.boxes().isEmpty());
}

TEST(TGame, SpendingOneDollarTooMuchIsRefused) {
    ScriptedPrompter prompter;
    TGame game = twoPlayers();
    EXPECT_EQ(game.SpendMoney(30001, prompter), 0.0f);
    EXPECT_EQ(game.Company()->Money, 30000.0f);
    ASSERT_EQ(prompter.boxes().size(), 1);
    EXPECT_EQ(prompter.last().text, "У вас недостаточно денег для этого.");
    EXPECT_EQ(prompter.last().title, "Однако здравствуйте!");
    EXPECT_EQ(prompter.last().kind, Prompter::Kind::Error);
    game.ReceiveMoney(0.6f);
    EXPECT_EQ(game.CapitalText(), "Капитал: 30001$");
}

TEST(TGame, StateDumpHoldsPlayersAndMarketRecords) {
    const TGame game = twoPlayers();
    const QJsonObject json = game.toJson();
    EXPECT_EQ(json["Players"].toArray().size(), 2);
    EXPECT_EQ(json["TPrices"].toArray().size(), 2);
    EXPECT_EQ(json["CurrentPlayer"].toInt(), 0);
    EXPECT_TRUE(json.contains("Calendar"));
    EXPECT_EQ(json["Scenario"].toObject()["WeeklySalary"].toDouble(), 550);
}
