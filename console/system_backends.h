// The machine's own clock, generator, sound and process end.
#pragma once

#include <filesystem>
#include <random>

#include "console/seams.h"

namespace ballotrek {

class SteadyClock : public Clock {
 public:
  TimePoint Now() override;
  void SleepUntil(TimePoint deadline) override;
};

class SeededRandom : public RandomSource {
 public:
  explicit SeededRandom(unsigned seed) : engine_(seed) {}
  int Next() override;

 private:
  std::mt19937 engine_;
};

// A seed of its own for each game, even for games started in the same second.
unsigned NewGameSeed();

class SilentSound : public SoundPlayer {
 public:
  void Play(std::string_view) override {}
};

// Restores the terminal, flushes and exits.
class ExitProcess : public ProcessControl {
 public:
  [[noreturn]] void End(int status) override;
};

// The folder of clips installed with the game, found from where the running
// executable is, so that a moved prefix or an unpacked archive still finds
// it; empty when the executable cannot be located.
std::filesystem::path InstalledDataFolder();

}  // namespace ballotrek
