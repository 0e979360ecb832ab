#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "console/console.h"
#include "engine/engine.h"
#include "model/frozen_game.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

using TakeOffTest = GameTest;
using LandingTest = GameTest;

class TurnLoopTest : public GameTest {
 protected:
  // Presses Enter at each take-off and plays with these draws until the game waits.
  void Play(ScriptedConsole& keys, int takeOffs, std::initializer_list<int> draws) {
    keys.Type(std::string(takeOffs, '\r'));
    keys.Force(draws);
    RunUntilIdle(TurnLoop);
  }
};

TEST_F(TakeOffTest, EnterClearsTheScreenPlaysTheSidesClipAndFliesOneToTen) {
  game.soundFlag = 'y';
  const std::tuple<int, int, int, const char*> cases[] = {
      {player, 0, 1, "plwh"}, {computer, 9, 10, "cowh"}, {player, 19, 10, "plwh"}};
  for (auto [side, forced, distance, clip] : cases) {
    game.currentSide = side;
    GotoXY(1, 3);
    Write("You have landed in Virginia");
    console.Type("z\r");
    console.Force({forced});
    EXPECT_EQ(TakeOff(), distance);
    EXPECT_EQ(RowText(3), "");
    EXPECT_EQ(console.clips().back(), "data\\" + std::string(clip) + ".wav");
  }
}

TEST_F(TakeOffTest, SoundFreezeListAndHelpKeysReturnToThePrompt) {
  game.currentSide = player;
  game.soundFlag = '\x1b';  // sound refused for good at start-up
  console.Type("sfN");
  RunUntilIdle(TakeOff);
  EXPECT_EQ(game.soundFlag, '\x1b');
  EXPECT_EQ(RowText(20), "");
  EXPECT_EQ(RowText(19), "") << "the freeze question is cleared away";
  EXPECT_FALSE(std::filesystem::exists(kFrozenGameFile));

  console.Type("C");
  RunUntilIdle(TakeOff);
  EXPECT_TRUE(ShowsAt(1, 1, "Here are my states"));
  // C on the help screen only closes it: a list would still wait for the space bar.
  console.Type("hc\r");
  console.Force({0});
  EXPECT_EQ(TakeOff(), 1);
}

TEST_F(TakeOffTest, RollForOutcomeClearsTheOldOutcomeAndWaitsForEnter) {
  GotoXY(17, 22);
  Write("an old outcome");
  console.Type("x");
  RunUntilIdle([] { RollForOutcome(6); });
  EXPECT_TRUE(ShowsAt(17, 21, "Press Enter  for outcome \x1E "));
  EXPECT_EQ(RowText(22), "");
  console.Type("\r");
  console.Force({9});
  EXPECT_EQ(RollForOutcome(6), 4);
}

TEST_F(TakeOffTest, ListsShowTheirStatesAcrossThreeColumnsWithTotals) {
  RunUntilIdle([] { ShowList('u'); });
  EXPECT_TRUE(ShowsAt(26, 3, "West Virginia  5"));
  EXPECT_TRUE(ShowsAt(51, 19, "Washington DC  3"));

  game.owner[7] = game.owner[65] = computer;
  game.computer.votes = 32;
  game.owner[1] = player;
  game.player.votes = 13;
  RunUntilIdle([] { ShowList('c'); });
  EXPECT_EQ(RowText(3), "New York  29" + std::string(13, ' ') + "Washington DC  3");
  EXPECT_EQ(RowText(22), "I have 2 states worth 32 votes");
  RunUntilIdle([] { ShowList('u'); });
  EXPECT_TRUE(ShowsAt(1, 3, "West Virginia  5 "));
  EXPECT_EQ(RowText(22), "There are 48 unclaimed states worth 493 votes");

  // The board listing ignores owners, starts a row higher, has no totals and
  // closes only on the space bar.
  console.Type("x\r\x1bq ");
  ShowList('b');
  EXPECT_EQ(console.keysLeft(), 0);
  RunUntilIdle([] { ShowList('b'); });
  EXPECT_TRUE(ShowsAt(51, 22, "Scandal  0"));
  EXPECT_TRUE(ShowsAt(26, 23, "Washington DC  3"));
}

