#include "console/screen.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <sstream>
#include <tuple>
#include <vector>

#include "console/console.h"
#include "tests/support/scripted_console.h"

namespace ballotrek::testing {
namespace {

// Numbers reach the screen with the characters a stream gives them.
TEST(ScreenTest, PrintWritesNumbersAsAStream) {
  ScriptedConsole console;
  std::vector<float> amounts = {100,       96.5f, 3.5999999f, 7.39999f, 0.0999942f, 0.049f,
                                0.05f,     2.4f,  15,         1e6f,     999999.5f,  123456.5f,
                                100000.5f, 1e-4f, 1e-5f,      3e9f,     INFINITY,   0};
  for (int i = 0; i <= 20000; ++i) amounts.insert(amounts.end(), {i / 10.0f, i / 100.0f});
  float sum = 0;
  for (int i = 0; i < 3000; ++i) amounts.push_back(sum += 0.1f);  // drifting as the game's do
  std::mt19937 bits(7);
  for (int i = 0; i < 100000; ++i)
    amounts.push_back(std::fabs(std::bit_cast<float>(static_cast<std::uint32_t>(bits()))));
  for (float amount : amounts) {
    for (float value : {amount, -amount}) {
      if (std::isnan(value)) continue;
      std::ostringstream stream;
      stream << value << "|" << -42;
      ClearScreen();
      Print(value, '|', -42);
      ASSERT_EQ(RowText(1), stream.str()) << std::hexfloat << value;
    }
  }
}

// Text written in one piece lands where it does written a byte at a time.
TEST(ScreenTest, WritingInOnePieceMatchesByteByByte) {
  std::mt19937 chance(3);
  for (int trial = 0; trial < 3000; ++trial) {
    std::string text(chance() % 200, ' ');
    const unsigned rarity = std::array{3u, 40u, 400u}[trial % 3];  // of line ends
    for (char& c : text)
      c = chance() % rarity == 0 ? "\n\r"[chance() % 2] : "ab \x1E"[chance() % 4];
    Screen whole, bytes;
    const int column = static_cast<int>(chance() % 81) + 1,
              row = static_cast<int>(chance() % 25) + 1;
    whole.MoveTo(column, row);
    bytes.MoveTo(column, row);
    whole.Write(text);
    for (char c : text) bytes.Write({&c, 1});
    ASSERT_EQ(whole.Dump(), bytes.Dump()) << trial;
    EXPECT_EQ(ChangedInRow(whole, bytes, row).first, 0);
  }
}

TEST(ScreenTest, ChangedInRowSpansTheDifferingCells) {
  Screen shown, next;
  for (const auto& [column, row, text] : {std::tuple{5, 2, "ab"}, {30, 2, "c"}, {80, 25, "d"}}) {
    next.MoveTo(column, row);
    next.Write(text);
  }
  const auto row2 = ChangedInRow(shown, next, 2), row25 = ChangedInRow(shown, next, 25);
  EXPECT_EQ(ChangedInRow(shown, next, 1).first, 0);
  EXPECT_TRUE(row2.first == 5 && row2.last == 30 && row25.first == 80 && row25.last == 80);
}

}  // namespace
}  // namespace ballotrek::testing
