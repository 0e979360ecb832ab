// Lines and waits shared by the screens that open and end the program.
#pragma once

#include <string_view>

#include "events/named_line.h"

namespace ballotrek {

// The title: the game's name at column 33 of row 7, its version and system at
// column 28 of row 9, and the two lines naming its makers at column 12 of
// row 12 and column 40 of row 13.
void WriteTitleLines();

// Waits for Escape; every other key is ignored.
void WaitForEscape();

// The last screen's close: the makers' lines, the farewell at column 34 of
// row 21, after 3 seconds the exit prompt below it, then Escape ends the
// program (with the exit clip when sound is on).
[[noreturn]] void SayFarewell(const NamedLine& farewell, std::string_view exitPrompt);

}  // namespace ballotrek
