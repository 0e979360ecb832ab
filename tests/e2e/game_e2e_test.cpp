// The built game in a pseudo-terminal, as a player sees and types. With BALLOTREK_EXE the tests
// drive the Windows build under wine, but for what is wine's console's (the terminal, signals,
// paste); wine makes Escape and a letter at once Alt and the letter, so each Escape waits here.
#include <gtest/gtest.h>
#include <signal.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <tuple>
#include <vector>

#include "tests/e2e/pty_session.h"

namespace ballotrek::e2e {
namespace {

constexpr std::string_view kTakeOffPrompt = "Your takeoff  ";
constexpr std::string_view kConcedeQuestion = "are you throwing in the towel Pat?  y or n  ";
constexpr std::string_view kInstructionsQuestion = "Do you want instructions?  Y or N  ";
constexpr std::string_view kExitPrompt = "Press ESCAPE to exit ";
constexpr std::string_view kEscape = "\x1B";
constexpr milliseconds kSlow{20000};  // wine starts slowly on a busy machine

// The parts of the terminal's settings that a program may change.
[[maybe_unused]] auto Settings(const termios& t) {
  return std::tuple(t.c_iflag, t.c_oflag, t.c_cflag, t.c_lflag,
                    std::vector<cc_t>(t.c_cc, t.c_cc + NCCS), cfgetospeed(&t));
}

class GameE2eTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(directory_); }
  void TearDown() override {
    game_.reset();
    std::filesystem::remove_all(directory_);
  }
  // An installed game may be tried instead of the one just built, from an empty folder:
  // BALLOTREK_INSTALLED names its executable, BALLOTREK_INSTALLED_CLIPS the folder of its clips.
  static const char* Installed() { return std::getenv("BALLOTREK_INSTALLED"); }
  PtySession& Start([[maybe_unused]] const PtyOptions& options = {}) {
    game_.reset();  // a second start follows the end of the first
#ifdef BALLOTREK_EXE
    const PtyOptions wine{.arguments = { BALLOTREK_EXE }};
    game_ = std::make_unique<PtySession>("wine", directory_.string(), wine);
#else
    game_ = std::make_unique<PtySession>(Installed() ? Installed() : BALLOTREK_BINARY,
                                         directory_.string(), options);
#endif
    return *game_;
  }

