#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console.h"
#include "engine/engine.h"
#include "model/game_state.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

using TurnLoopTest = GameTest;

TEST_F(TurnLoopTest, PlayerFliesFirstFromTheStartThenTheComputerIsLaunched) {
  game.computer = {96.5f, 20, 0, false};
  console.Type("\r");
  console.Force({9});
  RunUntilIdle(TurnLoop);
  EXPECT_EQ(game.player.position, 10);
  EXPECT_EQ(game.turnCount, 1);
  EXPECT_EQ(RowText(3), "You have landed in the Atlantic Ocean, splish splash splosh!");
  EXPECT_TRUE(ShowsAt(17, 20, "You now have 0 votes and 95 million dollars"));
  EXPECT_TRUE(ShowsAt(17, 21, "Please launch  me "));
  // Prompt, status line, flight, landing, standing line, the next prompt.
  EXPECT_EQ(console.millisecondsWaited(), 200 + 200 + 2000 + 500 + 1000 + 200);

  ResetGameState();
  game.computer = {96.5f, 20, 1, false};
  game.player.position = 9;
  game.owner[11] = computer;
  console.Type("\r\r");
  console.Force({0, 9, 0});  // the player to the Atlantic, the computer home
  RunUntilIdle(TurnLoop);
  EXPECT_EQ(game.computer.position, 11);
  EXPECT_EQ(game.turnCount, 1) << "only the player's take-offs are counted";
  EXPECT_EQ(RowText(3), "  I have landed in Massachusetts, The Bay State");
  EXPECT_TRUE(ShowsAt(17, 20, "I have 20 votes and 96.5 million dollars"));
  EXPECT_TRUE(ShowsAt(17, 21, "Your takeoff  "));
}

TEST_F(TurnLoopTest, MovesPastWashingtonDcContinueFromVirginia) {
  for (auto [from, forced, to] : {std::tuple{60, 6, 2}, {58, 6, 65}, {60, 9, 5}, {64, 0, 65}}) {
    game.player.position = from;
    console.Type("\r");
    console.Force({forced});
    RunUntilIdle(TurnLoop);
    EXPECT_EQ(game.player.position, to) << "from " << from;
  }
}

TEST_F(TurnLoopTest, EveryFifthPlayerTurnBringsTheRaceRemark) {
  game.firstName = "Ann";
  game.player.votes = 60;
  game.computer.votes = 50;
  game.turnCount = 3;
  console.Type("\r");
  console.Force({0});
  RunUntilIdle(TurnLoop);
  EXPECT_EQ(RowText(19), "");

  console.Type("\r");
  console.Force({0, 0});  // distance 1, and the fifth turn's rest-day draw misses
  RunUntilIdle(TurnLoop);
  EXPECT_EQ(game.turnCount, 5);
  EXPECT_EQ(RowText(19), std::string(16, ' ') + "You are winning Ann");
}

TEST_F(TurnLoopTest, CongressionalVoteAndComputerShowSendTheMoverToVirginia) {
  game.turnCount = 5;
  game.player.position = 20;
  console.Type("\r");
  console.Force({4, 0});
  RunUntilIdle(TurnLoop);
  EXPECT_EQ(RowText(3), "You must return to Washington DC for a Congressional vote");
  EXPECT_EQ(game.player.position, 1);
  EXPECT_TRUE(ShowsAt(17, 21, "Please launch  me "));

  ResetGameState();
  game.turnCount = 3;
  game.player.position = 7;  // flies 3 to the Atlantic
  game.computer.position = 20;
  console.Type("\r\r");
  console.Force({2, 4, 0, 1});  // player 3, computer 5, no rest day, the show
  RunUntilIdle(TurnLoop);
  EXPECT_EQ(RowText(3), "I must return to Washington DC for a computer show");
  EXPECT_EQ(game.computer.position, 1);
  EXPECT_TRUE(console.AllForcedUsed());
}

