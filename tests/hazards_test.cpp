#include "console/console.h"
#include "events/events.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class HazardTest : public GameTest {};

// Each side lands with three million, so the larger charges leave it in debt.
TEST_F(HazardTest, EachHazardForEachSide) {
  const std::tuple<int, int, float, const char*> cases[] = {
      {player, 10, -2, "You must pay five million dollars for a new plane"},
      {computer, 10, -2, "I must pay five million smackers for a new plane"},
      {player, 22, 1, "You must pay two million dollars to drag it out"},
      {computer, 22, 1, "I must pay two million dollars to thaw it out"},
      {player, 58, 1, "You lose two million dollars in funds"},
      {computer, 58, 1, "I lose two million bucks in funds"},
      {player, 63, -1, "The press is calling it Algate"},
      {computer, 63, -1, "And Al, the media is calling it computergate"}};
  for (const auto& [side, position, moneyAfter, line] : cases) {
    SCOPED_TRACE(line);
    ResetGameState();
    ClearScreen();
    game.firstName = "Al";
    game.currentSide = side;
    CandidateOf(side).money = 3;
    LandOnHazard(position);
    EXPECT_NE(ScreenDump().find(line), std::string::npos) << ScreenDump();
    EXPECT_EQ(CandidateOf(side).money, moneyAfter);
  }
}

TEST_F(HazardTest, RestDaysPlayTheirClipsOnlyWithSoundOn) {
  for (char sound : {'y', 'n'}) {
    for (int side : {player, computer}) {
      game.soundFlag = sound;
      game.currentSide = side;
      console.Force({side == player ? 2 : 4});
      TakeRestDay();
    }
  }
  EXPECT_TRUE(ShowsAt(1, 3, "I am resting today.  I am going to Go  to a loud rock concert"));
  EXPECT_EQ(console.clips(),
            (std::vector<std::string>{"data\\gosw.wav", "data\\goba.wav", "data\\rock.wav"}));
}

}  // namespace
}  // namespace ballotrek::testing
