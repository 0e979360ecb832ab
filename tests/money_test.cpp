#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "model/game_state.h"

namespace ballotrek {
namespace {

// Payments (in tenths of a million) whose single-precision sums drifted on screen: 7.40001 for 7.4,
// 0.0999966 for 0.1.
TEST(MoneyTest, AmountsStayToTheCentAfterEveryChange) {
  const std::pair<std::vector<int>, const char*> cases[] = {
      {{96, 80, 96, 100, 58, 48, 80, 78, 100, 90, 100}, "7.4"},
      {{64, 90, 64, 100, 96, 80, 90, 84, 96, 90, 100, 45}, "0.1"},
  };
  for (const auto& [payments, shown] : cases) {
    Candidate candidate;
    for (int tenths : payments) ChangeMoney(candidate, -static_cast<float>(tenths) / 10);
    std::ostringstream out;
    out << candidate.money;
    EXPECT_EQ(out.str(), shown);
    EXPECT_EQ(candidate.money, ToTheCent(candidate.money));
  }
  EXPECT_EQ(ToTheCent(96.104f), 96.1f);
}

}  // namespace
}  // namespace ballotrek
