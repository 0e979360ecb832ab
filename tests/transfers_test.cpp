#include <gtest/gtest.h>

#include "console/console.h"
#include "events/events.h"
#include "model/game_state.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class TransferTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    game.firstName = "Al";
  }
  void Give(int position, int side) {
    game.owner[position] = side;
    CandidateOf(side).votes += BoardTable[position].electoralVotes;
  }
  // Leaves only the listed states unclaimed; the rest go to the computer.
  void LeaveUnclaimed(std::initializer_list<int> positions) {
    for (int p = 1; p <= kLastPosition; ++p) {
      if (game.owner[p] == Unclaimed) Give(p, computer);
    }
    for (int p : positions) {
      game.owner[p] = Unclaimed;
      game.computer.votes -= BoardTable[p].electoralVotes;
    }
  }
};

TEST_F(TransferTest, TransferScansOnFromTheRolledStartAndWrapsToVirginia) {
  Give(1, player);
  Give(20, player);
  game.currentSide = player;
  console.Type("\r");
  console.Force({20});  // start 21: nothing until the wrap, then Virginia
  TransferStateToOpponent();
  EXPECT_EQ(RowText(14), "Too bad Al you give me Virginia and its 13 votes");
  EXPECT_EQ(GameScreen().row(), 14);  // no line end
  EXPECT_EQ(game.owner[1], computer);
  EXPECT_EQ(game.player.votes, 16);
  EXPECT_EQ(game.computer.votes, 13);
  EXPECT_TRUE(VotesMatchOwners());
}

TEST_F(TransferTest, ComputerGivesUpWashingtonAndTheEmptyHandedLines) {
  Give(65, computer);
  game.currentSide = computer;
  console.Type("\r\r");
  console.Force({64, 30});
  TransferStateToOpponent();
  EXPECT_EQ(RowText(14), "Darn it Al, I must give you Washington DC and its 3 votes!");
  EXPECT_EQ(game.owner[65], player);
  EXPECT_TRUE(VotesMatchOwners());

  ClearScreen();
  TransferStateToOpponent();
  EXPECT_EQ(RowText(14), "Sorry Al I do not have a single state yet");
  game.currentSide = player;
  game.owner[65] = Unclaimed;
  game.player.votes = 0;
  console.Type("\r");
  console.Force({0});
  TransferStateToOpponent();
  EXPECT_EQ(RowText(14), "Lucky you Al you do not have any states to lose!");
}

TEST_F(TransferTest, LeavingTheRoomIsOneForTheRoad) {
  Give(33 + 1, player);
  game.player.position = SmokeRoomPosition;
  game.currentSide = player;
  game.soundFlag = 'y';
  console.Type("\r");
  console.Force({0});
  TransferStateToOpponent();
  EXPECT_EQ(RowText(14), "One for the road!");
  EXPECT_EQ(RowText(15), "Too bad Al you give me Wyoming and its 3 votes");
  EXPECT_EQ(console.clips(), (std::vector<std::string>{"data\\chal.wav", "data\\smin.wav"}));
}

TEST_F(TransferTest, GainOfThreeWithPlentyLeft) {
  game.currentSide = player;
  console.Type("\r");
  console.Force({4, 63, 0});  // starts 5 (news: on to 6), 64 (on to 65), 1
  GainUnclaimedStates(3);
  EXPECT_EQ(RowText(11), "You win New Jersey and its 14 votes Al");
  EXPECT_EQ(RowText(12), "You also get Washington DC and its 3 votes");
  EXPECT_EQ(RowText(13), "And you get Virginia and its 13 votes");
  EXPECT_EQ(game.player.votes, 30);
  EXPECT_EQ(game.computer.votes, 0);
  EXPECT_TRUE(VotesMatchOwners());
}

TEST_F(TransferTest, ComputerThirdGrantMayStartAtZero) {
  game.currentSide = computer;
  console.Type("\r");
  console.Force({0, 0, 0});  // 1, then 1 again (taken, so 2), then 0 (on to 3)
  GainUnclaimedStates(3);
  EXPECT_EQ(RowText(11), "Goodie goodie, I take Virginia and its 13 votes Al");
  EXPECT_EQ(RowText(12), "I also take West Virginia and its 5 votes");
  EXPECT_EQ(RowText(13), "And I get Maryland and its 10 votes");
  EXPECT_TRUE(VotesMatchOwners());
}

TEST_F(TransferTest, GainsRunningOutOfStates) {
  struct Case {
    int side;
    std::vector<int> left;
    std::vector<std::string> rows;
    std::initializer_list<int> draws;  // the first start, then the later ones
  };
  const Case cases[] = {
      {player,
       {30},
       {"You win Nebraska and its 5 votes Al", "That is it Al, there are no more states"},
       {10, 40}},
      {computer,
       {30},
       {"Goodie goodie, I take Nebraska and its 5 votes Al",
        "That is the last one Al, no more states"},
       {10, 40}},
      {player,
       {30, 61},
       {"You win Nebraska and its 5 votes Al", "You also get South Carolina and its 9 votes",
        "Unfortunately Al there are no more states"},
       {10, 40, 50}},
      {computer,
       {30, 61},
       {"Goodie goodie, I take Nebraska and its 5 votes Al",
        "I also take South Carolina and its 9 votes",
        "I got the last one Al, the cupboard is bare"},
       {10, 40, 50}},
      {player, {}, {"There are no unclaimed states left to win Al"}, {10}},
      {computer, {}, {"There are no unclaimed states left for me Al"}, {10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.rows));
    ResetGameState();
    game.firstName = "Al";
    game.currentSide = c.side;
    for (int p = 1; p <= kLastPosition; ++p) {
      if (game.owner[p] == Unclaimed) Give(p, c.side == player ? computer : player);
    }
    for (int p : c.left) {
      const int holder = game.owner[p];
      game.owner[p] = Unclaimed;
      CandidateOf(holder).votes -= BoardTable[p].electoralVotes;
    }
    const int before = CandidateOf(c.side).votes;
    ClearScreen();
    console.Type("\r");
    console.Force(c.draws);
    GainUnclaimedStates(3);
    EXPECT_TRUE(console.AllForcedUsed());
    for (std::size_t i = 0; i < c.rows.size(); ++i) EXPECT_EQ(RowText(11 + i), c.rows[i]);
    EXPECT_EQ(RowText(11 + c.rows.size()), "");
    int gained = 0;
    for (int p : c.left) gained += BoardTable[p].electoralVotes;
    EXPECT_EQ(CandidateOf(c.side).votes, before + gained);
    EXPECT_TRUE(VotesMatchOwners());
  }
}

}  // namespace
}  // namespace ballotrek::testing
