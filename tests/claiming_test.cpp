#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class ClaimingTest : public GameTest {};

TEST_F(ClaimingTest, NoChangesNothingAndAStateIsAffordableAtItsPrice) {
  game.player.money = game.computer.money = BoardTable[4].price;
  console.Type("xn");
  Land(player, 4);
  EXPECT_TRUE(ShowsAt(17, 21, "Want it?  Y or N  "));
  console.Force({0, 23, 0});  // d 1, silent thinking, a pass line
  Land(computer, 4);
  EXPECT_TRUE(console.AllForcedUsed());
  EXPECT_EQ(game.player.money, BoardTable[4].price);
  EXPECT_EQ(game.owner[4], Unclaimed);

  game.player.money = game.computer.money = 2.3f;
  Land(player, 4);
  EXPECT_EQ(RowText(5), "You cannot afford it");
  Land(computer, 4);
  EXPECT_EQ(RowText(5), "I do not have sufficient funds for it");
}

// An ordinary state is won on a roll of 1 to 9 in 10, a try on 1 to 8 in 12
// for the player and 1 to 10 for the computer; a failed try goes over to
// the other side unless it sits in the smoke filled room.
TEST_F(ClaimingTest, ClaimsWonDroppedAndTried) {
  const std::tuple<int, int, int, const char*, std::vector<int>, int> cases[] = {
      {player, 1, 2, "y", {8, 0}, player},  // roll 9, then the line
      {player, 20, 2, "y", {9}, Unclaimed},
      {player, 41, 2, "y\r", {7, 0}, player},
      {player, 41, 2, "y\r", {8}, computer},
      {player, 41, 33, "y\r", {11}, Unclaimed},
      {computer, 19, 2, "", {0, 23, 9}, Unclaimed},  // d, thinking, roll 10
      {computer, 41, 2, "\r", {0, 23, 9}, computer},
      {computer, 41, 2, "\r", {0, 23, 10}, player},
      {computer, 41, 33, "\r", {0, 23, 11}, Unclaimed}};
  for (const auto& [side, position, otherAt, keys, draws, owner] : cases) {
    ResetGameState();
    const int other = side == player ? computer : player;
    CandidateOf(other).position = otherAt;
    console.Type(keys);
    for (int draw : draws) console.Force({draw});
    Land(side, position);
    EXPECT_EQ(game.owner[position], owner) << side << " on " << position << " " << draws.back();
    EXPECT_FLOAT_EQ(CandidateOf(side).money, 100.0f - BoardTable[position].price);
    EXPECT_EQ(CandidateOf(other).money, 100.0f);
    EXPECT_TRUE(VotesMatchOwners());
    EXPECT_TRUE(console.AllForcedUsed());
  }
}

// The first draw gives d (1 to 3), the second the silent thinking line.
TEST_F(ClaimingTest, ComputerPurchaseRules) {
  // The computer's votes, the player's, the computer's money, the state, d, and whether it buys.
  // States: 4 Delaware 3, 2 West Virginia 5, 26 Iowa 6, 3 Maryland 10, 19 Indiana 11.
  const std::tuple<int, int, float, int, int, bool> cases[] = {
      {200, 0, 100, 4, 1, true},  {199, 0, 100, 4, 1, false},   // 200 votes buy anything
      {0, 0, 100, 19, 1, true},                                 // more than 10 votes
      {160, 0, 100, 26, 1, true}, {160, 0, 100, 2, 1, false},   // from 160, more than 5
      {160, 0, 100, 3, 1, true},                                // 160 and a 10-vote state
      {0, 200, 7.0f, 4, 1, true}, {0, 200, 6.9f, 4, 1, false},  // the player at 200, 7.0 left
      {0, 199, 100, 4, 1, false},                               // the player at 199
      {0, 0, 100, 3, 2, true},    {0, 0, 100, 3, 1, false},     // 6 to 10 votes below 160, d of 2
      {159, 0, 100, 26, 2, true}, {159, 0, 100, 26, 1, false},  // at 159
      {0, 0, 100, 2, 3, true},    {0, 0, 100, 2, 2, false}};    // 5 votes or less, d of 3
  for (const auto& [computerVotes, playerVotes, money, position, d, buys] : cases) {
    ResetGameState();
    game.computer = {money, computerVotes};
    game.player.votes = playerVotes;
    console.Force({d - 1, 23, 0});  // then a winning roll, or the pass line
    if (buys) console.Force({0});   // the winning line
    Land(computer, position);
    const auto rule = ::testing::Message() << computerVotes << "/" << playerVotes << " votes, "
                                           << money << " on " << position << ", d " << d;
    EXPECT_EQ(game.owner[position] == computer, buys) << rule;
    EXPECT_TRUE(console.AllForcedUsed()) << rule;
  }
}

}  // namespace
}  // namespace ballotrek::testing
