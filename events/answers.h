// The player's typed quiz answers and what follows them.
#pragma once

#include <string_view>

namespace ballotrek {

// Letters compare without regard to case; everything else must match.
bool SameAnswer(std::string_view typed, std::string_view key);

// A right answer wins the player an unclaimed state; a wrong one, after the
// quiz's own "sorry" opening, hands one to the computer unless it sits in the
// smoke filled room.
void JudgePlayersAnswer(bool right, std::string_view sorry);

}  // namespace ballotrek
