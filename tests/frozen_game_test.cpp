#include "model/frozen_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "engine/engine.h"
#include "model/game_state.h"
#include "screens/screens.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Joined(const std::vector<std::string>& lines, const char* end = "\n") {
  std::string text;
  for (const auto& line : lines) text += line + end;
  return text;
}

class FrozenGameTest : public GameTest {
 protected:
  // A game in progress with a little of everything in it.
  void SetUpGameInProgress() {
    game.turnCount = 17;
    game.firstName = "Mary Ann";
    game.partyName = "";
    game.player.money = 96.1f;
    game.computer.money = 0.05f;
    game.player.position = 33;
    game.computer.position = 65;
    game.player.inSmokeRoom = true;
    game.owner[41] = player;    // California, 55
    game.owner[1] = player;     // Virginia, 13
    game.owner[65] = computer;  // Washington DC, 3
    game.player.votes = 68;
    game.computer.votes = 3;
    game.reservedBlock[4] = -7;
    game.newsDeck.slots[0] = 12;
  }

  // Freezes at the player's take-off prompt and returns the file.
  std::string Freeze() {
    game.currentSide = player;
    console.Type("fy\x1b");
    EXPECT_EQ(RunToEnd([] { TakeOff(); }), 0);
    return ReadFile("bkt.dat");
  }
};

TEST_F(FrozenGameTest, FreezeWritesTheFileAndEndsWithTheFrozenScreen) {
  SetUpGameInProgress();
  game.soundFlag = 'y';
  console.Force({0, 399});
  const auto lines = Lines(Freeze());
  ASSERT_EQ(lines.size(), 155u);
  EXPECT_EQ(lines[0], "1");
  EXPECT_EQ(lines[1], "400");
  const std::vector<std::string> carried(lines.begin() + 50, lines.begin() + 59);
  EXPECT_EQ(carried, (std::vector<std::string>{"17", "68", "3", "33", "65", "96.1", "0.05",
                                               "Mary Ann", ""}));
  EXPECT_EQ(lines[59], "3");   // position 0
  EXPECT_EQ(lines[60], "1");   // Virginia
  EXPECT_EQ(lines[124], "2");  // Washington DC
  EXPECT_EQ(lines[129], "-7");
  EXPECT_TRUE(ShowsAt(16, 12, "GAME HAS BEEN FROZEN!  COME BACK FOR CONCLUSION"));
  EXPECT_TRUE(ShowsAt(34, 21, "Bye for now pal!"));
  EXPECT_TRUE(ShowsAt(34, 22, "Press ESCAPE to exit "));
  EXPECT_EQ(console.clips().back(), "data\\exit.wav");
  EXPECT_FALSE(std::filesystem::exists("bkt.dat.tmp"));
}

TEST_F(FrozenGameTest, ResumeRestoresEveryCarriedValue) {
  SetUpGameInProgress();
  const GameState before = game;
  Freeze();

  ResetGameState();
  console.Type("xR");
  OfferResume();
  EXPECT_EQ(game.resumedGame, 1);
  EXPECT_EQ(game.turnCount, before.turnCount);
  EXPECT_EQ(game.player.votes, before.player.votes);
  EXPECT_EQ(game.computer.votes, before.computer.votes);
  EXPECT_EQ(game.player.position, before.player.position);
  EXPECT_EQ(game.computer.position, before.computer.position);
  EXPECT_EQ(game.player.money, before.player.money);
  EXPECT_EQ(game.computer.money, before.computer.money);
  EXPECT_EQ(game.firstName, before.firstName);
  EXPECT_EQ(game.partyName, before.partyName);
  EXPECT_EQ(game.owner, before.owner);
  EXPECT_EQ(game.reservedBlock, before.reservedBlock);
  // Not carried: these start as in a new game.
  EXPECT_FALSE(game.player.inSmokeRoom);
  EXPECT_EQ(game.newsDeck.slots[0], 0);
  EXPECT_TRUE(std::filesystem::exists("bkt.dat"));

  EXPECT_EQ(RowText(3), "Resuming  frozen game");
  EXPECT_EQ(RowText(4), "You have 68 electoral votes and 96.1 million dollars in campaign funds");
  EXPECT_EQ(RowText(5), "I have 3 electoral votes and 0.05 million dollars in campaign  funds");
  EXPECT_EQ(RowText(6), "You are in Smoke Room and I am in Washington DC");
  EXPECT_EQ(RowText(7), "You and your  party can go first Mary Ann");
}

