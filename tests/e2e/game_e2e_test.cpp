// The built game driven through a pseudo-terminal: what a player sees and
// types, and the terminal handed back afterwards.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "tests/e2e/pty_session.h"

namespace ballotrek::e2e {
namespace {

using std::chrono::milliseconds;

constexpr std::string_view kTakeOffPrompt = "Your takeoff  ";
constexpr std::string_view kConcedeQuestion = "are you throwing in the towel Pat?  y or n  ";
constexpr std::string_view kInstructionsQuestion = "Do you want instructions?  Y or N  ";
constexpr std::string_view kExitPrompt = "Press ESCAPE to exit ";
constexpr std::string_view kEscape = "\x1B";

class GameE2eTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "ballotrek-e2e-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
  }

  void TearDown() override {
    game_.reset();
    std::filesystem::remove_all(directory_);
  }

  PtySession& Start(const PtyOptions& options = {}) {
    game_ = std::make_unique<PtySession>(Installed() ? Installed() : BALLOTREK_BINARY,
                                         directory_.string(), options);
    return *game_;
  }

  // Through the start-up questions to the first take-off, as Pat of the
  // Blue party, with sound off.
  PtySession& StartAtTakeOff(const PtyOptions& options = {}) {
    PtySession& game = Start(options);
    EXPECT_TRUE(Shows(23, 21, kInstructionsQuestion));
    game.Send("n");
    EXPECT_TRUE(Shows(23, 21, "Do you want sound effects?  Y or N     "));
    game.Send("n");
    EXPECT_TRUE(Shows(10, 21, "What is your first name?  "));
    game.Send("Pat\r");
    EXPECT_TRUE(Shows(10, 21, "What is the name of your party?"));
    game.Send("Blue\r");
    EXPECT_TRUE(Shows(17, 21, kTakeOffPrompt));
    return game;
  }

