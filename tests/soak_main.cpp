// ballotrek_soak N SEED: plays N whole games with random keys, seeds SEED on, checking the game
// record at every key, in a folder of its own, and says how fast they went.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/soak.h"

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc != 3) return std::fputs("usage: ballotrek_soak GAMES SEED\n", stderr), 2;
  const long games = std::strtol(argv[1], nullptr, 10);
  const unsigned first = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
  const fs::path folder =
      fs::temp_directory_path() / ("ballotrek-soak-" + std::to_string(getpid()));
  fs::create_directories(folder);
  fs::current_path(folder);
  const auto start = std::chrono::steady_clock::now();
  long failures = 0, keys = 0;
  for (unsigned seed = first; seed < first + games; ++seed) {
    const ballotrek::testing::SoakGame game = ballotrek::testing::PlayRandomGame(seed);
    keys += game.keys;
    if (!game.problem.empty()) ++failures, std::printf("seed %u: %s\n", seed, game.problem.c_str());
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(folder);
  std::printf("%ld games (seeds %u on), %ld keys, %ld failed, %.0f games per second\n", games,
              first, keys, failures, games / std::max(took.count(), 1e-9));
  return failures == 0 ? 0 : 1;
}
