#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "console/console.h"
#include "engine/engine.h"
#include "events/events.h"
#include "model/frozen_game.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class TurnLoopTest : public GameTest {
 protected:
  // Presses Enter at each take-off and plays with these draws until the game waits.
  void Play(ScriptedConsole& keys, int takeOffs, std::initializer_list<int> draws) {
    keys.Type(std::string(takeOffs, '\r'));
    keys.Force(draws);
    RunUntilIdle(TurnLoop);
  }
};

// Other keys wait; Enter plays the side's clip and flies one to ten squares.
TEST_F(TurnLoopTest, EnterTakesTheComputerOffWithItsClip) {
  game.soundFlag = 'y';
  game.currentSide = computer;
  console.Type("z\r");
  console.Force({19});
  EXPECT_EQ(TakeOff(), 10);
  EXPECT_EQ(console.clips(), std::vector<std::string>{"data\\cowh.wav"});
}

TEST_F(TurnLoopTest, SoundFreezeAndHelpKeysReturnToThePrompt) {
  game.currentSide = player;
  game.soundFlag = '\x1b';  // sound refused for good at start-up
  console.Type("sfN");
  RunUntilIdle(TakeOff);
  EXPECT_EQ(game.soundFlag, '\x1b');
  EXPECT_EQ(RowText(20), "");
  EXPECT_EQ(RowText(19), "") << "the freeze question is cleared away";
  EXPECT_FALSE(std::filesystem::exists(kFrozenGameFile));
  // C on the help screen only closes it: a list would still wait for the space bar.
  console.Type("hc\r");
  console.Force({0});
  EXPECT_EQ(TakeOff(), 1);
}

// A run of refused keys typed ahead costs one redraw, not one each, and the
// keys after it act in order; pasted text answers no single-key prompt.
TEST_F(TurnLoopTest, RefusedRunsRedrawOnceAndPastedTextIsIgnored) {
  game.currentSide = player;
  game.soundFlag = 'n';
  const auto start = console.Now();
  console.Type(std::string(1000, 'x') + "s" + std::string(1000, 'z'));
  console.Paste("Fine, freeze it: fy\x1b\r");
  console.Type("\r");
  console.Force({0});
  EXPECT_EQ(TakeOff(), 1);
  EXPECT_EQ(game.soundFlag, 'y');
  EXPECT_EQ(console.Now() - start, std::chrono::milliseconds(4 * 200));
  EXPECT_FALSE(std::filesystem::exists(kFrozenGameFile));
}

// Clearing a line blanks fifty cells, as the outcome row shows.
TEST_F(TurnLoopTest, RollForOutcomeClearsTheOldOutcomeAndWaitsForEnter) {
  GotoXY(1, 22);
  Write(std::string(80, 'x'));
  console.Type("x");
  RunUntilIdle([] { RollForOutcome(6); });
  EXPECT_TRUE(ShowsAt(17, 21, "Press Enter  for outcome \x1E "));
  EXPECT_EQ(RowText(22), std::string(16, 'x') + std::string(50, ' ') + std::string(14, 'x'));
  console.Type("\r");
  console.Force({9});
  EXPECT_EQ(RollForOutcome(6), 4);
}

