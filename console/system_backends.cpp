#include "console/system_backends.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <thread>

#include "console/platform.h"

#if defined(_WIN32)
#include <windows.h>
#elif defined(__APPLE__)
#include <mach-o/dyld.h>
#endif

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

unsigned NewGameSeed() {
  // The time still tells games apart where random_device is missing or weak.
  const auto now = std::chrono::system_clock::now().time_since_epoch().count();
  unsigned seed = static_cast<unsigned>(now) ^ static_cast<unsigned>(now >> 32);
  try {
    seed ^= std::random_device()();
  } catch (const std::exception&) {
  }
  return seed;
}

void ExitProcess::End(int status) {
  RestorePlatformTerminal();
  std::fflush(nullptr);
  std::exit(status);
}

namespace {

std::filesystem::path ExecutableFile() {
  std::error_code error;
#if defined(_WIN32)
  wchar_t file[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(nullptr, file, MAX_PATH * 4);
  if (length == 0 || length >= MAX_PATH * 4) return {};
  return std::filesystem::path(std::wstring(file, length));
#elif defined(__APPLE__)
  char file[4096];
  uint32_t size = sizeof file;
  if (_NSGetExecutablePath(file, &size) != 0) return {};
  return std::filesystem::canonical(file, error);
#else
  return std::filesystem::read_symlink("/proc/self/exe", error);
#endif
}

}  // namespace

std::filesystem::path InstalledDataFolder() {
  const std::filesystem::path executable = ExecutableFile();
  if (executable.empty()) return {};
  return executable.parent_path() / BALLOTREK_DATA_FROM_BINARY;
}

}  // namespace ballotrek
