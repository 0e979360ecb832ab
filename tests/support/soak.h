// The rules the game record keeps at every moment, and whole games played with random keys that
// check them at every key. Free of GoogleTest: the fuzz target uses them too.
#pragma once

#include <string>

namespace ballotrek::testing {

// The first rule of the record broken, in words, or empty: votes are those of the states held,
// owners and positions in range, money finite, names short and free of control codes.
std::string BrokenRecordRule();

// Plays one game from start-up with keys drawn from the seed, in the working folder (where it may
// freeze), sound off; returns what went wrong, or nothing when it kept every rule and ended
// properly.
std::string PlayRandomGame(unsigned seed);

}  // namespace ballotrek::testing
