// The frozen-game reader against any file at all: nothing may crash it, and every file it accepts
// must give a record that keeps its rules and reads back the same after being written out.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "console/seams.h"
#include "model/frozen_game.h"
#include "model/game_state.h"
#include "tests/support/record_rules.h"

namespace {

using namespace ballotrek;

// The filler lines draw numbers; a fixed one keeps two writings comparable.
class FixedRandom : public RandomSource {
 public:
  int Next() override { return 0; }
};

[[noreturn]] void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "frozen_game_fuzz: %s: %s\n", what, detail.c_str());
  std::abort();
}

// Reads a text that the reader accepted into the record, and writes it out.
std::string LoadAndWrite(const FrozenGame& frozen) {
  ResetGameState();
  LoadFrozenGame(frozen);
  if (std::string broken = testing::BrokenRecordRule(); !broken.empty()) {
    Fail("an accepted file breaks a rule", broken);
  }
  if (game.turnCount > kMostFlights) Fail("an accepted file flies too often", "");
  return FrozenGameText();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static FixedRandom random;
  static const bool installed = (InstallBackends({.random = &random}), true);
  (void)installed;

  const std::string_view text(reinterpret_cast<const char*>(data), size);
  FrozenGame frozen;
  std::string problem;
  if (!ParseFrozenGame(text, frozen, problem)) {
    if (problem.empty()) Fail("a file refused without a reason", "");
    return 0;
  }
  const std::string written = LoadAndWrite(frozen);
  const Candidate player = game.player, computer = game.computer;

  FrozenGame again;
  if (!ParseFrozenGame(written, again, problem)) Fail("a written file is refused", problem);
  if (LoadAndWrite(again) != written) Fail("a written file reads back otherwise", written);
  // Six significant digits hold every cent of any amount a game reaches.
  for (const auto& [before, after] : {std::pair(player, game.player), {computer, game.computer}}) {
    if (std::fabs(before.money) < 10000 && after.money != before.money) {
      Fail("money changes on the way through the file", written);
    }
  }
  return 0;
}
