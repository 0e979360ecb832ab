// The Windows build under wine, driven as a player would: start-up, take-off,
// a list, freezing, resuming, conceding, and the console given back each time.
// Not here, because wine cannot do them: resizing (wine's console sends no
// resize events) and keys that start with Escape (wine turns Escape followed
// at once by a letter into Alt and the letter), so every Escape below waits
// for its answer. The terminal's settings and signals belong to wine's
// console, not to the game, and are left to the native end-to-end tests.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>

#include "tests/e2e/pty_session.h"

namespace ballotrek::e2e {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kWine{20000};  // wine starts slowly on a busy machine
constexpr std::string_view kTakeOffPrompt = "Your takeoff  ";
constexpr std::string_view kExitPrompt = "Press ESCAPE to exit ";

class WineE2eTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "ballotrek-wine-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
  }

  void TearDown() override {
    game_.reset();
    std::filesystem::remove_all(directory_);
  }

  PtySession& Start() {
    game_ = std::make_unique<PtySession>("wine", directory_.string(),
                                         PtyOptions{.arguments = {BALLOTREK_EXE}});
    return *game_;
  }

  ::testing::AssertionResult Shows(int column, int row, std::string_view text,
                                   milliseconds timeout = kWine) {
    if (game_->WaitForText(column, row, text, timeout)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "\"" << text << "\" is not at column " << column << ", row " << row << "\n"
           << game_->ScreenText(true);
  }

  // Leaves the last screen by Escape: the game ends well and the console's
  // own buffer, blank here, is shown again.
  void Exit() {
    ASSERT_TRUE(Shows(34, 22, kExitPrompt));
    game_->Send("\x1B");
    EXPECT_EQ(game_->WaitForExit(kWine), 0) << game_->ScreenText(true);
    game_->Settle();
    EXPECT_TRUE(game_->WaitUntil([&] {
      return game_->ScreenText().find_first_not_of('\n') == std::string::npos;
    })) << game_->ScreenText(true);
  }

  std::filesystem::path directory_;
  std::unique_ptr<PtySession> game_;
};

TEST_F(WineE2eTest, PlaysFreezesResumesAndConcedes) {
  PtySession& game = Start();
  ASSERT_TRUE(Shows(23, 21, "Do you want instructions?  Y or N  "));
  game.Send("n");
  ASSERT_TRUE(Shows(23, 21, "Do you want sound effects?  Y or N     "));
  game.Send("n");
  ASSERT_TRUE(Shows(10, 21, "What is your first name?  "));
  game.Send("Pat\r");
  ASSERT_TRUE(Shows(10, 21, "What is the name of your party?"));
  game.Send("Blue\r");
  ASSERT_TRUE(Shows(17, 21, kTakeOffPrompt));
  game.Send("u");
  EXPECT_TRUE(Shows(1, 22, "There are 51 unclaimed states worth 538 votes"));
  game.Send(" ");
  ASSERT_TRUE(Shows(17, 21, kTakeOffPrompt));
  game.Send("f");
  ASSERT_TRUE(Shows(17, 19, "Want to freeze the game?  Y or N  "));
  game.Send("y");
  EXPECT_TRUE(Shows(16, 12, "GAME HAS BEEN FROZEN!  COME BACK FOR CONCLUSION"));
  Exit();

  PtySession& again = Start();
  ASSERT_TRUE(Shows(23, 21, "Resume frozen game  or begin new game, R or B? "));
  again.Send("r");
  EXPECT_TRUE(Shows(1, 7, "You and your Blue party can go first Pat"));
  again.Send("n");
  ASSERT_TRUE(Shows(23, 21, "Do you want sound effects?  Y or N     "));
  again.Send("n");
  ASSERT_TRUE(Shows(17, 21, kTakeOffPrompt));
  again.Send("\x1B");
  ASSERT_TRUE(Shows(17, 21, "are you throwing in the towel Pat?  y or n  "));
  again.Send("y");
  EXPECT_TRUE(Shows(18, 11, "I win with 538 electoral votes, you lose with 0 electoral votes"));
  Exit();
}

}  // namespace
}  // namespace ballotrek::e2e
