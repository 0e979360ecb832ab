// The turn engine: start-up order, the endless turn loop, the take-off
// prompt with its command keys, landing narration, reports and lists.
#pragma once

namespace ballotrek {

// Start-up, then the turn loop; never returns.
[[noreturn]] void RunGame();
[[noreturn]] void TurnLoop();
// The screen for Escape at a start-up question; ends the process.
[[noreturn]] void QuitAtStart();

// Waits at the take-off prompt for Enter, handling the command keys, and
// returns the distance flown, 1 to 10.
int TakeOff();
// Returns the lower-cased key that closed the help screen.
int ShowHelp();
// Waits for Enter, then draws a number from 1 to n.
int RollForOutcome(int n);

void DispatchLanding(int position);

void ShowStandingLine();
void CommentOnRace();

// letter: u, p, c or b in either case.
void ShowList(int letter);
// The states on a map of the country, each in its owner's marks, and the jets.
void ShowMap();

}  // namespace ballotrek
