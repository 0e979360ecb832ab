#include <gtest/gtest.h>

#include "console/console.h"
#include "engine/engine.h"
#include "events/events.h"
#include "model/game_state.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class HazardTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    game.firstName = "Al";
  }
  void Land(int side, int position) {
    ClearScreen();
    game.currentSide = side;
    DispatchLanding(position);
  }
};

struct HazardCase {
  int side;
  int position;
  const char* first;  // row 3 from column 20
  const char* last;   // the row above the standing line's pause
  int lastRow;
  float moneyAfter;
};

TEST_F(HazardTest, EachHazardForEachSide) {
  const HazardCase cases[] = {
      {player, 10, "the Atlantic Ocean, splish splash splosh!",
       "You must pay five million dollars for a new plane", 6, 95},
      {computer, 10, "the Atlantic Ocean, splish splash splosh!",
       "I must pay five million smackers for a new plane", 6, 95},
      {player, 22, "a blizzard, whoosh!", "You must pay two million dollars to drag it out", 6, 98},
      {computer, 22, "a blizzard, whoosh!", "I must pay two million dollars to thaw it out", 6, 98},
      {player, 58, "a golf outing!", "You lose two million dollars in funds", 6, 98},
      {computer, 58, "a golf outing!", "I lose two million bucks in funds", 6, 98},
      {player, 63, "the middle of a big fat scandal!", "The press is calling it Algate", 4, 96},
      {computer, 63, "the middle of a big fat scandal!",
       "And Al, the media is calling it computergate", 4, 96},
  };
  for (const HazardCase& c : cases) {
    SCOPED_TRACE(c.last);
    ResetGameState();
    game.firstName = "Al";
    Land(c.side, c.position);
    EXPECT_TRUE(ShowsAt(20, 3, c.first));
    EXPECT_EQ(RowText(c.lastRow), c.last);
    EXPECT_EQ(CandidateOf(c.side).money, c.moneyAfter);
    EXPECT_NE(RowText(20), "");
  }
  EXPECT_EQ(RowText(5), "It will take 4million dollars in hush money to cover it up");
}

TEST_F(HazardTest, GolfLineHasItsDoubleBlank) {
  Land(player, 58);
  EXPECT_EQ(RowText(4),
            "Man you really whacked the ball but  you hit your running mate on the head");
}

TEST_F(HazardTest, ChargeCanLeaveTheSideBrokeAndTheTurnEndsTheGame) {
  game.player.money = 3.0f;
  Land(player, 10);
  EXPECT_EQ(game.player.money, -2.0f);
  EXPECT_EQ(RowText(20), "                You now have no money left!");

  // Played through the turn loop, the end-of-turn check ends the game.
  ResetGameState();
  game.firstName = "Al";
  game.player.money = 3.0f;
  game.player.position = 5;
  console.Type("\r");
  console.Force({4});  // fly 5 to the Atlantic
  RunUntilIdle([] { TurnLoop(); });
  EXPECT_TRUE(ShowsAt(30, 3, "I beat you Al")) << ScreenDump();
}

TEST_F(HazardTest, RestDays) {
  game.soundFlag = 'y';
  game.currentSide = player;
  console.Force({2});
  TakeRestDay();
  EXPECT_EQ(RowText(3), "You are taking a day off to play golf with your press secretary");
  EXPECT_EQ(console.clips(), (std::vector<std::string>{"data\\gosw.wav", "data\\goba.wav"}));

  ClearScreen();
  game.currentSide = computer;
  console.Force({4});
  TakeRestDay();
  EXPECT_EQ(RowText(3), "I am resting today.  I am going to Go  to a loud rock concert");
  EXPECT_EQ(console.clips().back(), "data\\rock.wav");

  game.soundFlag = 'n';
  console.Force({4, 2});
  TakeRestDay();
  game.currentSide = player;
  TakeRestDay();
  EXPECT_EQ(console.clips().size(), 3u);
}

// A rest day falls only on its remainders and takes the move.
TEST_F(HazardTest, RestDayTakesThePlayersMove) {
  game.turnCount = 4;  // the take-off makes it 5
  game.player.position = 1;
  console.Type("\r");
  console.Force({0, 3, 6});  // distance 1, rest day, activity 7
  RunUntilIdle([] { TurnLoop(); });
  EXPECT_EQ(game.turnCount, 5);
  EXPECT_EQ(game.player.position, 1);
  EXPECT_TRUE(ShowsAt(17, 21, "Please launch  me ")) << ScreenDump();
  EXPECT_EQ(RowText(3), "You are taking a day off to play cards with your speech writer");
}

}  // namespace
}  // namespace ballotrek::testing
