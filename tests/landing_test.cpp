#include <gtest/gtest.h>

#include <string>

#include "console/console.h"
#include "engine/engine.h"
#include "model/game_state.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

using LandingTest = GameTest;

// Row 3 as it reads when the turn's prefix has not been printed.
std::string FirstLine(const std::string& text) {
  return std::string(19, ' ') + text;
}

TEST_F(LandingTest, AStateNotYetOwnedByTheMoverGivesItsVotesAndPriceText) {
  struct Case {
    int position, owner, side;
    const char* secondLine;
  };
  const Case cases[] = {
      {1, Unclaimed, player, "It has 13 electoral votes and costs 3.9 million dollars"},
      {52, Unclaimed, computer, "It has 8 electoral votes and costs 4.0 million dollars"},
      {53, player, computer, "It has 6 electoral votes and costs 3.0 million dollars"},
      {7, Unclaimed, player, "It has 29 electoral votes, a try for it costs 2.9 million dollars"},
      {41, computer, player, "It has 55 electoral votes, a try for it costs 5.5 million dollars"},
      {57, player, computer, "It has 29 electoral votes, a try for it costs 2.9 million dollars"}};
  for (const Case& c : cases) {
    ClearScreen();
    game.owner[c.position] = c.owner;
    game.currentSide = c.side;
    RunUntilIdle([&] { DispatchLanding(c.position); });
    EXPECT_EQ(RowText(4), c.secondLine);
  }
  EXPECT_EQ(RowText(3), FirstLine("Florida, The Sunshine State"));
}

TEST_F(LandingTest, TheMoversOwnStateGetsItsFirstLineAndARemark) {
  for (int side : {player, computer}) {
    ClearScreen();
    game.owner[65] = side;
    game.currentSide = side;
    console.Force({1});
    DispatchLanding(65);
    EXPECT_EQ(RowText(3), FirstLine("Washington DC, The Nation's Capital"));
    EXPECT_EQ(RowText(4), side == player ? "You already have it" : "I snapped it up earlier");
    EXPECT_EQ(RowText(5), "");
    EXPECT_EQ(CandidateOf(side).money, 100.0f);
  }
}

TEST_F(LandingTest, EveningNewsLeadInDiffersBySide) {
  game.currentSide = player;
  RunUntilIdle([] { DispatchLanding(5); });
  EXPECT_EQ(RowText(3), FirstLine("the evening news!"));
  EXPECT_EQ(TextAt(1, 4, 25), "The story says that you  ");

  ClearScreen();
  game.currentSide = computer;
  RunUntilIdle([] { DispatchLanding(64); });
  EXPECT_EQ(TextAt(1, 4, 25), "  The story says that I  ");
}

TEST_F(LandingTest, TheSmokeFilledRoomChargesAMillionOnEntry) {
  struct Case {
    int side;
    float money;
    const char* chargeLine;
    const char* standing;
  };
  const Case cases[] = {
      {player, 100.0f, "You must pay a million bucks - ",
       "You now have 4 votes and 99 million dollars"},
      {computer, 7.5f, "I must pay one million clams - ",
       "I now have 4 votes and 6.5 million dollars"},
      {player, 1.0f, "You must pay a million bucks - ", "You now have no money left!"},
      {computer, 0.5f, "I must pay one million clams - ", "I am out of money!"}};
  for (const Case& c : cases) {
    ClearScreen();
    game.currentSide = c.side;
    CandidateOf(c.side) = {c.money, 4, SmokeRoomPosition, true};
    DispatchLanding(SmokeRoomPosition);
    EXPECT_EQ(CandidateOf(c.side).money, c.money - 1.0f);
    EXPECT_EQ(RowText(3), FirstLine("a smoke filled room!"));
    EXPECT_EQ(RowText(4),
              "A campaign strategy meeting is in progress, everyone is drunk or snoring");
    EXPECT_EQ(TextAt(1, 5, 32), c.chargeLine + std::string(" "));
    EXPECT_EQ(RowText(6), "It is for the champagne, caviar, and Cuban cigars");
    EXPECT_EQ(RowText(7), "A lucky break  or the loss of a state is required to get out");
    EXPECT_EQ(RowText(20), std::string(16, ' ') + c.standing);
  }
}

TEST_F(LandingTest, PressConferenceIntroducesTheQuestionForEachSide) {
  game.currentSide = player;
  RunUntilIdle([] { DispatchLanding(47); });
  EXPECT_EQ(RowText(3), FirstLine("a press conference"));
  EXPECT_EQ(RowText(4), "A wise guy reporter is asking you a question");
  EXPECT_EQ(RowText(5), "You had better get the answer right - a state is at risk");

  ClearScreen();
  game.currentSide = computer;
  RunUntilIdle([] { DispatchLanding(47); });
  EXPECT_EQ(RowText(4), "There is a pain in the neck newscaster questioning me");
  EXPECT_EQ(RowText(5), "I have to try to get the answer right - a state is at risk");
}

TEST_F(LandingTest, APositionOffTheBoardPrintsNothing) {
  for (int position : {0, 66, -1}) {
    DispatchLanding(position);
    for (int row = 1; row <= 25; ++row) EXPECT_EQ(RowText(row), "") << position;
    EXPECT_EQ(GameScreen().column(), 20);
    EXPECT_EQ(GameScreen().row(), 3);
  }
}

// The price a state's narration names must be the price it is sold at.
TEST_F(LandingTest, EveryPositionNarratesWithTheBoardsVotesAndPrice) {
  for (int side : {player, computer}) {
    game.currentSide = side;
    for (int position = 1; position <= kLastPosition; ++position) {
      const BoardPosition& square = BoardTable[position];
      ClearScreen();
      RunUntilIdle([&] { DispatchLanding(position); });
      const std::string first = RowText(3), second = RowText(4);
      EXPECT_GT(first.size(), 20u) << square.name;
      if (square.electoralVotes == 0) continue;
      EXPECT_TRUE(first.substr(19).starts_with(square.name + std::string(","))) << first;
      const auto price = second.find("costs ");
      ASSERT_NE(price, std::string::npos) << second;
      EXPECT_EQ(std::stof(second.substr(price + 6)), square.price) << second;
      const std::string votes = std::to_string(square.electoralVotes);
      EXPECT_TRUE(second.starts_with("It has " + votes + " electoral votes")) << second;
    }
  }
}

}  // namespace
}  // namespace ballotrek::testing
