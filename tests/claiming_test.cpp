#include <gtest/gtest.h>

#include "console/console.h"
#include "events/events.h"
#include "model/game_state.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class ClaimingTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    game.firstName = "Al";
    game.partyName = "Blue";
    game.player.position = 1;
    game.computer.position = 2;
  }
  // The narration leaves the cursor at column 1, row 5.
  void Player(int position) {
    GotoXY(1, 5);
    game.currentSide = player;
    PlayerLandsOnState(position, BoardTable[position].price);
  }
  void Computer(int position) {
    GotoXY(1, 5);
    game.currentSide = computer;
    ComputerLandsOnState(position, BoardTable[position].price);
  }
};

TEST_F(ClaimingTest, NoChangesNothing) {
  console.Type("xn");
  Player(1);
  EXPECT_TRUE(ShowsAt(17, 21, "Want it?  Y or N  "));
  EXPECT_EQ(game.player.money, 100.0f);
  EXPECT_EQ(game.owner[1], Unclaimed);
  EXPECT_EQ(RowText(20), "");  // no standing line
  EXPECT_EQ(GameScreen().row(), 7);
}

TEST_F(ClaimingTest, PlayerWinsAnOrdinaryState) {
  game.soundFlag = 'y';
  console.Type("Y");
  console.Force({8, 9});  // roll 9 wins; line 9 names the party
  Player(1);
  EXPECT_EQ(RowText(7), "It is now Blue territory");
  EXPECT_EQ(game.owner[1], player);
  EXPECT_EQ(game.player.votes, 13);
  EXPECT_FLOAT_EQ(game.player.money, 100.0f - 3.9f);
  EXPECT_EQ(RowText(20), "                You now have 13 votes and 96.1 million dollars");
  EXPECT_EQ(console.clips(), std::vector<std::string>{"data\\bust.wav"});
  EXPECT_TRUE(VotesMatchOwners());
}

TEST_F(ClaimingTest, ADroppedStateCostsItsPriceAndStaysUnclaimed) {
  game.soundFlag = 'y';
  console.Type("y");
  console.Force({9});  // roll 10
  Player(20);
  EXPECT_EQ(RowText(7), "No good Al, you dropped it and it rolled away");
  EXPECT_EQ(RowText(8), "It remains unclaimed");
  EXPECT_EQ(game.owner[20], Unclaimed);
  EXPECT_FLOAT_EQ(game.player.money, 100.0f - 4.8f);
  EXPECT_EQ(console.clips(), std::vector<std::string>{"data\\lost.wav"});
  EXPECT_TRUE(VotesMatchOwners());
}

TEST_F(ClaimingTest, PlayerTryIsDecidedByTheRollOfTwelve) {
  console.Type("y\r");
  console.Force({7, 0});  // roll 8 wins
  Player(41);
  EXPECT_EQ(game.owner[41], player);
  EXPECT_EQ(game.player.votes, 55);
  EXPECT_EQ(RowText(7), "It is your baby");
  // Without sound the winning try has no pause: the prompt, the standing line.
  EXPECT_EQ(console.millisecondsWaited(), 200 + 200 + 1000);
}

TEST_F(ClaimingTest, FailedTryGivesTheStateAwayUnlessTheReceiverIsInTheRoom) {
  console.Type("y\r");
  console.Force({8});  // roll 9 fails
  Player(7);
  EXPECT_EQ(RowText(7), "You failed to get it Al");
  EXPECT_EQ(RowText(8), "It comes over to me Al, thanks for the gift");
  EXPECT_EQ(game.owner[7], computer);
  EXPECT_EQ(game.computer.votes, 29);
  EXPECT_EQ(game.computer.money, 100.0f);
  EXPECT_TRUE(VotesMatchOwners());

  game.computer.position = SmokeRoomPosition;
  console.Type("y\r");
  console.Force({11});  // roll 12 fails
  Player(57);
  EXPECT_EQ(RowText(8), "I am in this room and cannot take any states");
  EXPECT_EQ(game.owner[57], Unclaimed);
  EXPECT_FLOAT_EQ(game.player.money, 100.0f - 2.9f - 2.9f);
}

TEST_F(ClaimingTest, AffordableAtEquality) {
  game.player.money = 2.4f;
  console.Type("y");
  console.Force({0, 3});
  Player(4);
  EXPECT_EQ(game.player.money, 0.0f);
  EXPECT_EQ(RowText(20), "                You now have no money left!");

  game.player.money = 2.3f;
  Player(12);
  EXPECT_EQ(RowText(5), "You cannot afford it");
  game.computer.money = 2.3f;
  Computer(12);
  EXPECT_EQ(RowText(5), "I do not have sufficient funds for it");
}

// The computer's six purchase rules, each on both sides of its edge. The
// raw draws give d (1 to 3), then the silent thinking line.
struct PurchaseCase {
  const char* rule;
  int computerVotes, playerVotes;
  float money;
  int position;
  int d;
  bool buys;
};

