#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class ClaimingTest : public GameTest {};

// A price or a challenge's cost is affordable when it is not above the money.
TEST_F(ClaimingTest, AffordableAtExactlyThePrice) {
  // The side, the state, its owner, the side's money, and a line at column 1 (17 for a prompt).
  const std::tuple<int, int, int, float, int, const char*> cases[] = {
      {player, 4, Unclaimed, 2.4f, 21, "                Want it?  Y or N"},
      {player, 4, Unclaimed, 2.3f, 5, "You cannot afford it"},
      {computer, 4, Unclaimed, 2.4f, 5, "I will pass on this one"},
      {computer, 4, Unclaimed, 2.3f, 5, "I do not have sufficient funds for it"},
      {player, 1, computer, 7.8f, 6, "A challenge costs 7.8 million bucks"},
      {player, 1, computer, 7.7f, 6, "You cannot afford to challenge"},
      {computer, 1, player, 7.8f, 6, "A challenge costs 7.8 million bucks"},
      {computer, 1, player, 7.7f, 6, "I do not have the bucks for it"}};
  for (const auto& [side, position, owner, money, row, line] : cases) {
    ScriptedConsole fresh;
    ResetGameState();
    game.owner[position] = owner;
    CandidateOf(side).money = money;
    fresh.Force({0, 23, 0});  // d 1 or a remark, silent thinking, a pass or a refusal
    RunUntilIdle([&] { Land(side, position); });
    EXPECT_TRUE(ShowsAt(1, row, line)) << line << "\n" << ScreenDump();
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
      {199, 0, 100, 26, 1, true}, {160, 0, 100, 3, 1, true},    // to 199, and a 10-vote state
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

TEST_F(ClaimingTest, ComputerChallengeRules) {
  // The player's votes, the computer's, its money, the state, and whether it challenges.
  // States: 2 West Virginia 5, 26 Iowa 6, 3 Maryland 10, 1 Virginia 13, 16 Pennsylvania 20,
  // 41 California 55.
  const std::tuple<int, int, float, int, bool> cases[] = {
      {100, 0, 14, 1, true},      {99, 0, 14, 1, false},     // a lead of 100 and more than 10 votes
      {100, 0, 14, 3, false},                                // 10 votes
      {0, 0, 15, 41, true},       {0, 0, 14.9f, 41, false},  // 15.0 and more than 20 votes
      {0, 0, 15, 16, false},                                 // 20 votes
      {250, 0, 15, 26, true},     {249, 0, 15, 26, false},  // the player at 250, 15.0, over 5 votes
      {250, 0, 14.9f, 26, false}, {250, 0, 15, 2, false},   // 14.9, and 5 votes
      {0, 250, 150, 1, true},     {0, 250, 149.9f, 1, false},  // the computer at 250 with 150.0
      {0, 249, 150, 1, false},    {0, 250, 150, 3, false},     // at 249, and 10 votes
      {0, 265, 15.1f, 2, true},   {0, 265, 15, 2, false},      // reaching 270 keeping more than 7.0
      {0, 264, 100, 2, false},                                 // reaching 269
      {220, 121, 30, 1, true},    {220, 121, 29.9f, 1, false},  // the player at 220 with 30.0
      {219, 121, 30, 1, false},                                 // the player at 219
      {220, 121, 30, 3, false}};                                // at 220, a 10-vote state
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
