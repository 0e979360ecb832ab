// Every landing, the keys of the take-off prompt, the map and the race remark, as the player sees
// and hears them, against the files in tests/golden.
#include <string>

#include "engine/engine.h"
#include "events/events.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

using GoldenTest = GameTest;

// Each side flies one square onto each square of the board, the player buying each state or
// trying for it, and goes on until the game waits for a key; the computer flies after the player
// lands on a state of its own.
TEST_F(GoldenTest, EveryLandingOfEachSide) {
  std::string seen;
  for (int side : {player, computer}) {
    for (int square = 1; square <= kLastPosition; ++square) {
      FreshGame(player);
      CandidateOf(side).position = square - 1;
      if (side == computer) {
        game.player.position = square < 30 ? 40 : 10;
        SetOwner(game.player.position + 1, player);
      }
      const bool tries = BoardTable[square].kind == PositionKind::TryState;
      const std::string keys = side == computer ? "\r\r" : tries ? "\ry\r" : "\ry";
      seen += (side == player ? "== the player on " : "== the computer on ") +
              std::to_string(square) + "\n" +
              Play(TurnLoop, keys, side == player ? std::vector{0} : std::vector{0, 0, 0});
    }
  }
  EXPECT_TRUE(MatchesGolden("landings", seen));
}

// The keys of the take-off prompt and of its help screen, each run from a fresh prompt; then the
// map, each state at its place in the marks and the colour of its owner in the record ([player],
// <computer>, bare when unclaimed), its votes below, between the jets' marks.
TEST_F(GoldenTest, EveryKeyAtTheTakeOffPromptAndTheWholeMap) {
  std::string seen;
  for (const char* typed : {"h", "hd", "hm", "hn", "hS", "f", "fn", "s", "sS", "u", "p", "c", "b",
                            "m", "m ", "x", "\x1b", "\x03n"}) {
    FreshGame(player);
    SetOwner(3, player);
    SetOwner(7, computer);
    seen += "== " + std::string(typed) + "\n" + Play(TakeOff, typed);
  }
  EXPECT_TRUE(MatchesGolden("take-off", seen));
  ResetGameState();
  for (int position = 1; position <= kLastPosition; ++position)
    if (BoardTable[position].electoralVotes > 0 && position % 3 != 0)
      SetOwner(position, position % 3);
  game.player.position = 49;
  game.computer.position = 39;
  EXPECT_TRUE(MatchesGolden("map", Play(TakeOff, "m")));
}

// The race remark at each edge of its bands of the lead.
TEST_F(GoldenTest, RaceRemarkAtEachEdgeOfItsBands) {
  std::string seen;
  for (int lead : {-150, -100, -99, -50, -49, -11, -10, -1, 0, 1, 9, 10, 49, 50, 99, 100, 150}) {
    FreshGame(player);
    game.player.votes = 150 + lead;
    game.computer.votes = 150;
    Play(CommentOnRace);
    seen += std::to_string(lead) + ":" + RowText(19) + "\n";
  }
  EXPECT_TRUE(MatchesGolden("race", seen));
}

}  // namespace
}  // namespace ballotrek::testing
