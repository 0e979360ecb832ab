// The screens around a game: start-up, help, the lists and the map,
// freezing and resuming, conceding and the final result.
#pragma once

namespace ballotrek {

void ShowTitleAndOptions();
void AskNamesAndWelcome();
// The screen for Escape at a start-up question; ends the process.
[[noreturn]] void QuitAtStart();

// Returns the lower-cased key that closed the help screen.
int ShowHelp();
// letter: u, p, c or b in either case.
void ShowList(int letter);
// The states on a map of the country, each in its owner's marks, and the jets.
void ShowMap();

// Saves the game and ends the program; when the file cannot be written it
// says so on screen and returns, the game intact.
void FreezeGame();
// Offers to resume a frozen game, if there is one, and loads it on R.
void OfferResume();

// Asks whether the player gives up; returns only on no.
void ConcedeGame();

// Decides and shows the result from the game record; ends the process.
[[noreturn]] void EndGame();

}  // namespace ballotrek
