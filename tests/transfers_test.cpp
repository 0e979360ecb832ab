#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "events/events.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class TransferTest : public GameTest {};

// The sides are coded 1 and 2, so the other side of s is 3 - s.

// A side with 2, 1 or no states gives the first it owns from the rolled
// start; the scan wraps from Washington DC to Virginia.
TEST_F(TransferTest, TransferGivesTheFirstStateOwnedFromTheStart) {
  const std::tuple<int, std::vector<int>, int, int> cases[] = {{player, {1, 20}, 21, 1},
                                                               {player, {1, 20}, 20, 20},
                                                               {computer, {65}, 65, 65},
                                                               {player, {}, 1, 0},
                                                               {computer, {}, 1, 0}};
  for (const auto& [side, owned, start, given] : cases) {
    ResetGameState();
    for (int p : owned) Give(p, side);
    game.currentSide = side;
    console.Type("\r");
    console.Force({start - 1});
    TransferStateToOpponent();
    for (int p : owned) EXPECT_EQ(game.owner[p], p == given ? 3 - side : side) << start;
    EXPECT_TRUE(VotesMatchOwners());
  }
}

// Gains of three with plenty, 2, 1 and no unclaimed states left; the later
// starts run from 1 to 65, but the computer's third from 0 to 65.
TEST_F(TransferTest, GainsOfThreeAsTheStatesRunOut) {
  const std::tuple<int, std::vector<int>, std::vector<int>, std::vector<int>> cases[] = {
      {player, {1, 2, 6, 65}, {4, 63, 0}, {6, 65, 1}},  // 5 and 64 are no states
      {computer, {1, 2, 3, 65}, {0, 0, 0}, {1, 2, 3}},
      {computer, {1, 2, 3, 65}, {0, 0, 65}, {1, 2, 65}},
      {computer, {1, 2, 65}, {0, 0, 0}, {1, 2, 65}},  // from 0, only Washington DC left
      {player, {30, 61}, {10, 40, 50}, {30, 61}},
      {computer, {30}, {10, 40}, {30}},
      {player, {}, {10}, {}}};
  for (const auto& [side, left, draws, gained] : cases) {
    ResetGameState();
    for (int p = 1; p <= kLastPosition; ++p) {
      if (game.owner[p] == Unclaimed && std::ranges::count(left, p) == 0) Give(p, 3 - side);
    }
    game.currentSide = side;
    console.Type("\r");
    for (int draw : draws) console.Force({draw});
    GainUnclaimedStates(3);
    for (int p : gained) EXPECT_EQ(game.owner[p], side) << p;
    EXPECT_TRUE(VotesMatchOwners());
    EXPECT_TRUE(console.AllForcedUsed());
  }
}

}  // namespace
}  // namespace ballotrek::testing