  ::testing::AssertionResult Shows(int column, int row, std::string_view text,
                                   milliseconds timeout = kDefaultTimeout) {
    if (game_->WaitForText(column, row, text, timeout)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "\"" << text << "\" is not at column " << column << ", row " << row << "\n"
           << game_->ScreenText(true);
  }

  // An installed game to try instead of the one just built, started from an
  // empty folder: BALLOTREK_INSTALLED names its executable and
  // BALLOTREK_INSTALLED_CLIPS the folder its clips were installed in.
  static const char* Installed() { return std::getenv("BALLOTREK_INSTALLED"); }

  std::filesystem::path directory_;
  std::unique_ptr<PtySession> game_;
};

// The parts of the terminal's settings that a program may change.
auto Settings(const termios& t) {
  return std::tuple(t.c_iflag, t.c_oflag, t.c_cflag, t.c_lflag,
                    std::vector<cc_t>(t.c_cc, t.c_cc + NCCS), cfgetospeed(&t));
}

TEST_F(GameE2eTest, TakeOffKeysShowListsHelpAndSound) {
  PtySession& game = StartAtTakeOff();

  game.Send("u");
  EXPECT_TRUE(Shows(1, 1, "Here are the unclaimed states and their electoral votes:"));
  EXPECT_TRUE(Shows(1, 22, "There are 51 unclaimed states worth 538 votes"));
  ASSERT_TRUE(Shows(1, 24, "Press space bar when ready "));
  game.Send(" ");
  ASSERT_TRUE(Shows(17, 21, kTakeOffPrompt));

  game.Send("b");
  ASSERT_TRUE(Shows(1, 2, "Virginia  13"));
  game.Send(" ");
  ASSERT_TRUE(Shows(17, 21, kTakeOffPrompt));

  game.Send("h");
  EXPECT_TRUE(Shows(1, 2, "I will help you "));
  ASSERT_TRUE(Shows(1, 24, "Press the letter of your choice "));
  game.Send("n");
  ASSERT_TRUE(Shows(17, 21, kTakeOffPrompt));

  game.Send("s");
  EXPECT_TRUE(Shows(17, 20, "* Sound on * "));
  game.Send("S");
  EXPECT_TRUE(Shows(17, 20, "* Sound off *"));
  EXPECT_TRUE(Shows(17, 21, kTakeOffPrompt));
}

TEST_F(GameE2eTest, ConcedingShowsTheResultAndEndsOnEscape) {
  PtySession& game = StartAtTakeOff();

  game.Send(kEscape);
  ASSERT_TRUE(Shows(17, 21, kConcedeQuestion));
  game.Send("y");
  EXPECT_TRUE(Shows(23, 3, "You have conceded defeat Pat!"));
  EXPECT_TRUE(Shows(18, 11, "I win with 538 electoral votes, you lose with 0 electoral votes"));
  ASSERT_TRUE(Shows(34, 22, kExitPrompt, milliseconds(8000)));

  game.Send(kEscape);
  EXPECT_EQ(game.WaitForExit(), 0) << game.ScreenText(true);
  EXPECT_EQ(Settings(game.InitialSettings()), Settings(game.TerminalSettings()));
}

// Raw mode while playing (so that Control-C is a key), and the settings the
// game found when it is gone, even when it was killed mid-game.
TEST_F(GameE2eTest, TerminalIsRawWhilePlayingAndRestoredWhenKilled) {
  PtySession& game = StartAtTakeOff();

  const termios playing = game.TerminalSettings();
  EXPECT_EQ(playing.c_lflag & (ISIG | ICANON | ECHO), 0u);
  EXPECT_EQ(playing.c_iflag & (ICRNL | IXON), 0u);

  kill(game.pid(), SIGTERM);
  EXPECT_EQ(game.WaitForExit(), 128 + SIGTERM);
  EXPECT_EQ(Settings(game.InitialSettings()), Settings(game.TerminalSettings()));
}

// Under nohup the hang-up signal is ignored; the game must still notice that
// its input is gone instead of waiting for keys that never come.
TEST_F(GameE2eTest, LostInputEndsTheGameWhenHangUpsAreIgnored) {
  StartAtTakeOff({.ignoreHangUp = true});
  game_->HangUp();
  EXPECT_EQ(game_->WaitForExit(), 1);
}

// Waiting for a key or through a pause sleeps; it never spins.
TEST_F(GameE2eTest, WaitingUsesNoProcessorTime) {
  PtySession& game = StartAtTakeOff();
  game.Settle();
  const milliseconds atPrompt = game.ProcessorTime();
  game.Settle(milliseconds(1000));
  EXPECT_LT(game.ProcessorTime() - atPrompt, milliseconds(250));

  game.Send("\r");  // the jet flies for a few seconds before it lands
  game.Settle(milliseconds(300));
  const milliseconds flying = game.ProcessorTime();
  game.Settle(milliseconds(1000));
  EXPECT_LT(game.ProcessorTime() - flying, milliseconds(250));
  EXPECT_TRUE(Shows(1, 3, "You have landed in ", milliseconds(8000)));
}

// Arrow, function and Alt keys arrive as escape sequences; none may be taken
// for Escape (the concede question) or for the letters inside them (H, B and
// U would open the help, the board and the list). A terminal too small for
// the board gets a request to enlarge it and keys are ignored. Either way the
// game stays as it was and still takes Escape and Control-C.
TEST_F(GameE2eTest, SpecialKeysAndASmallTerminalLeaveTheGameAsItWas) {
  PtySession& game = StartAtTakeOff();
  game.Settle();
  const std::string before = game.ScreenText();
  const auto unchanged = [&] { return game.ScreenText() == before; };

  // A key taken wrongly leaves a screen that waits for an answer; a key
  // taken rightly only redraws the prompt, after its pause.
  for (std::string_view key : {"\x1B[A", "\x1BOA", "\x1B[H", "\x1BOH", "\x1B[1;5B", "\x1B[15~",
                               "\x1BOP", "\x1BOu", "\xC3\xA9"}) {
    game.Send(key);
    game.Settle();
    EXPECT_TRUE(game.WaitUntil(unchanged, milliseconds(2000)))
        << "after the key " << ::testing::PrintToString(std::string(key)) << "\n"
        << game.ScreenText(true);
  }

  game.Resize(60, 20);
  ASSERT_TRUE(Shows(1, 1, "Ballotrek needs a terminal of 80 columns by 25 rows."));
  EXPECT_TRUE(Shows(1, 2, "This one has 60 columns and 20 rows."));
  game.Send("u");
  game.Settle();
  game.Resize(80, 25);
  ASSERT_TRUE(Shows(17, 21, kTakeOffPrompt));
  game.Settle(milliseconds(500));
  EXPECT_TRUE(game.WaitUntil(unchanged)) << game.ScreenText(true);

  for (std::string_view key : {kEscape, std::string_view("\x03")}) {
    game.Send(key);
    ASSERT_TRUE(Shows(17, 21, kConcedeQuestion));
    game.Send("n");
    ASSERT_TRUE(Shows(17, 21, kTakeOffPrompt));
  }
  EXPECT_EQ(game.WaitForExit(milliseconds(0)), -1) << "the game ended";
}

// Freezing writes the whole game; the next start offers it back.
TEST_F(GameE2eTest, FreezeThenResumeInTheRealProgram) {
  PtySession& game = StartAtTakeOff();
  game.Send("f");
  ASSERT_TRUE(Shows(17, 19, "Want to freeze the game?  Y or N  "));
  game.Send("y");
  EXPECT_TRUE(Shows(16, 12, "GAME HAS BEEN FROZEN!  COME BACK FOR CONCLUSION"));
  ASSERT_TRUE(Shows(34, 22, kExitPrompt, milliseconds(8000)));
  game.Send(kEscape);
  ASSERT_EQ(game.WaitForExit(), 0);

  std::ifstream file(directory_ / "bkt.dat");
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 155u);
  EXPECT_EQ(lines[57], "Pat");
  EXPECT_EQ(lines[58], "Blue");

