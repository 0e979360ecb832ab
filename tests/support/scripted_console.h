// Scripted stand-ins for the terminal, clock, generator, sound and process,
// installed for one test: keys come from a queue, time passes instantly,
// chosen random values come first, clips are recorded, and the end of the
// process arrives as an exception.
#pragma once

#include <algorithm>
#include <deque>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/screen.h"
#include "console/seams.h"

namespace ballotrek::testing {

// What EndProcess throws in a test.
struct ProcessEnded {
  int status;
};

// The game asked for a key that the test did not script.
class OutOfKeys : public std::runtime_error {
 public:
  explicit OutOfKeys(const std::string& screen)
      : std::runtime_error("the test ran out of keys; the screen was:\n" + screen) {}
};

class ScriptedConsole : public Terminal,
                        public Clock,
                        public RandomSource,
                        public SoundPlayer,
                        public ProcessControl {
 public:
  ScriptedConsole() { InstallBackends({this, this, this, this, this}); }

  // Queues keys; Enter is written '\r', Escape '\x1b'.
  void Type(const std::string& keys);
  void TypeKey(int key) { keys_.push_back(key); }
  // Queues keys as a terminal marks a paste.
  void Paste(const std::string& keys);
  // Queues raw values for the following Rand() calls.
  void Force(std::initializer_list<int> values);
  bool AllForcedUsed() const { return forced_.empty(); }

  const std::vector<std::string>& clips() const { return clips_; }
  int keysLeft() const { return static_cast<int>(keys_.size()); }

  // Terminal
  void Present(const Screen&) override {}
  int GetKey() override;
  bool KeyWaiting() override { return !keys_.empty(); }
  // Clock
  TimePoint Now() override { return now_; }
  void SleepUntil(TimePoint deadline) override { now_ = std::max(now_, deadline); }
  // RandomSource
  int Next() override;
  // SoundPlayer
  void Play(std::string_view path) override { clips_.emplace_back(path); }
  // ProcessControl
  [[noreturn]] void End(int status) override { throw ProcessEnded{status}; }

 private:
  std::deque<int> keys_;
  std::deque<int> forced_;
  std::mt19937 engine_{12345};
  std::vector<std::string> clips_;
  TimePoint now_{};
};

// Text on the game screen; columns and rows count from 1.
std::string TextAt(int column, int row, int length);
std::string RowText(int row);
std::string ScreenDump();
// True when the text stands at that cell.
bool ShowsAt(int column, int row, const std::string& text);

}  // namespace ballotrek::testing
