#include "screens/screens.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "console/build_info.h"
#include "engine/engine.h"
#include "model/frozen_game.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class StartUpTest : public GameTest {};

// The title, the instruction pages forward and back, the questions and the ways to quit (Escape at
// a question, Escape or Control-C in the pages); a resumed game skips the title.
TEST_F(StartUpTest, EveryStartUpScreen) {
  std::string seen;
  for (const char* typed : {"", "x\x03", "y", "yb", "yc", "ycc", "yccc", "yccb", "yccbb", "yccbbr",
                            "n", "nN", "ny", "\x1bx\x1b", "yc\x1b\x1b", "yc\x03\x1b", "R", "RnY"}) {
    ResetGameState();
    game.resumedGame = typed[0] == 'R';
    seen += "== ";
    for (const char* c = typed; *c != 0; ++c)
      seen += *c < ' ' ? "^" + std::string(1, *c + 64) : std::string(1, *c);
    std::string sound;
    seen += "\n" + Play([&] { ShowTitleAndOptions(), sound = SoundOn() ? "on" : "off"; },
                        typed + game.resumedGame);
    seen += sound.empty() ? "" : "sound " + sound + "\n";
  }
  // The same on every system.
  for (auto at = seen.find(kSystemName); at != std::string::npos; at = seen.find(kSystemName))
    seen.replace(at, std::string_view(kSystemName).size(), "<system>");
  EXPECT_TRUE(MatchesGolden("start-up", seen));
}

// Backspace takes back the last letter and its echo; Escape and keys that are no letters are not
// typed; accented letters are kept; a name may be empty.
TEST_F(StartUpTest, NamesKeepTheirBlanksOrStayEmpty) {
  console.Type("\b\x1bMary Anxx\b\x7f");
  for (int key : {kKeySpecial, 0x2190, 0xE9}) console.TypeKey(key);
  EXPECT_EQ(Outcome(AskNamesAndWelcome), "");
  EXPECT_TRUE(ShowsAt(36, 21, "Mary An\xE9  "));
  console.Type("Mary An\xE9\rGreen Party\r\rBlue\r");
  AskNamesAndWelcome();
  EXPECT_EQ(RowText(2), "Welcome to the campaign candidate Mary An\xE9 of the Green Party party.");
  AskNamesAndWelcome();
  EXPECT_EQ(game.firstName, "");
  EXPECT_TRUE(ShowsAt(1, 12, "You can go first "));

  console.Type(std::string(kLongestTypedLine + 1, 'e') + "\rBlue\r");  // one letter too many
  AskNamesAndWelcome();
  EXPECT_EQ(game.firstName, std::string(kLongestTypedLine, 'e'));
  // Pasted text is typed; its line ends part words and end nothing.
  console.Paste("Ann\rLee\x1b");
  console.Type("\r\r");
  AskNamesAndWelcome();
  EXPECT_EQ(game.firstName, "Ann Lee");
  console.Paste("Alice\r");  // a pasted line end with nothing after it adds nothing
  console.Type("\rWhig\r");
  AskNamesAndWelcome();
  EXPECT_EQ(game.firstName, "Alice");
}

// Gives the side unclaimed states worth exactly the votes, the first that add up.
void HoldVotes(int side, int votes) {
  std::vector<int> last(votes + 1, -1);  // the last state of a set worth each number of votes
  last[0] = 0;
  for (int p = 1; p <= kLastPosition; ++p) {
    const int worth = BoardTable[p].electoralVotes;
    if (worth == 0 || game.owner[p] != Unclaimed) continue;
    for (int v = votes; v >= worth; --v)
      if (last[v] < 0 && last[v - worth] >= 0) last[v] = p;
  }
  ASSERT_GE(last[votes], 0) << votes;
  for (int v = votes; v > 0; v -= BoardTable[last[v]].electoralVotes) SetOwner(last[v], side);
}

