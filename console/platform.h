// The real terminal of the machine the game runs on (curses on POSIX, the
// console API on Windows).
#pragma once

#include "console/seams.h"

namespace ballotrek {

// Takes over the terminal for the game. When that is impossible (standard
// input is not a terminal, no terminal description) it says why on standard
// error and returns nullptr.
Terminal* StartPlatformTerminal();

// Gives the terminal back as it was found. Safe to call more than once and
// from a signal handler's last moments.
void RestorePlatformTerminal();

// The sound player of this platform; silent where there is none.
SoundPlayer& PlatformSound();

}  // namespace ballotrek
