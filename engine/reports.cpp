#include "console/console.h"
#include "engine/engine.h"
#include "model/game_state.h"

namespace ballotrek {

// The bands differ at a lead of exactly 10: the player's 10 is already
// winning, the computer's 10 is still tight.
void CommentOnRace() {
  GotoXY(17, 19);
  const std::string& name = game.firstName;
  const int lead = game.player.votes - game.computer.votes;
  if (lead >= 100) {
    Print("You are slaughtering me ", name);
  } else if (lead >= 50) {
    Print("You are beating me badly", " ", name);
  } else if (lead >= 10) {
    Print("You are winning ", name);
  } else if (lead >= 1) {
    Print("This is a close race ", name);
  } else if (lead <= -100) {
    Print("I am really kicking your butt ", name);
  } else if (lead <= -50) {
    Print("I am way ahead of you ", name);
  } else if (lead <= -11) {
    Print("I am beating you ", name);
  } else if (lead <= -1) {
    Print("This contest is very tight ", name);
  }
}

}  // namespace ballotrek
