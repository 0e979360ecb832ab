// Pieces shared by the screens that end the program.
#pragma once

namespace ballotrek {

// The two lines about the game's makers, followed by an empty line, from
// column 1 of row 18.
void WriteMakersLines();

// Waits for Escape; every other key is ignored.
void WaitForEscape();

}  // namespace ballotrek
