// The screens around a game: start-up, conceding and the final result.
#pragma once

namespace ballotrek {

void ShowTitleAndOptions();
void ShowInstructions();
void AskNamesAndWelcome();

// Asks whether the player gives up; returns only on no.
void ConcedeGame();

// Decides and shows the result from the game record; ends the process.
[[noreturn]] void EndGame();

}  // namespace ballotrek
