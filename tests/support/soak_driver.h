// Whole games played with random keys, the record checked at every key: the soak test and the soak
// command share this driver.
#pragma once

#include <string>

namespace ballotrek::testing {

struct SoakGame {
  int status = -1;      // the status the game ended with
  long keys = 0;        // keys typed
  std::string problem;  // empty when the game kept every rule and ended properly
};

// Plays one game from start-up with keys drawn from the seed, in the working folder (where it may
// freeze). Sound stays off.
SoakGame PlayRandomGame(unsigned seed);

}  // namespace ballotrek::testing
