#include <gtest/gtest.h>

#include <set>

#include "console/console.h"
#include "engine/engine.h"
#include "events/events.h"
#include "model/game_state.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class EveningNewsTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    game.firstName = "Al";
    game.player.position = 5;
    game.computer.position = 15;
  }
  // The story number comes from the deck (the raw draw story - 1); the
  // draws that follow it are forced after it.
  void News(int side, int story, std::initializer_list<int> then = {}) {
    ClearScreen();
    game.currentSide = side;
    console.Force({story - 1});
    console.Force(then);
    DispatchLanding(game.currentSide == player ? game.player.position : game.computer.position);
  }
  void Give(int position, int side) {
    game.owner[position] = side;
    CandidateOf(side).votes += BoardTable[position].electoralVotes;
  }
};

TEST_F(EveningNewsTest, MoneyStoriesForBothSides) {
  News(player, 3, {1});  // remark 2
  EXPECT_EQ(RowText(4), "The story says that you");
  EXPECT_TRUE(ShowsAt(25, 5, "promised peace in our time and a world without crime"));
  EXPECT_EQ(RowText(6), "It results in two million dollars in campaign contributions");
  EXPECT_EQ(RowText(7), "Things are going well for you Al");
  EXPECT_EQ(game.player.money, 102.0f);
  EXPECT_EQ(RowText(20), "                You now have 0 votes and 102 million dollars");

  News(computer, 6, {2});  // remark 3 begins with the name
  EXPECT_EQ(RowText(4), "  The story says that I");
  EXPECT_TRUE(ShowsAt(25, 5, "slipped on a banana peel"));
  EXPECT_EQ(RowText(6), "There is a vivid picture in full color");
  EXPECT_EQ(RowText(8), "Al, this is stinking yellow journalism");
  EXPECT_EQ(game.computer.money, 98.0f);
}

TEST_F(EveningNewsTest, SevenMillionTakenEvenFromLess) {
  game.player.money = 3.0f;
  News(player, 4, {0});
  EXPECT_EQ(RowText(7), "How unfortunate");
  EXPECT_EQ(game.player.money, -4.0f);
  EXPECT_EQ(RowText(20), "                You now have no money left!");
}

TEST_F(EveningNewsTest, StateGainsWithFixedAndDrawnCounts) {
  console.Type("\r");
  News(player, 13, {14, 0});  // remark 15, then the gain's start 1
  EXPECT_EQ(RowText(6), "It results in the gain of an unclaimed state");
  EXPECT_EQ(RowText(7), "You have no shame Al, do you?");
  EXPECT_EQ(RowText(11), "You win Virginia and its 13 votes Al");
  EXPECT_EQ(game.player.votes, 13);

  // Stories 17 and 19 draw their count after the remark.
  console.Type("\r");
  News(computer, 19, {0, 2, 10, 20, 30});  // remark, count 3, three starts
  EXPECT_EQ(RowText(6), "It means the gain of one to three unclaimed states");
  EXPECT_EQ(RowText(7), "Hooray for me and my party");
  EXPECT_EQ(RowText(11), "Goodie goodie, I take Massachusetts and its 11 votes Al");
  EXPECT_EQ(RowText(12), "I also take Wisconsin and its 10 votes");
  EXPECT_EQ(RowText(13), "And I get Nebraska and its 5 votes");
  EXPECT_TRUE(console.AllForcedUsed());
  EXPECT_TRUE(VotesMatchOwners());
}

TEST_F(EveningNewsTest, StateLossGoesToTheOtherSide) {
  Give(1, player);
  console.Type("\r");
  News(player, 2, {11, 0});  // remark 12, transfer start 1
  EXPECT_EQ(RowText(6), "It means the loss of a state to the opposition");
  EXPECT_EQ(RowText(7), "Poor Al, your campaign  is fading fast");
  EXPECT_EQ(RowText(14), "Too bad Al you give me Virginia and its 13 votes");
  EXPECT_EQ(game.owner[1], computer);
  EXPECT_TRUE(VotesMatchOwners());
}

TEST_F(EveningNewsTest, NoLossWhileTheOtherSideIsInTheRoom) {
  Give(1, player);
  Give(2, computer);
  game.computer.position = SmokeRoomPosition;
  News(player, 12);
  EXPECT_EQ(RowText(7), "However, I am stuck in this room and cannot take any states");
  EXPECT_EQ(RowText(8), "");
  EXPECT_EQ(game.owner[1], player);
  EXPECT_EQ(game.computer.votes, 5);

  game.computer.position = 15;
  game.player.position = SmokeRoomPosition;
  News(computer, 14);
  EXPECT_EQ(RowText(7), "But Al, you cannot take any states in that room");
  EXPECT_EQ(game.owner[2], computer);
  EXPECT_TRUE(console.AllForcedUsed());
}

TEST_F(EveningNewsTest, ThirtyLandingsThirtyStoriesThenAFreshDeck) {
  std::set<std::string> stories;
  for (int landing = 0; landing < 30; ++landing) {
    game.currentSide = landing % 2 == 0 ? player : computer;
    ClearScreen();
    RunUntilIdle([] { RunEveningNews(); });  // gains and losses stop at their Enter prompt
    stories.insert(TextAt(25, 5, 55));
    const NoRepeatDeck deck = game.newsDeck;
    ResetGameState();
    game.newsDeck = deck;
  }
  EXPECT_EQ(stories.size(), 30u);
  for (int slot : game.newsDeck.slots) EXPECT_EQ(slot, 0);
}

}  // namespace
}  // namespace ballotrek::testing
