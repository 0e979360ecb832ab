#include <gtest/gtest.h>

#include <set>

#include "console/console.h"
#include "engine/engine.h"
#include "events/events.h"
#include "model/game_state.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

class SmokeRoomTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    game.firstName = "Al";
  }
  void Hold(int side) {
    CandidateOf(side).position = SmokeRoomPosition;
    CandidateOf(side).inSmokeRoom = true;
  }
  void Give(int position, int side) {
    game.owner[position] = side;
    CandidateOf(side).votes += BoardTable[position].electoralVotes;
  }
  void RoomTurn(int side) {
    ClearScreen();
    game.currentSide = side;
    RunSmokeRoomTurn();
  }
};

TEST_F(SmokeRoomTest, PlayerLeavesWhenTheComputerComesIn) {
  Hold(player);
  Hold(computer);
  game.soundFlag = 'y';
  RoomTurn(player);
  EXPECT_EQ(RowText(1),
            "You were in the smoke filled room, but nice move he he he he he he he he he he");
  EXPECT_EQ(RowText(2), "you crouched down and scampered out the door when I came in");
  EXPECT_FALSE(game.player.inSmokeRoom);
  EXPECT_EQ(console.clips(), std::vector<std::string>{"data\\smro.wav"});
  EXPECT_EQ(console.millisecondsWaited(), 1000);
}

TEST_F(SmokeRoomTest, LuckyBreaksOnNineteenAndTwenty) {
  Hold(player);
  console.Force({17});  // 18 is not lucky; no states, so a scene
  console.Force({0});
  RoomTurn(player);
  EXPECT_EQ(RowText(1), "You are in the smoke filled room");
  EXPECT_EQ(RowText(2), "Oh Al, you are stuck in that putrid room");
  EXPECT_TRUE(game.player.inSmokeRoom);

  console.Force({18});
  RoomTurn(player);
  EXPECT_EQ(RowText(2), "Slick move!  You snuck out behind a big fat guy by the door");
  EXPECT_FALSE(game.player.inSmokeRoom);

  Hold(computer);
  console.Force({19});
  RoomTurn(computer);
  EXPECT_EQ(RowText(1), "I was in the smoke filled room, but");
  EXPECT_EQ(RowText(2), "oh baby, I bolted out during a toast to Herbert Hoover");
  EXPECT_FALSE(game.computer.inSmokeRoom);
}

TEST_F(SmokeRoomTest, PlayerAskedToGiveUpAState) {
  Hold(player);
  Give(1, player);
  console.Type("xN");
  console.Force({0, 3});  // no luck, scene 4
  RoomTurn(player);
  EXPECT_EQ(RowText(1), "You are in the smoke filled room, want to give up a state?  Y or N");
  EXPECT_EQ(RowText(2), "Have some champagne and caviar Al, you are not going anywhere");
  EXPECT_TRUE(game.player.inSmokeRoom);

  console.Type("y\r");
  console.Force({0, 0});  // no luck, transfer start 1
  RoomTurn(player);
  EXPECT_EQ(RowText(14), "One for the road!");
  EXPECT_EQ(RowText(15), "Too bad Al you give me Virginia and its 13 votes");
  EXPECT_FALSE(game.player.inSmokeRoom);
  EXPECT_EQ(game.owner[1], computer);
  EXPECT_TRUE(VotesMatchOwners());
}

TEST_F(SmokeRoomTest, PlayerGiveUpThatDecidesTheGameEndsIt) {
  Hold(player);
  Give(1, player);
  game.computer.votes = 260;  // only the totals matter to the end
  console.Type("y\r");
  console.Force({0, 0});
  RunUntilIdle([this] { RoomTurn(player); });
  EXPECT_EQ(game.computer.votes, 273);
  EXPECT_TRUE(ShowsAt(21, 3, "I beat you Al fair and square!")) << ScreenDump();
}