TEST_F(FrozenGameTest, OfferShowsTheTitleBlockAndBKeepsTheFile) {
  SetUpGameInProgress();
  const std::string text = Freeze();
  ResetGameState();
  console.Type("b");
  OfferResume();
  EXPECT_TRUE(ShowsAt(33, 7, "BALLOTREK"));
  EXPECT_TRUE(ShowsAt(23, 21, "Resume frozen game  or begin new game, R or B? "));
  EXPECT_EQ(game.resumedGame, 0);
  EXPECT_EQ(game.turnCount, 0);
  EXPECT_EQ(ReadFile("bkt.dat"), text);
}

TEST_F(FrozenGameTest, NoFileNoOffer) {
  OfferResume();  // would run out of keys if it asked
  EXPECT_EQ(RowText(21), "");
  EXPECT_EQ(console.millisecondsWaited(), 0);
}

TEST_F(FrozenGameTest, EscapeAtTheOfferQuits) {
  WriteFile("bkt.dat", "anything\n");
  console.Type("\x1b\x1b");
  EXPECT_EQ(RunToEnd([] { OfferResume(); }), 0);
  EXPECT_TRUE(ShowsAt(16, 12, "Too bad, your campaign  never got off the ground!"));
}

TEST_F(FrozenGameTest, NewGameAtStartResumesWithTheStoredStart) {
  console.Force({5});
  const std::string text = Freeze();
  ResetGameState();
  console.Type("r");
  OfferResume();
  EXPECT_EQ(RowText(6), "You are in null and I am in null");
  // A second freeze of the same game differs only in the filler lines.
  const auto again = Lines(Freeze());
  const auto first = Lines(text);
  EXPECT_TRUE(std::equal(first.begin() + 50, first.end(), again.begin() + 50));
}

TEST_F(FrozenGameTest, WindowsLineEndsAreAccepted) {
  SetUpGameInProgress();
  const std::string text = Freeze();
  WriteFile("bkt.dat", Joined(Lines(text), "\r\n"));
  ResetGameState();
  console.Type("r");
  OfferResume();
  EXPECT_EQ(game.resumedGame, 1);
  EXPECT_EQ(game.firstName, "Mary Ann");
  EXPECT_EQ(game.player.money, 96.1f);
}

// Each damaged file is reported, left as it is, and a new game follows.
TEST_F(FrozenGameTest, DamagedFilesAreReportedAndLeftAlone) {
  SetUpGameInProgress();
  const auto good = Lines(Freeze());
  struct Damage {
    const char* what;
    std::function<void(std::vector<std::string>&)> change;
  };
  const std::vector<Damage> damages = {
      {"short", [](auto& l) { l.pop_back(); }},
      {"long", [](auto& l) { l.push_back("0"); }},
      {"letters for a number", [](auto& l) { l[50] = "seventeen"; }},
      {"number with trailing text", [](auto& l) { l[51] = "68 votes"; }},
      {"filler not a number", [](auto& l) { l[3] = "x"; }},
      {"position 66", [](auto& l) { l[53] = "66"; }},
      {"negative position", [](auto& l) { l[54] = "-1"; }},
      {"negative turn count", [](auto& l) { l[50] = "-3"; }},
      {"owner code 7", [](auto& l) { l[60] = "7"; }},
      {"a state coded 3", [](auto& l) { l[61] = "3"; }},
      {"a special square owned", [](auto& l) { l[64] = "1"; }},
      {"votes that do not match", [](auto& l) { l[51] = "69"; }},
      {"computer votes that do not match", [](auto& l) { l[52] = "0"; }},
      {"NaN money", [](auto& l) { l[55] = "nan"; }},
      {"infinite money", [](auto& l) { l[56] = "inf"; }},
      {"money too large for the record", [](auto& l) { l[56] = "1e99"; }},
      {"number too large", [](auto& l) { l[50] = "99999999999999999999"; }},
      {"control characters in a name", [](auto& l) { l[57] = "Ma\x1b[2Jry"; }},
      {"reserved value not a number", [](auto& l) { l[154] = "zero"; }},
      {"empty file", [](auto& l) { l.clear(); }},
  };
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.what);
    auto lines = good;
    damage.change(lines);
    const std::string text = Joined(lines);
    WriteFile("bkt.dat", text);
    ResetGameState();
    console.Type("r\r");
    OfferResume();
    EXPECT_EQ(game.resumedGame, 0);
    EXPECT_EQ(game.turnCount, 0);
    EXPECT_EQ(game.owner[1], Unclaimed);
    EXPECT_TRUE(ShowsAt(8, 10, "The frozen game in bkt.dat is damaged and cannot be resumed."))
        << ScreenDump();
    EXPECT_EQ(ReadFile("bkt.dat"), text);
  }
}

