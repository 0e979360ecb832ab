#include "console/console.h"
#include "model/game_state.h"
#include "screens/screens.h"

namespace ballotrek {
namespace {

constexpr int kEveryPosition = 4;

}  // namespace

void ShowList(int letter) {
  letter = LowerKey(letter);
  int selector = kEveryPosition;
  ClearScreen();
  GotoXY(1, 1);
  switch (letter) {
    case 'u':
      selector = Unclaimed;
      Write("Here are the unclaimed states and their electoral votes:\n");
      break;
    case 'p':
      selector = player;
      Write("Here are your states and their electoral votes:\n");
      break;
    case 'c':
      selector = computer;
      Write("Here are my states and their electoral votes:\n");
      break;
    default:
      Write("Here is the order of board positions with electoral votes, read across:\n");
      break;
  }

  // Three entries to a row, read across.
  int row = selector == kEveryPosition ? 2 : 3;
  int shown = 0;
  for (int position = 1; position <= kLastPosition; ++position) {
    if (selector != kEveryPosition && game.owner[position] != selector) continue;
    GotoXY(1 + 25 * (shown % 3), row);
    Print(BoardTable[position].name, "  ", BoardTable[position].electoralVotes);
    if (++shown % 3 == 0) ++row;
  }

  if (selector != kEveryPosition) {
    GotoXY(1, 22);
    if (selector == Unclaimed) {
      Print("There are ", shown, " unclaimed states worth ",
            TotalElectoralVotes - game.player.votes - game.computer.votes, " votes\n");
    } else if (selector == player) {
      Print("You have ", shown, " states worth ", game.player.votes, " votes\n");
    } else {
      Print("I have ", shown, " states worth ", game.computer.votes, " votes\n");
    }
  }

  AskAt(1, 24, "Press space bar when ready ", " ");
  ClearScreen();
}

}  // namespace ballotrek
