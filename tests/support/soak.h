// The rules the game record keeps at every moment, and whole games played with random keys that
// check them at every key. Free of GoogleTest: the soak command and the fuzz target use them too.
#pragma once

#include <string>

namespace ballotrek::testing {

// The first rule of the record broken, in words, or empty: votes are those of the states held,
// owners and positions in range, money finite, names short and free of control codes.
std::string BrokenRecordRule();

struct SoakGame {
  long keys = 0;        // keys typed
  std::string problem;  // empty when the game kept every rule and ended properly
};

// Plays one game from start-up with keys drawn from the seed, in the working folder (where it may
// freeze). Sound stays off.
SoakGame PlayRandomGame(unsigned seed);

}  // namespace ballotrek::testing