// The price a state's narration names must be the price it is sold at.
TEST_F(LandingTest, EveryStateNarratesItsNameVotesAndSalePrice) {
  for (int side : {player, computer}) {
    game.currentSide = side;
    for (int position = 1; position <= kLastPosition; ++position) {
      const BoardPosition& square = BoardTable[position];
      if (square.electoralVotes == 0) continue;
      ClearScreen();
      RunUntilIdle([&] { DispatchLanding(position); });
      const std::string second = RowText(4);
      EXPECT_TRUE(RowText(3).substr(19).starts_with(square.name + std::string(","))) << RowText(3);
      const std::string votes = std::to_string(square.electoralVotes);
      EXPECT_TRUE(second.starts_with("It has " + votes + " electoral votes")) << second;
      const auto price = second.find("costs ");
      ASSERT_NE(price, std::string::npos) << second;
      EXPECT_EQ(std::stof(second.substr(price + 6)), square.price) << second;
    }
  }
}

TEST_F(LandingTest, NarrationFollowsTheKindOfSquareItsOwnerAndTheSide) {
  struct Case {
    int position, owner, side, column, row;
    const char* text;
  };
  const Case cases[] = {
      {52, Unclaimed, computer, 1, 4, "It has 8 electoral votes and costs 4.0 million dollars"},
      {53, player, computer, 1, 4, "It has 6 electoral votes and costs 3.0 million dollars"},
      {41, computer, player, 1, 4, "It has 55 electoral votes, a try for it costs 5.5 million"},
      {65, player, player, 20, 3, "Washington DC, The Nation's Capital"},
      {65, player, player, 1, 4, "You already have it"},
      {33, NotOwnable, player, 17, 20, "You now have 0 votes and 99 million dollars"},
      {33, NotOwnable, computer, 1, 5, "I must pay one million clams - "},
      {47, NotOwnable, player, 20, 3, "a press conference"},
      {47, NotOwnable, computer, 1, 4, "There is a pain in the neck newscaster questioning me"}};
  for (const Case& c : cases) {
    ClearScreen();
    game.owner[c.position] = c.owner;
    game.currentSide = c.side;
    if (c.owner == c.side) console.Force({1});
    RunUntilIdle([&] { DispatchLanding(c.position); });
    EXPECT_TRUE(ShowsAt(c.column, c.row, c.text)) << c.text << "\n" << ScreenDump();
  }
}

TEST_F(TurnLoopTest, MovesPastWashingtonDcContinueFromVirginia) {
  for (auto [from, forced, to] : {std::tuple{60, 6, 2}, {58, 6, 65}, {60, 9, 5}, {64, 0, 65}}) {
    game.player.position = from;
    Play(console, 1, {forced});
    EXPECT_EQ(game.player.position, to) << "from " << from;
  }
}

// Each remark with the leads at the edges of its band.
TEST_F(TurnLoopTest, RaceRemarkFollowsTheLeadBands) {
  const std::pair<const char*, std::vector<int>> bands[] = {
      {"", {0}},
      {"This is a close race", {1, 9}},
      {"You are winning", {10, 49}},
      {"You are beating me badly", {50, 99}},
      {"You are slaughtering me", {100, 150}},
      {"This contest is very tight", {-1, -10}},
      {"I am beating you", {-11, -49}},
      {"I am way ahead of you", {-50, -99}},
      {"I am really kicking your butt", {-100, -150}}};
  game.firstName = "Ann";
  for (const auto& [remark, leads] : bands) {
    for (int lead : leads) {
      ClearScreen();
      game.player.votes = 150 + lead;
      game.computer.votes = 150;
      CommentOnRace();
      EXPECT_EQ(RowText(19), *remark ? std::string(16, ' ') + remark + " Ann" : "") << lead;
    }
  }
}

