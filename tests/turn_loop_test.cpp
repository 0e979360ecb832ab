#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "console/console.h"
#include "console/screen.h"
#include "engine/engine.h"
#include "events/events.h"
#include "model/frozen_game.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

using TurnLoopTest = GameTest;

// Whole turns from the loop's start, sound on, as Al of the Whig party, until the game waits for a
// key not scripted here: the clips in order, all the pauses, the screen, and the record.
struct Turn {
  const char* keys;
  std::vector<int> draws;
  const char* clips;  // short names in order; a closing | when the first line waits for the last
  long ms;
  std::vector<std::tuple<int, int, const char*>> cells;  // text at its column and row
  void (*setup)() = nullptr;
  bool (*after)() = nullptr;
};

// The player lands on its own state, 2900 ms in all; draws 0 (one square), 0 (the remark).
void PlayerLandsAtHome() {
  game.player.position = 10;
  Give(11, player);
}

TEST_F(TurnLoopTest, WholeTurns) {
  const Turn turns[] = {
      // clang-format off
      // Purchases, tries and challenges, each side at the rolls that win and lose.
      {"\ry", {0, 8, 0}, "plwh bust|", 4300, {{1, 7, "It is your baby"},
       {17, 21, "Please launch  me "},
       {1, 4, "It has 13 electoral votes and costs 3.9 million dollars"},
       {17, 20, "You now have 13 votes and 96.1 million dollars"}}},
      {"\ry", {1, 9}, "plwh lost|", 4300, {{1, 7, "No good Al, you dropped it and it rolled away"},
       {1, 8, "It remains unclaimed"}, {17, 20, "You now have 0 votes and 96 million dollars"}}},
      {"\ry\r", {6, 7, 0}, "plwh bist chal wich|", 5500, {{1, 7, "It is your baby"},
       {1, 4, "It has 29 electoral votes, a try for it costs 2.9 million dollars"},
       {17, 20, "You now have 29 votes and 97.1 million dollars"}}},
      {"\ry\r", {6, 8}, "plwh bist chal lost|", 5500, {{1, 7, "You failed to get it Al"},
       {1, 8, "It comes over to me Al, thanks for the gift"}}, nullptr,
       [] { return game.computer.votes == 29; }},
      {"\ry\r", {6, 8}, "plwh bist chal lost", 5500,
       {{1, 8, "I am in this room and cannot take any states"}},
       [] { game.computer.position = 33; }, [] { return game.computer.votes == 0; }},
      {"\r\r\r", {0, 6, 0, 23, 10, 0, 0}, "plwh smin cowh bist chal lost", 12000,
       {{1, 8, "You are in the smoke filled room and do not get it"}},
       [] { game.player.position = 32; }, [] { return game.computer.votes == 0; }},
      {"\rn", {6}, "plwh", 3300, {{1, 3, "You have landed in West Virginia, The Mountain State"},
       {17, 21, "Please launch  me "}}, [] { game.player.position = 60; },
       [] { return game.player.position == 2 && game.player.money == 100.0f; }},
      {"\r\r", {0, 0, 2, 1, 7, 8, 0}, "plwh cowh", 9800,
       {{3, 3, "I have landed in Maryland, The Old Line State"},
       {1, 5, "Holy moley \x1E I must decide"}, {1, 9, "I will take it \x1E it goes in my column"},
       {17, 20, "I now have 10 votes and 95 million dollars"}}, PlayerLandsAtHome},
      {"\r\r\r", {0, 0, 6, 0, 23, 9}, "plwh cowh bist chal wich|", 11000, {{1, 7, "I got it Al"},
       {1, 5, "I will take a stab at it"},
       {17, 20, "I now have 29 votes and 97.1 million dollars"}},
       PlayerLandsAtHome},
      {"\r\r\r", {0, 0, 6, 0, 23, 10}, "plwh cowh bist chal lost|", 11000,
       {{1, 7, "Nuts!  I lost it Al"}, {1, 8, "You get it Al, you owe me one now"}},
       PlayerLandsAtHome, [] { return game.player.votes == 40; }},
      {"\ry\r", {0, 0, 9, 0}, "plwh chal wich|", 5500,
       {{1, 11, "Oh no \x1E you robbed me Al, you took it"},
       {1, 6, "A challenge costs 7.8 million bucks"}}, [] { Give(1, computer); },
       [] { return game.player.votes == 13; }},
      {"\ry\r", {0, 0, 8, 0}, "plwh chal lost|", 5500, {{1, 11, "Too bad Al, you bungled it!"}},
       [] { Give(1, computer); }, [] { return game.computer.votes == 13; }},
      {"\r\r\r", {0, 0, 0, 0, 23, 9}, "plwh cowh chal wich|", 11000,
       {{1, 15, "Yippey!  I did it \x1E it is mine now"},
       {1, 5, "You beat me to it Al, it is your baby"},
       {1, 6, "A challenge costs 7.8 million bucks"}, {1, 7, "I am going to go for it!"}},
       [] { PlayerLandsAtHome(); Give(1, player); game.player.votes = 100; },
       [] { return game.owner[1] == computer; }},
      {"\r\r\r", {0, 0, 0, 0, 23, 8}, "plwh cowh chal lost|", 11000,
       {{1, 15, "Shucks!  I blew it"}},
       [] { PlayerLandsAtHome(); Give(1, player); game.player.votes = 100; },
       [] { return game.owner[1] == player; }},
      // The events of the board.
      {"\r\r", {0, 0, 4, 2, 0}, "plwh cowh", 6800, {{3, 3, "I have landed in the evening news!"},
       {1, 4, "  The story says that I "}, {1, 7, "Hooray for me and my party"},
       {25, 5, "promised peace in our time and a world without crime"},
       {17, 20, "I now have 0 votes and 102 million dollars"}}, PlayerLandsAtHome},
      {"\r\r", {4, 0, 0, 0, 1, 2}, "plwh chal", 4300, {{1, 7, "What a lucky break"},
       {1, 13, "And you get Maryland and its 10 votes"},
       {17, 20, "You now have 28 votes and 100 million dollars"}}},
      {"\r", {9}, "plwh ocea", 4100,
       {{1, 3, "You have landed in the Atlantic Ocean, splish splash splosh!"},
       {1, 6, "You must pay five million dollars for a new plane"},
       {17, 20, "You now have 0 votes and 95 million dollars"}},
       [] { game.computer.position = 10; }},
      {"\r\r", {0, 0, 0}, "plwh cowh gosw goba", 6800,
       {{1, 4, "Oh no, I fell off the golf cart and cracked my USB port"},
       {17, 20, "I now have 0 votes and 98 million dollars"}},
       [] { PlayerLandsAtHome(); game.computer.position = 57; }},
      {"\r\r", {0, 0, 0}, "plwh cowh", 6800,
       {{1, 4, "And Al, the media is calling it computergate"},
       {1, 5, "It will take 4million dollars in hush money to cover it up"},
       {17, 20, "I now have 0 votes and 96 million dollars"}},
       [] { PlayerLandsAtHome(); game.computer.position = 62; }},
      {"\rRALEIGH\r\r", {0, 61, 0}, "plwh prco wich chal", 4300,
       {{1, 4, "A wise guy reporter is asking you a question"},
       {1, 6, "What is the capital of North Carolina (no spaces)?RALEIGH"},
       {1, 8, "You are correct Al, you win a state!"}}, [] { game.player.position = 46; }},
      {"\r\r", {0, 0, 0, 0, 0}, "plwh smin cowh", 6800, {{1, 1, "You are in the smoke filled room"},
       {1, 2, "Oh Al, you are stuck in that putrid room"}, {17, 21, "Please launch  me "}},
       [] { game.player.position = 32; game.computer.position = 10; Give(11, computer); },
       [] { return game.player.inSmokeRoom && game.player.money == 99.0f; }},
      {"\r\r\r", {0, 0, 0, 0, 0, 0, 0}, "plwh cowh smin plwh", 9700,
       {{1, 1, "I am in the smoke filled room and have no states to give up"},
       {1, 2, "Oh man Al, I cannot leave this suffocating room yet"}},
       [] { PlayerLandsAtHome(); Give(12, player); game.computer.position = 32; },
       [] { return game.computer.inSmokeRoom && game.computer.money == 99.0f; }},
      // Intruding, and a purse emptied by an intrusion or the room, ending the game at once.
      {"\r", {0}, "plwh inst|", 4100,
       {{1, 4, "Come on Al, I am campaigning here, you are intruding on my action"},
       {1, 3, "You have landed in Massachusetts "},
       {17, 20, "You now have 0 votes and 99 million dollars"}},
       [] { game.player.position = 10, game.computer.position = 11; },
       [] { return game.player.inSmokeRoom && game.player.position == SmokeRoomPosition; }},
      {"\r\r", {0, 0, 0}, "plwh cowh inst", 6800,
       {{1, 4, "Excuse me for intruding Al, I did not know you were here"},
       {17, 20, "I now have 0 votes and 99 million dollars"}},
       [] { PlayerLandsAtHome(); game.computer.position = 10; },
       [] { return game.computer.inSmokeRoom && game.computer.position == SmokeRoomPosition; }},
      {"\r", {0}, "plwh inst hail", 7100, {{30, 3, "I beat you Al"}},
       [] { game.player = {1.0f, 0, 10}; game.computer.position = 11; }},
      {"\r\r", {0, 0, 0}, "plwh cowh inst hail", 9800,
       {{19, 3, "Congratulations Al, you beat me!"}},
       [] { PlayerLandsAtHome(); game.computer = {1.0f, 0, 10}; }},
      {"\r\r", {0, 0, 0}, "plwh cowh smin hail", 9800,
       {{19, 3, "Congratulations Al, you beat me!"}},
       [] { PlayerLandsAtHome(); game.computer = {1.04f, 0, 32}; }},
      {"\r", {0, 0}, "plwh hail", 6100, {{30, 3, "It is an electoral vote tie at 269 votes each"}},
       [] { PlayerLandsAtHome(); game.player.votes = game.computer.votes = 269; }},
      {"\r", {0, 0}, "plwh", 3100, {{17, 21, "Please launch  me "}, {1, 4, "You already bagged this one Al"}},
       [] { PlayerLandsAtHome(); game.player = {0.05f, 269, 10}; game.computer.votes = 268; }},
      // The schedule: rest days, returns to Washington DC, voices, facts and airport quizzes.
      {"\r", {0, 3, 2}, "plwh gosw goba", 600, {{17, 19, "You are winning Al"},
       {17, 20, "You have 10 votes and 100 million dollars"},
       {1, 3, "You are taking a day off to play golf with your press secretary"}},
       [] { game.turnCount = 4; game.player.votes = 10; },
       [] { return game.player.position == 0; }},
      {"\r\r", {0, 0, 0, 1, 4}, "plwh cowh rock", 3800,
       {{1, 3, "I am resting today.  I am going to Go  to a loud rock concert"}},
       [] { PlayerLandsAtHome(); game.turnCount = 3; }, [] { return game.computer.position == 0; }},
      {"zhnhcsSfn\r", {0, 0}, "", 2400, {{1, 1, "                    "},
       {1, 3, "You must return to Washington DC for a Congressional vote"}},
       [] { game.turnCount = 5; game.soundFlag = 'n'; game.player.position = 30; },
       [] { return game.player.position == 1; }},
      {"\r\r", {0, 0, 0, 0, 1}, "plwh cowh", 3800,
       {{1, 3, "I must return to Washington DC for a computer show"}},
       [] { PlayerLandsAtHome(); game.turnCount = 3; game.computer.position = 30; },
       [] { return game.computer.position == 1; }},
      // Keys at the take-off prompt: z is none, H opens the help that C or N only close, S turns
      // the sound off, F asks before freezing; each prompt comes back after 200 ms.
      {"\r", {0, 0, 1, 0}, "plwh cc|", 4100, {{1, 1, "President Coolidge"}},
       [] { PlayerLandsAtHome(); game.turnCount = 5; }},
      {"zhchnSfn\r", {0, 0, 0}, "", 5700, {{1, 17, "Eight Presidents never attended college"}},
       [] { PlayerLandsAtHome(); game.turnCount = 2; }},
      {"\rZACHARY\rTAYLOR\r\r", {0, 4, 8, 0}, "plwh prch wich chal", 2100,
       {{1, 3, "A reporter is shouting a question at you at the airport, a state is at risk"},
       {1, 4, "Who was inaugurated  President in 1849(first and last names only)?"}},
       [] { game.turnCount = 8; }},
      {"\rBarack\rObama\r\r", {0, 3, 2012 - 1789, 0}, "plwh prch wich chal hail", 5100,
       {{22, 3, "Congratulations Al, you beat me!"}},
       [] { game.turnCount = 8; game.player.votes = 265; }},
      // clang-format on
  };
  for (const Turn& turn : turns) {
    SCOPED_TRACE(std::get<2>(turn.cells[0]));
    ResetGameState();
    ScriptedConsole keys;
    game.firstName = "Al";
    game.partyName = "Whig";
    game.soundFlag = 'y';
    if (turn.setup) turn.setup();
    const bool kept = VotesMatchOwners();
    keys.Type(turn.keys);
    keys.Force(turn.draws);
    RunUntilIdle(TurnLoop);
    std::string clips;
    for (const std::string& clip : keys.clips()) clips += clip.substr(5, clip.size() - 9) + " ";
    std::string wanted = turn.clips;
    const bool waits = wanted.ends_with('|');
    if (waits) wanted.pop_back();
    EXPECT_EQ(clips, wanted.empty() ? "" : wanted + " ");
    EXPECT_EQ(keys.elapsedMs(), turn.ms);
    for (const auto& [column, row, text] : turn.cells) {
      EXPECT_TRUE(ShowsAt(column, row, text)) << text << "\n" << ScreenDump();
    }
    EXPECT_TRUE(!turn.after || turn.after());
    EXPECT_TRUE(!kept || VotesMatchOwners());
    const std::string first = std::get<2>(turn.cells[0]);
    EXPECT_TRUE(!waits || keys.screenAtLastClip().find(first) == std::string::npos);
    EXPECT_TRUE(keys.keysLeft() == 0 && keys.AllForcedUsed());
  }
}

