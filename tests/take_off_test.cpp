#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "console/console.h"
#include "engine/engine.h"
#include "model/frozen_game.h"
#include "model/game_state.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

// Logs draws and clips in the order they happen, noting whether the screen
// was already clear when a clip started.
class OrderLoggingConsole : public ScriptedConsole {
 public:
  int Next() override {
    log.push_back("draw");
    return ScriptedConsole::Next();
  }
  void Play(std::string_view path) override {
    log.push_back(std::string(path) + (RowText(21).empty() ? " on a clear screen" : " early"));
    ScriptedConsole::Play(path);
  }
  std::vector<std::string> log;
};

class TakeOffTest : public GameTest {
 protected:
  // True when the call still waits for a key once the scripted ones ran out.
  bool StillWaiting(const std::function<void()>& call) {
    bool returned = false;
    RunUntilIdle([&] {
      call();
      returned = true;
    });
    return !returned;
  }
};

TEST_F(TakeOffTest, EnterClearsTheScreenAndReturnsADistanceFromOneToTen) {
  game.currentSide = player;
  for (auto [forced, distance] : {std::pair{0, 1}, {9, 10}, {19, 10}}) {
    GotoXY(1, 3);
    Write("You have landed in Virginia");
    console.Type("z\r");
    console.Force({forced});
    EXPECT_EQ(TakeOff(), distance);
    EXPECT_EQ(RowText(3), "");
  }
  EXPECT_TRUE(console.clips().empty()) << "sound is off in a new game";
}

TEST_F(TakeOffTest, TheDistanceIsDrawnAfterTheTakeOffClipOfTheSide) {
  for (auto [side, clip] : {std::pair{player, "data\\plwh.wav"}, {computer, "data\\cowh.wav"}}) {
    OrderLoggingConsole logging;
    game.currentSide = side;
    game.soundFlag = 'y';
    logging.Type("\r");
    logging.Force({3});
    EXPECT_EQ(TakeOff(), 4);
    EXPECT_EQ(logging.log,
              (std::vector<std::string>{clip + std::string(" on a clear screen"), "draw"}));
  }
}

TEST_F(TakeOffTest, EachSideHasItsPromptAndListKeysInEitherCaseShowTheirList) {
  game.currentSide = player;
  console.Type("z");
  console.TypeKey(kKeySpecial);
  EXPECT_TRUE(StillWaiting(TakeOff));
  EXPECT_EQ(RowText(21), std::string(16, ' ') + "Your takeoff");
  EXPECT_EQ(console.millisecondsWaited(), 600) << "the prompt is drawn again after each key";

  game.currentSide = computer;
  EXPECT_TRUE(StillWaiting(TakeOff));
  EXPECT_TRUE(ShowsAt(17, 21, "Please launch  me "));

  for (auto [key, heading] : {std::pair{"U", "Here are the unclaimed"},
                              {"u", "Here are the unclaimed"},
                              {"P", "Here are your"},
                              {"c", "Here are my"},
                              {"b", "Here is the"}}) {
    console.Type(key);
    EXPECT_TRUE(StillWaiting(TakeOff));
    EXPECT_TRUE(ShowsAt(1, 1, heading)) << key;
  }
}

TEST_F(TakeOffTest, SoundKeyTogglesOnlyAYesOrNoSetting) {
  struct Case {
    char before;
    const char* keys;
    char after;
    std::string shown;
  };
  const Case cases[] = {{'y', "s", 'n', "* Sound off *"},
                        {'n', "S", 'y', "* Sound on *"},
                        {'y', "ss", 'y', "* Sound on *"},
                        {'n', "ss", 'n', "* Sound off *"},
                        {0, "s", 0, ""}};
  game.currentSide = player;
  for (const Case& c : cases) {
    ClearScreen();
    game.soundFlag = c.before;
    console.Type(c.keys);
    EXPECT_TRUE(StillWaiting(TakeOff));
    EXPECT_EQ(game.soundFlag, c.after) << c.keys;
    EXPECT_EQ(RowText(20), c.shown.empty() ? "" : std::string(16, ' ') + c.shown) << c.keys;
  }
}

TEST_F(TakeOffTest, FreezeQuestionAndHelpScreenReturnToThePrompt) {
  game.currentSide = player;
  console.Type("fN");
  EXPECT_TRUE(StillWaiting(TakeOff));
  EXPECT_EQ(RowText(19), "") << "the question is cleared away";
  EXPECT_TRUE(ShowsAt(17, 21, "Your takeoff  "));
  EXPECT_FALSE(std::filesystem::exists(kFrozenGameFile));

  console.Type("fx\r");
  EXPECT_TRUE(StillWaiting(TakeOff)) << "X and Enter only repeat the question";
  EXPECT_TRUE(ShowsAt(17, 19, "Want to freeze the game?  Y or N  "));

  // C on the help screen only closes it: a list would still wait for the space bar.
  console.Type("hc\r");
  console.Force({0});
  EXPECT_EQ(TakeOff(), 1);
}

TEST_F(TakeOffTest, HelpScreenListsTheLettersAndReturnsTheChosenOne) {
  game.firstName = "Ann";
  console.Type("d");
  EXPECT_TRUE(StillWaiting(ShowHelp));
  EXPECT_EQ(RowText(2), "I will help you Ann");
  EXPECT_EQ(RowText(6), "");
  EXPECT_EQ(RowText(7), "U = A list of the unclaimed states and their electoral votes.");
  EXPECT_EQ(RowText(14), "D = A stiff drink.");
  EXPECT_EQ(RowText(23), "Come on Ann, you know I am only kidding");
  EXPECT_TRUE(ShowsAt(1, 24, "Press the letter of your choice "));

  for (char key : std::string("uPcBsfn\x1b")) {
    console.Type(std::string("dxh\r") + key);
    EXPECT_EQ(ShowHelp(), LowerKey(key));
    EXPECT_EQ(RowText(2), "") << "the help screen is cleared on leaving";
  }
}

TEST_F(TakeOffTest, RollForOutcomeWaitsForEnterThenDraws) {
  console.Type("x\x1b");
  EXPECT_TRUE(StillWaiting([] { RollForOutcome(1); }));
  EXPECT_TRUE(ShowsAt(17, 21, "Press Enter  for outcome \x1E "));

  GotoXY(17, 22);
  Write("an old outcome");
  console.Type("\r");
  console.Force({41});
  EXPECT_EQ(RollForOutcome(1), 1);
  EXPECT_EQ(RowText(22), "");
  EXPECT_TRUE(console.clips().empty());

  game.soundFlag = 'y';
  console.Type("\r");
  console.Force({9});
  EXPECT_EQ(RollForOutcome(6), 4);
  EXPECT_EQ(console.clips(), std::vector<std::string>{"data\\chal.wav"});
}

}  // namespace
}  // namespace ballotrek::testing
