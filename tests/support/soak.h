// The rules the game record keeps at every moment, and whole games played with random keys that
// check them at every key. Free of GoogleTest: the soak command and the fuzz target use them too.
#pragma once

#include <string>

namespace ballotrek::testing {

// Empty while the record keeps its rules: each side's votes are the votes of its states, the states
// are owned by 0, 1 or 2 and the other squares by 3, the jets are on the board, money is finite and
// to the cent, the count of flights is not negative, and the names are short and hold no control
// codes. Otherwise the first rule broken, in words.
std::string BrokenRecordRule();

struct SoakGame {
  int status = -1;      // the status the game ended with
  long keys = 0;        // keys typed
  std::string problem;  // empty when the game kept every rule and ended properly
};

// Plays one game from start-up with keys drawn from the seed, in the working folder (where it may
// freeze). Sound stays off.
SoakGame PlayRandomGame(unsigned seed);

}  // namespace ballotrek::testing
