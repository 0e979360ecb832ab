#include "console/console.h"
#include "engine/engine.h"
#include "events/events.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class QuizTest : public GameTest {
 protected:
  // Runs the quiz for the side; draw picks the question, then the outcome's draws follow.
  void Ask(int side, void (*quiz)(), int draw, std::initializer_list<int> then = {0}) {
    ClearScreen();
    game.firstName = "Al";
    game.currentSide = side;
    console.Force({draw});
    console.Force(then);
    RunUntilIdle(quiz);
  }
  bool Shows(const std::string& text) { return ScreenDump().find(text) != std::string::npos; }
};

// In order, so that a word left over from one answer would answer the next
// quiz; the alternate names are right only on their own rows.
TEST_F(QuizTest, PlayerAnswers) {
  const auto capital = PressConferenceQuiz, year = AirportQuizByYear;
  const auto inaugural = AirportQuizByInauguration;
  const std::tuple<void (*)(), int, const char*, bool> answers[] = {
      {capital, 24 - 1, "Jefferson City", false},   {capital, 40 - 1, "Salem", true},
      {capital, 27 - 1, "St.Paul", true},           {capital, 27 - 1, "StPaul", false},
      {capital, 54 - 1, "nashville", true},         {year, 1800 - 1789, "John Adams Quincy", true},
      {year, 1830 - 1789, "Andrew\rJackson", true}, {year, 1862 - 1789, "Abe Lincoln", true},
      {year, 1866 - 1789, "Abe Lincoln", false},    {inaugural, 12, "abe lincoln", true},
      {inaugural, 13, "Abe Lincoln", false},        {year, 1994 - 1789, "Bill Clinton", true},
      {year, 2002 - 1789, "Bill Clinton", false},   {inaugural, 39, "Barack Obama", true},
      {inaugural, 37, "BILL CLINTON", true},        {inaugural, 37, "Bill Clintonz", false}};
  for (const auto& [quiz, draw, typed, right] : answers) {
    console.Type(std::string(typed) + "\r\r");
    Ask(player, quiz, draw);
    EXPECT_TRUE(Shows(right ? "You are correct Al" : "that is not correct")) << typed << draw;
  }
}

// The question is on row 1 here, the computer's answer below it.
TEST_F(QuizTest, ComputerAnswersRightOrWithTheNextStatesCapital) {
  const std::tuple<int, int, const char*> answers[] = {
      {62, 0, "Richmond"}, {46, 1, "SantaFe"}, {56, 2, "Tallahassee"}, {54, 3, "Nashville"}};
  for (const auto& [p, roll, answer] : answers) {
    console.Type(" \r");
    Ask(computer, PressConferenceQuiz, p - 1, {roll, 0});
    EXPECT_EQ(RowText(2), std::string("My answer is ") + answer);
    EXPECT_TRUE(ShowsAt(1, 10,
                        roll >= 3 ? "Hooray Al, I am right and I win a state"
                                  : "Oh no Al, I was wrong, I lose a state"))
        << ScreenDump();
  }
}

TEST_F(QuizTest, NoStateChangesHandsWhileTheTakerIsInTheRoom) {
  game.owner[1] = player;
  game.owner[2] = computer;
  game.computer.position = SmokeRoomPosition;
  console.Type("x\r");
  Ask(player, PressConferenceQuiz, 1, {});
  EXPECT_EQ(RowText(4), "But I am in this room and cannot take any states");
  game.computer.position = 0;
  game.player.position = SmokeRoomPosition;
  console.Type(" ");
  Ask(computer, PressConferenceQuiz, 1, {0});
  EXPECT_EQ(RowText(11), "But too bad, you are in that room and do not get a state");
  EXPECT_TRUE(game.owner[1] == player && game.owner[2] == computer);
}

TEST_F(QuizTest, TheYearDrawSkipsTheYearsNoRowCovers) {
  console.Force({1825 - 1789, 1849 - 1789, 1974 - 1789});
  Ask(player, AirportQuizByYear, 1830 - 1789);
  EXPECT_EQ(RowText(4), "Who was the President in 1830(first and last names only)?");
}

}  // namespace
}  // namespace ballotrek::testing
