#include "tests/support/game_test.h"
#include "tests/support/soak_driver.h"

namespace ballotrek::testing {
namespace {

class SoakTest : public GameTest {};

TEST_F(SoakTest, RandomGamesAlwaysEndThroughAWayOut) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    EXPECT_EQ(PlayRandomGame(seed).problem, "") << "seed " << seed;
  }
}

}  // namespace
}  // namespace ballotrek::testing
