#include <gtest/gtest.h>

#include <tuple>

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

TEST_F(ChallengeTest, EveryCostPrintsPlainlyAndIsAffordableAtEquality) {
  for (int position = 1; position <= kLastPosition; ++position) {
    if (BoardTable[position].electoralVotes == 0) continue;
    const float cost = 2 * BoardTable[position].price;
    for (int side : {player, computer}) {
      game.owner[position] = side == player ? computer : player;
      CandidateOf(side).money = cost;
      console.Force({0});                                           // the remark
      side == player ? console.Type("n") : console.Force({23, 0});  // thinking, a refusal
      Land(side, position);
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

// States: 1 Virginia 13, 26 Iowa 6, 2 West Virginia 5, 16 Pennsylvania 20,
// 41 California 55.
TEST_F(ChallengeTest, ComputerChallengeRules) {
  const std::tuple<const char*, int, int, float, int, bool> cases[] = {
      {"lead of 100 and more than 10", 100, 0, 14, 1, true},
      {"lead of 99", 99, 0, 14, 1, false},
      {"lead of 100 and 10 votes", 100, 0, 14, 3, false},
      {"15.0 and more than 20", 0, 0, 15.0f, 41, true},
      {"14.9 and more than 20", 0, 0, 14.9f, 41, false},
      {"15.0 and 20 votes", 0, 0, 15.0f, 16, false},
      {"player at 250, 15.0, more than 5", 250, 0, 15.0f, 26, true},
      {"player at 249", 249, 0, 15.0f, 26, false},
      {"computer at 250 with 150.0", 0, 250, 150.0f, 1, true},
      {"computer at 250 with 149.9", 0, 250, 149.9f, 1, false},
      {"computer at 249", 0, 249, 150.0f, 1, false},
      {"reaching 270 keeping more than 7.0", 0, 265, 15.1f, 2, true},
      {"reaching 270 keeping exactly 7.0", 0, 265, 15.0f, 2, false},
      {"reaching 269", 0, 264, 100.0f, 2, false},
      {"player at 220 with 30.0 and more than 10", 220, 121, 30.0f, 1, true},
      {"player at 220 with 29.9", 220, 121, 29.9f, 1, false},
      {"player at 219", 219, 121, 30.0f, 1, false},
  };
  for (const auto& [rule, playerVotes, computerVotes, money, position, challenges] : cases) {
    ResetGameState();
    game.player.votes = playerVotes;  // the totals alone matter to the rules
    game.computer = {money, computerVotes};
    game.owner[position] = player;
    console.Force({0, 23, 0});  // remark, silent thinking, a losing roll or a refusal
    if (challenges) console.Type("\r");
    Land(computer, position);
    EXPECT_EQ(RowText(7) == "I am going to go for it!", challenges) << rule;
  }
}

}  // namespace
}  // namespace ballotrek::testing
