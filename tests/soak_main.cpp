// ballotrek_soak N SEED: plays N whole games with random keys, seeds SEED on, checking the game
// record at every key, and says how fast they went.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "tests/support/soak_driver.h"

int main(int argc, char** argv) {
  using namespace ballotrek::testing;
  if (argc != 3) {
    std::fputs("usage: ballotrek_soak GAMES SEED\n", stderr);
    return 2;
  }
  const long games = std::strtol(argv[1], nullptr, 10);
  const unsigned first = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
  // Frozen games go to a folder of the command's own.
  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("ballotrek-soak-" + std::to_string(std::random_device{}()));
  std::error_code error;
  if (!std::filesystem::create_directory(folder, error)) {
    std::fprintf(stderr, "ballotrek_soak: cannot make %s\n", folder.string().c_str());
    return 2;
  }
  std::filesystem::current_path(folder);

  const auto start = std::chrono::steady_clock::now();
  long failures = 0, keys = 0;
  for (long i = 0; i < games; ++i) {
    const unsigned seed = first + static_cast<unsigned>(i);
    const SoakGame game = PlayRandomGame(seed);
    keys += game.keys;
    if (!game.problem.empty()) {
      ++failures;
      std::printf("seed %u: %s\n", seed, game.problem.c_str());
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::filesystem::current_path(std::filesystem::temp_directory_path());
  std::filesystem::remove_all(folder);
  std::printf("%ld games (seeds %u on), %ld keys, %ld failed, %.0f games per second\n", games,
              first, keys, failures, seconds > 0 ? games / seconds : 0.0);
  return failures == 0 ? 0 : 1;
}