TEST_F(TurnLoopTest, LandingWhereTheOtherCandidateStandsSendsAStateIntruderToTheRoom) {
  game.computer.position = 8;
  console.Type("\r");
  console.Force({7});
  RunUntilIdle(TurnLoop);
  EXPECT_EQ(RowText(3), "You have landed in Connecticut") << "only the board name";
  EXPECT_EQ(game.player.position, SmokeRoomPosition);
  EXPECT_TRUE(game.player.inSmokeRoom);

  ResetGameState();
  game.owner[1] = player;
  console.Type("\r\r");
  console.Force({0, 0, 0});
  RunUntilIdle(TurnLoop);
  EXPECT_EQ(RowText(3), "  I have landed in Virginia");
  EXPECT_EQ(game.computer.position, SmokeRoomPosition);
  EXPECT_TRUE(game.computer.inSmokeRoom);

  ResetGameState();
  game.computer.position = 47;
  game.player.position = 46;
  console.Type("\r");
  console.Force({0});
  RunUntilIdle(TurnLoop);
  EXPECT_EQ(RowText(3), "You have landed in a press conference") << "a special square acts";
  EXPECT_EQ(game.player.position, 47);
}

TEST_F(TurnLoopTest, LandingSoundsFollowTheSquare) {
  const std::pair<int, std::vector<std::string>> cases[] = {
      {7, {"bist"}},  {41, {"bist"}}, {49, {"bist"}}, {57, {"bist"}},         {10, {"ocea"}},
      {22, {"bliz"}}, {33, {"smin"}}, {47, {"prco"}}, {58, {"gosw", "goba"}}, {1, {}}};
  for (const auto& [square, names] : cases) {
    ScriptedConsole fresh;
    ResetGameState();
    game.soundFlag = 'y';
    game.player.position = square - 1;
    fresh.Type("\r");
    fresh.Force({0});
    RunUntilIdle(TurnLoop);
    std::vector<std::string> expected = {"data\\plwh.wav"};
    for (const std::string& name : names) expected.push_back("data\\" + name + ".wav");
    EXPECT_EQ(fresh.clips(), expected) << "square " << square;
    EXPECT_EQ(game.player.inSmokeRoom, square == SmokeRoomPosition);
  }
}

TEST_F(TurnLoopTest, EndOfTurnCheckEndsTheGameWithTheRightOutcome) {
  struct Case {
    int playerVotes, computerVotes;
    float playerMoney, computerMoney;
    int computerFrom;  // the computer flies one square from here
    int column, row;
    const char* outcome;
  };
  const Case cases[] = {
      {270, 0, 100.0f, 100.0f, 10, 22, 3, "Congratulations Ann, you beat me!"},
      {0, 270, 100.0f, 100.0f, 10, 21, 3, "I beat you Ann fair and square!"},
      {269, 269, 1.0f, 2.0f, 10, 30, 3, "It is an electoral vote tie at 269 votes each"},
      {10, 20, 0.049f, 100.0f, 10, 30, 3, "I beat you Ann"},
      {10, 20, 100.0f, 0.04f, 10, 21, 5, "I lost my shirt and i feel pretty hurt."},
      // The room's entry charge breaks the computer during its own turn.
      {10, 20, 100.0f, 1.04f, 32, 21, 5, "I lost my shirt and i feel pretty hurt."},
      {269, 268, 0.05f, 0.05f, 10, 17, 21, "Your takeoff  "}};
  for (const Case& c : cases) {
    ScriptedConsole fresh;
    ResetGameState();
    game.firstName = "Ann";
    game.player = {c.playerMoney, c.playerVotes, 0, false};
    game.computer = {c.computerMoney, c.computerVotes, c.computerFrom, false};
    game.owner[1] = player;  // both land on their own states: only a remark
    game.owner[11] = computer;
    fresh.Type("\r\r");
    fresh.Force({0, 0, 0, 0});  // each side: a distance of 1, then its remark
    RunUntilIdle(TurnLoop);
    EXPECT_TRUE(ShowsAt(c.column, c.row, c.outcome)) << c.outcome << "\n" << ScreenDump();
  }
}

}  // namespace
}  // namespace ballotrek::testing
