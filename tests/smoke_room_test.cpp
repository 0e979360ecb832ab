#include <set>

#include "console/console.h"
#include "events/events.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class SmokeRoomTest : public GameTest {
 protected:
  // A new game with the side in the room, owning the state at position (0 for none), on its turn.
  void Hold(int side, int position) {
    ResetGameState();
    ClearScreen();
    game.firstName = "Al";
    game.currentSide = side;
    CandidateOf(side) = {100, BoardTable[position].electoralVotes, SmokeRoomPosition, true};
    if (position > 0) game.owner[position] = side;
  }
};

TEST_F(SmokeRoomTest, WaysOutAndReasonsToStayForEachSide) {
  // other is -1 when the other side came in too, else its votes; the side owns the state
  // at position state (none at 0).
  const std::tuple<int, int, int, bool, std::vector<int>, const char*, const char*> cases[] = {
      {player, 0, -1, false, {}, "", "scampered out the door when I came in"},
      {player, 0, 0, false, {18}, "", "Slick move!  You snuck out"},
      {player, 0, 0, true, {17, 0}, "", "Oh Al, you are stuck in that putrid room"},
      {player, 1, 0, true, {0, 3}, "xN", "Have some champagne and caviar Al"},
      {player, 1, 0, false, {0, 0}, "y\r", "Too bad Al you give me Virginia"},
      {computer, 0, -1, false, {}, "", "you came in and I snuck out behind you"},
      {computer, 0, 0, false, {19}, "", "oh baby, I bolted out during a toast"},
      {computer, 0, 0, true, {0, 5}, "", "and have no states to give up"},
      {computer, 65, 0, true, {0, 6, 1}, "", "I am surrounded by windbags"},
      {computer, 65, 0, false, {0, 5, 0}, "\r", "I must give you Washington DC"},
      {computer, 65, 240, true, {0, 0, 0}, "", "I am  in the smoke filled room"}};
  for (const auto& [side, state, other, stays, draws, keys, line] : cases) {
    SCOPED_TRACE(line);
    Hold(side, state);
    const int otherSide = side == player ? computer : player;
    CandidateOf(otherSide) = {100, std::max(other, 0), 0, other < 0};
    console.Type(keys);
    for (int draw : draws) console.Force({draw});
    RunSmokeRoomTurn();
    EXPECT_NE(ScreenDump().find(line), std::string::npos) << ScreenDump();
    EXPECT_EQ(CandidateOf(side).inSmokeRoom, stays);
    EXPECT_TRUE(state == 0 || game.owner[state] == (stays ? side : otherSide));
    EXPECT_TRUE(console.keysLeft() == 0 && console.AllForcedUsed());
  }
}

TEST_F(SmokeRoomTest, GiveUpThatDecidesTheGameEndsIt) {
  Hold(player, 1);
  game.computer.votes = 260;
  console.Type("y\r");
  console.Force({0, 0});
  RunUntilIdle([] { RunSmokeRoomTurn(); });
  EXPECT_TRUE(ShowsAt(21, 3, "I beat you Al fair and square!")) << ScreenDump();
}

TEST_F(SmokeRoomTest, EightScenesInARowAreAllDifferent) {
  std::set<std::string> scenes;
  for (int i = 0; i < 8; ++i) {
    ClearScreen();
    ShowRoomScene();
    scenes.insert(RowText(2));
  }
  EXPECT_EQ(scenes.size(), 8u);
}

}  // namespace
}  // namespace ballotrek::testing
