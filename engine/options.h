// The command line. The game takes no arguments to play; it answers --help
// and --version without touching the terminal.
#pragma once

#include <ostream>

namespace ballotrek {

inline constexpr int kPlayTheGame = -1;
// As the applications menu starts the game: its files are kept in the
// player's data folder, not wherever the menu happens to start it.
inline constexpr int kPlayFromMenu = -2;

// Handles the arguments: returns kPlayTheGame or kPlayFromMenu when the game
// should start, otherwise the exit status, having written the answer to out or the
// complaint to err.
int HandleOptions(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace ballotrek
