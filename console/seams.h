// The boundary between the game and the machine. Game code calls the free
// functions of console.h; they forward to whichever backends are installed
// here: the real terminal, clock, generator, sound and process in the game,
// scripted stand-ins in the tests.
#pragma once

#include <chrono>
#include <string_view>

namespace ballotrek {

class Screen;

class Terminal {
 public:
  virtual ~Terminal() = default;
  // Shows the current contents of the game screen; called before every key
  // read, delay, clip and process end.
  virtual void Present(const Screen& screen) = 0;
  // Blocks until a key arrives; returns a code as described in console.h,
  // with kKeyPasted added to keys that came inside a paste.
  virtual int GetKey() = 0;
  // True when GetKey would return at once.
  virtual bool KeyWaiting() { return false; }
};

class Clock {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  virtual ~Clock() = default;
  virtual TimePoint Now() = 0;
  virtual void SleepUntil(TimePoint deadline) = 0;
};

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual int Next() = 0;  // non-negative
};

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Plays the clip to its end; a clip that cannot be played is skipped.
  virtual void Play(std::string_view path) = 0;
};

class ProcessControl {
 public:
  virtual ~ProcessControl() = default;
  [[noreturn]] virtual void End(int status) = 0;
};

struct Backends {
  Terminal* terminal = nullptr;
  Clock* clock = nullptr;
  RandomSource* random = nullptr;
  SoundPlayer* sound = nullptr;
  ProcessControl* process = nullptr;
};

// Installs the backends and starts from a blank screen with no pending words.
void InstallBackends(const Backends& backends);

// The screen every write goes to; backends render it, tests read it.
Screen& GameScreen();

}  // namespace ballotrek
