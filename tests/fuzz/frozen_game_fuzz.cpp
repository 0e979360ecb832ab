// The frozen-game reader against any file at all: nothing may crash it, and every file it accepts
// must give a record that keeps its rules and reads back the same after being written out.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "console/seams.h"
#include "model/frozen_game.h"
#include "model/game_state.h"
#include "tests/support/soak.h"

namespace {

using namespace ballotrek;

void Check(bool kept, const char* what, const std::string& detail = "") {
  if (kept) return;
  std::fprintf(stderr, "frozen_game_fuzz: %s: %s\n", what, detail.c_str());
  std::abort();
}

struct FixedRandom : RandomSource {  // the filler lines draw numbers
  int Next() override { return 0; }
};

// Loads a file the reader accepted and writes the record out again.
std::string LoadAndWrite(const FrozenGame& frozen) {
  static FixedRandom random;
  InstallBackends({.random = &random});
  ResetGameState();
  LoadFrozenGame(frozen);
  const std::string broken = testing::BrokenRecordRule();
  Check(broken.empty(), "an accepted file breaks a rule", broken);
  return FrozenGameText();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FrozenGame frozen, again;
  std::string problem;
  if (!ParseFrozenGame({reinterpret_cast<const char*>(data), size}, frozen, problem)) {
    Check(!problem.empty(), "a file refused without a reason");
    return 0;
  }
  const std::string written = LoadAndWrite(frozen);
  Check(ParseFrozenGame(written, again, problem), "a written file is refused", problem);
  Check(LoadAndWrite(again) == written, "a written file reads back otherwise", written);
  return 0;
}
