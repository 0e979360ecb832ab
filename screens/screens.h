// The screens around a game: start-up, freezing and resuming, conceding and
// the final result.
#pragma once

namespace ballotrek {

void ShowTitleAndOptions();
void ShowInstructions();
void AskNamesAndWelcome();

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