  PtySession& again = Start();
  ASSERT_TRUE(Shows(23, 21, "Resume frozen game  or begin new game, R or B? "));
  again.Send("r");
  EXPECT_TRUE(Shows(1, 3, "Resuming  frozen game"));
  EXPECT_TRUE(Shows(1, 7, "You and your Blue party can go first Pat"));
  again.Send("nn");
  ASSERT_TRUE(Shows(17, 21, kTakeOffPrompt));
  again.Send("h");
  EXPECT_TRUE(Shows(1, 2, "I will help you Pat"));
}

// M at the take-off prompt and at the final lists shows the map in colour;
// the space bar comes back. In the frozen game, all but won, the jet at
// Montana lands on the player's states or the evening news.
TEST_F(GameE2eTest, MapAtTakeOffAndAtTheFinalLists) {
  std::ofstream file(directory_ / "bkt.dat");
  const std::set<int> squares = {0, 5, 10, 15, 22, 25, 33, 35, 45, 47, 55, 58, 60, 63, 64};
  for (int line = 1; line <= 50; ++line) file << "1\n";
  file << "0\n473\n58\n36\n0\n50\n50\nPat\nBlue\n";
  for (int p = 0; p <= 65; ++p) {
    file << (squares.count(p) ? 3 : p == 7 || p == 57 ? 2 : p == 12 || p == 14 ? 0 : 1) << "\n";
  }
  for (int line = 1; line <= 30; ++line) file << "0\n";
  file.close();
  PtySession& game = Start();
  game.Send("rnnm");
  ASSERT_TRUE(Shows(1, 24, "Press space bar when ready "));
  EXPECT_TRUE(Shows(60, 7, "<NY>"));
  EXPECT_NE(game.Background(61, 8), -1);                      // the votes under New York
  EXPECT_NE(game.Background(61, 8), game.Background(24, 7));  // and Montana's brackets
  EXPECT_NE(game.Background(24, 7), -1);
  EXPECT_EQ(game.Background(67, 5), -1);  // Vermont, unclaimed
  game.Send(" ");
  ASSERT_TRUE(Shows(17, 21, kTakeOffPrompt));

  // Spare Enters answer a news story's rolls; the final prompt ignores them.
  game.Send("\r\r\r\r");
  const std::string_view finalPrompt = "Press a letter for a state listing or space bar to end ";
  ASSERT_TRUE(Shows(20, 24, finalPrompt, milliseconds(20000)));
  game.Send("m");
  ASSERT_TRUE(Shows(1, 1, "Here is the campaign map with electoral votes:"));
  game.Send(" ");
  EXPECT_TRUE(Shows(20, 24, finalPrompt));
  EXPECT_EQ(game.Text(1, 1, 80), "");
}

