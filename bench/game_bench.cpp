// Whole games, both sides, on the scripted console: every prompt answered at
// once and no pauses, so what is measured is the game's own work (rules,
// formatting, the screen model), not the terminal or the clock.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
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

bool Shows(const Screen& screen, int column, int row, std::string_view text) {
  return screen.Text(column, row, static_cast<int>(text.size())) == text;
}

// Answers each prompt with a key drawn from its seed: Enter most often, then
// Y, N or the space bar, a list or the help screen one key in 64. Escape only leaves the last
// screen, so every game runs to its end by votes or money. One player plays
// every game, so that setting up the scripted console is not counted as play.
class Player final : public testing::ScriptedConsole {
 public:
  void NewGame(unsigned seed) {
    InstallBackends({this, this, this, this, this});
    keys_.seed(seed);
    chance_.seed(seed * 7919u + 1u);
    opening_ = 0;
    typed_ = 0;
    takeOffs = 0;
  }

  int GetKey() override {
    if (opening_ < kOpening.size()) return static_cast<unsigned char>(kOpening[opening_++]);
    if (++typed_ > 100000) throw testing::OutOfKeys(GameScreen().Dump());
    const Screen& screen = GameScreen();
    if (screen.row() == 22 && screen.column() == 55 && Shows(screen, 34, 22, "Press ")) {
      return kKeyEscape;
    }
    const unsigned pick = keys_() % 64;
    if (pick == 0) return static_cast<unsigned char>("upcbh"[keys_() % 5]);
    const int key = kKeys[pick];
    takeOffs += key == kKeyEnter && AtTakeOffPrompt(screen);
    return key;
  }
  bool KeyWaiting() override { return opening_ < kOpening.size(); }
  int Next() override { return static_cast<int>(chance_()); }
  // Nothing is shown and no time passes.
  void Present(const Screen&) override {}
  TimePoint Now() override { return {}; }
  void SleepUntil(TimePoint) override {}
  long takeOffs = 0;

 private:
  static bool AtTakeOffPrompt(const Screen& screen) {
    if (screen.row() != 21) return false;
    return (screen.column() == 31 && Shows(screen, 17, 21, "Your")) ||
           (screen.column() == 35 && Shows(screen, 17, 21, "Please"));
  }

  // The key for each draw from 1 to 63: Y, N or the space bar for 1 to 23.
  static constexpr auto kKeys = [] {
    std::array<int, 64> keys{};
    for (unsigned pick = 1; pick < 64; ++pick) keys[pick] = pick < 24 ? "yn "[pick % 3] : kKeyEnter;
    return keys;
  }();
  static constexpr std::string_view kOpening =
      "nnPat\rGreen\r";  // no instructions, no sound, the names
  std::minstd_rand keys_;
  std::minstd_rand chance_;
  std::size_t opening_ = 0;
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

// Plays a game from start-up to its end, which the scripted console throws;
// returns the number of take-offs, or sets `stuck` when the game waited for
// a key the player never gave.
std::string stuck;
long PlayGame(Player& player, unsigned seed) {
  ResetGameState();
  player.NewGame(seed);
  try {
    RunGame();
  } catch (const testing::ProcessEnded&) {
  } catch (const testing::OutOfKeys& error) {
    stuck = error.what();
  }
  return player.takeOffs;
}

void BM_WholeGames(benchmark::State& state) {
  Folder folder;
  Player player;
  unsigned seed = 0;
  long takeOffs = 0;
  for (auto _ : state) {
    takeOffs += PlayGame(player, ++seed);
    if (!stuck.empty()) {
      state.SkipWithError(stuck.c_str());
      break;
    }
  }
  const auto games = static_cast<double>(state.iterations());
  state.counters["games/s"] = benchmark::Counter(games, benchmark::Counter::kIsRate);
  state.counters["take-offs/game"] = static_cast<double>(takeOffs) / games;
  state.counters["per-take-off"] = benchmark::Counter(
      static_cast<double>(takeOffs), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
}  // namespace
}  // namespace ballotrek

// BALLOTREK_BENCH_GAMES=N plays exactly the games of seeds 1 to N, so that
// counts taken under a profiler compare between builds.
int main(int argc, char** argv) {
  auto* games = benchmark::RegisterBenchmark("BM_WholeGames", ballotrek::BM_WholeGames)
                    ->Unit(benchmark::kMicrosecond);
  if (const char* fixed = std::getenv("BALLOTREK_BENCH_GAMES")) games->Iterations(std::atol(fixed));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
