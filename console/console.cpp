#include "console/console.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iterator>
#include <optional>
#include <utility>

#include "console/keys.h"
#include "console/screen.h"
#include "console/seams.h"

namespace ballotrek {

Screen detail::gameScreen;

namespace {

Backends installed;
constexpr Screen& screen = detail::gameScreen;
std::deque<std::string> pendingWords;
std::optional<int> heldKey;  // a key read ahead by ReadPromptKey

void Present() {
  if (installed.terminal != nullptr) installed.terminal->Present(screen);
}

// Moves the cursor one cell back, to the end of the row above if a typed
// line had wrapped.
void StepBack() {
  if (screen.column() > 1) {
    screen.MoveTo(screen.column() - 1, screen.row());
  } else if (screen.row() > 1) {
    screen.MoveTo(Screen::kColumns, screen.row() - 1);
  }
}

// The next key, pasted or typed.
int ReadAnyKey() {
  Present();
  if (heldKey) return std::exchange(heldKey, std::nullopt).value();
  return installed.terminal->GetKey();
}

// A pasted line end separates words like a blank, and never ends the
// line: the player's own Enter does. Other pasted control keys are dropped.
int TypedKey(int key) {
  if ((key & kKeyPasted) == 0) return key;
  key &= ~kKeyPasted;
  if (key == kKeyEnter) return ' ';
  return key >= 0 && IsTextCharacter(static_cast<unsigned>(key)) ? key : kKeySpecial;
}

// The room FormatFloat needs, a little more than its longest text.
constexpr std::size_t kLongestFloat = 16;

// "%g" of a float, as a stream writes it: six significant digits rounded half
// to even, no trailing zeros; returns the end of the text. Amounts from 0.0001
// to 999999.5, all that money ever is, are worked out exactly in integers; the
// rest go to the library, which costs ten times as much.
char* FormatFloat(float value, char* text) {
  // Money is kept to the cent: most amounts are the float nearest a whole
  // number of cents below 10,000, whose six digits show exactly those cents.
  if (const double hundredths = value * 100.0; std::fabs(hundredths) < 999999.5) {
    const auto cents = static_cast<std::int32_t>(hundredths + (hundredths < 0 ? -0.5 : 0.5));
    if (cents != 0 && static_cast<float>(cents * 0.01) == value) {
      char* next = text;
      if (cents < 0) *next++ = '-';
      const auto whole = static_cast<std::uint32_t>(cents < 0 ? -cents : cents);
      next = std::to_chars(next, next + 4, whole / 100).ptr;
      if (const std::uint32_t rest = whole % 100; rest != 0) {
        *next++ = '.';
        *next++ = static_cast<char>('0' + rest / 10);
        if (rest % 10 != 0) *next++ = static_cast<char>('0' + rest % 10);
      }
      return next;
    }
  }
  const float magnitude = std::fabs(value);
  if (magnitude >= 1e-5f && magnitude < 1e6f) {
    // A normal float: magnitude = mantissa / 2^shift, shift from 4 to 40 here.
    const auto bits = std::bit_cast<std::uint32_t>(magnitude);
    const std::uint64_t mantissa = (bits & 0x7FFFFF) | 0x800000;
    const int shift = 150 - static_cast<int>(bits >> 23);
    // The power of ten of the first digit: the power of two times log10(2),
    // rounded down, is that or one less. Then six digits truncated, then rounded.
    static constexpr std::uint64_t kTens[] = {1,         10,         100,         1000,
                                              10000,     100000,     1000000,     10000000,
                                              100000000, 1000000000, 10000000000, 100000000000};
    int power = ((static_cast<int>(bits >> 23) - 127) * 1233) >> 12;
    std::uint64_t scaled = mantissa * kTens[5 - power];
    if (scaled >> shift >= 1000000) scaled = mantissa * kTens[5 - ++power];
    auto digits = static_cast<std::uint32_t>(scaled >> shift);
    const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    if (rest > half || (rest == half && digits % 2 == 1)) ++digits;
    if (digits == 1000000) {
      digits = 100000;
      ++power;
    }
    if (power >= -4 && power <= 5) {
      const std::uint32_t high = digits / 1000, low = digits % 1000;
      const char six[6] = {
          static_cast<char>('0' + high / 100),    static_cast<char>('0' + high / 10 % 10),
          static_cast<char>('0' + high % 10),     static_cast<char>('0' + low / 100),
          static_cast<char>('0' + low / 10 % 10), static_cast<char>('0' + low % 10)};
      // Trailing zeros go, except those of the whole part.
      int used = 6;
      while (used > power + 1 && six[used - 1] == '0') --used;
      // Written whole with fixed-length moves; what lies past the end is not counted.
      char* next = text;
      if (value < 0) *next++ = '-';
      if (power < 0) {
        std::memcpy(next, "0.000", 5);
        std::memcpy(next + 1 - power, six, 6);
        return next + 1 - power + used;
      }
      for (int i = 0; i < 6; ++i) next[i + (i > power ? 1 : 0)] = six[i];
      next[power + 1] = '.';
      next += used > power + 1 ? used + 1 : used;
      return next;
    }
  }
  return std::to_chars(text, text + kLongestFloat, value, std::chars_format::general, 6).ptr;
}

}  // namespace

void InstallBackends(const Backends& backends) {
  installed = backends;
  screen.Clear();
  pendingWords.clear();
  heldKey.reset();
}

Screen& GameScreen() {
  return screen;
}

namespace detail {

char* PrintedLine::Room(std::size_t length) {
  if (length > sizeof text_ - size_) {
    Write();
    size_ = 0;
  }
  return text_ + size_;
}

void PrintedLine::Add(int value) {
  char* const at = Room(11);
  size_ = static_cast<std::size_t>(std::to_chars(at, at + 11, value).ptr - text_);
}

void PrintedLine::Add(float value) {
  char* const at = Room(kLongestFloat);
  size_ = static_cast<std::size_t>(FormatFloat(value, at) - text_);
}

void PrintedLine::Write() const {
  screen.Write({text_, size_});
}

// Writing what is held, then the text, is the same as writing both at once.
void PrintedLine::Spill(std::string_view text) {
  Write();
  size_ = 0;
  if (text.size() > sizeof text_) return screen.Write(text);
  Add(text);
}

}  // namespace detail

// Sleeps until the deadline instead of watching the clock, so a pause costs
// no processor time; keys typed meanwhile wait in the input queue.
void Delay(int milliseconds) {
  if (milliseconds <= 0) return;
  Present();
  const auto deadline = installed.clock->Now() + std::chrono::milliseconds(milliseconds);
  installed.clock->SleepUntil(deadline);
}

int ReadKey() {
  for (;;) {
    const int key = ReadAnyKey();
    if ((key & kKeyPasted) == 0) return key;
  }
}

bool KeyWaiting() {
  return heldKey.has_value() || installed.terminal->KeyWaiting();
}

void detail::HoldKey(int key) {
  heldKey = key;
}

void ClearAt(int column, int row) {
  GotoXY(column, row);
  ClearLine();
  GotoXY(column, row);
}

int AskAt(int column, int row, std::string_view question, std::string_view accepted) {
  for (;;) {
    ClearAt(column, row);
    Delay(200);
    Write(question);
    auto takes = [accepted](int key) {
      return key > 0 && key < 128 &&
             std::find(accepted.begin(), accepted.end(), static_cast<char>(key)) != accepted.end();
    };
    const int key = ReadPromptKey(takes);
    if (takes(key)) return key;
  }
}

std::string ReadLine() {
  std::string line;
  for (;;) {
    const int key = TypedKey(ReadAnyKey());
    if (key == kKeyEnter) {
      screen.Write("\n");  // the echoed Enter, as a console shows it
      return line;
    }
    if (key == kKeyBackspace || key == kKeyDelete) {
      if (line.empty()) continue;
      line.pop_back();
      StepBack();
      const int column = screen.column(), row = screen.row();
      screen.Write(" ");
      screen.MoveTo(column, row);
    } else if (key >= 0 && IsTextCharacter(static_cast<unsigned>(key)) &&
               line.size() < kLongestTypedLine) {
      line += static_cast<char>(key);
      screen.Write(std::string(1, static_cast<char>(key)));
    }
  }
}

// Words are split at blanks, the only white space a typed line can hold.
std::string ReadWord() {
  while (pendingWords.empty()) {
    const std::string line = ReadLine();
    for (std::size_t start = 0; (start = line.find_first_not_of(' ', start)) != line.npos;) {
      const std::size_t end = std::min(line.find(' ', start), line.size());
      pendingWords.push_back(line.substr(start, end - start));
      start = end;
    }
  }
  std::string word = pendingWords.front();
  pendingWords.pop_front();
  return word;
}

void DiscardPendingWords() {
  pendingWords.clear();
}

void PlayClip(std::string_view path) {
  Present();
  installed.sound->Play(path);
}

int Rand() {
  return installed.random->Next();
}

void EndProcess(int status) {
  Present();
  installed.process->End(status);
  std::abort();  // End never returns; this keeps the promise if a backend breaks it
}

}  // namespace ballotrek
