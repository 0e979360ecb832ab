#include "tests/support/record_rules.h"

#include <cmath>

#include "console/keys.h"
#include "model/game_state.h"

namespace ballotrek::testing {

std::string BrokenRecordRule() {
  int votes[3] = {0, 0, 0};
  for (int position = 0; position < kBoardSize; ++position) {
    const int owner = game.owner[position];
    const bool ownable = BoardTable[position].electoralVotes > 0;
    if (ownable ? (owner < 0 || owner > 2) : owner != NotOwnable) {
      return "position " + std::to_string(position) + " has owner " + std::to_string(owner);
    }
    if (ownable) votes[owner] += BoardTable[position].electoralVotes;
  }
  if (votes[player] != game.player.votes || votes[computer] != game.computer.votes) {
    return "votes " + std::to_string(game.player.votes) + "/" +
           std::to_string(game.computer.votes) + " but states hold " +
           std::to_string(votes[player]) + "/" + std::to_string(votes[computer]);
  }
  for (const Candidate* side : {&game.player, &game.computer}) {
    if (side->position < 0 || side->position > kLastPosition) {
      return "a jet is off the board at " + std::to_string(side->position);
    }
    if (!std::isfinite(side->money) || ToTheCent(side->money) != side->money) {
      return "money is not to the cent: " + std::to_string(side->money);
    }
  }
  if (game.turnCount < 0) return "the count of flights is negative";
  for (const std::string* name : {&game.firstName, &game.partyName}) {
    if (name->size() > kLongestTypedLine) return "a name is too long";
    for (unsigned char c : *name) {
      if (!IsTextCharacter(c)) return "a name holds the control code " + std::to_string(c);
    }
  }
  return {};
}

}  // namespace ballotrek::testing
