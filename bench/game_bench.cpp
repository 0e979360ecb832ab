// Whole games, both sides, on the scripted console: every prompt answered at
// once and no pauses, so what is measured is the game's own work (rules,
// formatting, the screen model), not the terminal or the clock.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>

#include "console/console.h"
#include "console/screen.h"
#include "engine/engine.h"
#include "model/game_state.h"
#include "tests/support/scripted_console.h"

namespace ballotrek {
namespace {

namespace fs = std::filesystem;

// True when the text stands at the cell, without building a string.
bool Shows(const Screen& screen, int column, int row, std::string_view text) {
  for (char c : text) {
    if (screen.At(column++, row) != c) return false;
  }
  return true;
}

// Answers each prompt with a key drawn from its seed: Enter most often, then
// Y, N or the space bar, a list or the help screen one key in 64. Escape only leaves the last
// screen, so every game runs to its end by votes or money.
class Player : public testing::ScriptedConsole {
 public:
  explicit Player(unsigned seed) : keys_(seed), chance_(seed * 7919u + 1u) {}

  int GetKey() override {
    if (keysLeft() > 0) return ScriptedConsole::GetKey();
    if (++typed_ > 100000) throw testing::OutOfKeys(GameScreen().Dump());
    const Screen& screen = GameScreen();
    if (screen.row() == 22 && screen.column() == 55 && Shows(screen, 34, 22, "Press ")) {
      return kKeyEscape;
    }
    const unsigned pick = keys_() % 64;
    if (pick == 0) return static_cast<unsigned char>("upcbh"[keys_() % 5]);
    if (pick < 24) return static_cast<unsigned char>("yn "[pick % 3]);
    if (AtTakeOffPrompt(screen)) ++takeOffs;
    return kKeyEnter;
  }
  int Next() override { return static_cast<int>(chance_()); }

  long takeOffs = 0;

 private:
  static bool AtTakeOffPrompt(const Screen& screen) {
    if (screen.row() != 21) return false;
    return (screen.column() == 31 && Shows(screen, 17, 21, "Your")) ||
           (screen.column() == 35 && Shows(screen, 17, 21, "Please"));
  }

  std::minstd_rand keys_;
  std::minstd_rand chance_;
  long typed_ = 0;
};

// Runs in a folder of its own, where no frozen game waits.
class Folder {
 public:
  Folder() {
    fs::create_directories(path_);
    fs::current_path(path_);
  }
  ~Folder() {
    fs::current_path(previous_);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }

 private:
  const fs::path previous_ = fs::current_path();
  const fs::path path_ =
      fs::temp_directory_path() / ("ballotrek-bench-" + std::to_string(::getpid()));
};

void BM_WholeGames(benchmark::State& state) {
  Folder folder;
  unsigned seed = 0;
  long takeOffs = 0;
  for (auto _ : state) {
    ResetGameState();
    Player player(++seed);
    player.Type("nnPat\rGreen\r");  // no instructions, no sound, the names
    try {
      RunGame();
    } catch (const testing::ProcessEnded&) {
    } catch (const testing::OutOfKeys& stuck) {
      state.SkipWithError(stuck.what());
      break;
    }
    takeOffs += player.takeOffs;
  }
  const auto games = static_cast<double>(state.iterations());
  state.counters["games/s"] = benchmark::Counter(games, benchmark::Counter::kIsRate);
  state.counters["take-offs/game"] = static_cast<double>(takeOffs) / games;
  state.counters["per-take-off"] = benchmark::Counter(
      static_cast<double>(takeOffs), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_WholeGames)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ballotrek

BENCHMARK_MAIN();
