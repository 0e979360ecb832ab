#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "model/board.h"
#include "model/game_state.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

TEST(BoardTableTest, HoldsFiftyOneStatesFourteenSpecialSquaresAnd538Votes) {
  int ownable = 0, votes = 0;
  std::set<int> tryStates, news;
  for (int position = 1; position <= kLastPosition; ++position) {
    const BoardPosition& square = BoardTable[position];
    const bool isState =
        square.kind == PositionKind::State || square.kind == PositionKind::TryState;
    ownable += isState;
    votes += square.electoralVotes;
    EXPECT_EQ(square.electoralVotes > 0, isState) << square.name;
    EXPECT_EQ(square.price > 0.0f, isState) << square.name;
    EXPECT_EQ(square.initialOwner, isState ? Unclaimed : NotOwnable) << square.name;
    if (square.kind == PositionKind::TryState) tryStates.insert(position);
    if (square.kind == PositionKind::EveningNews) news.insert(position);
  }
  EXPECT_EQ(ownable, 51);
  EXPECT_EQ(kLastPosition - ownable, 14);
  EXPECT_EQ(votes, TotalElectoralVotes);
  EXPECT_EQ(tryStates, (std::set<int>{7, 41, 49, 57}));
  EXPECT_EQ(news, (std::set<int>{5, 15, 25, 35, 45, 55, 60, 64}));
  EXPECT_EQ(BoardTable[SmokeRoomPosition].kind, PositionKind::SmokeFilledRoom);
  EXPECT_EQ(BoardTable[0].initialOwner, NotOwnable);

  const BoardPosition& dc = BoardTable[65];
  EXPECT_STREQ(dc.name, "Washington DC");
  EXPECT_EQ(dc.kind, PositionKind::State);
  EXPECT_EQ(dc.electoralVotes, 3);
  EXPECT_EQ(dc.price, 2.4f);
}

using GameStateTest = GameTest;

TEST_F(GameStateTest, ANewGameStartsFromTheTableWithAHundredMillionEach) {
  game.player = {3.0f, 40, 12, true};
  game.owner[1] = player;
  game.turnCount = 9;
  game.soundFlag = 'y';
  game.firstName = "Ann";
  game.newsDeck.slots[0] = 3;
  ResetGameState();

  for (const Candidate& side : {game.player, game.computer}) {
    EXPECT_EQ(side.money, 100.0f);
    EXPECT_EQ(side.votes + side.position + side.inSmokeRoom, 0);
  }
  for (int position = 0; position < kBoardSize; ++position) {
    EXPECT_EQ(game.owner[position], BoardTable[position].initialOwner) << position;
  }
  EXPECT_EQ(game.currentSide + game.soundFlag + game.resumedGame + game.turnCount, 0);
  EXPECT_EQ(game.firstName + game.partyName, "");
  EXPECT_EQ(game.newsDeck.slots[0], 0);
}

bool Empty(const NoRepeatDeck& deck) {
  return std::all_of(deck.slots.begin(), deck.slots.begin() + deck.size,
                     [](int slot) { return slot == 0; });
}

TEST_F(GameStateTest, EachDeckDealsEveryNumberOnceAndEmptiesOnTheLastDraw) {
  for (NoRepeatDeck* deck : {&game.newsDeck, &game.roomDeck, &game.triviaDeck, &game.voiceDeck}) {
    for (int cycle = 0; cycle < 2; ++cycle) {
      std::set<int> dealt;
      for (int draw = 1; draw <= deck->size; ++draw) {
        dealt.insert(DrawFromDeck(*deck));
        EXPECT_EQ(Empty(*deck), draw == deck->size) << "deck of " << deck->size;
      }
      EXPECT_EQ(dealt.size(), static_cast<size_t>(deck->size));
      EXPECT_EQ(*dealt.begin(), 1);
      EXPECT_EQ(*dealt.rbegin(), deck->size);
    }
  }
  EXPECT_EQ(game.newsDeck.size + game.roomDeck.size + game.triviaDeck.size, 30 + 8 + 28);
  EXPECT_EQ(game.voiceDeck.size, 15);
}

TEST_F(GameStateTest, ADrawRejectsNumbersAlreadyDealt) {
  NoRepeatDeck& deck = game.roomDeck;
  console.Force({2, 2, 10, 5});
  EXPECT_EQ(DrawFromDeck(deck), 3);
  EXPECT_EQ(DrawFromDeck(deck), 6) << "3 twice more (raw 2 and 10), then 6";
  EXPECT_TRUE(console.AllForcedUsed());

  console.Force({0, 1, 3, 4, 6, 7, 2});
  for (int expected : {1, 2, 4, 5, 7, 8}) EXPECT_EQ(DrawFromDeck(deck), expected);
  EXPECT_TRUE(Empty(deck)) << "the eighth number completes the cycle";
  EXPECT_EQ(DrawFromDeck(deck), 3) << "a fresh cycle deals 3 again";
}

}  // namespace
}  // namespace ballotrek::testing
