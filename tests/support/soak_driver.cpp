#include "tests/support/soak_driver.h"

#include <filesystem>
#include <random>

#include "engine/engine.h"
#include "model/frozen_game.h"
#include "model/game_state.h"
#include "tests/support/record_rules.h"
#include "tests/support/scripted_console.h"

namespace ballotrek::testing {
namespace {

constexpr long kMostKeys = 1000000;

struct RuleBroken {
  std::string rule;
};

// Types random keys, Enter most often, checking the record at every prompt.
class RandomPlayer : public ScriptedConsole {
 public:
  RandomPlayer(unsigned seed, std::string keys) : keys_(std::move(keys)), engine_(seed) {}
  int GetKey() override {
    if (std::string broken = BrokenRecordRule(); !broken.empty()) throw RuleBroken{broken};
    if (++typed_ > kMostKeys) throw RuleBroken{"the game never ended"};
    if (keysLeft() > 0) return ScriptedConsole::GetKey();
    if (engine_() % 3000 == 0) return 27;  // concedes, or leaves a last screen
    const std::size_t pick = engine_() % (keys_.size() + 6);
    return pick < keys_.size() ? static_cast<unsigned char>(keys_[pick]) : '\r';
  }
  long typed() const { return typed_; }

 private:
  std::string keys_;
  std::mt19937 engine_;
  long typed_ = 0;
};

}  // namespace

SoakGame PlayRandomGame(unsigned seed) {
  ResetGameState();
  std::error_code ignored;
  std::filesystem::remove(kFrozenGameFile, ignored);
  // Sound stays off without s; f sometimes freezes the game, another way out.
  RandomPlayer keyboard(seed, seed % 5 == 0 ? "ynynyn unpcbhdrxf" : "ynyn ynynupcbhdrxq1");
  keyboard.Type("nnPat\rGreen\r");  // no instructions, no sound, the names
  SoakGame result;
  try {
    RunGame();
  } catch (const ProcessEnded& end) {
    result.status = end.status;
    if (std::string broken = BrokenRecordRule(); !broken.empty()) result.problem = broken;
  } catch (const RuleBroken& broken) {
    result.problem = broken.rule;
  }
  if (result.problem.empty() && result.status != 0) {
    result.problem = "the game ended with status " + std::to_string(result.status);
  }
  if (result.problem.empty() && !keyboard.clips().empty()) result.problem = "a clip played";
  result.keys = keyboard.typed();
  return result;
}

}  // namespace ballotrek::testing