TEST_F(ClaimingTest, ComputerPurchaseRules) {
  const PurchaseCase cases[] = {
      {"200 votes buys anything", 200, 0, 100, 4, 1, true},
      {"199 votes and a small state", 199, 0, 100, 4, 1, false},
      {"more than 10 votes", 0, 0, 100, 19, 1, true},
      {"160 and more than 5", 160, 0, 100, 26, 1, true},
      {"160 and 5 votes", 160, 0, 100, 2, 1, false},
      {"player at 200 with 7.0", 0, 200, 7.0f, 4, 1, true},
      {"player at 200 with 6.9", 0, 200, 6.9f, 4, 1, false},
      {"player at 199", 0, 199, 100, 4, 1, false},
      {"6 to 10 votes with d 2", 0, 0, 100, 3, 2, true},
      {"6 to 10 votes with d 1", 0, 0, 100, 3, 1, false},
      {"6 votes with d 3", 159, 0, 100, 26, 3, true},
      {"5 votes or less with d 3", 0, 0, 100, 2, 3, true},
      {"5 votes or less with d 2", 0, 0, 100, 2, 2, false},
  };
  for (const PurchaseCase& c : cases) {
    SCOPED_TRACE(c.rule);
    ResetGameState();
    game.firstName = "Al";
    game.computer.votes = c.computerVotes;  // the invariant is not the point here
    game.player.votes = c.playerVotes;
    game.computer.money = c.money;
    const float price = BoardTable[c.position].price;
    // d, no thinking line, then a winning roll and its line, or the pass line
    if (c.buys) {
      console.Force({c.d - 1, 23, 0, 0});
    } else {
      console.Force({c.d - 1, 23, 0});
    }
    Computer(c.position);
    EXPECT_EQ(game.owner[c.position] == computer, c.buys);
    EXPECT_FLOAT_EQ(game.computer.money, c.buys ? c.money - price : c.money);
    EXPECT_TRUE(console.AllForcedUsed());
  }
}

TEST_F(ClaimingTest, ComputerPassesWithOneOfThreeLines) {
  console.Force({0, 0, 1});  // d 1, thinking line 1, pass line 2
  Computer(4);
  EXPECT_EQ(RowText(5), "Let me see \x1E what shall I do \x1E it is a tough decision");
  EXPECT_EQ(RowText(6), "I will let it go Al");
  EXPECT_EQ(RowText(20), "");
  EXPECT_EQ(console.millisecondsWaited(), 3000);
}

TEST_F(ClaimingTest, ComputerWinsDropsAndTries) {
  console.Force({0, 23, 4, 0});  // buys a big state, wins with line 0
  Computer(19);
  EXPECT_EQ(RowText(9), "I will take it \x1E it goes in my column");
  EXPECT_EQ(game.computer.votes, 11);
  EXPECT_EQ(RowText(20), "                I now have 11 votes and 96.7 million dollars");

  console.Force({0, 23, 9});  // roll 10 drops it
  Computer(20);
  EXPECT_EQ(RowText(7), "Oh no Al, I grabbed it and it slipped through my wiry fingers");
  EXPECT_EQ(RowText(8), "It is still an unclaimed state");
  EXPECT_EQ(game.owner[20], Unclaimed);

  game.soundFlag = 'y';
  ClearScreen();
  console.Type("\r");
  console.Force({0, 23, 9});  // try roll 10 still wins
  Computer(41);
  EXPECT_EQ(RowText(5), "I will take a stab at it");
  EXPECT_EQ(RowText(7), "I got it Al");
  EXPECT_EQ(game.owner[41], computer);
  EXPECT_EQ(console.clips(), (std::vector<std::string>{"data\\chal.wav", "data\\wich.wav"}));
  EXPECT_TRUE(VotesMatchOwners());
}

TEST_F(ClaimingTest, ComputerFailedTryGoesToThePlayerUnlessInTheRoom) {
  console.Type("\r");
  console.Force({0, 23, 10});  // roll 11 fails
  Computer(49);
  EXPECT_EQ(RowText(7), "Nuts!  I lost it Al");
  EXPECT_EQ(RowText(8), "You get it Al, you owe me one now");
  EXPECT_EQ(game.owner[49], player);
  EXPECT_EQ(game.player.votes, 38);
  EXPECT_EQ(game.player.money, 100.0f);

  game.player.position = SmokeRoomPosition;
  console.Type("\r");
  console.Force({0, 23, 11});
  Computer(7);
  EXPECT_EQ(RowText(8), "You are in the smoke filled room and do not get it");
  EXPECT_EQ(game.owner[7], Unclaimed);
  EXPECT_TRUE(VotesMatchOwners());
}

}  // namespace
}  // namespace ballotrek::testing
