#include "console/system_backends.h"

#include <cstdio>
#include <cstdlib>
#include <thread>

#include "console/platform.h"

namespace ballotrek {

Clock::TimePoint SteadyClock::Now() {
  return std::chrono::steady_clock::now();
}

void SteadyClock::SleepUntil(TimePoint deadline) {
  std::this_thread::sleep_until(deadline);
}

int SeededRandom::Next() {
  return static_cast<int>(engine_() >> 1);
}

void ExitProcess::End(int status) {
  RestorePlatformTerminal();
  std::fflush(nullptr);
  std::exit(status);
}

}  // namespace ballotrek
