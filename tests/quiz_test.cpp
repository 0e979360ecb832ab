#include <gtest/gtest.h>

#include "console/console.h"
#include "engine/engine.h"
#include "events/events.h"
#include "model/game_state.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class QuizTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    game.firstName = "Al";
    game.player.position = 47;
    game.computer.position = 1;
  }
  void Give(int position, int side) {
    game.owner[position] = side;
    CandidateOf(side).votes += BoardTable[position].electoralVotes;
  }
  // The press conference, asking about the state drawn as p.
  void PressConference(int side, int p, std::initializer_list<int> then = {}) {
    ClearScreen();
    GotoXY(1, 6);
    game.currentSide = side;
    console.Force({p - 1});
    console.Force(then);
    PressConferenceQuiz();
  }
  bool PlayerRight() {
    for (int row = 7; row <= 10; ++row) {
      if (RowText(row) == "You are correct Al, you win a state!") return true;
    }
    return false;
  }
};

TEST_F(QuizTest, CapitalAnswersIgnoreCaseButNotSpellingOrBlanks) {
  struct Answer {
    int position;
    const char* typed;
    bool right;
  };
  const Answer answers[] = {
      {24, "JeffersonCity\r", true},   {24, "jeffersoncity\r", true}, {24, "JEFFERSONCITY\r", true},
      {44, "SaltLakeCity\r", true},    {27, "St.Paul\r", true},       {27, "StPaul\r", false},
      {27, "SaintPaul\r", false},      {54, "Nashville\r", true},     {54, "Knoxville\r", false},
      {44, "Salt Lake City\r", false}, {1, "  \r Richmond \r", true},
  };
  for (const Answer& a : answers) {
    SCOPED_TRACE(a.typed);
    ResetGameState();
    game.firstName = "Al";
    game.computer.position = 1;
    console.Type(a.typed);
    console.Type("\r");
    PressConference(player, a.position, {0});
    EXPECT_EQ(PlayerRight(), a.right) << ScreenDump();
  }
}

TEST_F(QuizTest, QuestionAndPlayerOutcomeLines) {
  Give(1, player);
  game.soundFlag = 'y';
  console.Type("Jefferson City\r\r");
  PressConference(player, 24, {0});
  EXPECT_EQ(RowText(6), "What is the capital of Missouri (no spaces)?Jefferson City");
  EXPECT_EQ(RowText(8), "So sorry Al, that is not correct, you lose a state");
  EXPECT_EQ(RowText(14), "Too bad Al you give me Virginia and its 13 votes");
  EXPECT_EQ(game.owner[1], computer);
  EXPECT_EQ(console.clips().front(), "data\\wran.wav");
  EXPECT_TRUE(VotesMatchOwners());

  // The second word of that answer does not answer the next quiz.
  console.Type("Salem\r\r");
  PressConference(player, 40, {0});
  EXPECT_TRUE(PlayerRight());
  EXPECT_EQ(RowText(11), "You win West Virginia and its 5 votes Al");
}

TEST_F(QuizTest, SpecialSquaresHandTheirDrawOn) {
  console.Type("Trenton\r\r");
  PressConference(player, 5, {0});
  EXPECT_EQ(RowText(6), "What is the capital of New Jersey (no spaces)?Trenton");
  console.Type("x\r\r");
  PressConference(player, 33, {0});
  EXPECT_TRUE(ShowsAt(1, 6, "What is the capital of Wyoming"));
}

TEST_F(QuizTest, PlayerWrongWhileTheComputerIsInTheRoom) {
  Give(1, player);
  game.computer.position = SmokeRoomPosition;
  console.Type("x\r");
  PressConference(player, 2);
  EXPECT_EQ(RowText(9), "But I am in this room and cannot take any states");
  EXPECT_EQ(game.owner[1], player);
}

