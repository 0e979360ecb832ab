#include "console/console.h"
#include "events/events.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class HazardTest : public GameTest {};

// Each side lands with three million, so the larger charges leave it in debt.
TEST_F(HazardTest, EachHazardForEachSide) {
  const std::tuple<int, int, const char*, const char*> cases[] = {
      {player, 10, "You must pay five million dollars for a new plane", "no money left!"},
      {computer, 10, "I must pay five million smackers for a new plane", "out of money!"},
      {player, 22, "You must pay two million dollars to drag it out", "0 votes and 1 million"},
      {computer, 22, "I must pay two million dollars to thaw it out", "0 votes and 1 million"},
      {player, 58, "You lose two million dollars in funds", "0 votes and 1 million"},
      {computer, 58, "I lose two million bucks in funds", "0 votes and 1 million"},
      {player, 63, "The press is calling it Algate", "no money left!"},
      {computer, 63, "And Al, the media is calling it computergate", "out of money!"}};
  for (const auto& [side, position, line, standing] : cases) {
    SCOPED_TRACE(line);
    ResetGameState();
    ClearScreen();
    game.firstName = "Al";
    game.currentSide = side;
    CandidateOf(side).money = 3;
    LandOnHazard(position);
    EXPECT_TRUE(ShowsAt(1, position == 63 ? 1 : 3, line)) << ScreenDump();
    EXPECT_NE(RowText(20).find(standing), std::string::npos) << RowText(20);
  }
}

}  // namespace
}  // namespace ballotrek::testing
