#include <gtest/gtest.h>

#include "engine/engine.h"
#include "model/game_state.h"
#include "screens/screens.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class StartUpTest : public GameTest {};

TEST_F(StartUpTest, TitleThenQuestionsAcceptEitherCase) {
  console.Type("xNY");
  ShowTitleAndOptions();
  EXPECT_TRUE(ShowsAt(33, 7, "BALLOTREK"));
  EXPECT_TRUE(ShowsAt(28, 9, "Version 4.1 for Windows"));
  // The sound question covers the instructions question completely.
  EXPECT_EQ(TextAt(23, 21, 40), "Do you want sound effects?  Y or N     " + std::string(1, ' '));
  EXPECT_EQ(game.soundFlag, 'y');
  EXPECT_EQ(console.clips(), std::vector<std::string>{"data\\anth.wav"});
}

TEST_F(StartUpTest, ControlCIsIgnoredAtTheInstructionsQuestion) {
  console.TypeKey(3);
  console.Type("nn");
  ShowTitleAndOptions();
  EXPECT_EQ(game.soundFlag, 'n');
  EXPECT_TRUE(console.clips().empty());
}

TEST_F(StartUpTest, EscapeAtTheInstructionsQuestionQuits) {
  console.Type(
      "\x1b"
      "a\x1b");
  EXPECT_EQ(RunToEnd([] { ShowTitleAndOptions(); }), 0);
  EXPECT_TRUE(ShowsAt(16, 12, "Too bad, your campaign  never got off the ground!"));
  EXPECT_TRUE(ShowsAt(34, 22, "Press ESCAPE to exit "));
}

TEST_F(StartUpTest, EscapeAtTheSoundQuestionLeavesSoundOffForGood) {
  console.Type("n\x1b");
  ShowTitleAndOptions();
  EXPECT_EQ(game.soundFlag, 27);
  EXPECT_FALSE(SoundOn());
}

TEST_F(StartUpTest, ResumedGameSkipsTheTitle) {
  game.resumedGame = 1;
  console.Type("nn");
  ShowTitleAndOptions();
  EXPECT_FALSE(ShowsAt(33, 7, "BALLOTREK"));
}

TEST_F(StartUpTest, InstructionPagesWalkForwardAndBack) {
  console.Type("y");
  console.Type("b");  // ignored on page 1
  console.Type("c");
  RunUntilIdle([] { ShowTitleAndOptions(); });
  EXPECT_TRUE(ShowsAt(1, 2, "     When you take off, you do not know how far"));
  EXPECT_EQ(RowText(23), "the latest 2010 U.S. Census statistics.");
  EXPECT_TRUE(ShowsAt(1, 24, "Press C to continue or B to back up or R to return to the game  "));

  ResetGameState();
  console.Type("yccc");  // C is ignored on page 3
  RunUntilIdle([] { ShowTitleAndOptions(); });
  EXPECT_TRUE(ShowsAt(1, 21, "     Good luck!  March 2012"));
  EXPECT_TRUE(ShowsAt(1, 24, "Press B to back up or R to return to the game  "));

  console.Type("bbr");
  console.Type("n");
  ShowInstructions();
  EXPECT_TRUE(ShowsAt(31, 9, "Ballotrek"));
}

TEST_F(StartUpTest, PageOneLayout) {
  console.Type("y");
  RunUntilIdle([] { ShowTitleAndOptions(); });
  EXPECT_TRUE(ShowsAt(19, 3, "** Instructions for Ballotrek **"));
  EXPECT_TRUE(ShowsAt(1, 6, "     Ballotrek offers you the opportunity"));
  EXPECT_EQ(RowText(10), "states along the way and gathering electoral votes.");
  EXPECT_EQ(RowText(11), "");
  EXPECT_TRUE(ShowsAt(1, 16, "take off.  Press S at this prompt"));
  EXPECT_TRUE(ShowsAt(1, 24, "Press C to continue or R to return to the game  "));
}

TEST_F(StartUpTest, EscapeOrControlCInsideThePagesQuits) {
  for (int key : {27, 3}) {
    console.Type("yc");
    console.TypeKey(key);
    console.Type("\x1b");
    EXPECT_EQ(RunToEnd([] { ShowTitleAndOptions(); }), 0);
    EXPECT_TRUE(ShowsAt(16, 12, "Too bad, your campaign"));
  }
}

TEST_F(StartUpTest, NamesKeepTheirBlanksAndTheSpeechUsesThem) {
  console.Type("Mary Ann\rGreen Party\r");
  AskNamesAndWelcome();
  EXPECT_EQ(game.firstName, "Mary Ann");
  EXPECT_EQ(game.partyName, "Green Party");
  EXPECT_EQ(RowText(2), "Welcome to the campaign candidate Mary Ann of the Green Party party.");
  EXPECT_EQ(RowText(10), "Make sure you spend it wisely Mary Ann");
  EXPECT_EQ(RowText(11),
            "Oh Mary Ann, my silicon nostrils are filled with the sweet scent of victory");
  EXPECT_EQ(RowText(12), "You can go first Mary Ann");
  EXPECT_EQ(GameScreen().column(), 26);
}

TEST_F(StartUpTest, EmptyNamesAndBackspace) {
  console.Type(
      "\rAbx\x7f"
      "c\r");
  AskNamesAndWelcome();
  EXPECT_EQ(game.firstName, "");
  EXPECT_EQ(game.partyName, "Abc");
  EXPECT_EQ(RowText(12), "You can go first");
  EXPECT_TRUE(ShowsAt(1, 12, "You can go first "));
}

TEST_F(StartUpTest, PartyQuestionFollowsTheFirstNameOnItsRow) {
  console.Type("Sam\r");
  RunUntilIdle([] { AskNamesAndWelcome(); });
  EXPECT_EQ(RowText(21), "         What is the name of your party?");
}

}  // namespace
}  // namespace ballotrek::testing
