#include "screens/screens.h"

namespace ballotrek {

// The title, the instructions and the names arrive with their own change;
// until then the game starts at the first take-off with an empty name.
void ShowTitleAndOptions() {}
void ShowInstructions() {}
void AskNamesAndWelcome() {}

}  // namespace ballotrek
