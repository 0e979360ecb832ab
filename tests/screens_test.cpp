#include "screens/screens.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "console/console.h"
#include "engine/engine.h"
#include "model/frozen_game.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class StartUpTest : public GameTest {};

TEST_F(StartUpTest, AResumedGameSkipsTheTitle) {
  game.resumedGame = 1;
  console.Type("nY");
  ShowTitleAndOptions();
  EXPECT_EQ(RowText(7), "");
  EXPECT_EQ(console.clips(), std::vector<std::string>{"data\\anth.wav"});
}

TEST_F(StartUpTest, InstructionPagesWalkForwardAndBack) {
  const std::pair<const char*, const char*> steps[] = {
      {"yb", "Press C to continue or R to return to the game  "},
      {"yccc", "Press B to back up or R to return to the game  "},
      {"yccb", "Press C to continue or B to back up or R to return to the game  "},
      {"yccbb", "Press C to continue or R to return to the game  "}};
  for (const auto& [keys, prompt] : steps) {
    console.Type(keys);
    RunUntilIdle([] { ShowTitleAndOptions(); });
    EXPECT_TRUE(ShowsAt(1, 24, prompt)) << keys;
  }
  console.Type("x\x03yccbbrN\x1b");  // Control-C is no answer; Escape means no sound
  ShowTitleAndOptions();
  EXPECT_TRUE(ShowsAt(31, 9, "Ballotrek"));
  EXPECT_FALSE(SoundOn());
}

TEST_F(StartUpTest, EscapeAtTheQuestionOrEscapeOrControlCInThePagesQuits) {
  for (const char* keys : {"\x1b", "yc\x1b", "yc\x03"}) {
    console.Type(std::string(keys) + "\x1b");
    EXPECT_EQ(RunToEnd([] { ShowTitleAndOptions(); }), 0) << keys;
    EXPECT_TRUE(ShowsAt(16, 12, "Too bad, your campaign  never got off the ground!"));
  }
}

