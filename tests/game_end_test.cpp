#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "console/console.h"
#include "engine/engine.h"
#include "model/frozen_game.h"
#include "model/game_state.h"
#include "screens/screens.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

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

struct Cell {
  int column, row;
  std::string text;
};

const std::string kCannotHandleMoney =
    "They say i cannot handle money, heh heh ha ha ho ho heh he ha ho ho he he ha";

TEST_F(GameEndTest, EachOutcomeShowsItsLinesAndTheFlightsLine) {
  struct Start {
    int playerVotes, computerVotes;
    float playerMoney, computerMoney;
    int flightsRow;
  };
  struct Case {
    Start start;
    std::vector<Cell> lines;
  };
  const Case cases[] = {
      {{275, 100, 50.0f, 50.0f, 8},
       {{22, 3, "Congratulations Ann, you beat me!"},
        {17, 5, "You have brought the Whig party to victory"},
        {23, 7, "You win with 275 votes, i have 100"}}},
      // Reaching 270 with the last of the money still wins.
      {{270, 100, 0.02f, 50.0f, 8}, {{23, 7, "You win with 270 votes, i have 100"}}},
      {{10, 300, 50.0f, 50.0f, 8},
       {{21, 3, "I beat you Ann fair and square!"},
        {18, 5, "I have brought the Technocrat Party to victory"},
        {23, 7, "I win with 300 votes, you have 10"}}},
      {{100, 150, 20.0f, 0.02f, 14},
       {{19, 3, "Congratulations Ann, you beat me!"},
        {21, 5, "I lost my shirt and i feel pretty hurt."},
        {17, 7, "You have brought the Whig party to victory"},
        {23, 9, "But Ann, i will get you next time for sure!"},
        {12, 11, "You get the remaining states and electoral votes"},
        {23, 13, "You win with 388 votes, I have 150 votes"}}},
      {{100, 269, 20.0f, 0.02f, 19},
       {{23, 13, "You win with 269 votes, I have 269 votes"},
        {11, 15, "The House of Representatives broke the tie in your favor!"},
        {11, 17, kCannotHandleMoney.substr(0, 70)},
        {1, 18, kCannotHandleMoney.substr(70)}}},
      // When both are broke, the computer's empty purse is looked at first.
      {{100, 150, 0.02f, 0.02f, 14}, {{19, 3, "Congratulations Ann, you beat me!"}}},
      {{100, 150, 0.02f, 20.0f, 14},
       {{30, 3, "I beat you Ann"},
        {13, 5, "Your campaign is now trash since you ran out of cash."},
        {20, 7, "I have brought the Technocrats to sweet victory."},
        {24, 9, "Oh Ann, you are no match for me"},
        {17, 11, "I get the remaining states and electoral votes"},
        {23, 13, "I win with 438 votes, you have 100 votes"}}},
      {{269, 0, -3.0f, 20.0f, 20},
       {{23, 13, "I win with 269 votes, you have 269 votes"},
        {11, 15, "The House of Representatives broke the tie in my favor!"},
        {11, 17, "They know that i am better with a buck!  Oh yes, they are right"},
        {5, 19, "I will enjoy my term in office, better luck next time Ann"}}},
      {{269, 269, 5.5f, 7.25f, 10},
       {{30, 3, "It is an electoral vote tie at 269 votes each"},
        {11, 5, "The House of Representatives broke the tie in my favor!"},
        {11, 7, "They know that i am better with a buck!  oh yes, they are right"},
        {5, 9, "I will enjoy my term in office, better luck next time Ann"}}},
      {{269, 269, 7.25f, 5.5f, 11},
       {{11, 5, "The House of Representatives broke the tie in your favor!"},
        {1, 7, "They say  that you are better with a buck!"},
        {1, 8, "Oh well, that is a dubious assertion at best"},
        {5, 10, "So enjoy your term in office, I will win  next time Ann"}}},
      {{269, 269, 10.0f, 10.0f, 12},
       {{11, 5, "The House of Representatives broke the tie in your favor!"},
        {1, 7, "They say  that it is better to have a human as President than a computer!"},
        {1, 9, "That is blatant discrimination Ann and I object"},
        {5, 11, "So enjoy your term in office, I will win  next time Ann"}}}};
  for (const Case& c : cases) {
    game.player = {c.start.playerMoney, c.start.playerVotes, 4, false};
    game.computer = {c.start.computerMoney, c.start.computerVotes, 9, false};
    RunUntilIdle([] { EndGame(); });
    for (const Cell& line : c.lines) {
      EXPECT_TRUE(ShowsAt(line.column, line.row, line.text)) << line.text << "\n" << ScreenDump();
    }
    EXPECT_EQ(RowText(c.start.flightsRow), "You took 12 flights in your campaign")
        << c.lines[0].text;
    EXPECT_TRUE(ShowsAt(20, 24, "Press a letter for a state listing or space bar to end "));
  }
}

// Player 100 votes in three states, computer 150 in eight: whoever is left
// with money takes the 40 states nobody holds and the 288 votes with them.
TEST_F(GameEndTest, TheSideLeftWithMoneyTakesEveryUnclaimedState) {
  struct Case {
    float playerMoney, computerMoney;
    const char* listKey;
    const char* summary;
    int winner;
  };
  const Case cases[] = {{20.0f, 0.02f, "P", "You have 43 states worth 388 votes", player},
                        {0.02f, 20.0f, "c", "I have 48 states worth 438 votes", computer}};
  for (const Case& c : cases) {
    ResetGameState();
    game.firstName = "Ann";
    for (int p : {41, 49, 8}) game.owner[p] = player;
    for (int p : {7, 57, 16, 23, 17, 59, 62, 65}) game.owner[p] = computer;
    game.player = {c.playerMoney, 100, 4, false};
    game.computer = {c.computerMoney, 150, 9, false};
    console.Type(c.listKey);
    RunUntilIdle([] { EndGame(); });
    EXPECT_EQ(RowText(22), c.summary);
    int winnersVotes = 0;
    for (int p = 1; p <= kLastPosition; ++p) {
      EXPECT_NE(game.owner[p], Unclaimed) << p;
      if (game.owner[p] == c.winner) winnersVotes += BoardTable[p].electoralVotes;
    }
    EXPECT_EQ(winnersVotes, CandidateOf(c.winner).votes);
  }
}