TEST_F(QuizTest, ComputerAnswersRightOrTheNextStatesCapital) {
  struct Case {
    int position;
    int roll;  // raw; 3 and more give a roll of 4 and more: right
    const char* answer;
  };
  const Case cases[] = {
      {62, 0, "Richmond"},  {46, 1, "SantaFe"}, {56, 2, "Tallahassee"},
      {54, 3, "Nashville"}, {27, 9, "St.Paul"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    ResetGameState();
    game.firstName = "Al";
    game.computer.position = 47;
    console.Type("\r\x1bx \r");
    PressConference(computer, c.position, {c.roll, 0});
    EXPECT_EQ(RowText(7), std::string("My answer is ") + c.answer);
    EXPECT_EQ(RowText(10), c.roll >= 3 ? "Hooray Al, I am right and I win a state"
                                       : "Oh no Al, I was wrong, I lose a state");
  }
}

TEST_F(QuizTest, ComputerWrongWhileThePlayerIsInTheRoom) {
  Give(1, computer);
  game.computer.position = 47;
  game.player.position = SmokeRoomPosition;
  console.Type(" ");
  PressConference(computer, 2, {0});
  EXPECT_EQ(RowText(11), "But too bad, you are in that room and do not get a state");
  EXPECT_EQ(game.owner[1], computer);
}

// The airport quiz by year, drawing year - 1789.
class AirportTest : public QuizTest {
 protected:
  void ByYear(int year, const std::string& typed) {
    ClearScreen();
    game.currentSide = player;
    console.Type(typed);
    console.Force({year - 1789});
    RunUntilIdle([] { AirportQuizByYear(); });
  }
  void ByInauguration(int index, const std::string& typed) {
    ClearScreen();
    game.currentSide = player;
    console.Type(typed);
    console.Force({index});
    RunUntilIdle([] { AirportQuizByInauguration(); });
  }
  bool Right() {
    for (int row = 5; row <= 9; ++row) {
      if (RowText(row) == "You are correct Al, you win a state!") return true;
    }
    return false;
  }
};

TEST_F(AirportTest, QuestionLayout) {
  game.soundFlag = 'y';
  ByYear(1790, "George\rWashington\r\r");
  EXPECT_EQ(RowText(3),
            "A reporter is shouting a question at you at the airport, a state is at risk");
  EXPECT_EQ(RowText(4), "Who was the President in 1790(first and last names only)?");
  EXPECT_EQ(RowText(5), "Enter first name George");
  EXPECT_EQ(RowText(6), "Enter last name Washington");
  EXPECT_EQ(RowText(8), "You are correct Al, you win a state!");
  EXPECT_EQ(console.clips().front(), "data\\prch.wav");

  ByInauguration(8, "zachary taylor\r\r");
  EXPECT_EQ(RowText(4), "Who was inaugurated  President in 1849(first and last names only)?");
  EXPECT_TRUE(Right());
}

TEST_F(AirportTest, AnswersByYear) {
  struct Case {
    int year;
    const char* typed;
    bool right;
  };
  const Case cases[] = {
      {1796, "GEORGE WASHINGTON\r", true}, {1862, "Abe Lincoln\r", true},
      {1902, "teddy roosevelt\r", true},   {1978, "James Carter\r", true},
      {1994, "Bill Clinton\r", true},      {2000, "William Clinton\r", true},
      {1990, "George Bush\r", true},       {2008, "George Bush\r", true},
      {1886, "Grover Cleveland\r", true},  {1896, "Grover Cleveland\r", true},
      {1962, "John F\r", false},           {1962, "John FKennedy\r", false},
      {1962, "John Kennedy\r", true},      {1851, "Zachary Taylor\r", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    ByYear(c.year, std::string(c.typed) + "\r");
    EXPECT_EQ(Right(), c.right) << ScreenDump();
  }
}

TEST_F(AirportTest, AnswersByInauguration) {
  struct Case {
    int index;
    const char* typed;
    bool right;
  };
  const Case cases[] = {
      {0, "george washington\r", true},    {6, "William Harrison\r", true},
      {6, "John Tyler\r", true},           {16, "James Garfield\r", true},
      {12, "Abe Lincoln\r", true},         {21, "Teddy Roosevelt\r", true},
      {34, "Jimmy Carter\r", true},        {37, "bill clinton\r", true},
      {37, "William Clinton\r", true},     {36, "George Bush\r", true},
      {38, "George Bush\r", true},         {17, "Grover Cleveland\r", true},
      {19, "Grover Cleveland\r", true},    {20, "William McKinley\r", true},
      {21, "William McKinley\r", false},   {13, "Abraham Lincoln\r", false},
      {28, "Franklin Roosevelt\r", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    ByInauguration(c.index, std::string(c.typed) + "\r");
    EXPECT_EQ(Right(), c.right) << ScreenDump();
  }
}

TEST_F(AirportTest, YearDrawSkipsTheExcludedYears) {
  int askable = 0;
  for (int year = 1780; year <= 2020; ++year) askable += IsAskableYear(year);
  EXPECT_EQ(askable, 177);
  for (int year : {1797, 1825, 1829, 1837, 1841, 1849, 1850, 2009, 1788, 2013}) {
    EXPECT_FALSE(IsAskableYear(year)) << year;
  }

  // 1825 and 1826 are drawn first and redrawn; 1830 is asked.
  console.Type("Andrew\rJackson\r\r");
  console.Force({1825 - 1789, 1826 - 1789, 1830 - 1789});
  game.currentSide = player;
  RunUntilIdle([] { AirportQuizByYear(); });
  EXPECT_EQ(RowText(4), "Who was the President in 1830(first and last names only)?");
  EXPECT_TRUE(Right());
}

TEST_F(AirportTest, BothWordsOnTheFirstLineAndTheRestDiscarded) {
  ByYear(1800, "John Adams Quincy\r\r");
  EXPECT_EQ(RowText(5), "Enter first name John Adams Quincy");
  EXPECT_EQ(RowText(6), "Enter last name");
  EXPECT_TRUE(Right());
  // Quincy did not stay behind to answer the next quiz.
  ByYear(1800, "John\rAdams\r\r");
  EXPECT_TRUE(Right());
}

TEST_F(AirportTest, WrongAnswerAndTheRoom) {
  Give(1, player);
  game.computer.position = SmokeRoomPosition;
  // With both words on one line the outcome follows the last-name prompt.
  ByYear(1800, "x y\r");
  EXPECT_EQ(RowText(6), "Enter last name Oh sorry Al, that is not correct, you lose a state");
  EXPECT_EQ(RowText(7), "But I am in this room and cannot take any states");
  EXPECT_EQ(game.owner[1], player);

  game.computer.position = 2;
  ByYear(1800, "x y\r\r");
  EXPECT_EQ(game.owner[1], computer);
  EXPECT_TRUE(VotesMatchOwners());
}

// Played through the turn loop: the ninth take-off brings the quiz, and a
// second take-off follows.
TEST_F(AirportTest, NinthTakeOffBringsTheQuizAndASecondTakeOff) {
  game.turnCount = 8;
  game.player.position = 20;
  console.Type("\r");
  console.Type("Andrew\rJackson\r\r");
  console.Force({0, 0, 1830 - 1789, 0});  // distance, year variant, year, grant start
  RunUntilIdle([] { TurnLoop(); });
  EXPECT_EQ(game.turnCount, 9);
  EXPECT_TRUE(ShowsAt(17, 21, "Your takeoff  ")) << ScreenDump();
  EXPECT_EQ(RowText(8), "You are correct Al, you win a state!");
}

}  // namespace
}  // namespace ballotrek::testing
