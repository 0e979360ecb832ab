#include "console/console.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <optional>
#include <string>
#include <utility>

#include "console/keys.h"
#include "console/screen.h"
#include "console/seams.h"

namespace ballotrek {
namespace {

Screen screen;
Backends installed;
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

// Adds a character to a typed line and echoes it, up to the longest line.
void Type(std::string& line, char c) {
  if (line.size() >= kLongestTypedLine) return;
  line += c;
  screen.Write(std::string_view(&c, 1));
}

// Multiplies a whole number written in decimal digits by a factor of at
// most 2^30.
void MultiplyDigits(std::string& digits, long long factor) {
  long long carry = 0;
  for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
    const long long product = (*digit - '0') * factor + carry;
    *digit = static_cast<char>('0' + product % 10);
    carry = product / 10;
  }
  if (carry > 0) digits.insert(0, std::to_string(carry));
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

void GotoXY(int column, int row) {
  screen.MoveTo(column, row);
}

void ClearLine() {
  screen.WriteBlanks(50);
}

void ClearScreen() {
  screen.Clear();
}

void Write(std::string_view text) {
  screen.Write(text);
}

void SetColour(Colour colour) {
  screen.SetColour(colour);
}

// Worked out from the float's exact decimal digits, rounded half to even as
// the C library rounds them; an exponent below 1e-4 and from 1e6 on.
std::string FloatText(float value) {
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isnan(value)) return sign + "nan";
  if (std::isinf(value)) return sign + "inf";
  if (value == 0) return sign + "0";
  // The magnitude is mantissa * 2^power exactly, the mantissa below 2^24; and
  // mantissa * 2^-n is mantissa * 5^n / 10^n.
  int power = 0;
  const double fraction = std::frexp(std::fabs(static_cast<double>(value)), &power);
  std::string digits = std::to_string(static_cast<long>(std::ldexp(fraction, 24)));
  power -= 24;
  int lastTen = 0;  // the power of ten of the last digit
  while (power > 0) {
    const int step = std::min(power, 30);
    MultiplyDigits(digits, 1LL << step);
    power -= step;
  }
  while (power < 0) {  // 5^13 is below 2^30
    const int step = std::min(-power, 13);
    long long five = 1;
    for (int i = 0; i < step; ++i) five *= 5;
    MultiplyDigits(digits, five);
    power += step;
    lastTen -= step;
  }
  int exponent = static_cast<int>(digits.size()) - 1 + lastTen;

  std::string six = digits.substr(0, 6);
  six.resize(6, '0');
  if (digits.size() > 6) {
    const char next = digits[6];
    const bool moreAfter = digits.find_first_not_of('0', 7) != std::string::npos;
    if (next > '5' || (next == '5' && (moreAfter || (six.back() - '0') % 2 == 1))) {
      six = std::to_string(std::stol(six) + 1);
      if (six.size() > 6) {  // 999999 became 1000000
        six.pop_back();
        ++exponent;
      }
    }
  }

  std::string whole, decimals;
  const bool scientific = exponent < -4 || exponent >= 6;
  if (scientific) {
    whole = six.substr(0, 1);
    decimals = six.substr(1);
  } else if (exponent >= 0) {
    whole = six.substr(0, exponent + 1);
    decimals = six.substr(exponent + 1);
  } else {
    whole = "0";
    decimals = std::string(-exponent - 1, '0') + six;
  }
  decimals.erase(decimals.find_last_not_of('0') + 1);
  std::string text = sign + whole + (decimals.empty() ? "" : "." + decimals);
  if (scientific) {
    const int size = std::abs(exponent);
    text += (exponent < 0 ? "e-" : "e+") + std::string(size < 10 ? "0" : "") + std::to_string(size);
  }
  return text;
}

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

// Pasted keys answer no single-key prompt, so they are not counted as
// waiting: they are passed over, and a typed key behind them is held.
bool KeyWaiting() {
  while (!heldKey && installed.terminal->KeyWaiting()) {
    const int key = installed.terminal->GetKey();
    if ((key & kKeyPasted) == 0) heldKey = key;
  }
  return heldKey.has_value();
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

// A pasted line end separates words like a blank, and never ends the line:
// the player's own Enter does. It is written only when more text follows,
// so that a pasted line end before Enter adds nothing. Other pasted control
// keys are dropped.
std::string ReadLine() {
  std::string line;
  int pastedEnds = 0;
  for (;;) {
    const int read = ReadAnyKey();
    const bool pasted = (read & kKeyPasted) != 0;
    const int key = read & ~kKeyPasted;
    const bool text = key >= 0 && IsTextCharacter(static_cast<unsigned>(key));
    if (pasted && key == kKeyEnter) {
      ++pastedEnds;
    } else if (pasted && !text) {
      continue;
    } else if (key == kKeyEnter) {
      screen.Write("\n");  // the echoed Enter, as a console shows it
      return line;
    } else if (key == kKeyBackspace || key == kKeyDelete) {
      pastedEnds = 0;
      if (line.empty()) continue;
      line.pop_back();
      StepBack();
      const int column = screen.column(), row = screen.row();
      screen.Write(" ");
      screen.MoveTo(column, row);
    } else if (text) {
      for (; pastedEnds > 0; --pastedEnds) Type(line, ' ');
      Type(line, static_cast<char>(key));
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
