#include "console/screen.h"
#include "console/seams.h"
#include "engine/engine.h"
#include "tests/support/game_test.h"

namespace ballotrek::testing {
namespace {

using MapTest = GameTest;

// Each state at its place on the tile map, in the marks and the colour of its owner in the record
// ([player], <computer>, bare when unclaimed), its votes below between the jets' marks.
TEST_F(MapTest, EveryStateAtItsPlaceInItsOwnersMarksAndColour) {
  for (int position = 1; position <= kLastPosition; ++position) {
    if (BoardTable[position].electoralVotes > 0 && position % 3 != 0) Give(position, position % 3);
  }
  game.player.position = 49;
  game.computer.position = 39;
  console.Type("m");
  RunUntilIdle(TakeOff);
  const std::string map[] = {
      "     <AK>                                                              <ME>",
      "       3                                                                 4",
      "                                          WI                      VT   [NH]",
      "                                          10                       3     4",
      "            WA   [ID]   MT   [ND]   MN   <IL>  <MI>        [NY]  <MA>",
      "            12@    4     3     3    10    20    16          29    11",
      "           [OR]  [NV]  [WY]  <SD>  <IA>  [IN]  <OH>  [PA]   NJ   <CT>   RI",
      "             7     6     3     3     6    11    18    20    14     7     4",
      "           <CA>  <UT>  <CO>   NE    MO    KY   <WV>  [VA]   MD   [DE]",
      "            55     6     9     5    10     8     5    13    10     3",
      "                 [AZ]   NM   [KS]   AR    TN   <NC>  [SC]  <DC>",
      "                  11     5     6     6    11    15     9     3",
      "                             <OK>  [LA]  <MS>  <AL>  <GA>",
      "                               7     8     6     9    16",
      "      HI                     [TX]                     FL",
      "       4                     *38                      29",
  };
  for (int row = 3; row <= 18; ++row) {
    EXPECT_EQ(RowText(row), map[row - 3]) << ScreenDump();
    // A tile's colour covers its brackets and the votes below them.
    const std::string codes = map[(row - 3) / 2 * 2] + std::string(Screen::kColumns, ' ');
    Colour colour = Colour::Default;
    for (int column = 1; column <= Screen::kColumns; ++column) {
      const char c = codes[column - 1];
      if (c == '[' || c == '<') colour = c == '[' ? Colour::Player : Colour::Computer;
      EXPECT_EQ(GameScreen().ColourAt(column, row), colour)
          << "column " << column << ", row " << row;
      if (c == ']' || c == '>') colour = Colour::Default;
    }
  }
  EXPECT_EQ(RowText(21), "        * your jet: Texas   @ my jet: Washington");
  EXPECT_EQ(RowText(22), "You have 175 votes, I have 219, and 144 are unclaimed");
}

}  // namespace
}  // namespace ballotrek::testing
