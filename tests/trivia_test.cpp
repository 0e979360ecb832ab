#include <gtest/gtest.h>

#include <set>

#include "console/console.h"
#include "engine/engine.h"
#include "events/events.h"
#include "model/game_state.h"
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

TEST_F(TriviaTest, TwoLineFactsContinueOnRow18) {
  console.Force({5});
  ShowTrivia();
  EXPECT_EQ(RowText(17), "The only President who assumed office without  being elected");
  EXPECT_EQ(RowText(18), "President or vice president was Gerald Ford");
  ClearScreen();  // as the take-off before it does
  console.Force({0});
  ShowTrivia();
  EXPECT_EQ(RowText(17), "Eight Presidents never attended college");
  EXPECT_EQ(RowText(18), "");
  EXPECT_EQ(console.millisecondsWaited(), 2000);
}

TEST_F(TriviaTest, VoiceClipThenItsCaption) {
  console.Force({11});
  PlayVoiceClip();
  EXPECT_EQ(console.clips(), std::vector<std::string>{"data\\gb.wav"});
  EXPECT_EQ(RowText(1), "President George H.W. Bush");
}

// Which interlude comes on which take-off, with sound on and off.
TEST_F(TriviaTest, InterludeSchedule) {
  struct Case {
    int turnCount;  // after the take-off
    char sound;
    bool clip;
    bool fact;
  };
  const Case cases[] = {
      {3, 'n', false, true},  {6, 'n', false, false}, {6, 'y', true, false},
      {13, 'y', false, true}, {16, 'y', true, false}, {26, 'n', false, false},
      {5, 'y', false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.turnCount);
    ResetGameState();
    game.turnCount = c.turnCount - 1;
    game.soundFlag = c.sound;
    game.player.position = 20;
    const std::size_t clipsBefore = console.clips().size();
    console.Type("\r");
    console.Force({0, 0, 0, 0});
    RunUntilIdle([] { TurnLoop(); });
    // The take-off clip comes first with sound on.
    const std::size_t voices = console.clips().size() - clipsBefore;
    EXPECT_EQ(voices == 2, c.clip);
    EXPECT_EQ(RowText(1).rfind("President ", 0) == 0, c.clip);
    EXPECT_EQ(game.voiceDeck.slots[0] != 0, c.clip);
    EXPECT_EQ(!RowText(17).empty(), c.fact);
  }
}

}  // namespace
}  // namespace ballotrek::testing
