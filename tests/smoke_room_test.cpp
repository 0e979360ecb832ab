#include "console/console.h"
#include "events/events.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class SmokeRoomTest : public GameTest {};

// A side held in the room (still held when its turn ended the game), owning the state at `state`
// (none at 0); the other side has `other` votes, or came in too when that is -1. Sound is on.
TEST_F(SmokeRoomTest, WaysOutAndReasonsToStayForEachSide) {
  // clang-format off
  const std::tuple<int, int, int, const char*, std::vector<int>, const char*, int, const char*,
                   bool> cases[] = {
      {player, 0, -1, "", {}, "smro", 2, "you crouched down and scampered out the door", false},
      {player, 0, 0, "", {18}, "smro", 2, "Slick move!  You snuck out behind a big fat guy", false},
      {player, 0, 0, "", {17, 0}, "", 2, "Oh Al, you are stuck in that putrid room", true},
      {player, 1, 0, "xN", {0, 3}, "", 2, "Have some champagne and caviar Al, you are not", true},
      {player, 1, 0, "y\r", {0, 0}, "chal smin", 15, "Too bad Al you give me Virginia and its 13",
       false},
      {player, 1, 260, "y\r", {0, 0}, "chal smin hail", 3, "                    I beat you Al",
       true},
      {computer, 0, -1, "", {}, "smro", 2, "thanks Al, he he he he he he he he you came in", false},
      {computer, 0, 0, "", {18}, "smro", 2, "oh baby, I bolted out during a toast to Herbert", false},
      {computer, 0, 0, "", {0, 5}, "", 1, "I am in the smoke filled room and have no states to", true},
      {computer, 65, 0, "", {0, 6, 1}, "", 2, "I am surrounded by windbags but I must stay", true},
      {computer, 65, 239, "\r", {0, 5, 0}, "chal smin", 15, "Darn it Al, I must give you Washing",
       false},
      {computer, 65, 240, "", {0, 0, 0}, "", 1, "I am  in the smoke filled room", true},
      {computer, 41, 239, "\r", {0, 0, 0}, "chal smin hail", 3, "                     Congratulat",
       true}};
  // clang-format on
  for (const auto& [side, state, other, keys, draws, clips, row, line, stays] : cases) {
    SCOPED_TRACE(line);
    ScriptedConsole fresh;
    ResetGameState();
    game.firstName = "Al";
    game.soundFlag = 'y';
    game.currentSide = side;
    CandidateOf(side) = {100, BoardTable[state].electoralVotes, SmokeRoomPosition, true};
    if (state > 0) game.owner[state] = side;
    CandidateOf(side == player ? computer : player) = {100, std::max(other, 0), 0, other < 0};
    fresh.Type(keys);
    fresh.Force(draws);
    RunUntilIdle(RunSmokeRoomTurn);
    EXPECT_TRUE(ShowsAt(1, row, line)) << ScreenDump();
    std::string played;
    for (const std::string& clip : fresh.clips()) played += clip.substr(5, 4) + " ";
    EXPECT_EQ(played, *clips ? std::string(clips) + " " : "");
    EXPECT_EQ(CandidateOf(side).inSmokeRoom, stays);
    EXPECT_TRUE(state == 0 || row == 3 || game.owner[state] == (stays ? side : 3 - side));
    EXPECT_TRUE(fresh.keysLeft() == 0 && fresh.AllForcedUsed());
  }
}

}  // namespace
}  // namespace ballotrek::testing