// Escape at the sound question keeps the sound off for the whole game: S then turns nothing on.
TEST_F(StartUpTest, EscapeAtTheSoundQuestionKeepsTheSoundOff) {
  game.currentSide = player;
  console.Type("n\x1bs");
  EXPECT_EQ(Outcome([] { ShowTitleAndOptions(), TakeOff(); }), "");
  EXPECT_TRUE(!SoundOn() && RowText(20).empty() && console.clips().empty());
}

// The letters the help screen lists close it, and Escape; D only jokes, and other keys are refused.
TEST_F(StartUpTest, EachKeyThatClosesTheHelpScreen) {
  for (char key : std::string("upcsfnbmUPCSFNBM\x1b")) {
    console.Type(std::string("dxh\r") + key);
    EXPECT_TRUE(ShowHelp() == LowerKey(key) && console.keysLeft() == 0) << key;
  }
}

class GameEndTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    game.firstName = "Ann";
    game.partyName = "Whig";
    game.turnCount = 12;
    std::ofstream(kFrozenGameFile) << "an earlier frozen game\n";
  }
};

// Each way to win, lose or tie, and then the flights: reaching 270 with the last of the money
// still wins; when both are broke, the computer's empty purse is looked at first.
TEST_F(GameEndTest, EachOutcomeShowsItsLinesAndThenTheFlights) {
  std::string seen;
  // clang-format off
  for (const auto& [playerVotes, computerVotes, playerMoney, computerMoney] : {
           std::tuple{275, 100, 50.0f, 50.0f}, {270, 100, 0.02f, 50.0f}, {10, 300, 50.0f, 50.0f},
           {100, 150, 20.0f, 0.02f}, {100, 269, 20.0f, 0.02f}, {100, 150, 0.02f, 0.02f},
           {100, 150, 0.02f, 20.0f}, {269, 0, -3.0f, 20.0f}, {269, 269, 5.5f, 7.25f},
           {269, 269, 7.25f, 5.5f}, {269, 269, 10.0f, 10.0f}}) {
    // clang-format on
    for (int p = 0; p < kBoardSize; ++p) game.owner[p] = BoardTable[p].initialOwner;
    game.player = {playerMoney, 0, 4, false};
    game.computer = {computerMoney, 0, 9, false};
    HoldVotes(player, playerVotes);
    HoldVotes(computer, computerVotes);
    seen += "== " + std::to_string(playerVotes) + " " + std::to_string(computerVotes) + "\n" +
            Play(EndGame);
    EXPECT_EQ(BrokenRecordRule(), "");
  }
  EXPECT_TRUE(MatchesGolden("game-end", seen));
}

// At the final prompt: the map, help, C there opening the computer's list (all 438 votes the player
// lacks), the farewell ending the game and its frozen file; conceding, refused keys typed ahead.
TEST_F(GameEndTest, ListsFarewellAndConceding) {
  std::string seen;
  for (int p : {41, 49, 8}) game.owner[p] = player;
  game.player = {0.02f, 100, 4, false};
  for (const char* typed : {"m", "hc"}) {
    console.Type(typed);
    EXPECT_EQ(Outcome(EndGame), "");
    seen += Shown(console);
  }
  EXPECT_EQ(BrokenRecordRule(), "");
  game.soundFlag = 'y';
  console.Type("zq x\r\x1b");
  EXPECT_EQ(Outcome(EndGame), "ended with 0\n");
  seen += Shown(console);
  EXPECT_FALSE(std::filesystem::exists(kFrozenGameFile));
  std::ofstream(kFrozenGameFile) << "an earlier frozen game\n";
  ResetGameState();
  game.player.votes = 120;
  game.computer.votes = 100;
  game.soundFlag = 'y';
  seen += Play(ConcedeGame, "\r\x1bzY q\x1b");
  EXPECT_FALSE(std::filesystem::exists(kFrozenGameFile));
  EXPECT_EQ(console.keysLeft(), 0);
  EXPECT_TRUE(MatchesGolden("farewells", seen));
}

}  // namespace
}  // namespace ballotrek::testing
