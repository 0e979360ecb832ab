#include <gtest/gtest.h>

#include "console/console.h"
#include "screens/screens.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class StartUpTest : public GameTest {};

TEST_F(StartUpTest, AResumedGameSkipsTheTitle) {
  game.resumedGame = 1;
  console.Type("nY");
  ShowTitleAndOptions();
  EXPECT_EQ(RowText(7), "");
  EXPECT_EQ(console.clips(), std::vector<std::string>{"data\\anth.wav"});
}

TEST_F(StartUpTest, InstructionPagesWalkForwardAndBack) {
  const std::pair<const char*, const char*> steps[] = {
      {"yb", "Press C to continue or R to return to the game  "},
      {"yccc", "Press B to back up or R to return to the game  "},
      {"yccb", "Press C to continue or B to back up or R to return to the game  "},
      {"yccbb", "Press C to continue or R to return to the game  "}};
  for (const auto& [keys, prompt] : steps) {
    console.Type(keys);
    RunUntilIdle([] { ShowTitleAndOptions(); });
    EXPECT_TRUE(ShowsAt(1, 24, prompt)) << keys;
  }
  console.Type("x\x03yccbbrN\x1b");  // Control-C is no answer; Escape means no sound
  ShowTitleAndOptions();
  EXPECT_TRUE(ShowsAt(31, 9, "Ballotrek"));
  EXPECT_FALSE(SoundOn());
}

TEST_F(StartUpTest, EscapeAtTheQuestionOrEscapeOrControlCInThePagesQuits) {
  for (const char* keys : {"\x1b", "yc\x1b", "yc\x03"}) {
    console.Type(std::string(keys) + "\x1b");
    EXPECT_EQ(RunToEnd([] { ShowTitleAndOptions(); }), 0) << keys;
    EXPECT_TRUE(ShowsAt(16, 12, "Too bad, your campaign  never got off the ground!"));
  }
}

TEST_F(StartUpTest, NamesKeepTheirBlanksOrStayEmpty) {
  // Backspace takes back the last letter and its echo; Escape is no letter.
  console.Type("\b\x1bMary Anx\b");
  RunUntilIdle(AskNamesAndWelcome);
  EXPECT_TRUE(ShowsAt(36, 21, "Mary An  "));
  console.Type("\b\x1bMary Anx\bn\rGreen Party\r");
  AskNamesAndWelcome();
  EXPECT_EQ(RowText(2), "Welcome to the campaign candidate Mary Ann of the Green Party party.");

  console.Type("\rBlue\r");
  AskNamesAndWelcome();
  EXPECT_EQ(game.firstName, "");
  EXPECT_TRUE(ShowsAt(1, 12, "You can go first "));

  // Accented letters are kept; keys that are no letters are not typed.
  console.Type("Jos");
  for (int key : {0xE9, kKeySpecial, 0x2190}) console.TypeKey(key);
  console.Type("\r\r");
  AskNamesAndWelcome();
  EXPECT_EQ(game.firstName, "Jos\xE9");

  // Pasted text is typed; its line ends part words and end nothing.
  console.Paste("Ann\rLee\x1b");
  console.Type("\r\r");
  AskNamesAndWelcome();
  EXPECT_EQ(game.firstName, "Ann Lee");
}

}  // namespace
}  // namespace ballotrek::testing