// Backspace takes back the last letter and its echo; Escape and keys that are no letters are not
// typed; accented letters are kept; a name may be empty.
TEST_F(StartUpTest, NamesKeepTheirBlanksOrStayEmpty) {
  console.Type("\b\x1bMary Anx\b");
  for (int key : {kKeySpecial, 0x2190, 0xE9}) console.TypeKey(key);
  RunUntilIdle(AskNamesAndWelcome);
  EXPECT_TRUE(ShowsAt(36, 21, "Mary An\xE9  "));
  console.Type("Mary An\xE9\rGreen Party\r\rBlue\r");
  AskNamesAndWelcome();
  EXPECT_EQ(RowText(2), "Welcome to the campaign candidate Mary An\xE9 of the Green Party party.");
  AskNamesAndWelcome();
  EXPECT_EQ(game.firstName, "");
  EXPECT_TRUE(ShowsAt(1, 12, "You can go first "));

  // Pasted text is typed; its line ends part words and end nothing.
  console.Paste("Ann\rLee\x1b");
  console.Type("\r\r");
  AskNamesAndWelcome();
  EXPECT_EQ(game.firstName, "Ann Lee");
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

TEST_F(GameEndTest, EachOutcomeShowsItsLinesAndThenTheFlights) {
  // Votes and money of each side, a line at its column and row, and the row of the flights.
  const std::string houseFor = "The House of Representatives broke the tie in ";
  const std::tuple<int, int, float, float, int, int, std::string, int> cases[] = {
      {275, 100, 50, 50, 17, 5, "You have brought the Whig party to victory", 8},
      // Reaching 270 with the last of the money still wins.
      {270, 100, 0.02f, 50, 23, 7, "You win with 270 votes, i have 100", 8},
      {10, 300, 50, 50, 23, 7, "I win with 300 votes, you have 10", 8},
      {100, 150, 20, 0.02f, 23, 13, "You win with 388 votes, I have 150 votes", 14},
      // A long line runs on to the next row.
      {100, 269, 20, 0.02f, 1, 18, " he ha", 19},
      // When both are broke, the computer's empty purse is looked at first.
      {100, 150, 0.02f, 0.02f, 21, 5, "I lost my shirt and i feel pretty hurt.", 14},
      {100, 150, 0.02f, 20, 23, 13, "I win with 438 votes, you have 100 votes", 14},
      {269, 0, -3, 20, 11, 15, houseFor + "my favor!", 20},
      {269, 269, 5.5f, 7.25f, 11, 5, houseFor + "my favor!", 10},
      {269, 269, 7.25f, 5.5f, 1, 8, "Oh well, that is a dubious assertion at best", 11},
      {269, 269, 10, 10, 1, 9, "That is blatant discrimination Ann and I object", 12}};
  for (const auto& [playerVotes, computerVotes, playerMoney, computerMoney, column, row, line,
                    flightsRow] : cases) {
    game.player = {playerMoney, playerVotes, 4, false};
    game.computer = {computerMoney, computerVotes, 9, false};
    RunUntilIdle(EndGame);
    EXPECT_TRUE(ShowsAt(column, row, line)) << line << "\n" << ScreenDump();
    EXPECT_EQ(RowText(flightsRow), "You took 12 flights in your campaign") << line;
  }
  EXPECT_TRUE(ShowsAt(20, 24, "Press a letter for a state listing or space bar to end "));
}

TEST_F(GameEndTest, ListsOnRequestThenTheFarewellAndEscapeEndsTheProcess) {
  // The player's 100 votes are in three states: the computer, left with money, takes every other
  // state and all 438 votes the player lacks. C on the help screen opens the computer's list.
  for (int p : {41, 49, 8}) game.owner[p] = player;
  game.player = {0.02f, 100, 4, false};
  console.Type("m");
  RunUntilIdle(EndGame);
  EXPECT_EQ(RowText(1), "Here is the campaign map with electoral votes:");
  console.Type("hc");
  RunUntilIdle(EndGame);
  EXPECT_EQ(RowText(22), "I have 48 states worth 438 votes");
  EXPECT_TRUE(VotesMatchOwners());

  game.soundFlag = 'y';
  console.Type("zq x\r\x1b");
  EXPECT_EQ(RunToEnd(EndGame), 0);
  EXPECT_EQ(console.keysLeft(), 0);
  EXPECT_FALSE(std::filesystem::exists(kFrozenGameFile));
  EXPECT_EQ(RowText(21), std::string(33, ' ') + "Happy campaigning Ann");
  EXPECT_TRUE(ShowsAt(34, 22, "Press escape to exit "));
  EXPECT_EQ(console.clips(), (std::vector<std::string>{"data\\hail.wav", "data\\exit.wav"}));
}

TEST_F(GameEndTest, ConcedingGivesTheComputerEveryVoteThePlayerLacks) {
  game.player.votes = 120;
  game.computer.votes = 100;
  game.soundFlag = 'y';
  console.Type("\r\x1bzY q\x1b");
  EXPECT_EQ(RunToEnd(ConcedeGame), 0);
  EXPECT_EQ(console.keysLeft(), 0);
  // The question, once more for the run of refused keys typed ahead, then the farewell.
  EXPECT_EQ(console.elapsedMs(), 2 * 200 + 3000);
  EXPECT_EQ(console.clips(), (std::vector<std::string>{"data\\quit.wav", "data\\exit.wav"}));
  // The claim runs past column 80 onto row 12.
  const std::string claim = "I win with 418 electoral votes, you lose with 120 electoral votes";
  EXPECT_TRUE(ShowsAt(18, 11, claim.substr(0, 63)));
  EXPECT_EQ(RowText(12), claim.substr(63));
  EXPECT_FALSE(std::filesystem::exists(kFrozenGameFile));
}

}  // namespace
}  // namespace ballotrek::testing
