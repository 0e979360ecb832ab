// The rules the game record keeps at every moment, checked without GoogleTest so that the soak
// command and the fuzz target share them with the tests.
#pragma once

#include <string>

namespace ballotrek::testing {

// Empty while the record keeps its rules: each side's votes are the votes of its states, the states
// are owned by 0, 1 or 2 and the other squares by 3, positions lie on the board, money is finite
// and to the cent, the count of flights is not negative, and the names hold no control codes.
// Otherwise the first rule broken, in words.
std::string BrokenRecordRule();

}  // namespace ballotrek::testing