  const std::filesystem::path directory_ =
      std::filesystem::temp_directory_path() /
      ("ballotrek-e2e-" + std::to_string(getpid()) + "-" +
       ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::unique_ptr<PtySession> game_;

  // Leaves the last screen by Escape: the game ends with status 0 and the terminal is given back,
  // the screen as it was (blank here).
  void Exit(PtySession& game) {
    ASSERT_TRUE(game.Shows(34, 22, kExitPrompt, kSlow));
    game.Send(kEscape);
    EXPECT_EQ(game.WaitForExit(kSlow), 0) << game.ScreenText(true);
    EXPECT_TRUE(game.WaitUntil([&] { return game.ScreenText() == std::string(25, '\n'); }))
        << game.ScreenText(true);
#ifndef BALLOTREK_EXE
    EXPECT_EQ(Settings(game.InitialSettings()), Settings(game.TerminalSettings()));
    EXPECT_EQ(game.Pasted("x"), "x");  // bracketed paste turned off
#endif
  }
};

// A player's evening, resuming a frozen game where the computer holds New York and the player
// Montana: the map in colour, a list, the sound key, a freeze, the resume, and conceding by
// Control-C, a key as Escape is.
TEST_F(GameE2eTest, MapListSoundFreezeResumeAndConcede) {
  std::filesystem::copy_file(BALLOTREK_E2E_DIR "/map-game.dat", directory_ / "bkt.dat");
  for (int evening = 0; evening < 2; ++evening) {
    PtySession& game = Start();
    ASSERT_TRUE(game.Walk({{"", 23, 21, "Resume frozen game  or begin new game, R or B? "},
                           {"r", 1, 7, "You and your Blue party can go first Pat"},
                           {"nn", 17, 21, kTakeOffPrompt}},
                          kSlow));
    if (evening == 0) {
      ASSERT_TRUE(
          game.Walk({{"m", 1, 24, "Press space bar when ready "}, {"", 60, 7, "<NY>"}}, kSlow));
      EXPECT_NE(game.Background(61, 8), -1);                      // the votes under New York
      EXPECT_NE(game.Background(61, 8), game.Background(24, 7));  // and Montana's brackets
      EXPECT_NE(game.Background(24, 7), -1);
      EXPECT_EQ(game.Background(67, 5), -1);  // Vermont, unclaimed
      ASSERT_TRUE(game.Walk({{" u", 1, 22, "There are 2 unclaimed states worth 7 votes"},
                             {" s", 17, 20, "* Sound on * "},
                             {"f", 17, 19, "Want to freeze the game?  Y or N  "},
                             {"y", 16, 12, "GAME HAS BEEN FROZEN!  COME BACK FOR CONCLUSION"}},
                            kSlow));
    } else {
      ASSERT_TRUE(game.Walk(
          {{"\x03", 17, 21, kConcedeQuestion},
           {"y", 18, 11, "I win with 65 electoral votes, you lose with 473 electoral vote"}},
          kSlow));
    }
    Exit(game);
  }
  EXPECT_FALSE(std::filesystem::exists(directory_ / "bkt.dat"));
}

#ifndef BALLOTREK_EXE
// Raw mode (Control-C is a key); a pasted sentence answers no prompt, also where the terminal's
// description lacks bracketed paste (tmux's usual TERM); a second game in the folder is refused;
// waiting for a key or through a pause sleeps; a killed game still restores the terminal.
TEST_F(GameE2eTest, PasteSecondGameSleepingAndKilled) {
  for (const char* term : {"xterm-256color", "screen-256color"}) {
    PtySession& game = Start({.term = term});
    ASSERT_TRUE(game.Walk(
        {{"", 23, 21, kInstructionsQuestion}, {"nnPat\rBlue\r", 17, 21, kTakeOffPrompt}}));
    EXPECT_EQ(game.TerminalSettings().c_lflag & (ISIG | ICANON | ECHO), 0u);
    EXPECT_EQ(game.TerminalSettings().c_iflag & (ICRNL | IXON), 0u);
    game.Send(game.Pasted("Please fly, yes, freeze it and go."));
    EXPECT_TRUE(game.Walk({{"h", 1, 2, "I will help you Pat"}, {"c", 17, 21, kTakeOffPrompt}}))
        << term;
    EXPECT_FALSE(std::filesystem::exists(directory_ / "bkt.dat")) << term;
  }
  PtySession& game = *game_;
  PtySession second(BALLOTREK_BINARY, directory_.string(), {});
  EXPECT_EQ(second.WaitForExit(), 1);
  EXPECT_NE(second.ScreenText().find("another game is already running in this folder"),
            std::string::npos)
      << second.ScreenText(true);
  EXPECT_TRUE(game.Walk({{"h", 1, 2, "I will help you Pat"}, {"c", 17, 21, kTakeOffPrompt}}));
  EXPECT_FALSE(std::filesystem::exists(directory_ / "bkt.dat"));
  for (const char* key : {"", "\r"}) {  // at the prompt, then while the jet flies
    game.Send(key);
    game.Settle();
    const milliseconds before = game.ProcessorTime();
    game.Settle(milliseconds(1000));
    EXPECT_LT(game.ProcessorTime() - before, milliseconds(250)) << key;
  }
  EXPECT_TRUE(game.Shows(1, 3, "You have landed in ", milliseconds(8000)));
  kill(game.pid(), SIGTERM);
  EXPECT_EQ(game.WaitForExit(), 128 + SIGTERM);
  EXPECT_EQ(Settings(game.InitialSettings()), Settings(game.TerminalSettings()));
  EXPECT_EQ(game.Pasted("x"), "x");
}

// Under a German locale, made here as none is installed, money reads and shows as in C; on that
// UTF-8 terminal 0x1E is a triangle, after a wrong answer to the quiz of the game's ninth flight.
TEST_F(GameE2eTest, GermanLocaleMoneyAndTheTriangle) {
  std::filesystem::copy_file(BALLOTREK_E2E_DIR "/map-game.dat", directory_ / "bkt.dat");
  // localedef may warn, so its status tells nothing: the locale is asked what it holds instead.
  const std::string locales = "LOCPATH=" + directory_.string(),
                    make = "cd '" + directory_.string() + "' && localedef -i de_DE -f UTF-8 " +
                           "./de_DE.UTF-8; " + locales + " LC_ALL=de_DE.UTF-8 locale -k " +
                           "decimal_point | grep -qx 'decimal_point=\",\"'";
  ASSERT_EQ(std::system(make.c_str()), 0) << "no locale de_DE.UTF-8";
  PtySession& game = Start({.environment = {locales, "LC_ALL=de_DE.UTF-8"}});
  ASSERT_TRUE(game.Walk(
      {{"", 23, 21, "Resume frozen game  or begin new game, R or B? "},
       {"r", 1, 4, "You have 473 electoral votes and 7.4 million dollars in campaign funds"},
       {"nn", 17, 21, kTakeOffPrompt},
       {"\r", 1, 5, "Enter first name "},
       {"Nobody\r", 1, 6, "Enter last name "},
       {"Nobody\r", 17, 21, "Press Enter  for outcome "}},
      kSlow));
  EXPECT_EQ(game.Text(42, 21, 1), "\u25B2") << game.ScreenText(true);
}

// Two games started at once draw apart: their frozen games differ, in the filler lines alone. The
// one started as the menu starts it freezes in the player's data folder, made for it.
TEST_F(GameE2eTest, GamesStartedAtOnceDrawApart) {
  std::filesystem::create_directory(directory_ / "other");
  PtySession other(Installed() ? Installed() : BALLOTREK_BINARY, (directory_ / "other").string(),
                   {.environment = {"XDG_DATA_HOME=" + (directory_ / "home-data").string()},
                    .arguments = {"--from-menu"}});
  for (PtySession* game : {&Start(), &other}) {
    ASSERT_TRUE(game->Walk(
        {{"", 23, 21, kInstructionsQuestion}, {"nnPat\rBlue\rfy", 16, 12, "GAME HAS BEEN FROZEN!"}},
        kSlow));
  }
  EXPECT_FALSE(std::filesystem::exists(directory_ / "other/bkt.dat"));
  std::ifstream first(directory_ / "bkt.dat"), second(directory_ / "home-data/ballotrek/bkt.dat");
  EXPECT_NE(std::string(std::istreambuf_iterator<char>(first), {}),
            std::string(std::istreambuf_iterator<char>(second), {}));
}

// A terminal a row short is asked to grow: one that grows plays at once, one that does not is
// left to the player.
TEST_F(GameE2eTest, ATerminalTooSmallIsAskedToGrow) {
  for (const bool grows : {true, false}) {
    PtySession& game = Start({.rows = 24, .growsWhenAsked = grows});
    EXPECT_TRUE(grows ? game.Shows(23, 21, kInstructionsQuestion)
                      : game.Shows(1, 1, "Ballotrek needs a terminal of 80 columns by 25 rows."));
  }
}
#endif

#if defined(BALLOTREK_DATA_DIR) && !defined(BALLOTREK_EXE)
// With sound on, each clip plays through ALSA to its end into a file it starts afresh (its samples
// after a 44-byte header), and nothing of ALSA's reaches the screen; an installed game finds its
// own.
TEST_F(GameE2eTest, SoundPlaysTheClipsWithoutTouchingTheScreen) {
  namespace fs = std::filesystem;
  const fs::path clips =
      Installed() ? std::getenv("BALLOTREK_INSTALLED_CLIPS") : directory_ / "data";
  if (!Installed()) fs::copy(BALLOTREK_DATA_DIR, clips);
  const fs::path sink = directory_ / "played.raw", config = directory_ / "asound.conf";
  std::ofstream(config) << "pcm.!default { type file; slave.pcm { type null }; file \""
                        << sink.string() << "\"; format \"raw\" }\n";
  const auto played = [&](const char* clip) {
    return fs::file_size(sink) == fs::file_size(clips / clip) - 44;
  };
  PtySession& game = Start({.environment = {"ALSA_CONFIG_PATH=" + config.string()}});
  ASSERT_TRUE(
      game.Walk({{"", 23, 21, kInstructionsQuestion}, {"ny", 10, 21, "What is your first name?  "}},
                milliseconds(30000)));
  EXPECT_TRUE(played("anth.wav"));
  ASSERT_TRUE(game.Walk({{"Pat\rBlue\r", 17, 21, kTakeOffPrompt},
                         {kEscape, 17, 21, kConcedeQuestion},
                         {"y", 34, 22, kExitPrompt}},
                        milliseconds(30000)));
  EXPECT_TRUE(played("quit.wav"));
  EXPECT_EQ(game.ScreenText().find("ALSA"), std::string::npos) << game.ScreenText(true);
  game.Send(kEscape);
  EXPECT_EQ(game.WaitForExit(milliseconds(30000)), 0) << game.ScreenText(true);
  EXPECT_TRUE(played("exit.wav"));
}
#endif

#ifndef BALLOTREK_EXE
// The version is told without starting the game, an unknown option is refused, and so is a standard
// input that is no terminal.
TEST_F(GameE2eTest, VersionOptionsAndAStandardInputThatIsNotATerminal) {
  for (const auto& [options, status, told] :
       {std::tuple{PtyOptions{.arguments = {"--version"}}, 0, "ballotrek " BALLOTREK_VERSION "\n"},
        {PtyOptions{.arguments = {"-h", "x"}}, 2,
         "ballotrek: unexpected argument 'x'\nTry 'ballotrek --help' for more information.\n"},
        {PtyOptions{.inputFromNull = true}, 1,
         "ballotrek: standard input is not a terminal; run the game in a terminal window\n"}}) {
    PtySession& game = Start(options);
    EXPECT_EQ(game.WaitForExit(), status);
    EXPECT_EQ(game.ScreenText().substr(0, std::strlen(told)), told) << game.ScreenText(true);
    EXPECT_EQ(game.ScreenText().find_first_not_of('\n', std::strlen(told)), std::string::npos);
  }
}
#endif

}  // namespace
}  // namespace ballotrek::e2e
