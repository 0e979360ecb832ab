// The Windows build under wine, driven as a player would: start-up, take-off, a list, freezing,
// resuming, conceding, and the console given back each time. Not here, because wine cannot do them:
// resizing (wine's console sends no resize events) and keys that start with Escape (wine turns
// Escape followed at once by a letter into Alt and the letter), so every Escape below waits for its
// answer. The terminal's settings and signals belong to wine's console, not to the game, and are
// left to the native end-to-end tests.
#include <gtest/gtest.h>

#include "tests/e2e/pty_session.h"

namespace ballotrek::e2e {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kWine{20000};  // wine starts slowly on a busy machine
constexpr std::string_view kTakeOffPrompt = "Your takeoff  ";
constexpr std::string_view kExitPrompt = "Press ESCAPE to exit ";

class WineE2eTest : public PtyTest {
 protected:
  PtySession& Start() { return Run("wine", {.arguments = {BALLOTREK_EXE}}); }

  // Leaves the last screen by Escape: the game ends well and the console's own buffer, blank here,
  // is shown again.
  void Exit() {
    ASSERT_TRUE(game_->Shows(34, 22, kExitPrompt, kWine));
    game_->Send("\x1B");
    EXPECT_EQ(game_->WaitForExit(kWine), 0) << game_->ScreenText(true);
    game_->Settle();
    EXPECT_TRUE(game_->WaitUntil([&] {
      return game_->ScreenText().find_first_not_of('\n') == std::string::npos;
    })) << game_->ScreenText(true);
  }
};

TEST_F(WineE2eTest, PlaysFreezesResumesAndConcedes) {
  ASSERT_TRUE(Start().Walk({{"", 23, 21, "Do you want instructions?  Y or N  "},
                            {"n", 23, 21, "Do you want sound effects?  Y or N     "},
                            {"n", 10, 21, "What is your first name?  "},
                            {"Pat\r", 10, 21, "What is the name of your party?"},
                            {"Blue\r", 17, 21, kTakeOffPrompt},
                            {"u", 1, 22, "There are 51 unclaimed states worth 538 votes"},
                            {" ", 17, 21, kTakeOffPrompt},
                            {"f", 17, 19, "Want to freeze the game?  Y or N  "},
                            {"y", 16, 12, "GAME HAS BEEN FROZEN!  COME BACK FOR CONCLUSION"}},
                           kWine));
  Exit();
  ASSERT_TRUE(Start().Walk(
      {{"", 23, 21, "Resume frozen game  or begin new game, R or B? "},
       {"r", 1, 7, "You and your Blue party can go first Pat"},
       {"n", 23, 21, "Do you want sound effects?  Y or N     "},
       {"n", 17, 21, kTakeOffPrompt},
       {"\x1B", 17, 21, "are you throwing in the towel Pat?  y or n  "},
       {"y", 18, 11, "I win with 538 electoral votes, you lose with 0 electoral votes"}},
      kWine));
  Exit();
}

}  // namespace
}  // namespace ballotrek::e2e