TEST_F(FrozenGameTest, DamageReportNamesTheLine) {
  auto lines = Lines(Freeze());
  lines[53] = "66";
  WriteFile("bkt.dat", Joined(lines));
  console.Type("rx\r");
  OfferResume();
  EXPECT_EQ(RowText(12), "       Line 54 should hold a board position from 0 to 65.");
  EXPECT_TRUE(ShowsAt(8, 14, "bkt.dat is left as it is; a new game begins instead."));
}

TEST_F(FrozenGameTest, AnOversizedFileIsDamaged) {
  WriteFile("bkt.dat", std::string(200000, '1'));
  console.Type("r\r");
  OfferResume();
  EXPECT_EQ(game.resumedGame, 0);
  EXPECT_TRUE(ShowsAt(8, 12, "It is far larger than a frozen game can be."));
}

TEST_F(FrozenGameTest, AFailedFreezeKeepsTheGameAndTheOldFile) {
  WriteFile("bkt.dat", "the earlier frozen game\n");
  std::filesystem::create_directory("bkt.dat.tmp");  // stands where the new file must go
  SetUpGameInProgress();
  game.currentSide = player;
  console.Type("fy");
  RunUntilIdle([] { TakeOff(); });
  EXPECT_TRUE(ShowsAt(17, 18, "The game could not be saved in bkt.dat:"));
  EXPECT_NE(RowText(19), "");
  EXPECT_TRUE(ShowsAt(17, 21, "Your takeoff  "));
  EXPECT_EQ(ReadFile("bkt.dat"), "the earlier frozen game\n");
  EXPECT_EQ(game.turnCount, 17);

  // The game goes on: Enter still launches the jet.
  console.Type("\r");
  EXPECT_GE(TakeOff(), 1);
}

TEST_F(FrozenGameTest, AFailedRenameLeavesNoTemporaryFile) {
  std::filesystem::create_directories("bkt.dat/inside");
  game.currentSide = player;
  console.Type("fy");
  RunUntilIdle([] { TakeOff(); });
  EXPECT_TRUE(ShowsAt(17, 18, "The game could not be saved in bkt.dat:"));
  EXPECT_FALSE(std::filesystem::exists("bkt.dat.tmp"));
  EXPECT_TRUE(std::filesystem::exists("bkt.dat/inside"));
}

TEST_F(FrozenGameTest, StartUpOrderForANewAndAResumedGame) {
  // New game: title, both questions, names, then the first take-off prompt.
  console.Type("nnAl\rBlue\r");
  RunUntilIdle([] { RunGame(); });
  EXPECT_EQ(game.firstName, "Al");
  EXPECT_TRUE(ShowsAt(17, 21, "Your takeoff  "));

  // Resumed: no title, no names, the report stays above the questions.
  SetUpGameInProgress();
  Freeze();
  ResetGameState();
  console.Type("rnn");
  RunUntilIdle([] { RunGame(); });
  EXPECT_EQ(game.firstName, "Mary Ann");
  EXPECT_EQ(RowText(3), "Resuming  frozen game");
  EXPECT_EQ(game.soundFlag, 'n');
  EXPECT_TRUE(ShowsAt(17, 21, "Your takeoff  "));
}

}  // namespace
}  // namespace ballotrek::testing
