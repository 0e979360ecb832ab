// What stands between the game and the player: keys and what a terminal shows, and money as
// printed.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "console/keys.h"
#include "console/screen.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

// The bytes after an Escape, the key they make, and what is left of them: keys typed ahead after an
// Escape stay queued for the next prompt.
TEST(KeysTest, EscapeSequencesAreConsumedWholeAndNoFurther) {
  const std::tuple<std::string, int, std::string> cases[] = {
      // clang-format off
      {"", kKeyEscape, ""}, {"[A", kKeySpecial, ""}, {"[1;5Bx", kKeySpecial, "x"},
      {"[15~n", kKeySpecial, "n"}, {"OP\x1B", kKeySpecial, "\x1B"}, {"[1\rq", kKeySpecial, "q"},
      {"[1;", kKeySpecial, ""}, {"\x1B", kKeyEscape, "\x1B"}, {"yn", kKeyEscape, "yn"},
      // The marks around a paste, and sequences that only look like them.
      {"[200~fy", kPasteStart, "fy"}, {"[201~", kPasteEnd, ""}, {"[2000~", kKeySpecial, ""},
      {"[1;200~", kKeySpecial, ""},
      // A sequence that never ends is given up after the longest there is.
      {"[" + std::string(1000, '1'), kKeySpecial, std::string(1000 - kLongestControlSequence, '1')}};
  // clang-format on
  for (const auto& [bytes, key, left] : cases) {
    std::istringstream in(bytes);
    EXPECT_EQ(FinishEscape([&in] { return in.get(); }, [&in](int) { in.unget(); }), key) << bytes;
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), left) << bytes;
  }
  const std::pair<unsigned, int> keys[] = {
      {13, kKeyEnter},     {10, kKeyEnter},      {3, kKeyCtrlC},   {8, kKeyBackspace},
      {127, kKeyDelete},   {'~', '~'},           {9, kKeySpecial}, {0xE9, 0xE9},
      {0x85, kKeySpecial}, {0x25B2, kKeySpecial}};
  for (const auto& [character, key] : keys) EXPECT_EQ(GameKeyForCharacter(character), key);
  // What a terminal shows for a byte of the screen: never a control code.
  const std::tuple<char, bool, wchar_t> glyphs[] = {{'\x1E', true, L'\u25B2'},
                                                    {'\x1E', false, L'^'},
                                                    {'\xE9', true, L'\xE9'},
                                                    {'\x9B', true, L'?'}};
  for (const auto& [byte, utf8, glyph] : glyphs) EXPECT_EQ(ScreenGlyph(byte, utf8), glyph) << +byte;
}

// Numbers reach the screen with the characters a stream gives them, whatever the amount.
TEST(ScreenTest, NumbersPrintAsAStreamWritesThem) {
  ScriptedConsole console;
  std::vector<float> amounts = {96.5f,     3.5999999f, 7.39999f,  0.0999942f, 0.049f,
                                999999.5f, 123456.5f,  100000.5f, 1e6f,       1e-4f,
                                1e-5f,     3e9f,       INFINITY,  1e-40f,     3.4e38f};
  float sum = 0;
  for (int i = 0; i <= 20000; ++i) amounts.insert(amounts.end(), {i / 10.0f, i / 100.0f});
  for (int i = 0; i < 3000; ++i) amounts.push_back(sum += 0.1f);  // drifting as the game's did
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

}  // namespace
}  // namespace ballotrek::testing
