#include <set>

#include "console/console.h"
#include "engine/engine.h"
#include "events/events.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class TriviaTest : public GameTest {};

TEST_F(TriviaTest, TwentyEightFactsOnceEach) {
  std::set<std::string> facts;
  for (int i = 0; i < 28; ++i) {
    ClearScreen();
    ShowTrivia();
    facts.insert(RowText(17) + "|" + RowText(18));
  }
  EXPECT_EQ(facts.size(), 28u);
  for (int slot : game.triviaDeck.slots) EXPECT_EQ(slot, 0);
}

// The interlude after the player's take-off; with sound on, the take-off clip
// plays before a voice.
TEST_F(TriviaTest, InterludeSchedule) {
  const std::tuple<int, char, bool, bool> cases[] = {
      {3, 'n', false, true},  {6, 'n', false, false}, {6, 'y', true, false},
      {13, 'y', false, true}, {16, 'y', true, false}, {5, 'y', false, false}};
  for (const auto& [turnCount, sound, voice, fact] : cases) {
    SCOPED_TRACE(std::to_string(turnCount) + sound);
    ScriptedConsole fresh;
    ResetGameState();
    game.turnCount = turnCount - 1;  // the take-off counts one more
    game.soundFlag = sound;
    game.player.position = 20;
    fresh.Type("\r");
    fresh.Force({0, 0, 0, 0});
    RunUntilIdle([] { TurnLoop(); });
    EXPECT_EQ(fresh.clips().size() == 2, voice);
    EXPECT_EQ(RowText(1).rfind("President ", 0) == 0, voice);
    EXPECT_EQ(game.voiceDeck.slots[0] != 0, voice);
    EXPECT_EQ(!RowText(17).empty(), fact);
  }
}

}  // namespace
}  // namespace ballotrek::testing
