// Turns what a terminal sends into the game's key codes. Shared by the
// terminal backends, and kept apart from them so that the decoding can be
// checked without a terminal.
#pragma once

#include "console/console.h"

namespace ballotrek {

// Enter arrives as 13 in raw mode, but as 10 from Control-J or a terminal that
// translates it; both are Enter. Control keys other than the few the game
// knows, and every character outside ASCII, answer no prompt.
constexpr int GameKeyForCharacter(unsigned code) {
  switch (code) {
    case 10:
    case 13:
      return kKeyEnter;
    case kKeyCtrlC:
    case kKeyBackspace:
    case kKeyEscape:
    case kKeyDelete:
      return static_cast<int>(code);
    default:
      return code >= 32 && code < 127 ? static_cast<int>(code) : kKeySpecial;
  }
}

// Longest control sequence swallowed after "ESC [", so that a stream of
// parameter bytes cannot keep the decoder reading for ever.
inline constexpr int kLongestControlSequence = 32;

// Called once an Escape byte has been read. `next` returns the byte that
// follows at once, or -1 when none comes in time. A lone Escape stays Escape;
// a control sequence (CSI "ESC [" ... final byte 0x40-0x7E, SS3 "ESC O" and
// one byte) or Alt with a key (ESC and one byte) is consumed whole and becomes
// kKeySpecial, so that an arrow key is never taken for Escape or a letter.
template <typename NextByte>
int FinishEscape(NextByte next) {
  const int first = next();
  if (first < 0) return kKeyEscape;
  if (first == '[') {
    for (int i = 0; i < kLongestControlSequence; ++i) {
      const int c = next();
      // Parameter and intermediate bytes are 0x20-0x3F; anything else ends it.
      if (c < 0x20 || c > 0x3F) break;
    }
  } else if (first == 'O') {
    next();
  }
  return kKeySpecial;
}

}  // namespace ballotrek
