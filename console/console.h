// What the game uses to talk to the player: cursor placement, writing,
// clearing, pauses, keys, typed lines and words, sound, chance and the end of
// the process. Everything forwards to the backends of seams.h.
#pragma once

#include <string>
#include <string_view>

#include "console/screen.h"

namespace ballotrek {

// Key codes returned by ReadKey.
inline constexpr int kKeyCtrlC = 3;
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyDelete = 127;
// Arrows, function keys and the like: no prompt accepts this code.
inline constexpr int kKeySpecial = 256;
// Added to a key that arrived inside a paste. Pasted text is taken only where
// a line is typed; ReadKey passes over it, so that a pasted paragraph never
// answers a single-key prompt.
inline constexpr int kKeyPasted = 0x1000;

void GotoXY(int column, int row);
void ClearLine();    // 50 blanks from the cursor on
void ClearScreen();  // every cell blank, cursor at column 1, row 1
// Clears the row from the column on and leaves the cursor there, ready to write.
void ClearAt(int column, int row);
void Delay(int milliseconds);
int ReadKey();
// True when a typed key is already waiting, so that ReadKey would not block;
// pasted keys, which ReadKey passes over, do not count.
bool KeyWaiting();

// Reads the next key of a prompt, lower-cased. A key the prompt refuses is
// passed over while more keys already wait behind it, so that a run of
// refused keys typed ahead costs the prompt one redraw, not one each: the
// run comes back as its last key, and a taken key after it waits for the
// next read. Keys keep their order.
template <typename Takes>
int ReadPromptKey(Takes takes);
// The longest line ReadLine takes; further keys are not taken.
inline constexpr std::size_t kLongestTypedLine = 200;

// A whole typed line, echoed as it is typed, without its end.
std::string ReadLine();
// The next blank-separated word, reading a new line when none is pending.
std::string ReadWord();
// Forgets the rest of the line that ReadWord was taking words from.
void DiscardPendingWords();

void Write(std::string_view text);
// The colour of what is written next. Each side's colour shows where the
// terminal has colours; Default is the terminal's own. It stays in force
// until it is set again or the screen is cleared.
void SetColour(Colour colour);

// A float as a stream writes it by default: six significant digits, no
// trailing zeros, whatever the locale (7.4, never 7,4).
std::string FloatText(float value);

namespace detail {
inline void Append(std::string& line, std::string_view text) {
  line += text;
}
inline void Append(std::string& line, char c) {
  line += c;
}
inline void Append(std::string& line, int value) {
  line += std::to_string(value);
}
inline void Append(std::string& line, float value) {
  line += FloatText(value);
}

// Keeps a key read ahead for the next read.
void HoldKey(int key);
}  // namespace detail

// Writes the values one after another as a console stream would: whole
// numbers in decimal, money as FloatText gives it.
template <typename... Values>
void Print(const Values&... values) {
  std::string line;
  (detail::Append(line, values), ...);
  Write(line);
}

// Upper-case ASCII letters become lower case; every other code is unchanged.
inline int LowerKey(int key) {
  return key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key;
}

template <typename Takes>
int ReadPromptKey(Takes takes) {
  int key = ReadKey();
  while (!takes(LowerKey(key)) && KeyWaiting()) {
    const int next = ReadKey();
    if (takes(LowerKey(next))) {
      detail::HoldKey(next);
      break;
    }
    key = next;
  }
  return LowerKey(key);
}

// The game's usual question: clear the row from the column, pause 200 ms,
// ask, and ask again in the same place until one of the accepted keys comes
// (letters in either case; '\r' for Enter, '\x1b' for Escape). Returns the
// key, lower-cased.
int AskAt(int column, int row, std::string_view question, std::string_view accepted);

void PlayClip(std::string_view path);
int Rand();  // a non-negative whole number
[[noreturn]] void EndProcess(int status);

}  // namespace ballotrek
