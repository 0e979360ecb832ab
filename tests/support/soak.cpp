#include "tests/support/soak.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>
#include <stdexcept>

#include "console/console.h"
#include "console/keys.h"
#include "engine/engine.h"
#include "model/frozen_game.h"
#include "model/game_state.h"
#include "tests/support/scripted_console.h"

namespace ballotrek::testing {

std::string BrokenRecordRule() {
  int votes[3] = {0, 0, 0};
  for (int position = 0; position < kBoardSize; ++position) {
    const int owner = game.owner[position], stateVotes = BoardTable[position].electoralVotes;
    if (stateVotes > 0 ? owner < 0 || owner > 2 : owner != NotOwnable) {
      return "position " + std::to_string(position) + " has owner " + std::to_string(owner);
    }
    if (stateVotes > 0) votes[owner] += stateVotes;
  }
  if (votes[player] != game.player.votes || votes[computer] != game.computer.votes) {
    return "the votes " + std::to_string(game.player.votes) + "/" +
           std::to_string(game.computer.votes) + " are not those of the states held";
  }
  for (const Candidate* side : {&game.player, &game.computer}) {
    if (side->position < 0 || side->position > kLastPosition) return "a jet is off the board";
    if (!std::isfinite(side->money)) return "money is not a number";
  }
  for (const std::string* name : {&game.firstName, &game.partyName}) {
    const auto control = [](unsigned char c) { return c < 0x20 || c == 0x7F; };
    if (name->size() > kLongestTypedLine || std::any_of(name->begin(), name->end(), control))
      return "a bad name";
  }
  return game.turnCount < 0 ? "the count of flights is negative" : "";
}

namespace {

// Types random keys, Enter most often, checking the record at every prompt.
class RandomPlayer : public ScriptedConsole {
 public:
  RandomPlayer(unsigned seed, std::string keys) : keys_(std::move(keys)), engine_(seed) {
    watchPauses = false;  // fast, for thousands of games
  }
  int GetKey() override {
    if (std::string broken = BrokenRecordRule(); !broken.empty()) throw std::runtime_error(broken);
    for (const Candidate* side : {&game.player, &game.computer}) {  // a game started here
      if (ToTheCent(side->money) != side->money) throw std::runtime_error("money not to the cent");
    }
    if (++typed_ > 1000000) throw std::runtime_error("the game never ended");
    if (keysLeft() > 0) return ScriptedConsole::GetKey();
    if (engine_() % 3000 == 0) return 27;  // concedes, or leaves a last screen
    const std::size_t pick = engine_() % (keys_.size() + 6);
    return pick < keys_.size() ? static_cast<unsigned char>(keys_[pick]) : '\r';
  }

 private:
  long typed_ = 0;
  std::string keys_;
  std::mt19937 engine_;
};

}  // namespace

std::string PlayRandomGame(unsigned seed) {
  ResetGameState();
  std::error_code ignored;
  std::filesystem::remove(kFrozenGameFile, ignored);
  // Sound stays off without s; f sometimes freezes the game, another way out.
  RandomPlayer keyboard(seed, seed % 5 == 0 ? "ynynyn unpcbhdrxf" : "ynyn ynynupcbhdrxq1");
  keyboard.Type("nnPat\rGreen\r");  // no instructions, no sound, the names
  try {
    RunGame();
  } catch (const ProcessEnded& end) {
    return end.status != 0             ? "the game ended with status " + std::to_string(end.status)
           : !keyboard.clips().empty() ? "a clip played"
                                       : BrokenRecordRule();
  } catch (const std::runtime_error& broken) {  // a rule broken
    return broken.what();
  }
  return "the game returned";
}

}  // namespace ballotrek::testing