TEST_F(SmokeRoomTest, ComputerLeavesBehindThePlayer) {
  Hold(computer);
  Hold(player);
  RoomTurn(computer);
  EXPECT_EQ(RowText(2),
            "thanks Al, he he he he he he he he you came in and I snuck out behind you");
  EXPECT_FALSE(game.computer.inSmokeRoom);
  EXPECT_EQ(console.millisecondsWaited(), 500);
}

TEST_F(SmokeRoomTest, ComputerWithoutStatesStays) {
  Hold(computer);
  console.Force({0, 5});
  RoomTurn(computer);
  EXPECT_EQ(RowText(1), "I am in the smoke filled room and have no states to give up");
  EXPECT_EQ(RowText(2), "Ho hum, I am really bored in here");
  EXPECT_TRUE(game.computer.inSmokeRoom);
}

TEST_F(SmokeRoomTest, ComputerGivesUpAStateSixTimesInTen) {
  Hold(computer);
  Give(65, computer);
  console.Force({0, 6, 1});  // q 6 keeps it in: scene 2
  RoomTurn(computer);
  EXPECT_EQ(RowText(1), "I am  in the smoke filled room");
  EXPECT_EQ(RowText(2), "I am surrounded by windbags but I must stay");
  EXPECT_TRUE(game.computer.inSmokeRoom);

  console.Type("\r");
  console.Force({0, 5, 0});  // q 5 gives up, transfer start 1 wraps on to 65
  RoomTurn(computer);
  EXPECT_EQ(RowText(1), "I am ready to give up a state to get the heck out of here");
  EXPECT_EQ(RowText(14), "One for the road!");
  EXPECT_EQ(RowText(15), "Darn it Al, I must give you Washington DC and its 3 votes!");
  EXPECT_FALSE(game.computer.inSmokeRoom);
  EXPECT_TRUE(VotesMatchOwners());
}

TEST_F(SmokeRoomTest, PlayerAt240KeepsTheComputerIn) {
  Hold(computer);
  Give(65, computer);
  game.player.votes = 240;
  console.Force({0, 0, 0});
  RoomTurn(computer);
  EXPECT_TRUE(game.computer.inSmokeRoom);
  EXPECT_EQ(game.owner[65], computer);
}

TEST_F(SmokeRoomTest, ComputerGiveUpThatDecidesTheGameEndsItBeforeItsMove) {
  Hold(computer);
  Give(41, computer);
  game.player.votes = 239;
  console.Type("\r");
  console.Force({0, 0, 0});
  RunUntilIdle([this] { RoomTurn(computer); });
  EXPECT_EQ(game.player.votes, 294);
  EXPECT_TRUE(ShowsAt(22, 3, "Congratulations Al, you beat me!")) << ScreenDump();
}

TEST_F(SmokeRoomTest, EightScenesInARowAreAllDifferent) {
  std::set<std::string> scenes;
  for (int i = 0; i < 8; ++i) {
    ClearScreen();
    game.currentSide = player;
    ShowRoomScene();
    scenes.insert(RowText(2));
  }
  EXPECT_EQ(scenes.size(), 8u);
}

TEST_F(SmokeRoomTest, IntruderLinesAndCharge) {
  game.soundFlag = 'y';
  game.currentSide = player;
  SendIntruderToRoom(59);
  EXPECT_EQ(RowText(3).substr(19), "Georgia");
  EXPECT_EQ(RowText(4), "Come on Al, I am campaigning here, you are intruding on my action");
  EXPECT_EQ(RowText(8), "And you must wait to get lucky  or give me  a state  to get out");
  EXPECT_EQ(game.player.money, 99.0f);
  EXPECT_EQ(RowText(20), "                You now have 0 votes and 99 million dollars");
  EXPECT_EQ(console.clips(), std::vector<std::string>{"data\\inst.wav"});

  ClearScreen();
  game.currentSide = computer;
  SendIntruderToRoom(65);
  EXPECT_EQ(RowText(4), "Excuse me for intruding Al, I did not know you were here");
  EXPECT_EQ(RowText(8), "And I must wait to get  lucky or give  you a state to get out");
  EXPECT_EQ(game.computer.money, 99.0f);
}

}  // namespace
}  // namespace ballotrek::testing