TEST_F(GameEndTest, HelpAtTheFinalPromptLeadsToTheChosenList) {
  game.player.votes = 275;
  console.Type("hd");
  RunUntilIdle([] { EndGame(); });
  EXPECT_EQ(RowText(23), "Come on Ann, you know I am only kidding");

  console.Type("hu");
  RunUntilIdle([] { EndGame(); });
  EXPECT_EQ(RowText(1), "Here are the unclaimed states and their electoral votes:");
}

TEST_F(GameEndTest, SpaceBarGoesOnToTheFarewellAndTheProcessEndsOnEscape) {
  game.player.votes = 275;
  game.soundFlag = 'y';
  console.Type("zq x\r\x1b");
  EXPECT_EQ(RunToEnd([] { EndGame(); }), 0);
  EXPECT_FALSE(std::filesystem::exists(kFrozenGameFile));
  for (int row = 1; row <= 17; ++row) EXPECT_EQ(RowText(row), "") << "row " << row;
  EXPECT_EQ(RowText(21), std::string(33, ' ') + "Happy campaigning Ann");
  EXPECT_TRUE(ShowsAt(34, 22, "Press escape to exit "));
  EXPECT_EQ(RowText(24), "");
  EXPECT_EQ(console.clips(), (std::vector<std::string>{"data\\hail.wav", "data\\exit.wav"}));
  EXPECT_EQ(console.millisecondsWaited(), 3000 + 3 * 200 + 3000);
  EXPECT_EQ(console.keysLeft(), 0);
}

TEST_F(GameEndTest, ConcedingGivesTheComputerEveryVoteThePlayerLacks) {
  struct Case {
    std::string keys;
    int playerVotes, computerVotes;
    std::string claim;
  };
  const Case cases[] = {
      {"y\x1b", 0, 0, "I win with 538 electoral votes, you lose with 0 electoral votes"},
      {"\r\x1bzY q\x1b", 120, 100,
       "I win with 418 electoral votes, you lose with 120 electoral votes"}};
  game.soundFlag = 'y';
  for (const Case& c : cases) {
    ScriptedConsole fresh;
    std::ofstream(kFrozenGameFile) << "an earlier frozen game\n";
    game.player.votes = c.playerVotes;
    game.computer.votes = c.computerVotes;
    fresh.Type(c.keys);
    EXPECT_EQ(RunToEnd([] { ConcedeGame(); }), 0);
    EXPECT_EQ(fresh.keysLeft(), 0);
    EXPECT_EQ(fresh.clips(), (std::vector<std::string>{"data\\quit.wav", "data\\exit.wav"}));
    EXPECT_TRUE(ShowsAt(23, 3, "You have conceded defeat Ann!"));
    EXPECT_TRUE(ShowsAt(23, 7, "You are a loser this time Ann"));
    // A claim longer than 63 letters runs past column 80 onto row 12.
    EXPECT_TRUE(ShowsAt(18, 11, c.claim.substr(0, 63)));
    EXPECT_EQ(RowText(12), c.claim.size() > 63 ? c.claim.substr(63) : "");
    EXPECT_TRUE(ShowsAt(25, 13, "Come back in four years my ambitious friend!"));
    EXPECT_TRUE(ShowsAt(34, 22, "Press ESCAPE to exit "));
    EXPECT_FALSE(std::filesystem::exists(kFrozenGameFile));
    EXPECT_EQ(game.computer.votes, c.computerVotes) << "the record keeps its totals";
  }
}

TEST_F(GameEndTest, DecliningToConcedeReturnsToTheSameTakeOffPrompt) {
  for (const char* no : {"n", "N"}) {
    console.Type(std::string("\r") + no);
    ConcedeGame();
    EXPECT_TRUE(ShowsAt(17, 21, "are you throwing in the towel Ann?  y or n  "));
  }
  EXPECT_TRUE(std::filesystem::exists(kFrozenGameFile));

  game.currentSide = computer;
  console.TypeKey(kKeyCtrlC);
  RunUntilIdle([] { TakeOff(); });
  EXPECT_TRUE(ShowsAt(17, 21, "are you throwing in the towel Ann?  y or n  "))
      << "Control-C offers to concede as Escape does";

  console.Type("\x1bN");
  RunUntilIdle([] { TakeOff(); });
  EXPECT_EQ(RowText(21), std::string(16, ' ') + "Please launch  me");
}

TEST_F(GameEndTest, EscapeAtStartUpShowsTheQuitScreen) {
  console.Type("q\r\x1b");
  EXPECT_EQ(RunToEnd([] { QuitAtStart(); }), 0);
  EXPECT_EQ(console.keysLeft(), 0);
  EXPECT_TRUE(ShowsAt(16, 12, "Too bad, your campaign  never got off the ground!"));
  EXPECT_TRUE(ShowsAt(34, 22, "Press ESCAPE to exit "));
  EXPECT_EQ(console.millisecondsWaited(), 1000);
}

}  // namespace
}  // namespace ballotrek::testing
