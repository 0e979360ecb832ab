#include <gtest/gtest.h>

#include "console/console.h"
#include "events/events.h"
#include "model/game_state.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class ChallengeTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    game.firstName = "Al";
    game.partyName = "Blue";
  }
  void Give(int position, int side) {
    game.owner[position] = side;
    CandidateOf(side).votes += BoardTable[position].electoralVotes;
  }
  void Land(int side, int position) {
    GotoXY(1, 5);
    game.currentSide = side;
    if (side == player) {
      PlayerLandsOnState(position, BoardTable[position].price);
    } else {
      ComputerLandsOnState(position, BoardTable[position].price);
    }
  }
};

TEST_F(ChallengeTest, OwnStateBringsOnlyARemark) {
  Give(1, player);
  console.Force({4, 1});
  game.currentSide = player;
  GotoXY(1, 4);
  RemarkAlreadyOwned();
  EXPECT_EQ(RowText(4), "No need to take it again \x1E Al, it is already yours");
  game.currentSide = computer;
  ClearScreen();
  GotoXY(1, 4);
  RemarkAlreadyOwned();
  EXPECT_EQ(RowText(4), "I snapped it up earlier Al");
  EXPECT_EQ(game.player.money, 100.0f);
  EXPECT_EQ(console.millisecondsWaited(), 0);
}

TEST_F(ChallengeTest, PlayerChallengeWonMovesTheState) {
  Give(1, computer);
  game.soundFlag = 'y';
  console.Type("xy\r");
  console.Force({1, 9, 4});  // remark 1, roll 10 wins, line 4
  Land(player, 1);
  EXPECT_EQ(RowText(5), "This is my state. Al");
  EXPECT_EQ(RowText(6), "A challenge costs 7.8 million bucks");
  EXPECT_EQ(RowText(11), "Holy Moses Al, you got it");
  EXPECT_EQ(game.owner[1], player);
  EXPECT_EQ(game.player.votes, 13);
  EXPECT_EQ(game.computer.votes, 0);
  EXPECT_FLOAT_EQ(game.player.money, 100.0f - 7.8f);
  EXPECT_EQ(console.clips(), (std::vector<std::string>{"data\\chal.wav", "data\\wich.wav"}));
  EXPECT_TRUE(VotesMatchOwners());
}

TEST_F(ChallengeTest, PlayerChallengeLostOrDeclined) {
  Give(41, computer);
  console.Type("n");
  console.Force({0});
  Land(player, 41);
  EXPECT_TRUE(ShowsAt(17, 21, "Want to try for it Al?  Y or N  "));
  EXPECT_EQ(RowText(6), "A challenge costs 11 million bucks");
  EXPECT_EQ(game.player.money, 100.0f);
  EXPECT_EQ(RowText(20), "");

  console.Type("Y\r");
  console.Force({0, 8, 3});  // roll 9 fails
  Land(player, 41);
  EXPECT_EQ(RowText(11), "Nice try Al,but you messed it up");
  EXPECT_EQ(game.owner[41], computer);
  EXPECT_EQ(game.player.money, 89.0f);
  EXPECT_TRUE(VotesMatchOwners());
}

TEST_F(ChallengeTest, ChallengeAffordableAtEquality) {
  Give(4, computer);
  game.player.money = 4.8f;
  console.Type("y\r");
  console.Force({0, 0, 0});
  Land(player, 4);
  EXPECT_EQ(game.player.money, 0.0f);

  game.player.money = 4.7f;
  ClearScreen();
  console.Force({0});
  Land(player, 4);
  EXPECT_EQ(RowText(6), "You cannot afford to challenge");

  Give(12, player);
  game.computer.money = 4.7f;
  ClearScreen();
  console.Force({5});
  Land(computer, 12);
  EXPECT_EQ(RowText(5), "This is Blue country");
  EXPECT_EQ(RowText(6), "I do not have the bucks for it");
}

// Every challenge cost on the board prints in plain decimals.
TEST_F(ChallengeTest, CostsPrintWithoutFloatNoise) {
  for (int position = 1; position <= kLastPosition; ++position) {
    if (BoardTable[position].electoralVotes == 0) continue;
    SCOPED_TRACE(BoardTable[position].name);
    ResetGameState();
    Give(position, computer);
    console.Type("n");
    console.Force({0});
    ClearScreen();
    Land(player, position);
    const std::string row = RowText(6);
    const std::string cost = row.substr(18, row.find(" million") - 18);
    EXPECT_LE(cost.size(), 4u) << row;
    EXPECT_FLOAT_EQ(std::stof(cost), 2 * BoardTable[position].price);
  }
}