// A run of refused keys typed ahead costs one redraw, not one each, and the keys after it act in
// order; pasted text answers no single-key prompt.
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

// Three entries to a row, 25 columns apart; the board listing starts a row higher, no totals.
TEST_F(TurnLoopTest, ListsShowTheirStatesAcrossThreeColumnsWithTotals) {
  for (int position : {7, 65}) Give(position, computer);
  RunUntilIdle([] { ShowList('c'); });
  EXPECT_EQ(RowText(3), "New York  29" + std::string(13, ' ') + "Washington DC  3");
  EXPECT_EQ(RowText(22), "I have 2 states worth 32 votes");
  RunUntilIdle([] { ShowList('u'); });
  EXPECT_EQ(RowText(22), "There are 49 unclaimed states worth 506 votes");
  RunUntilIdle([] { ShowList('b'); });
  EXPECT_TRUE(ShowsAt(26, 2, "West Virginia  5"));
  EXPECT_TRUE(ShowsAt(51, 22, "Scandal  0") && RowText(24).starts_with("Press space bar"));
}

// Each remark with the leads at the edges of its band.
TEST_F(TurnLoopTest, RaceRemarkFollowsTheLeadBands) {
  const std::pair<std::vector<int>, const char*> bands[] = {
      // clang-format off
      {{-150, -100}, "I am really kicking your butt"}, {{-99, -50}, "I am way ahead of you"},
      {{-49, -11}, "I am beating you"}, {{-10, -1}, "This contest is very tight"}, {{0}, ""},
      {{1, 9}, "This is a close race"}, {{10, 49}, "You are winning"},
      {{50, 99}, "You are beating me badly"}, {{100, 150}, "You are slaughtering me"}};
  // clang-format on
  game.firstName = "Ann";
  for (const auto& [leads, remark] : bands) {
    for (int lead : leads) {
      ClearScreen();
      game.player.votes = 150 + lead;
      game.computer.votes = 150;
      CommentOnRace();
      EXPECT_EQ(RowText(19), *remark ? std::string(16, ' ') + remark + " Ann" : "") << lead;
    }
  }
}

// Random keys through whole games: every game ends through a way out, keeping the record's rules at
// every key.
TEST_F(TurnLoopTest, RandomGamesAlwaysEndThroughAWayOut) {
  for (unsigned seed = 1; seed <= 40; ++seed) EXPECT_EQ(PlayRandomGame(seed).problem, "") << seed;
}

}  // namespace
}  // namespace ballotrek::testing
