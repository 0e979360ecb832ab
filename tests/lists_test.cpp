#include <gtest/gtest.h>

#include <string>

#include "console/console.h"
#include "engine/engine.h"
#include "model/game_state.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

using ListsTest = GameTest;

// Counts the entries in the three columns of rows 3 to 21.
int EntriesShown() {
  int entries = 0;
  for (int row = 3; row <= 21; ++row) {
    for (int column : {1, 26, 51}) entries += TextAt(column, row, 1) != " ";
  }
  return entries;
}

// A row of the three-column layout, as RowText reads it.
std::string Across(std::string first, std::string second, const std::string& third = "") {
  first.resize(25, ' ');
  if (!third.empty()) second.resize(25, ' ');
  return first + second + third;
}

TEST_F(ListsTest, UnclaimedListAtTheStartHoldsEveryState) {
  RunUntilIdle([] { ShowList('U'); });
  EXPECT_EQ(RowText(1), "Here are the unclaimed states and their electoral votes:");
  EXPECT_EQ(RowText(2), "");
  EXPECT_EQ(RowText(3), Across("Virginia  13", "West Virginia  5", "Maryland  10"));
  EXPECT_EQ(RowText(19), Across("South Carolina  9", "North Carolina  15", "Washington DC  3"));
  EXPECT_EQ(EntriesShown(), 51);
  EXPECT_EQ(RowText(22), "There are 51 unclaimed states worth 538 votes");
  EXPECT_TRUE(ShowsAt(1, 24, "Press space bar when ready "));
}

TEST_F(ListsTest, EachSidesListShowsItsStatesAndTheTotals) {
  RunUntilIdle([] { ShowList('p'); });
  EXPECT_EQ(RowText(1), "Here are your states and their electoral votes:");
  EXPECT_EQ(EntriesShown(), 0);
  EXPECT_EQ(RowText(22), "You have 0 states worth 0 votes");

  game.owner[7] = computer;
  game.owner[65] = computer;
  game.computer.votes = 32;
  game.owner[1] = player;
  game.player.votes = 13;
  RunUntilIdle([] { ShowList('C'); });
  EXPECT_EQ(RowText(1), "Here are my states and their electoral votes:");
  EXPECT_EQ(RowText(3), Across("New York  29", "Washington DC  3"));
  EXPECT_EQ(EntriesShown(), 2);
  EXPECT_EQ(RowText(22), "I have 2 states worth 32 votes");

  RunUntilIdle([] { ShowList('u'); });
  EXPECT_EQ(EntriesShown(), 48);
  EXPECT_TRUE(ShowsAt(1, 3, "West Virginia  5"));
  EXPECT_EQ(RowText(22), "There are 48 unclaimed states worth 493 votes");
}

TEST_F(ListsTest, BoardListingShowsAllPositionsFromRowTwo) {
  game.owner[1] = player;  // owners do not matter here
  RunUntilIdle([] { ShowList('b'); });
  EXPECT_EQ(RowText(1), "Here is the order of board positions with electoral votes, read across:");
  EXPECT_EQ(RowText(2), Across("Virginia  13", "West Virginia  5", "Maryland  10"));
  EXPECT_EQ(RowText(3), Across("Delaware  3", "the evening news  0", "New Jersey  14"));
  EXPECT_EQ(RowText(23), Across("the evening news  0", "Washington DC  3"));
  EXPECT_EQ(RowText(22), Across("South Carolina  9", "North Carolina  15", "Scandal  0"))
      << "no summary line on the board listing";
  EXPECT_TRUE(ShowsAt(1, 24, "Press space bar when ready "));
}

TEST_F(ListsTest, OnlyTheSpaceBarClosesAList) {
  bool returned = false;
  console.Type("x\r\x1bq");
  console.TypeKey(kKeySpecial);
  RunUntilIdle([&] {
    ShowList('b');
    returned = true;
  });
  EXPECT_FALSE(returned);
  EXPECT_EQ(console.millisecondsWaited(), 1200) << "the prompt is drawn again after each key";

  console.Type(" ");
  ShowList('b');
  EXPECT_EQ(RowText(1), "") << "the list is cleared away";
}

}  // namespace
}  // namespace ballotrek::testing
