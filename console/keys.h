// Turns what a terminal sends into the game's key codes. Shared by the
// terminal backends, and kept apart from them so that the decoding can be
// checked without a terminal.
#pragma once

#include "console/console.h"

namespace ballotrek {

// Letters beyond ASCII that a name may hold: the Latin-1 range, kept on the
// game screen as one byte each.
inline constexpr unsigned kFirstAccented = 0xA0;
inline constexpr unsigned kLastAccented = 0xFF;

// What a typed line (a name, an answer) may hold: printable ASCII and the
// accented letters, never a control code (0-31, 127 and 0x80-0x9F).
constexpr bool IsTextCharacter(unsigned code) {
  return (code >= 32 && code < 127) || (code >= kFirstAccented && code <= kLastAccented);
}

// Enter arrives as 13 in raw mode, but as 10 from Control-J or a terminal that
// translates it; both are Enter. Control keys other than the few the game
// knows, and characters beyond Latin-1, answer no prompt.
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
      return IsTextCharacter(code) ? static_cast<int>(code) : kKeySpecial;
  }
}

// Longest control sequence swallowed after "ESC [", so that a stream of
// parameter bytes cannot keep the decoder reading for ever.
inline constexpr int kLongestControlSequence = 32;

// The marks a terminal in bracketed paste mode puts around pasted text
// ("ESC [ 200 ~" and "ESC [ 201 ~"); FinishEscape reports them as these codes.
inline constexpr int kPasteStart = 0x2000;
inline constexpr int kPasteEnd = 0x2001;

// Called once an Escape byte has been read. `next` returns the byte that
// follows at once, or -1 when none comes in time. A control sequence (CSI
// "ESC [" ... final byte 0x40-0x7E, or SS3 "ESC O" and one byte) is consumed
// whole and becomes kKeySpecial, so that an arrow key is never taken for
// Escape or a letter; the paste marks become kPasteStart and kPasteEnd.
// Anything else after the Escape was typed ahead: it goes back through
// `putBack` to answer the next prompt, and the Escape stays.
template <typename NextByte, typename PutBack>
int FinishEscape(NextByte next, PutBack putBack) {
  const int first = next();
  if (first < 0) return kKeyEscape;
  if (first != '[' && first != 'O') {
    if (first != kKeySpecial) putBack(first);
    return kKeyEscape;
  }
  if (first == 'O') {
    next();
    return kKeySpecial;
  }
  int parameter = 0;  // the number of a sequence such as "ESC [ 200 ~"
  for (int i = 0; i < kLongestControlSequence; ++i) {
    const int c = next();
    if (c >= '0' && c <= '9' && parameter < 1000) {
      parameter = parameter * 10 + (c - '0');
    } else if (c < 0x20 || c > 0x3F) {  // parameter and intermediate bytes are 0x20-0x3F
      if (c == '~' && parameter == 200) return kPasteStart;
      if (c == '~' && parameter == 201) return kPasteEnd;
      break;
    } else {
      parameter = 1000;  // more than one number: no paste mark
    }
  }
  return kKeySpecial;
}

// Follows the paste marks in the stream of keys: a key between them comes
// back with kKeyPasted added, the marks themselves as -1 (no key).
constexpr int MarkPasted(int key, bool& pasting) {
  if (key == kPasteStart || key == kPasteEnd) {
    pasting = key == kPasteStart;
    return -1;
  }
  return pasting ? key | kKeyPasted : key;
}

// What a terminal shows for a byte of the game screen: the byte 0x1E as a
// small upward triangle, Latin-1 letters as themselves.
constexpr wchar_t ScreenGlyph(char c, bool triangle = true) {
  if (c == '\x1E') return triangle ? L'\u25B2' : L'^';
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= 32 && byte < 127) || byte >= kFirstAccented) return static_cast<wchar_t>(byte);
  return L'?';
}

}  // namespace ballotrek
