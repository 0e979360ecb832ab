// The board events alone: the computer's rules at both sides of each threshold.
#include "events/events.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

#include "console/console.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

using EventTest = GameTest;

// A price or a challenge's cost is affordable when it is not above the money: each side with just
// enough and with a tenth less.
TEST_F(EventTest, AffordableAtExactlyThePrice) {
  std::string seen;
  // clang-format off
  for (const auto& [side, position, owner, money] : {
           std::tuple{player, 4, Unclaimed, 2.4f}, {computer, 4, Unclaimed, 2.4f},
           {computer, 4, Unclaimed, 2.3f}, {player, 1, computer, 7.8f}, {player, 1, computer, 7.7f},
           {computer, 1, player, 7.8f}, {computer, 1, player, 7.7f}}) {
    // clang-format on
    ResetGameState();
    game.owner[position] = owner;
    CandidateOf(side).money = money;
    // d 1 or a remark, silent thinking, a pass or a refusal
    seen += "== " + std::to_string(money) + "\n" +
            Play([s = side, p = position] { Land(s, p); }, "", {0, 23, 0});
  }
  EXPECT_TRUE(MatchesGolden("affordable", seen));
}

// The computer's rules for buying a state, the first draw giving d (1 to 3), the second the silent
// thinking line; and for challenging the player for one.
TEST_F(EventTest, ComputerPurchaseAndChallengeRules) {
  // States: 4 Delaware 3, 2 West Virginia 5, 26 Iowa 6, 3 Maryland 10.
  struct Purchase {
    int computerVotes, playerVotes;
    float money;
    int position, d;
    bool buys;
  };
  const Purchase buying[] = {
      {200, 0, 100, 4, 1, true},  {199, 0, 100, 4, 1, false},   // 200 votes buy anything
      {160, 0, 100, 26, 1, true}, {160, 0, 100, 2, 1, false},   // from 160, more than 5
      {199, 0, 100, 26, 1, true}, {160, 0, 100, 3, 1, true},    // to 199, and a 10-vote state
      {0, 200, 7.0f, 4, 1, true}, {0, 200, 6.9f, 4, 1, false},  // the player at 200, 7.0 left
      {0, 199, 100, 4, 1, false},                               // the player at 199
      {0, 0, 100, 3, 2, true},    {0, 0, 100, 3, 1, false},     // 6 to 10 votes below 160, d of 2
      {159, 0, 100, 26, 2, true}, {159, 0, 100, 26, 1, false},  // at 159
      {0, 0, 100, 2, 3, true},    {0, 0, 100, 2, 2, false}};    // 5 votes or less, d of 3
  for (const Purchase& c : buying) {
    ResetGameState();
    game.computer = {c.money, c.computerVotes};
    game.player.votes = c.playerVotes;
    console.Force({c.d - 1, 23, 0});  // then a winning roll, or the pass line
    if (c.buys) console.Force({0});   // the winning line
    Land(computer, c.position);
    EXPECT_TRUE((game.owner[c.position] == computer) == c.buys && console.AllForcedUsed())
        << c.computerVotes << "/" << c.playerVotes << " votes, " << c.money << " on " << c.position;
  }
  // States: 2 West Virginia 5, 26 Iowa 6, 3 Maryland 10, 1 Virginia 13, 16 Pennsylvania 20, 41
  // California 55.
  struct Challenge {
    int playerVotes, computerVotes;
    float money;
    int position;
    bool challenges;
  };
  const Challenge challenging[] = {
      {100, 0, 14, 1, true},      {99, 0, 14, 1, false},     // a lead of 100 and more than 10 votes
      {100, 0, 14, 3, false},                                // 10 votes
      {0, 0, 15, 41, true},       {0, 0, 14.9f, 41, false},  // 15.0 and more than 20 votes
      {0, 0, 15, 16, false},                                 // 20 votes
      {250, 0, 15, 26, true},     {249, 0, 15, 26, false},  // the player at 250, 15.0, over 5 votes
      {250, 0, 14.9f, 26, false}, {250, 0, 15, 2, false},   // 14.9, and 5 votes
      {0, 250, 150, 1, true},     {0, 250, 149.9f, 1, false},  // the computer at 250 with 150.0
      {0, 249, 150, 1, false},    {0, 250, 150, 3, false},     // at 249, and 10 votes
      {0, 265, 15.1f, 2, true},   {0, 265, 15, 2, false},      // reaching 270 keeping more than 7.0
      {0, 264, 100, 2, false},                                 // reaching 269
      {220, 121, 30, 1, true},    {220, 121, 29.9f, 1, false},  // the player at 220 with 30.0
      {219, 121, 30, 1, false},                                 // the player at 219
      {220, 121, 30, 3, false}};                                // at 220, a 10-vote state
  for (const Challenge& c : challenging) {
    ResetGameState();
    game.player.votes = c.playerVotes;  // the totals alone matter to the rules
    game.computer = {c.money, c.computerVotes};
    game.owner[c.position] = player;
    console.Force({0, 23, 0});  // remark, silent thinking, a losing roll or a refusal
    if (c.challenges) console.Type("\r");
    Land(computer, c.position);
    EXPECT_EQ(RowText(7) == "I am going to go for it!", c.challenges)
        << c.playerVotes << "/" << c.computerVotes << " votes, " << c.money << " on " << c.position;
  }
}