// The computer's six challenge rules at their edges. States: 1 Virginia 13,
// 26 Iowa 6, 2 West Virginia 5, 16 Pennsylvania 20, 41 California 55.
struct ChallengeCase {
  const char* rule;
  int playerVotes, computerVotes;
  float money;
  int position;
  bool challenges;
};

TEST_F(ChallengeTest, ComputerChallengeRules) {
  const ChallengeCase cases[] = {
      {"lead of 100 and more than 10", 100, 0, 14, 1, true},
      {"lead of 99", 99, 0, 14, 1, false},
      {"lead of 100 and 10 votes", 100, 0, 14, 3, false},
      {"15.0 and more than 20", 0, 0, 15.0f, 41, true},
      {"14.9 and more than 20", 0, 0, 14.9f, 41, false},
      {"15.0 and 20 votes", 0, 0, 15.0f, 16, false},
      {"player at 250, 15.0, more than 5", 250, 0, 15.0f, 26, true},
      {"player at 249", 249, 0, 15.0f, 26, false},
      {"computer at 250 with 150.0", 0, 250, 150.0f, 1, true},
      {"computer at 250 with 149", 0, 250, 149.0f, 1, false},
      {"reaching 270 keeping more than 7.0", 0, 265, 17.1f, 2, true},
      {"reaching 270 keeping exactly 7.0", 0, 265, 15.0f, 2, false},
      {"reaching 269", 0, 264, 100.0f, 2, false},
      {"player at 220 with 30.0 and more than 10", 220, 121, 30.0f, 1, true},
      {"player at 220 with 29.9", 220, 121, 29.9f, 1, false},
  };
  for (const ChallengeCase& c : cases) {
    SCOPED_TRACE(c.rule);
    ResetGameState();
    game.player.votes = c.playerVotes;  // the totals alone matter to the rules
    game.computer.votes = c.computerVotes;
    game.owner[c.position] = player;
    game.computer.money = c.money;
    if (c.challenges) {
      console.Type("\r");
      console.Force({0, 23, 0});  // remark, silent thinking, a losing roll
    } else {
      console.Force({0, 23, 0});  // remark, silent thinking, refusal line
    }
    Land(computer, c.position);
    EXPECT_EQ(RowText(7) == "I am going to go for it!", c.challenges) << ScreenDump();
    const float cost = 2 * BoardTable[c.position].price;
    EXPECT_FLOAT_EQ(game.computer.money, c.challenges ? c.money - cost : c.money);
    EXPECT_TRUE(console.AllForcedUsed());
  }
}

TEST_F(ChallengeTest, ComputerChallengeOutcomes) {
  Give(41, player);
  game.soundFlag = 'y';
  console.Type("\r");
  console.Force({13, 1, 11});  // remark 13, thinking line 2, roll 12 wins
  Land(computer, 41);
  EXPECT_EQ(RowText(5), "Your country, I will just rest here a while and watch some TV Al");
  EXPECT_EQ(RowText(6), "A challenge costs 11 million bucks");
  EXPECT_EQ(RowText(7), "Pardon me while I think, wow my wires are getting hot");
  EXPECT_EQ(RowText(8), "I am going to go for it!");
  EXPECT_EQ(RowText(15), "Yippey!  I did it \x1E it is mine now");
  EXPECT_EQ(game.owner[41], computer);
  EXPECT_EQ(game.player.votes, 0);
  EXPECT_EQ(game.computer.votes, 55);
  EXPECT_EQ(console.clips(), (std::vector<std::string>{"data\\chal.wav", "data\\wich.wav"}));
  EXPECT_TRUE(VotesMatchOwners());

  game.owner[41] = player;
  std::swap(game.player.votes, game.computer.votes);
  ClearScreen();
  console.Type("\r");
  console.Force({0, 23, 8});  // roll 9 fails
  Land(computer, 41);
  EXPECT_EQ(RowText(15), "Shucks!  I blew it");
  EXPECT_EQ(game.owner[41], player);
  EXPECT_TRUE(VotesMatchOwners());
}

TEST_F(ChallengeTest, ComputerRefusalLines) {
  Give(2, player);
  console.Force({1, 23, 5});
  Land(computer, 2);
  EXPECT_EQ(RowText(5), "Looks like you got here first");
  EXPECT_EQ(RowText(7), "It is too much of a long shot Al");
  EXPECT_EQ(RowText(20), "");
}

}  // namespace
}  // namespace ballotrek::testing
