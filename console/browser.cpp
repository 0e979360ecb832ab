#include "console/browser.h"

#include <emscripten.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "console/keys.h"
#include "console/platform.h"
#include "console/screen.h"

namespace ballotrek {
namespace {

// Each call hands over to the page script (web/page.js), which owns the
// document, the key queue, the audio and the storage.
EM_JS(void, PageDrawRow, (int row, const std::uint16_t* glyphs, const unsigned char* colours), {
  Module.page.drawRow(row, HEAPU16.subarray(glyphs >> 1, (glyphs >> 1) + 80),
                      HEAPU8.subarray(colours, colours + 80));
});
EM_JS(void, PagePlaceCursor, (int column, int row), { Module.page.placeCursor(column, row); });
EM_JS(int, PageKeyWaiting, (), { return Module.page.keyWaiting() ? 1 : 0; });
EM_ASYNC_JS(int, PageNextKey, (), { return await Module.page.nextKey(); });
EM_ASYNC_JS(void, PagePlayClip, (const char* url),
            { await Module.page.playClip(UTF8ToString(url)); });
EM_ASYNC_JS(void, PageKeepFrozenGame, (), { await Module.page.keepFrozenGame(); });
EM_ASYNC_JS(void, PageGameEnded, (int status), { await Module.page.gameEnded(status); });
EM_JS(int, PageHoldsLock, (), { return Module.page.holdsLock ? 1 : 0; });

// What the page sends for a key: the character's code point, or -1 for a key
// that is no character (an arrow, a function key); pasted text has this added.
constexpr int kPageSpecial = -1;
constexpr int kPagePasted = 0x200000;

int GameKey(int sent) {
  const bool pasted = sent >= kPagePasted;
  const int code = pasted ? sent - kPagePasted : sent;
  const int key = code == kPageSpecial || code < 0
                      ? kKeySpecial
                      : GameKeyForCharacter(static_cast<unsigned>(code));
  return pasted ? key | kKeyPasted : key;
}

class PageTerminal final : public Terminal {
 public:
  // Hands the page only the rows that changed since it last drew.
  void Present(const Screen& screen) override {
    for (int row = 1; row <= Screen::kRows; ++row) {
      if (drawn_ && ChangedInRow(shown_, screen, row).first == 0) continue;
      std::array<std::uint16_t, Screen::kColumns> glyphs;
      std::array<unsigned char, Screen::kColumns> colours;
      for (int column = 1; column <= Screen::kColumns; ++column) {
        glyphs[column - 1] = static_cast<std::uint16_t>(ScreenGlyph(screen.At(column, row)));
        colours[column - 1] = static_cast<unsigned char>(screen.ColourAt(column, row));
      }
      PageDrawRow(row, glyphs.data(), colours.data());
    }
    PagePlaceCursor(screen.column(), screen.row());
    shown_ = screen;
    drawn_ = true;
  }

  // A frozen game written or deleted since the last key reaches the
  // browser's storage before the game waits again.
  int GetKey() override {
    PageKeepFrozenGame();
    return GameKey(PageNextKey());
  }

  bool KeyWaiting() override { return PageKeyWaiting() != 0; }

 private:
  Screen shown_;
  bool drawn_ = false;
};

class PageClock final : public Clock {
 public:
  TimePoint Now() override { return std::chrono::steady_clock::now(); }
  void SleepUntil(TimePoint deadline) override {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(deadline - Now()).count();
    if (wait > 0) emscripten_sleep(static_cast<unsigned>(wait));
  }
};

class PageSound final : public SoundPlayer {
 public:
  // The game names a clip "data\anth.wav"; the page fetches data/anth.wav.
  void Play(std::string_view path) override {
    std::string url(path);
    for (char& c : url) {
      if (c == '\\') c = '/';
    }
    PagePlayClip(url.c_str());
  }
};

class PageProcess final : public ProcessControl {
 public:
  [[noreturn]] void End(int status) override {
    for (;;) PageGameEnded(status);  // the page never resumes the game
  }
};

}  // namespace

Terminal* StartPlatformTerminal() {
  static PageTerminal terminal;
  return &terminal;
}

void RestorePlatformTerminal() {}

SoundPlayer& PlatformSound() {
  static PageSound sound;
  return sound;
}

Clock& BrowserClock() {
  static PageClock clock;
  return clock;
}

ProcessControl& BrowserProcess() {
  static PageProcess process;
  return process;
}

bool BrowserHoldsGameLock() {
  return PageHoldsLock() != 0;
}

}  // namespace ballotrek
