#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "console/console.h"
#include "engine/engine.h"
#include "model/frozen_game.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

using TurnLoopTest = GameTest;

// Whole turns from the loop's start, sound on, as Al of the Whig party, until the game waits for a
// key not scripted here: the screen, the clips, all the pauses and the screen as the last clip
// began (tests/golden/turns.txt), and the record.
struct Turn {
  const char* what;
  const char* keys;
  std::vector<int> draws;
  void (*setup)() = nullptr;
  bool (*after)() = nullptr;
};

// The player lands on its own state, 2900 ms in all; draws 0 (one square), 0 (the remark).
void PlayerLandsAtHome() {
  game.player.position = 10;
  SetOwner(11, player);
}

TEST_F(TurnLoopTest, WholeTurns) {
  const Turn turns[] = {
      // clang-format off
      {"a purchase won on the ninth roll", "\ry", {0, 8, 0}},
      {"a purchase dropped on the tenth", "\ry", {1, 9}},
      {"a try won on the eighth roll", "\ry\r", {6, 7, 0}},
      {"a try lost on the ninth goes to the computer", "\ry\r", {6, 8},
       nullptr, [] { return game.computer.votes == 29; }},
      {"a try lost while the computer sits in the room", "\ry\r", {6, 8},
       [] { game.computer.position = 33; }, [] { return game.computer.votes == 0; }},
      {"the computer's try lost while the player sits there", "\r\r\r", {0, 6, 0, 23, 10, 0, 0},
       [] { game.player.position = 32; }, [] { return game.computer.votes == 0; }},
      {"a declined purchase after a flight past Washington DC", "\rn", {6},
       [] { game.player.position = 60; },
       [] { return game.player.position == 2 && game.player.money == 100.0f; }},
      {"the computer thinks aloud and buys a 10-vote state on a d of 2",
       "\r\r", {0, 0, 2, 1, 7, 8, 0}, PlayerLandsAtHome},
      {"the computer's try won on the tenth roll", "\r\r\r", {0, 0, 6, 0, 23, 9},
       PlayerLandsAtHome},
      {"the computer's try lost on the eleventh", "\r\r\r", {0, 0, 6, 0, 23, 10},
       PlayerLandsAtHome, [] { return game.player.votes == 40; }},
      {"the player's challenge won on the tenth roll", "\ry\r", {0, 0, 9, 0},
       [] { SetOwner(1, computer); }, [] { return game.player.votes == 13; }},
      {"the player's challenge lost on the ninth", "\ry\r", {0, 0, 8, 0},
       [] { SetOwner(1, computer); }, [] { return game.computer.votes == 13; }},
      {"the computer's challenge on a lead of 100, won on the tenth", "\r\r\r", {0, 0, 0, 0, 23, 9},
       [] { PlayerLandsAtHome(); SetOwner(1, player); game.player.votes = 100; },
       [] { return game.owner[1] == computer; }},
      {"the computer's challenge lost on the ninth", "\r\r\r", {0, 0, 0, 0, 23, 8},
       [] { PlayerLandsAtHome(); SetOwner(1, player); game.player.votes = 100; },
       [] { return game.owner[1] == player; }},
      {"the computer's news, a gain of money", "\r\r", {0, 0, 4, 2, 0}, PlayerLandsAtHome},
      {"the player's news, three states won", "\r\r", {4, 0, 0, 0, 1, 2}},
      {"the Atlantic, where the computer stands too", "\r", {9},
       [] { game.computer.position = 10; }},
      {"the press conference, Raleigh typed in capitals", "\rRALEIGH\r\r", {0, 61, 0},
       [] { game.player.position = 46; }},
      {"the player held in the smoke filled room", "\r\r", {0, 0, 0, 0, 0},
       [] { game.player.position = 32; game.computer.position = 10; SetOwner(11, computer); },
       [] { return game.player.inSmokeRoom && game.player.money == 99.0f; }},
      {"the computer held there", "\r\r\r", {0, 0, 0, 0, 0, 0, 0},
       [] { PlayerLandsAtHome(); SetOwner(12, player); game.computer.position = 32; },
       [] { return game.computer.inSmokeRoom && game.computer.money == 99.0f; }},
      {"the player lands where the computer stands", "\r", {0},
       [] { game.player.position = 10, game.computer.position = 11; },
       [] { return game.player.inSmokeRoom && game.player.position == SmokeRoomPosition; }},
      {"the computer lands where the player stands", "\r\r", {0, 0, 0},
       [] { PlayerLandsAtHome(); game.computer.position = 10; },
       [] { return game.computer.inSmokeRoom && game.computer.position == SmokeRoomPosition; }},
      {"an intrusion that empties the player's purse ends the game at once", "\r", {0},
       [] { game.player = {1.0f, 0, 10}; game.computer.position = 11; }},
      {"an intrusion that empties the computer's purse ends it at once", "\r\r", {0, 0, 0},
       [] { PlayerLandsAtHome(); game.computer = {1.0f, 0, 10}; }},
      {"the room's charge empties the computer's purse", "\r\r", {0, 0, 0},
       [] { PlayerLandsAtHome(); game.computer = {1.04f, 0, 32}; }},
      {"both at 269 end the game", "\r", {0, 0},
       [] { PlayerLandsAtHome(); game.player.votes = game.computer.votes = 269; }},
      {"269 alone and 0.05 left play on", "\r", {0, 0},
       [] { PlayerLandsAtHome(); game.player = {0.05f, 269, 10}; game.computer.votes = 268; }},
      {"a rest day on the fifth turn, after the race remark", "\r", {0, 3, 2},
       [] { game.turnCount = 4; game.player.votes = 10; },
       [] { return game.player.position == 0; }},
      {"the computer's rest day after the fourth", "\r\r", {0, 0, 0, 1, 4},
       [] { PlayerLandsAtHome(); game.turnCount = 3; },
       [] { return game.computer.position == 0; }},
      {"a Congressional vote on the sixth, sound off", "zhnhcsSfn\r", {0, 0},
       [] { game.turnCount = 5; game.soundFlag = 'n'; game.player.position = 30; },
       [] { return game.player.position == 1; }},
      {"a computer show after the fourth", "\r\r", {0, 0, 0, 0, 1},
       [] { PlayerLandsAtHome(); game.turnCount = 3; game.computer.position = 30; },
       [] { return game.computer.position == 1; }},
      {"a voice on the sixth, sound on", "\r", {0, 0, 1, 0},
       [] { PlayerLandsAtHome(); game.turnCount = 5; }},
      {"a fact on the third", "zhchnSfn\r", {0, 0, 0},
       [] { PlayerLandsAtHome(); game.turnCount = 2; }},
      {"the airport quiz on the ninth, then a second take-off",
       "\rZACHARY\rTAYLOR\r\r", {0, 4, 8, 0}, [] { game.turnCount = 8; }},
      {"a quiz win ends the game before the second take-off",
       "\rBarack\rObama\r\r", {0, 3, 2012 - 1789, 0},
       [] { game.turnCount = 8; game.player.votes = 265; }},
      // clang-format on
  };
  std::string seen;
  for (const Turn& turn : turns) {
    SCOPED_TRACE(turn.what);
    FreshGame();
    ScriptedConsole keys;
    if (turn.setup) turn.setup();
    const bool kept = BrokenRecordRule().empty();
    keys.Type(turn.keys);
    keys.Force(turn.draws);
    EXPECT_EQ(Outcome(TurnLoop), "");
    seen += "== " + std::string(turn.what) + "\n" + Shown(keys) + "as the last clip began:\n";
    std::istringstream atLastClip(keys.screenAtLastClip());
    for (std::string line; std::getline(atLastClip, line);)
      if (!line.ends_with('|')) seen += line + "\n";
    EXPECT_TRUE(!turn.after || turn.after());
    EXPECT_TRUE(!kept || BrokenRecordRule().empty()) << BrokenRecordRule();
    EXPECT_TRUE(keys.keysLeft() == 0 && keys.AllForcedUsed());
  }
  EXPECT_TRUE(MatchesGolden("turns", seen));
}

