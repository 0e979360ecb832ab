#include <gtest/gtest.h>

#include <string>

#include "console/console.h"
#include "engine/engine.h"
#include "model/game_state.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

using ReportsTest = GameTest;

std::string FromColumn17(const std::string& text) {
  return text.empty() ? "" : std::string(16, ' ') + text;
}

TEST_F(ReportsTest, RaceCommentFollowsTheLeadBands) {
  struct Case {
    int playerVotes, computerVotes;
    const char* remark;
  };
  const Case cases[] = {
      {0, 0, ""},
      {59, 50, "This is a close race Ann"},
      {60, 50, "You are winning Ann"},
      {49, 0, "You are winning Ann"},
      {50, 0, "You are beating me badly Ann"},
      {99, 0, "You are beating me badly Ann"},
      {150, 50, "You are slaughtering me Ann"},
      {50, 60, "This contest is very tight Ann"},
      {50, 61, "I am beating you Ann"},
      {0, 49, "I am beating you Ann"},
      {0, 50, "I am way ahead of you Ann"},
      {1, 100, "I am way ahead of you Ann"},
      {0, 100, "I am really kicking your butt Ann"},
  };
  game.firstName = "Ann";
  for (const Case& c : cases) {
    ClearScreen();
    game.player.votes = c.playerVotes;
    game.computer.votes = c.computerVotes;
    CommentOnRace();
    EXPECT_EQ(RowText(19), FromColumn17(c.remark)) << c.playerVotes << " to " << c.computerVotes;
  }
}

TEST_F(ReportsTest, StandingLineShowsVotesAndMoneyOrThatTheMoneyIsGone) {
  struct Case {
    int side;
    float money;
    const char* line;
  };
  const Case cases[] = {
      {player, 0.05f, "You now have 12 votes and 0.05 million dollars"},
      {player, 0.049f, "You now have no money left!"},
      {player, -4.0f, "You now have no money left!"},
      {player, 96.5f, "You now have 12 votes and 96.5 million dollars"},
      {player, 7.8f, "You now have 12 votes and 7.8 million dollars"},
      {computer, 0.049f, "I am out of money!"},
      {computer, -0.5f, "I am out of money!"},
      {computer, 7.8f, "I now have 12 votes and 7.8 million dollars"},
  };
  for (const Case& c : cases) {
    game.currentSide = c.side;
    CandidateOf(c.side).money = c.money;
    CandidateOf(c.side).votes = 12;
    // The turn's own line stands on the row first and must not show through.
    GotoXY(17, 20);
    Write("You have 0 votes and 100 million dollars");
    const long long waitedBefore = console.millisecondsWaited();
    ShowStandingLine();
    EXPECT_EQ(RowText(20), FromColumn17(c.line)) << c.money;
    EXPECT_EQ(console.millisecondsWaited() - waitedBefore, 1000);
  }
  EXPECT_EQ(game.player.money, 7.8f) << "the report changes nothing";
}

}  // namespace
}  // namespace ballotrek::testing
