// The turn engine: start-up order, the endless turn loop, the take-off
// prompt with its command keys, and the narration of each landing.
#pragma once

namespace ballotrek {

// Start-up, then the turn loop; never returns.
[[noreturn]] void RunGame();
[[noreturn]] void TurnLoop();

// Waits at the take-off prompt for Enter, handling the command keys, and
// returns the distance flown, 1 to 10.
int TakeOff();

void DispatchLanding(int position);

// Every fifth turn: how the race stands, by the player's lead.
void CommentOnRace();

}  // namespace ballotrek