// Gains of three with plenty, 2, 1 and no unclaimed states left; the later starts run from 1 to 65,
// but the computer's third from 0 to 65.
TEST_F(EventTest, GainsOfThreeAsTheStatesRunOut) {
  const std::tuple<int, std::vector<int>, std::vector<int>, std::vector<int>> cases[] = {
      {player, {1, 2, 6, 65}, {4, 63, 0}, {6, 65, 1}},  // 5 and 64 are no states
      {computer, {1, 2, 3, 65}, {0, 0, 0}, {1, 2, 3}},
      {computer, {1, 2, 3, 65}, {0, 0, 65}, {1, 2, 65}},
      {computer, {1, 2, 65}, {0, 0, 0}, {1, 2, 65}},  // from 0, only Washington DC left
      {player, {30, 61}, {10, 40, 50}, {30, 61}},
      {computer, {30}, {10, 40}, {30}},
      {player, {}, {10}, {}},
      {player, {1}, {64}, {1}}};  // after Washington DC the search goes on at Virginia
  for (const auto& [side, left, draws, gained] : cases) {
    ResetGameState();
    for (int p = 1; p <= kLastPosition; ++p)
      if (game.owner[p] == Unclaimed && std::count(left.begin(), left.end(), p) == 0)
        SetOwner(p, 3 - side);
    game.currentSide = side;
    console.Type("\r");
    console.Force(draws);
    GainUnclaimedStates(3);
    for (int p : gained) EXPECT_EQ(game.owner[p], side) << p;
    EXPECT_TRUE(BrokenRecordRule().empty() && console.AllForcedUsed());
  }
}

// The player starts with Virginia (13), the computer with West Virginia (5) and Washington DC (3);
// the first draw n deals story n + 1; the standing line clears the x's that stood in its place.
TEST_F(EventTest, EachKindOfStoryForEachSide) {
  // The side, who stands in the room, and the draws: money gained and lost, states gained and lost.
  const std::tuple<int, int, std::vector<int>> cases[] = {
      {player, NoSide, {4, 1}},        {player, NoSide, {3, 0}},
      {computer, NoSide, {26, 0}},     {computer, NoSide, {5, 2}},
      {player, NoSide, {12, 14, 0}},   {computer, NoSide, {10, 0, 10, 20}},
      {player, NoSide, {16, 0, 0, 5}}, {computer, NoSide, {18, 0, 2, 10, 20, 30}},
      {player, NoSide, {1, 11, 0}},    {computer, NoSide, {15, 2, 64}},
      {player, computer, {11}},        {computer, player, {13}}};
  std::string seen;
  for (const auto& [side, inRoom, draws] : cases) {
    ResetGameState();
    game.firstName = "Al";
    game.player = {100, 13, inRoom == player ? SmokeRoomPosition : 0};
    game.computer = {100, 8, inRoom == computer ? SmokeRoomPosition : 0};
    game.owner[1] = player;
    game.owner[2] = game.owner[65] = computer;
    game.currentSide = side;
    const auto news = [] { GotoXY(1, 20), Write(std::string(80, 'x')), RunEveningNews(); };
    seen += "== story " + std::to_string(draws[0] + 1) + "\n" + Play(news, "\r", draws);
    EXPECT_EQ(BrokenRecordRule(), "");
  }
  EXPECT_TRUE(MatchesGolden("news", seen));
}

// A side held in the room (still held when its turn ended the game), owning the state at `state`
// (none at 0); the other side has `other` votes, or came in too when that is -1. Sound is on.
TEST_F(EventTest, WaysOutAndReasonsToStayForEachSide) {
  struct Stay {
    int side, state, other;
    const char* keys;
    std::vector<int> draws;
    bool stays;
  };
  // clang-format off
  const Stay cases[] = {
      {player, 0, -1, "", {}, false},            {player, 0, 0, "", {18}, false},
      {player, 0, 0, "", {17, 0}, true},         {player, 1, 0, "xN", {0, 3}, true},
      {player, 1, 0, "y\r", {0, 0}, false},      {player, 1, 260, "y\r", {0, 0}, true},
      {computer, 0, -1, "", {}, false},          {computer, 0, 0, "", {18}, false},
      {computer, 0, 0, "", {0, 5}, true},        {computer, 65, 0, "", {0, 6, 1}, true},
      {computer, 65, 239, "\r", {0, 5, 0}, false}, {computer, 65, 240, "", {0, 0, 0}, true},
      {computer, 41, 239, "\r", {0, 0, 0}, true}, {computer, 41, 214, "\r", {0, 0, 0}, false}};
  // clang-format on
  std::string seen;
  for (const Stay& c : cases) {
    FreshGame(c.side);
    CandidateOf(c.side) = {100, BoardTable[c.state].electoralVotes, SmokeRoomPosition, true};
    if (c.state > 0) game.owner[c.state] = c.side;
    CandidateOf(3 - c.side) = {100, std::max(c.other, 0), 0, c.other < 0};
    const std::string shown = Play(RunSmokeRoomTurn, c.keys, c.draws);
    seen += "== " + std::to_string(c.state) + " " + std::to_string(c.other) + "\n" + shown;
    EXPECT_EQ(CandidateOf(c.side).inSmokeRoom, c.stays) << shown;
    EXPECT_TRUE(c.state == 0 || game.owner[c.state] == (c.stays ? c.side : 3 - c.side) ||
                shown.find("hail.wav") != std::string::npos);
  }
  EXPECT_TRUE(MatchesGolden("room", seen));
}

