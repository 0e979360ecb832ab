#include <gtest/gtest.h>

#include <tuple>

#include "console/console.h"
#include "engine/engine.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class ChallengeTest : public GameTest {};

// Either side wins a challenge on a roll of 10 to 12 and pays either way.
TEST_F(ChallengeTest, ChallengesDeclinedLostAndWon) {
  Give(41, computer);
  console.Type("ny\ry\r\r\r");
  // The player: a remark each time, then a roll and its line; the computer:
  // a remark, silent thinking and a roll.
  console.Force({0, 0, 8, 0, 0, 9, 0, 0, 23, 8, 0, 23, 9});
  const std::pair<int, int> landings[] = {
      {player, computer}, {player, computer},   {player, player},
      {computer, player}, {computer, computer},
  };
  for (const auto& [side, owner] : landings) {
    Land(side, 41);
    EXPECT_EQ(game.owner[41], owner);
  }
  EXPECT_FLOAT_EQ(game.player.money, 100.0f - 11.0f - 11.0f);
  EXPECT_FLOAT_EQ(game.computer.money, 100.0f - 11.0f - 11.0f);
  EXPECT_TRUE(VotesMatchOwners());
  EXPECT_TRUE(console.AllForcedUsed());
}

// Each state's narration names the price it is sold at; a challenge costs
// twice that, printed plainly, and is affordable at equality.
TEST_F(ChallengeTest, EveryStateNarratesItsPriceAndItsChallengeCost) {
  for (int position = 1; position <= kLastPosition; ++position) {
    const BoardPosition& square = BoardTable[position];
    if (square.electoralVotes == 0) continue;
    const float cost = 2 * square.price;
    for (int side : {player, computer}) {
      game.owner[position] = side == player ? computer : player;
      CandidateOf(side).money = cost;
      console.Force({0});                                           // the remark
      side == player ? console.Type("n") : console.Force({23, 0});  // thinking, a refusal
      ClearScreen();
      game.currentSide = side;
      DispatchLanding(position);
      EXPECT_TRUE(RowText(3).substr(19).starts_with(square.name + std::string(","))) << RowText(3);
      const std::string narration = RowText(4);
      const std::string votes = std::to_string(square.electoralVotes);
      EXPECT_TRUE(narration.starts_with("It has " + votes + " electoral votes")) << narration;
      EXPECT_EQ(std::stof(narration.substr(narration.find("costs ") + 6)), square.price);
      const std::string row = RowText(6);
      const std::string shown = row.substr(18, row.find(" million") - 18);
      EXPECT_LE(shown.size(), 4u) << row;
      EXPECT_FLOAT_EQ(std::stof(shown), cost) << row;

      CandidateOf(side).money = cost - 0.1f;
      console.Force({0});
      Land(side, position);
      EXPECT_EQ(RowText(6), side == player ? "You cannot afford to challenge"
                                           : "I do not have the bucks for it");
    }
  }
}

TEST_F(ChallengeTest, ComputerChallengeRules) {
  // The player's votes, the computer's, its money, the state, and whether it challenges.
  // States: 2 West Virginia 5, 26 Iowa 6, 3 Maryland 10, 1 Virginia 13, 16 Pennsylvania 20,
  // 41 California 55.
  const std::tuple<int, int, float, int, bool> cases[] = {
      {100, 0, 14, 1, true},    {99, 0, 14, 1, false},     // a lead of 100 and more than 10 votes
      {100, 0, 14, 3, false},                              // 10 votes
      {0, 0, 15, 41, true},     {0, 0, 14.9f, 41, false},  // 15.0 and more than 20 votes
      {0, 0, 15, 16, false},                               // 20 votes
      {250, 0, 15, 26, true},   {249, 0, 15, 26, false},   // the player at 250, 15.0, over 5 votes
      {0, 250, 150, 1, true},   {0, 250, 149.9f, 1, false},   // the computer at 250 with 150.0
      {0, 249, 150, 1, false},                                // the computer at 249
      {0, 265, 15.1f, 2, true}, {0, 265, 15, 2, false},       // reaching 270 keeping more than 7.0
      {0, 264, 100, 2, false},                                // reaching 269
      {220, 121, 30, 1, true},  {220, 121, 29.9f, 1, false},  // the player at 220 with 30.0
      {219, 121, 30, 1, false},                               // the player at 219
      {220, 121, 30, 3, false}};                              // at 220, a 10-vote state
  for (const auto& [playerVotes, computerVotes, money, position, challenges] : cases) {
    ResetGameState();
    game.player.votes = playerVotes;  // the totals alone matter to the rules
    game.computer = {money, computerVotes};
    game.owner[position] = player;
    console.Force({0, 23, 0});  // remark, silent thinking, a losing roll or a refusal
    if (challenges) console.Type("\r");
    Land(computer, position);
    EXPECT_EQ(RowText(7) == "I am going to go for it!", challenges)
        << playerVotes << "/" << computerVotes << " votes, " << money << " on " << position;
  }
}

}  // namespace
}  // namespace ballotrek::testing
