#include "console/keys.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace ballotrek {
namespace {

TEST(KeysTest, EscapeSequencesAreConsumedWholeAndNoFurther) {
  // The bytes after an Escape, the key they make, and what is left of them: keys typed ahead after
  // an Escape stay queued for the next prompt.
  const std::tuple<std::string, int, std::string> cases[] = {
      // clang-format off
      {"", kKeyEscape, ""}, {"[A", kKeySpecial, ""}, {"[1;5Bx", kKeySpecial, "x"},
      {"[15~n", kKeySpecial, "n"}, {"OP\x1B", kKeySpecial, "\x1B"}, {"[1\rq", kKeySpecial, "q"},
      {"[1;", kKeySpecial, ""}, {"\x1B", kKeyEscape, "\x1B"}, {"yn", kKeyEscape, "yn"},
      // The marks around a paste, and sequences that only look like them.
      {"[200~fy", kPasteStart, "fy"}, {"[201~", kPasteEnd, ""}, {"[2000~", kKeySpecial, ""},
      {"[1;200~", kKeySpecial, ""}};
  // clang-format on
  for (const auto& [bytes, key, left] : cases) {
    std::istringstream in(bytes);
    EXPECT_EQ(FinishEscape([&in] { return in.get(); }, [&in](int) { in.unget(); }), key) << bytes;
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), left) << bytes;
  }
  std::istringstream endless("[" + std::string(1000, '1'));
  EXPECT_EQ(FinishEscape([&endless] { return endless.get(); }, [](int) {}), kKeySpecial);
  EXPECT_EQ(endless.tellg(), kLongestControlSequence + 1);
}

TEST(KeysTest, CharactersBecomeGameKeys) {
  const std::pair<unsigned, int> keys[] = {
      {13, kKeyEnter},       {10, kKeyEnter},    {3, kKeyCtrlC},   {8, kKeyBackspace},
      {127, kKeyDelete},     {'~', '~'},         {9, kKeySpecial}, {0xE9, 0xE9},
      {0x25B2, kKeySpecial}, {0x85, kKeySpecial}};
  for (const auto& [character, key] : keys) EXPECT_EQ(GameKeyForCharacter(character), key);
}

}  // namespace
}  // namespace ballotrek