// In order, so that a word left over would answer the next quiz: answers in any case, alternate
// names right on their own rows only; questions skip special squares and years no term covers; the
// computer's wrong answer is the next state's capital, from 63 on at Virginia.
TEST_F(EventTest, QuestionsAndAnswers) {
  const auto capital = PressConferenceQuiz, year = AirportQuizByYear;
  const auto inaugural = AirportQuizByInauguration;
  const char *right = "You are correct Al", *wrong = "that is not correct";
  const std::tuple<void (*)(), std::vector<int>, const char*, const char*> cases[] = {
      {capital, {23, 0}, "Jefferson City", wrong},
      {capital, {39, 0}, "Salem", right},
      {capital, {26, 0}, "St.Paul", right},
      {capital, {26, 0}, "StPaul", wrong},
      {capital, {53, 0}, "nashville", right},
      {year, {11, 0}, "John Adams Quincy", right},
      {year, {41, 0}, "Andrew\rJackson", right},
      {year, {73, 0}, "Abe Lincoln", right},
      {year, {77, 0}, "Abe Lincoln", wrong},
      {inaugural, {12, 0}, "abe lincoln", right},
      {inaugural, {13, 0}, "Abe Lincoln", wrong},
      {year, {205, 0}, "Bill Clinton", right},
      {year, {213, 0}, "Bill Clinton", wrong},
      {inaugural, {39, 0}, "Barack Obama", right},
      {inaugural, {37, 0}, "BILL CLINTON", right},
      {inaugural, {37, 0}, "Bill Clintonz", wrong},
      {capital, {4}, "", "What is the capital of New Jersey"},
      {year, {1797 - 1789, 1800 - 1789}, "", "President in 1800(first"},
      {capital, {40, 3}, nullptr, "My answer is Sacramento"},
      {capital, {61, 2}, nullptr, "My answer is Richmond"},
      {capital, {45, 2}, nullptr, "My answer is SantaFe"},
      {capital, {55, 2}, nullptr, "My answer is Tallahassee"}};
  for (const auto& [quiz, draws, typed, shown] : cases) {
    FreshGame(typed != nullptr ? player : computer);
    if (typed != nullptr) console.Type(std::string(typed) + "\r\r");
    console.Force(draws);
    ClearScreen();
    Outcome(quiz);
    EXPECT_NE(GameScreen().Dump().find(shown), std::string::npos) << GameScreen().Dump();
  }
}

// No story, scene, fact or voice comes again before every other one has come; then all start over.
TEST_F(EventTest, NothingIsDealtTwiceBeforeTheDeckIsSpent) {
  using Dealt = std::string (*)(const ScriptedConsole&);  // what tells one card from another
  const std::tuple<void (*)(), int, Dealt> decks[] = {
      {RunEveningNews, 30, [](const ScriptedConsole&) { return RowText(5); }},
      {RunSmokeRoomTurn, 8, [](const ScriptedConsole&) { return RowText(2); }},
      {ShowTrivia, 28, [](const ScriptedConsole&) { return RowText(17) + RowText(18); }},
      {PlayVoiceClip, 15, [](const ScriptedConsole& c) { return c.clips().back(); }}};
  for (const auto& [deal, size, dealt] : decks) {
    FreshGame();
    std::set<std::string> seen;
    for (int card = 0; card < 2 * size; ++card) {
      if (card == size) seen.clear();
      game.player = {100, 0, SmokeRoomPosition, true};  // held in the room, no state to give up
      console.Force({0});                               // and no sneaking out
      ClearScreen();
      Outcome(deal);
      EXPECT_TRUE(seen.insert(dealt(console)).second) << card << ": " << dealt(console);
    }
  }
}

// The computer's standing line: its own votes and money, or its empty purse.
TEST_F(EventTest, TheComputersStandingLine) {
  FreshGame(computer);
  game.player = {50, 13};
  game.computer = {7.25f, 8};
  ShowStandingLine();
  EXPECT_EQ(RowText(20), std::string(16, ' ') + "I now have 8 votes and 7.25 million dollars");
  game.computer.money = 0.04f;
  ShowStandingLine();
  EXPECT_EQ(RowText(20), std::string(16, ' ') + "I am out of money!");
}

}  // namespace
}  // namespace ballotrek::testing
