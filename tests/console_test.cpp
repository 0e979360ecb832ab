#include "console/console.h"

#include <gtest/gtest.h>

#include <string>

#include "console/seams.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

using ConsoleTest = GameTest;

void ExpectCursorAt(int column, int row) {
  EXPECT_EQ(GameScreen().column(), column);
  EXPECT_EQ(GameScreen().row(), row);
}

TEST_F(ConsoleTest, WritesWrapPastColumn80AndLineEndsEraseNothing) {
  GotoXY(1, 1);
  Write("A\x1E");
  EXPECT_EQ(RowText(1), "A\x1E");

  GotoXY(1, 4);
  Write("hello");
  GotoXY(78, 3);
  Write("abcd\nY");
  EXPECT_EQ(TextAt(78, 3, 3), "abc");
  EXPECT_EQ(RowText(4), "dello") << "the fourth letter wraps to column 1 of the next row";
  EXPECT_EQ(RowText(5), "Y") << "the line end moves down and leaves row 4 as it was";

  GotoXY(71, 7);
  Write("0123456789");
  ExpectCursorAt(1, 8);
}

TEST_F(ConsoleTest, ClearLineBlanksFiftyCellsAndClearScreenBlanksAll) {
  GotoXY(1, 5);
  Write(std::string(80, 'x'));
  GotoXY(17, 5);
  ClearLine();
  EXPECT_EQ(RowText(5), std::string(16, 'x') + std::string(50, ' ') + std::string(14, 'x'));
  ExpectCursorAt(67, 5);

  GotoXY(40, 25);
  Write("bottom");
  ClearScreen();
  for (int row = 1; row <= Screen::kRows; ++row) EXPECT_EQ(RowText(row), "") << "row " << row;
  ExpectCursorAt(1, 1);
}

TEST_F(ConsoleTest, ReadLineEchoesHonoursBackspaceAndKeepsBlanks) {
  const std::pair<std::string, std::string> cases[] = {
      {"Ann\r", "Ann"},
      {"Anx\bn\r", "Ann"},
      {"\b\bA\177B\r", "B"},
      {"  Mary Lou \r", "  Mary Lou "},
      {"\r", ""},
      {"\x1bOk\r", "Ok"},
  };
  for (const auto& [keys, line] : cases) {
    ClearScreen();
    GotoXY(10, 5);
    console.Type(keys);
    EXPECT_EQ(ReadLine(), line);
    EXPECT_EQ(TextAt(10, 5, 12), line + std::string(12 - line.size(), ' ')) << "echo of " << keys;
    ExpectCursorAt(1, 6);
  }
  console.TypeKey(kKeySpecial);
  console.Type("\r");
  EXPECT_EQ(ReadLine(), "") << "a special key adds nothing to the line";
}

TEST_F(ConsoleTest, ReadWordTakesWordsAcrossLines) {
  console.Type("  Abraham \r\r Lincoln  Grant\rx y\rz\r");
  for (const char* word : {"Abraham", "Lincoln", "Grant", "x"}) EXPECT_EQ(ReadWord(), word);
  DiscardPendingWords();
  EXPECT_EQ(ReadWord(), "z");
}

TEST_F(ConsoleTest, DelaysAddUpOnTheClockAndKeepTypedKeysInOrder) {
  console.Type("ab");
  Delay(200);
  Delay(1000);
  Delay(0);
  Delay(-50);
  EXPECT_EQ(console.millisecondsWaited(), 1200);
  EXPECT_EQ(ReadKey(), 'a');
  EXPECT_EQ(ReadKey(), 'b');
}

}  // namespace
}  // namespace ballotrek::testing
