#include "console/keys.h"

#include <gtest/gtest.h>

#include <string>

namespace ballotrek {
namespace {

// Bytes as they come from the terminal; -1 once nothing more arrives.
struct Input {
  std::string bytes;
  size_t read = 0;
  int operator()() { return read < bytes.size() ? static_cast<unsigned char>(bytes[read++]) : -1; }
};

int Finish(Input& input) {
  return FinishEscape([&input] { return input(); });
}

TEST(FinishEscapeTest, LoneEscapeIsEscape) {
  Input input;
  EXPECT_EQ(Finish(input), kKeyEscape);
}

// Each sequence is consumed to its end and no further, so the key typed after
// it is still there for the next prompt.
TEST(FinishEscapeTest, SequencesBecomeOneSpecialKey) {
  struct Case {
    std::string sequence;  // what follows the Escape byte
    std::string after;
  };
  for (const Case& c : {Case{"[A", "x"}, Case{"[1;5B", "y"}, Case{"[15~", "n"}, Case{"[200~", "u"},
                        Case{"OP", "h"}, Case{"OA", "\x1B"}, Case{"u", "b"}, Case{"\x1B", ""}}) {
    Input input{c.sequence + c.after};
    EXPECT_EQ(Finish(input), kKeySpecial) << c.sequence;
    EXPECT_EQ(input.bytes.substr(input.read), c.after) << c.sequence;
  }
}

TEST(FinishEscapeTest, CutOffOrEndlessSequencesStillEnd) {
  Input cutOff{"[1;"};
  EXPECT_EQ(Finish(cutOff), kKeySpecial);
  EXPECT_EQ(cutOff.read, cutOff.bytes.size());

  Input endless{"[" + std::string(1000, '1')};
  EXPECT_EQ(Finish(endless), kKeySpecial);
  EXPECT_LE(endless.read, static_cast<size_t>(kLongestControlSequence) + 1);
}

// A control byte cannot be part of a sequence: it ends it (and is lost, as a
// key mashed into the middle of an arrow key would be).
TEST(FinishEscapeTest, ControlByteEndsASequence) {
  Input input{"[1\rq"};
  EXPECT_EQ(Finish(input), kKeySpecial);
  EXPECT_EQ(input.bytes.substr(input.read), "q");
}

TEST(GameKeyForCharacterTest, KeysTheGameKnows) {
  EXPECT_EQ(GameKeyForCharacter(13), kKeyEnter);
  EXPECT_EQ(GameKeyForCharacter(10), kKeyEnter);
  EXPECT_EQ(GameKeyForCharacter(3), kKeyCtrlC);
  EXPECT_EQ(GameKeyForCharacter(27), kKeyEscape);
  EXPECT_EQ(GameKeyForCharacter(8), kKeyBackspace);
  EXPECT_EQ(GameKeyForCharacter(127), kKeyDelete);
  for (unsigned c : {' ', 'a', 'Z', '~', '1'})
    EXPECT_EQ(GameKeyForCharacter(c), static_cast<int>(c));
}

TEST(GameKeyForCharacterTest, OtherControlsAndNonAsciiAnswerNoPrompt) {
  for (unsigned c : {0u, 9u, 26u, 28u, 0x80u, 0xE9u, 0x25B2u}) {
    EXPECT_EQ(GameKeyForCharacter(c), kKeySpecial) << c;
  }
}

}  // namespace
}  // namespace ballotrek