TEST_F(TurnLoopTest, ListsShowTheirStatesAcrossThreeColumnsWithTotals) {
  for (int position : {7, 65}) Give(position, computer);
  Give(1, player);
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

TEST_F(TurnLoopTest, NarrationFollowsTheKindOfSquareItsOwnerAndTheSide) {
  // The square, its owner, the side landing, and a text at its column and row.
  const std::tuple<int, int, int, int, int, const char*> cases[] = {
      {41, computer, player, 1, 4, "It has 55 electoral votes, a try for it costs 5.5 million"},
      {65, player, player, 1, 4, "You already have it"},
      {33, NotOwnable, player, 17, 20, "You now have 0 votes and 99 million dollars"},
      {33, NotOwnable, computer, 1, 5, "I must pay one million clams - "},
      {47, NotOwnable, computer, 1, 4, "There is a pain in the neck newscaster questioning me"}};
  for (const auto& [position, owner, side, column, row, text] : cases) {
    ClearScreen();
    game.owner[position] = owner;
    game.currentSide = side;
    if (owner == side) console.Force({1});
    RunUntilIdle([&] { DispatchLanding(position); });
    EXPECT_TRUE(ShowsAt(column, row, text)) << text << "\n" << ScreenDump();
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

// The fifth turn brings the race remark and may be a rest day, the sixth may
// call a Congressional vote.
TEST_F(TurnLoopTest, ThePlayersTurnCountBringsTheRemarkARestDayAndTheVote) {
  game.firstName = "Ann";
  game.player = {100.0f, 60, 20, false};
  game.computer.votes = 50;
  game.turnCount = 3;
  Play(console, 1, {0});
  EXPECT_EQ(RowText(19), "");
  Play(console, 1, {0, 3, 6});  // distance 1, a rest day, its seventh activity
  EXPECT_EQ(RowText(19), std::string(16, ' ') + "You are winning Ann");
  EXPECT_EQ(RowText(3), "You are taking a day off to play cards with your speech writer");
  EXPECT_EQ(game.player.position, 21);
  Play(console, 1, {4, 0});
  EXPECT_EQ(RowText(3), "You must return to Washington DC for a Congressional vote");
  EXPECT_EQ(game.player.position, 1);
  EXPECT_TRUE(ShowsAt(17, 21, "Please launch  me "));
}

// The interlude after the player's take-off; with sound on, the take-off clip
// plays before a voice.
TEST_F(TurnLoopTest, InterludeSchedule) {
  const std::tuple<int, char, bool, bool> cases[] = {
      {3, 'n', false, true},  {6, 'n', false, false}, {6, 'y', true, false},
      {13, 'y', false, true}, {16, 'y', true, false}, {5, 'y', false, false}};
  for (const auto& [turnCount, sound, voice, fact] : cases) {
    SCOPED_TRACE(std::to_string(turnCount) + sound);
    ScriptedConsole fresh;
    ResetGameState();
    game.turnCount = turnCount - 1;  // the take-off counts one more
    game.soundFlag = sound;
    game.player.position = 20;
    Play(fresh, 1, {0, 0, 0, 0});
    EXPECT_EQ(fresh.clips().size() == 2, voice);
    EXPECT_EQ(RowText(1).rfind("President ", 0) == 0, voice);
    EXPECT_EQ(game.voiceDeck.slots[0] != 0, voice);
    EXPECT_EQ(!RowText(17).empty(), fact);
  }
}

TEST_F(TurnLoopTest, TwentyEightFactsOnceEach) {
  std::set<std::string> facts;
  for (int i = 0; i < 28; ++i) {
    ClearScreen();
    ShowTrivia();
    facts.insert(RowText(17) + "|" + RowText(18));
  }
  EXPECT_EQ(facts.size(), 28u);
  for (int slot : game.triviaDeck.slots) EXPECT_EQ(slot, 0);
}

TEST_F(TurnLoopTest, LandingOnAStateWhereTheOtherStandsSendsTheIntruderToTheRoom) {
  game.computer.position = 8;
  Play(console, 1, {7});
  EXPECT_EQ(RowText(3), "You have landed in Connecticut") << "only the board name";
  EXPECT_TRUE(ShowsAt(1, 4, "Come on , I am campaigning here, you are intruding"));
  EXPECT_EQ(game.player.money, 99.0f);
  EXPECT_TRUE(game.player.inSmokeRoom);
  EXPECT_EQ(game.player.position, SmokeRoomPosition);

  ResetGameState();
  game.owner[1] = player;
  Play(console, 2, {0, 0, 0});
  EXPECT_EQ(RowText(3), "  I have landed in Virginia");
  EXPECT_TRUE(ShowsAt(1, 4, "Excuse me for intruding , I did not know you were here"));
  EXPECT_EQ(game.computer.money, 99.0f);
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
      {41, {"bist"}}, {10, {"ocea"}},         {22, {"bliz"}}, {33, {"smin"}},
      {47, {"prco"}}, {58, {"gosw", "goba"}}, {1, {}}};
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

// Each side lands on a state of its own, so only the votes and the money can
// end the game; the room's entry charge can break the computer on its turn.
TEST_F(TurnLoopTest, EndOfTurnCheckEndsTheGameOnVotesOrAnEmptyPurse) {
  // The votes and money of each side, the square the computer flies on from, and the ending.
  const std::tuple<int, int, float, float, int, bool> cases[] = {
      {270, 0, 100, 100, 10, true},   {0, 270, 100, 100, 10, true},
      {269, 269, 1, 2, 10, true},     {10, 20, 0.049f, 100, 10, true},
      {10, 20, 100, 1.04f, 32, true}, {269, 268, 0.05f, 0.05f, 10, false}};
  for (const auto& [playerVotes, computerVotes, playerMoney, computerMoney, from, ends] : cases) {
    ScriptedConsole fresh;
    ResetGameState();
    game.player = {playerMoney, playerVotes, 0, false};
    game.computer = {computerMoney, computerVotes, from, false};
    game.owner[1] = player;
    game.owner[11] = computer;
    Play(fresh, 2, {0, 0, 0, 0});  // each side: a distance of 1, then its remark
    const bool ended = ScreenDump().find("flights in your campaign") != std::string::npos;
    EXPECT_EQ(ended, ends) << ScreenDump();
  }
}

}  // namespace
}  // namespace ballotrek::testing