#ifdef BALLOTREK_DATA_DIR
// With sound on, the game's clips play through the sound device (here ALSA
// writing into a file) to their end, and nothing from the audio layer ever
// reaches the screen. An installed game finds its own clips from any folder.
TEST_F(GameE2eTest, SoundPlaysTheClipsWithoutTouchingTheScreen) {
  std::filesystem::path clips = directory_ / "data";
  if (Installed()) {
    clips = std::getenv("BALLOTREK_INSTALLED_CLIPS");
  } else {
    std::filesystem::copy(BALLOTREK_DATA_DIR, clips);
  }
  const std::filesystem::path sink = directory_ / "played.raw";
  const std::filesystem::path config = directory_ / "asound.conf";
  std::ofstream(config) << "pcm.!default { type file; slave.pcm { type null }; file \""
                        << sink.string() << "\"; format \"raw\" }\n";
  PtySession& game = Start({.environment = {"ALSA_CONFIG_PATH=" + config.string()}});
  ASSERT_TRUE(Shows(23, 21, kInstructionsQuestion));
  game.Send("ny");
  ASSERT_TRUE(Shows(10, 21, "What is your first name?  ", milliseconds(30000)));
  const auto anthem = std::filesystem::file_size(sink);
  game.Send("Pat\rBlue\r");
  ASSERT_TRUE(Shows(17, 21, kTakeOffPrompt));
  game.Send("\r");
  ASSERT_TRUE(Shows(1, 3, "You have landed in ", milliseconds(30000)));
  game.Settle();
  // Each clip starts the file afresh: it holds the samples of the last one,
  // all of them (a WAV file's header is 44 bytes).
  const auto samples = [&](const char* clip) {
    return std::filesystem::file_size(clips / clip) - 44;
  };
  EXPECT_EQ(anthem, samples("anth.wav"));
  // The take-off clip, or the landing clip after it (New York, the Atlantic).
  const auto last = std::filesystem::file_size(sink);
  EXPECT_TRUE(last == samples("plwh.wav") || last == samples("bist.wav") ||
              last == samples("ocea.wav"))
      << last;
  EXPECT_EQ(game.Text(1, 1, 80) + game.Text(1, 2, 80), "") << game.ScreenText(true);
  EXPECT_EQ(game.Text(1, 3, 19), "You have landed in") << game.ScreenText(true);

  // Whatever the landing asks is answered no, up to the computer's launch.
  auto nextAnswer = std::chrono::steady_clock::now();
  ASSERT_TRUE(game.WaitUntil(
      [&] {
        if (game.Text(17, 21, 17) == "Please launch  me") return true;
        if (std::chrono::steady_clock::now() > nextAnswer) {
          game.Send("n");
          nextAnswer += milliseconds(1000);
        }
        return false;
      },
      milliseconds(30000)))
      << game.ScreenText(true);
  game.Send(kEscape);
  ASSERT_TRUE(Shows(17, 21, kConcedeQuestion, milliseconds(10000)));
  game.Send("y");
  ASSERT_TRUE(Shows(34, 22, kExitPrompt, milliseconds(30000)));
  game.Send(kEscape);
  EXPECT_EQ(game.WaitForExit(milliseconds(30000)), 0) << game.ScreenText(true);
  EXPECT_EQ(std::filesystem::file_size(sink), samples("exit.wav"));
}
#endif

TEST_F(GameE2eTest, RefusesAStandardInputThatIsNotATerminal) {
  PtySession& game = Start({.inputFromNull = true});
  EXPECT_EQ(game.WaitForExit(), 1);
  EXPECT_NE(game.ScreenText().find("standard input is not a terminal"), std::string::npos)
      << game.ScreenText(true);
}

}  // namespace
}  // namespace ballotrek::e2e
