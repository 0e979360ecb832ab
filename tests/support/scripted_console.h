// Scripted stand-ins for the terminal, clock, generator, sound and process: queued keys, instant
// time, forced draws first, recorded clips, and the end of the process as an exception.
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

struct ProcessEnded {  // what EndProcess throws in a test
  int status;
};

struct OutOfKeys : std::runtime_error {  // the game asked for a key not scripted
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

  // Queues keys (Enter is '\r', Escape '\x1b'), typed or marked as pasted.
  void Type(const std::string& keys, int mark = 0) {
    for (unsigned char c : keys) keys_.push_back(c | mark);
  }
  void TypeKey(int key) { keys_.push_back(key); }
  void Paste(const std::string& keys) { Type(keys, kKeyPasted); }
  // Queues raw values for the following Rand() calls, before the seeded ones.
  void Force(const std::vector<int>& values) {
    forced_.insert(forced_.end(), values.begin(), values.end());
  }
  bool AllForcedUsed() const { return forced_.empty(); }
  int keysLeft() const { return static_cast<int>(keys_.size()); }
  const std::vector<std::string>& clips() const { return clips_; }
  const std::string& screenAtLastClip() const { return screenAtLastClip_; }
  // Scripted time waited so far, in milliseconds.
  long elapsedMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(now_.time_since_epoch()).count();
  }

  void Present(const Screen& screen) override {
    if (watchPauses) shown_ = screen.Dump();
  }
  int GetKey() override {
    if (keys_.empty()) throw OutOfKeys(GameScreen().Dump());
    const int key = keys_.front();
    keys_.pop_front();
    return key;
  }
  bool KeyWaiting() override { return !keys_.empty(); }
  TimePoint Now() override { return now_; }
  void SleepUntil(TimePoint deadline) override {
    if (watchPauses && GameScreen().Dump() != shown_) ++pausesUnshown;  // waits for unshown text
    now_ = std::max(now_, deadline);
  }
  bool watchPauses = true;  // counts pauses the player would wait through with text not yet shown
  int pausesUnshown = 0;
  int Next() override {
    if (forced_.empty()) return static_cast<int>(engine_() >> 1);
    const int value = forced_.front();
    forced_.pop_front();
    return value;
  }
  void Play(std::string_view path) override {
    clips_.emplace_back(path);
    screenAtLastClip_ = GameScreen().Dump();
  }
  [[noreturn]] void End(int status) override { throw ProcessEnded{status}; }

 private:
  std::deque<int> keys_, forced_;
  std::mt19937 engine_{12345};
  std::vector<std::string> clips_;
  std::string screenAtLastClip_, shown_;
  TimePoint now_{};
};

// Text on the game screen; columns and rows count from 1.
inline std::string RowText(int row) {
  return GameScreen().RowText(row);
}
inline bool ShowsAt(int column, int row, const std::string& text) {
  return GameScreen().Text(column, row, static_cast<int>(text.size())) == text;
}

}  // namespace ballotrek::testing