// The fifth turn brings the race remark, the sixth may call a Congressional vote.
TEST_F(TurnLoopTest, ThePlayersTurnCountBringsTheRemarkAndTheVote) {
  game.firstName = "Ann";
  game.player = {100.0f, 60, 20, false};
  game.computer.votes = 50;
  game.turnCount = 3;
  Play(console, 1, {0});
  EXPECT_EQ(RowText(19), "");
  Play(console, 1, {0, 0});  // distance 1, and the rest-day draw misses
  EXPECT_EQ(RowText(19), std::string(16, ' ') + "You are winning Ann");
  Play(console, 1, {4, 0});
  EXPECT_EQ(RowText(3), "You must return to Washington DC for a Congressional vote");
  EXPECT_EQ(game.player.position, 1);
  EXPECT_TRUE(ShowsAt(17, 21, "Please launch  me "));
}

TEST_F(TurnLoopTest, LandingOnAStateWhereTheOtherStandsSendsTheIntruderToTheRoom) {
  game.computer.position = 8;
  Play(console, 1, {7});
  EXPECT_EQ(RowText(3), "You have landed in Connecticut") << "only the board name";
  EXPECT_TRUE(game.player.inSmokeRoom);
  EXPECT_EQ(game.player.position, SmokeRoomPosition);

  ResetGameState();
  game.owner[1] = player;
  Play(console, 2, {0, 0, 0});
  EXPECT_EQ(RowText(3), "  I have landed in Virginia");
  EXPECT_TRUE(game.computer.inSmokeRoom);

  // Meeting on a special square is no intrusion: the square's event runs.
  ResetGameState();
  game.computer.position = 47;
  game.player.position = 46;
  Play(console, 1, {0});
  EXPECT_EQ(RowText(3), "You have landed in a press conference");
  EXPECT_FALSE(game.player.inSmokeRoom);
}

TEST_F(TurnLoopTest, LandingSoundsFollowTheSquare) {
  const std::pair<int, std::vector<std::string>> cases[] = {
      {7, {"bist"}},  {41, {"bist"}}, {49, {"bist"}}, {57, {"bist"}},         {10, {"ocea"}},
      {22, {"bliz"}}, {33, {"smin"}}, {47, {"prco"}}, {58, {"gosw", "goba"}}, {1, {}}};
  for (const auto& [square, names] : cases) {
    ScriptedConsole fresh;
    ResetGameState();
    game.soundFlag = 'y';
    game.player.position = square - 1;
    Play(fresh, 1, {0});
    std::vector<std::string> expected = {"data\\plwh.wav"};
    for (const std::string& name : names) expected.push_back("data\\" + name + ".wav");
    EXPECT_EQ(fresh.clips(), expected) << "square " << square;
  }
}

TEST_F(TurnLoopTest, EndOfTurnCheckEndsTheGameWithTheRightOutcome) {
  struct Case {
    int playerVotes, computerVotes;
    float playerMoney, computerMoney;
    int computerFrom;  // the computer flies one square from here
    const char* outcome;
  };
  const Case cases[] = {{270, 0, 100.0f, 100.0f, 10, "You win with 270 votes, i have 0"},
                        {0, 270, 100.0f, 100.0f, 10, "I win with 270 votes, you have 0"},
                        {269, 269, 1.0f, 2.0f, 10, "It is an electoral vote tie at 269 votes each"},
                        {10, 20, 0.049f, 100.0f, 10, "Your campaign is now trash"},
                        // The room's entry charge breaks the computer during its own turn.
                        {10, 20, 100.0f, 1.04f, 32, "I lost my shirt and i feel pretty hurt."},
                        {269, 268, 0.05f, 0.05f, 10, "Your takeoff"}};
  for (const Case& c : cases) {
    ScriptedConsole fresh;
    ResetGameState();
    game.firstName = "Ann";
    game.player = {c.playerMoney, c.playerVotes, 0, false};
    game.computer = {c.computerMoney, c.computerVotes, c.computerFrom, false};
    game.owner[1] = player;  // both land on their own states: only a remark
    game.owner[11] = computer;
    Play(fresh, 2, {0, 0, 0, 0});  // each side: a distance of 1, then its remark
    EXPECT_NE(ScreenDump().find(c.outcome), std::string::npos) << c.outcome << "\n" << ScreenDump();
  }
}

}  // namespace
}  // namespace ballotrek::testing