// A run of refused keys typed ahead costs one redraw, not one each, and the keys after it act in
// order; a paste after a refused key answers nothing and holds nothing back.
TEST_F(TurnLoopTest, RefusedRunsRedrawOnceAndPastedTextIsIgnored) {
  game.currentSide = player;
  game.soundFlag = 'n';
  console.Type(std::string(1000, 'x') + "s" + std::string(1000, 'z') + "\r");
  console.Force({0});
  EXPECT_EQ(TakeOff(), 1);
  EXPECT_EQ(game.soundFlag, 'y');
  EXPECT_EQ(console.elapsedMs(), 4 * 200);
  console.Type("x");  // a paste after a refused key does not hold back the redraw
  console.Paste("fy");
  EXPECT_EQ(Outcome(TakeOff), "");
  EXPECT_EQ(console.elapsedMs(), 6 * 200);
  EXPECT_FALSE(std::filesystem::exists(kFrozenGameFile));
}

// Random keys through whole games: every game ends through a way out, keeping the record's rules at
// every key. BALLOTREK_SOAK=N plays N games for a soak and tells how fast they went.
TEST_F(TurnLoopTest, RandomGamesAlwaysEndThroughAWayOut) {
  const char* soak = std::getenv("BALLOTREK_SOAK");
  const unsigned games = soak != nullptr ? static_cast<unsigned>(std::atoi(soak)) : 40;
  const auto start = std::chrono::steady_clock::now();
  for (unsigned seed = 1; seed <= games; ++seed) EXPECT_EQ(PlayRandomGame(seed), "") << seed;
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("%u games, %.0f games per second\n", games, games / took.count());
}

}  // namespace
}  // namespace ballotrek::testing
