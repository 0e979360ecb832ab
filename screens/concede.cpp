#include "console/console.h"
#include "model/frozen_game.h"
#include "model/game_state.h"
#include "screens/credits.h"
#include "screens/screens.h"

namespace ballotrek {

void ConcedeGame() {
  if (AskAt(17, 21, "are you throwing in the towel " + game.firstName + "?  y or n  ", "yn") ==
      'n') {
    return;
  }

  ClearScreen();
  if (SoundOn()) PlayClip("data\\quit.wav");
  GotoXY(23, 3);
  Print("You have conceded defeat ", game.firstName, "!\n");
  GotoXY(21, 5);
  Write("I have brought the Technocrats to victory");
  GotoXY(23, 7);
  Print("You are a loser this time ", game.firstName);
  GotoXY(18, 9);
  Write("I get the remaining electoral votes");
  // The computer claims its own votes and every vote nobody holds.
  const int computerTotal =
      TotalElectoralVotes - (game.player.votes + game.computer.votes) + game.computer.votes;
  GotoXY(18, 11);
  Print("I win with ", computerTotal, " electoral votes, you lose with ", game.player.votes,
        " electoral votes");
  DeleteFrozenGame();

  GotoXY(25, 13);
  Write("Come back in four years my ambitious friend!");
  SayFarewell(NamedLine{"Bye for now pal!"}, "Press ESCAPE to exit ");
}

}  // namespace ballotrek
