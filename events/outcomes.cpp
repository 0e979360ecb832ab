#include "console/console.h"
#include "events/events.h"
#include "model/game_state.h"

namespace ballotrek {

int RollForOutcome(int n) {
  ClearAt(17, 22);
  AskAt(17, 21, "Press Enter  for outcome \x1E ", "\r");
  if (SoundOn()) PlayClip("data\\chal.wav");
  return Rand() % n + 1;
}

void ShowStandingLine() {
  Delay(1000);
  ClearAt(17, 20);
  if (game.currentSide == player) {
    if (IsBroke(game.player.money)) {
      Write("You now have no money left!");
    } else {
      Print("You now have ", game.player.votes, " votes and ", game.player.money,
            " million dollars");
    }
  } else if (IsBroke(game.computer.money)) {
    Write("I am out of money!");
  } else {
    Print("I now have ", game.computer.votes, " votes and ", game.computer.money,
          " million dollars");
  }
}

}  // namespace ballotrek
