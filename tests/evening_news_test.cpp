#include "console/console.h"
#include "events/events.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class EveningNewsTest : public GameTest {};

// Both sides start with one state: Virginia (13) and West Virginia (5). The
// story starts at column 25 of row 5; the first draw n deals story n + 1.
TEST_F(EveningNewsTest, EachKindOfStoryForEachSide) {
  // The side, who stands in the room, the side's votes and money afterwards, the draws, and a
  // line at column 1 of its row.
  // clang-format off
  const std::tuple<int, int, int, float, std::vector<int>, int, const char*> cases[] = {
      {player, NoSide, 13, 102, {2, 1}, 7, "Things are going well for you Al"},
      {player, NoSide, 13, 93, {3, 0}, 7, "How unfortunate"},
      {computer, NoSide, 5, 104, {26, 0}, 7, "Hooray for me and my party"},
      {computer, NoSide, 5, 98, {5, 2}, 8, "Al, this is stinking yellow journalism"},
      {player, NoSide, 23, 100, {12, 14, 0}, 11, "You win Maryland and its 10 votes Al"},
      {computer, NoSide, 26, 100, {10, 0, 10, 20}, 12, "I also take Wisconsin and its 10 votes"},
      {player, NoSide, 27, 100, {16, 0, 0, 5}, 11, "You win New Jersey and its 14 votes Al"},
      {computer, NoSide, 31, 100, {18, 0, 2, 10, 20, 30}, 13, "And I get Nebraska and its 5 votes"},
      {player, NoSide, 0, 100, {1, 11, 0}, 7, "Poor Al, your campaign  is fading fast"},
      {computer, NoSide, 0, 100, {15, 2, 0}, 14, "Darn it Al, I must give you West Virginia and"},
      {player, computer, 13, 100, {11}, 7, "However, I am stuck in this room and cannot take any"},
      {computer, player, 5, 100, {13}, 7, "But Al, you cannot take any states in that room"}};
  // clang-format on
  for (const auto& [side, inRoom, votes, money, draws, row, line] : cases) {
    SCOPED_TRACE(line);
    ScriptedConsole fresh;
    ResetGameState();
    game.firstName = "Al";
    game.player = {100, 13, inRoom == player ? SmokeRoomPosition : 0};
    game.computer = {100, 5, inRoom == computer ? SmokeRoomPosition : 0};
    game.owner[1] = player;
    game.owner[2] = computer;
    game.currentSide = side;
    GotoXY(1, 20);
    Write(std::string(80, 'x'));  // the standing line clears what stood in its place
    fresh.Type("\r");
    fresh.Force(draws);
    RunUntilIdle(RunEveningNews);
    EXPECT_TRUE(ShowsAt(1, row, line)) << ScreenDump();
    EXPECT_EQ(RowText(20).find('x', 16), 66u);
    EXPECT_TRUE(inRoom == NoSide || RowText(8).empty());  // no remark on a refused loss
    EXPECT_EQ(CandidateOf(side).money, money);
    EXPECT_EQ(CandidateOf(side).votes, votes);
    EXPECT_TRUE(VotesMatchOwners());
    EXPECT_TRUE(fresh.AllForcedUsed());
  }
}

}  // namespace
}  // namespace ballotrek::testing
