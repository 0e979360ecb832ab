#include "console/console.h"

#include <string>

#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

using ConsoleTest = GameTest;

TEST_F(ConsoleTest, WritesWrapPastColumn80AndClearLineBlanksFiftyCells) {
  GotoXY(1, 4);
  Write("hello");
  GotoXY(78, 3);
  Write("abcd\nY");
  EXPECT_EQ(TextAt(78, 3, 3), "abc");
  EXPECT_EQ(RowText(4), "dello") << "the fourth letter wraps to column 1 of the next row";
  EXPECT_EQ(RowText(5), "Y") << "the line end moves down and leaves row 4 as it was";

  GotoXY(1, 6);
  Write(std::string(80, 'x'));
  GotoXY(17, 6);
  ClearLine();
  EXPECT_EQ(RowText(6), std::string(16, 'x') + std::string(50, ' ') + std::string(14, 'x'));
  EXPECT_EQ(GameScreen().column(), 67);
}

TEST_F(ConsoleTest, ReadLineEchoesErasesOnBackspaceAndIgnoresEscape) {
  GotoXY(10, 5);
  console.Type("\b\x1b Ann x\b\b\r");
  EXPECT_EQ(ReadLine(), " Ann");
  EXPECT_EQ(TextAt(10, 5, 7), " Ann   ");
  EXPECT_EQ(GameScreen().row(), 6);
}

}  // namespace
}  // namespace ballotrek::testing
