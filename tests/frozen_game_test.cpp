#include "model/frozen_game.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "console/file_store.h"
#include "engine/engine.h"
#include "screens/screens.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

std::string FileText() {
  std::ifstream in("bkt.dat", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Writes bkt.dat and returns its text.
std::string WriteLines(const std::vector<std::string>& lines, const char* end = "\n") {
  std::string text;
  for (const auto& line : lines) text += line + end;
  std::ofstream("bkt.dat", std::ios::binary) << text;
  return text;
}

auto Carried(const GameState& g) {
  return std::tie(g.turnCount, g.player.votes, g.computer.votes, g.player.position,
                  g.computer.position, g.player.money, g.computer.money, g.firstName, g.partyName,
                  g.owner, g.reservedBlock);
}

// As long a name as can be typed, with a Latin-1 accent.
const std::string kLongestName = "Mar\355a Ann" + std::string(kLongestTypedLine - 9, 'e');

using FrozenGameTest = GameTest;

// A game in progress frozen at the player's take-off prompt resumes with what the file carries;
// damaged copies of the file are reported and left alone.
TEST_F(FrozenGameTest, ResumesWhatTheFileCarriesAndLeavesDamagedFilesAlone) {
  OfferResume();  // no file, so no question
  game.turnCount = 17;
  game.firstName = kLongestName;
  game.player = {96.1f, 0, kLastPosition};
  game.computer = {0.05f, 0, SmokeRoomPosition, true};
  SetOwner(41, player);
  SetOwner(65, computer);
  game.reservedBlock[4] = -7;
  game.newsDeck.slots[0] = game.roomDeck.slots[0] = 3;
  game.currentSide = player;
  console.Type("fy\x1b");
  EXPECT_EQ(Outcome(TakeOff), "ended with 0\n");
  std::vector<std::string> good;
  std::istringstream in(FileText());
  for (std::string line; std::getline(in, line);) {
    if (line.ends_with('\r')) line.pop_back();  // frozen on Windows
    good.push_back(line);
  }
  const GameState before = game;
  ResetGameState();
  console.Type("xbR");  // B begins a new game and keeps the file for later
  OfferResume();
  EXPECT_EQ(game.turnCount, 0);
  OfferResume();
  EXPECT_EQ(Carried(game), Carried(before));
  EXPECT_FALSE(game.computer.inSmokeRoom);
  EXPECT_TRUE(MatchesGolden("resumed", Shown(console)));
  EXPECT_EQ(game.newsDeck.slots[0] + game.roomDeck.slots[0], 0);

  const std::pair<const char*, void (*)(std::vector<std::string>&)> damages[] = {
      {"It has 154 lines instead of 155.", [](auto& l) { l.pop_back(); }},
      {"It has 156 lines instead of 155.", [](auto& l) { l.push_back("0"); }},
      {"It is far larger than a frozen game can be.", [](auto& l) { l.resize(40000, "1"); }},
      {"Line 51 should hold a whole number.", [](auto& l) { l[50] = "seventeen"; }},
      {"Line 51 should hold a count of flights from 0 to 1000000.",
       [](auto& l) { l[50] = "2147483647"; }},
      {"Line 54 should hold a board position from 0 to 65.", [](auto& l) { l[53] = "66"; }},
      {"Line 62 should hold an owner code from 0 to 2 for a state.", [](auto& l) { l[61] = "3"; }},
      {"Line 52 does not match the votes of the player's states.", [](auto& l) { l[51] = "69"; }},
      {"Line 56 should hold a sum of money.", [](auto& l) { l[55] = "0x1A"; }},
      {"Line 58 holds a name with control characters in it.", [](auto& l) { l[57] = "\x1b[2J"; }},
      {"Line 58 holds a name that is far too long", [](auto& l) { l[57] += "e"; }}};
  for (const auto& [problem, change] : damages) {
    auto lines = good;
    change(lines);
    const std::string text = WriteLines(lines);
    ResetGameState();
    console.Type("r\r");
    OfferResume();
    EXPECT_EQ(game.resumedGame + game.turnCount, 0);
    EXPECT_TRUE(ShowsAt(8, 12, problem)) << GameScreen().Dump();
    EXPECT_EQ(FileText(), text);
  }
  console.Type("r\x1b\x1b");  // Escape quits there as at the other questions
  EXPECT_EQ(Outcome(OfferResume), "ended with 0\n");
  // Written on Windows, money as it stands (0.045 is out of money, as it was), and a name with
  // bytes that a code page uses for letters, kept and written back as they are.
  good[55] = "0.045";
  good[58] = "Blue\x85\x9b";
  WriteLines(good, "\r\n");
  console.Type("r");
  OfferResume();
  EXPECT_EQ(game.firstName, kLongestName);
  EXPECT_TRUE(game.player.money == 0.045f && IsBroke(game.player.money));
  EXPECT_NE(FrozenGameText().find(std::string("\n0.045") + kLineEnd + "0.05" + kLineEnd +
                                  game.firstName + kLineEnd + "Blue\x85\x9b" + kLineEnd),
            std::string::npos);
}

// Symbolic links at the temporary names lead nowhere: the names are passed over, and when every
// name is taken the freeze fails, the frozen game already there stays and the game goes on.
TEST_F(FrozenGameTest, FreezesNeverWriteThroughALinkAndAFailureKeepsTheGame) {
#ifdef _WIN32
  GTEST_SKIP() << "symbolic links need privileges on Windows";
#endif
  for (const int links : {3, kMostTemporaryNames}) {
    const std::string old = WriteLines({"the earlier frozen game"});
    for (int n = 0; n < links; ++n)
      std::filesystem::create_symlink("elsewhere", TemporaryName("bkt.dat", getpid(), n));
    game.currentSide = player;
    console.Type("fy\x1b");
    FrozenGame frozen;
    std::string problem;
    if (links < kMostTemporaryNames) {
      EXPECT_EQ(Outcome(TakeOff), "ended with 0\n");
      EXPECT_TRUE(ShowsAt(16, 12, "GAME HAS BEEN FROZEN!"));
      EXPECT_TRUE(ParseFrozenGame(FileText(), frozen, problem)) << problem;
    } else {
      EXPECT_EQ(Outcome(TakeOff), "");
      EXPECT_TRUE(ShowsAt(17, 18, "The game could not be saved in bkt.dat:") && FileText() == old);
      console.Type("\r");
      EXPECT_GE(TakeOff(), 1);
    }
    for (int n = 0; n < links; ++n) std::filesystem::remove(TemporaryName("bkt.dat", getpid(), n));
    // bkt.dat alone is left: nothing was written to "elsewhere".
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
  }
}

}  // namespace
}  // namespace ballotrek::testing
