// The terminal on Windows, through the console API: the game drawn in a
// screen buffer of its own, so that whatever was in the console comes back
// untouched; keys read raw, one input record at a time; the console given back
// as it was found on every way out.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "console/console.h"
#include "console/keys.h"
#include "console/platform.h"
#include "console/screen.h"

namespace ballotrek {
namespace {

// The console as the game found it.
struct SavedConsole {
  HANDLE input = INVALID_HANDLE_VALUE;
  HANDLE output = INVALID_HANDLE_VALUE;
  HANDLE gameBuffer = nullptr;  // null when the game draws over the original
  DWORD inputMode = 0;
  DWORD outputMode = 0;
  UINT inputCodePage = 0;
  UINT outputCodePage = 0;
  CONSOLE_CURSOR_INFO cursor{};
};

SavedConsole saved;
// Set while the game holds the console. The close handler runs on a thread
// of its own, so only one of it and the main thread may do the restoring.
std::atomic<bool> holding{false};

void RestoreConsole() {
  if (!holding.exchange(false)) return;
  // The game's buffer is left open: the main thread may still be drawing into
  // it while a close handler restores, and the process's end closes it.
  if (saved.gameBuffer != nullptr) SetConsoleActiveScreenBuffer(saved.output);
  SetConsoleCursorInfo(saved.output, &saved.cursor);
  SetConsoleMode(saved.output, saved.outputMode);
  SetConsoleMode(saved.input, saved.inputMode);
  SetConsoleOutputCP(saved.outputCodePage);
  SetConsoleCP(saved.inputCodePage);
}

// Closing the window, logging off, shutting down and Control-Break end the
// game; the console is given back first, then the default handler ends it.
// Some consoles signal Control-C even with processed input off: it goes back
// into the input as the key it is in the game.
BOOL WINAPI OnConsoleEvent(DWORD event) {
  if (event == CTRL_C_EVENT && holding) {
    INPUT_RECORD record{};
    record.EventType = KEY_EVENT;
    KEY_EVENT_RECORD& key = record.Event.KeyEvent;
    key.bKeyDown = TRUE;
    key.wRepeatCount = 1;
    key.wVirtualKeyCode = 'C';
    key.uChar.UnicodeChar = kKeyCtrlC;
    key.dwControlKeyState = LEFT_CTRL_PRESSED;
    DWORD written = 0;
    if (WriteConsoleInputW(saved.input, &record, 1, &written) && written == 1) return TRUE;
  }
  RestoreConsole();
  return FALSE;
}

// Shift, Control, Alt and the lock keys send key-down records of their own;
// they are part of the next key, not a key.
bool IsModifier(WORD key) {
  switch (key) {
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
    case VK_CAPITAL:
    case VK_NUMLOCK:
    case VK_SCROLL:
    case VK_LWIN:
    case VK_RWIN:
      return true;
    default:
      return false;
  }
}

// The game's code for a key record, or -1 for a record that is no key press.
int GameKeyForRecord(const KEY_EVENT_RECORD& key) {
  const unsigned character = key.uChar.UnicodeChar;
  // A character typed as Alt and numpad digits comes with the release of Alt.
  if (!key.bKeyDown) {
    return key.wVirtualKeyCode == VK_MENU && character != 0 ? GameKeyForCharacter(character) : -1;
  }
  if (IsModifier(key.wVirtualKeyCode)) return -1;
  // Alt with a key is a shortcut, not the letter; AltGr (Alt with Control)
  // types characters on many keyboards and is left alone.
  const DWORD state = key.dwControlKeyState;
  if ((state & (LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED)) != 0 &&
      (state & (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED)) == 0) {
    return kKeySpecial;
  }
  if (character != 0) return GameKeyForCharacter(character);
  // Some consoles send these keys without their character.
  switch (key.wVirtualKeyCode) {
    case VK_ESCAPE:
      return kKeyEscape;
    case VK_RETURN:
      return kKeyEnter;
    case VK_BACK:
      return kKeyBackspace;
    default:
      return kKeySpecial;
  }
}

// White on each side's colour; the rest keeps the console's own colours.
WORD AttributesFor(Colour colour, WORD plain) {
  constexpr WORD kWhite =
      FOREGROUND_RED | FOREGROUND_GREEN | FOREGROUND_BLUE | FOREGROUND_INTENSITY;
  if (colour == Colour::Player) return kWhite | BACKGROUND_BLUE;
  if (colour == Colour::Computer) return kWhite | BACKGROUND_RED;
  return plain;
}

class Win32Terminal final : public Terminal {
 public:
  explicit Win32Terminal(HANDLE output) : output_(output) {}

  void Present(const Screen& screen) override {
    shown_ = screen;
    Draw(false);
  }

  int GetKey() override {
    if (repeats_ > 0) {
      --repeats_;
      return repeatedKey_;
    }
    for (;;) {
      INPUT_RECORD record;
      DWORD count = 0;
      if (!ReadConsoleInputW(saved.input, &record, 1, &count)) ConsoleGone();
      if (count == 0) continue;
      if (record.EventType == WINDOW_BUFFER_SIZE_EVENT) {
        Draw(true);
        continue;
      }
      if (record.EventType != KEY_EVENT) continue;
      const KEY_EVENT_RECORD& key = record.Event.KeyEvent;
      const int code = GameKeyForRecord(key);
      if (code < 0) continue;
      // While the game cannot be seen, keys would answer prompts blindly. Not
      // every console reports a larger window, so each key looks again.
      if (tooSmall_) {
        Draw(true);
        continue;
      }
      if (key.bKeyDown && key.wRepeatCount > 1) {
        repeatedKey_ = code;
        repeats_ = key.wRepeatCount - 1;
      }
      return code;
    }
  }

  bool KeyWaiting() override {
    if (repeats_ > 0) return true;
    INPUT_RECORD records[64];
    DWORD count = 0;
    if (!PeekConsoleInputW(saved.input, records, 64, &count)) return false;
    for (DWORD i = 0; i < count; ++i) {
      if (records[i].EventType == KEY_EVENT && GameKeyForRecord(records[i].Event.KeyEvent) >= 0) {
        return true;
      }
    }
    return false;
  }

  // Shows the game, or the request for a larger window, as the window's size
  // now allows. A repaint blanks the whole window first: after a resize the
  // console may have rewrapped old text into it.
  void Draw(bool repaint) {
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(output_, &info)) return;
    const SMALL_RECT& window = info.srWindow;
    const int width = window.Right - window.Left + 1;
    const int height = window.Bottom - window.Top + 1;
    const bool tooSmall = width < Screen::kColumns || height < Screen::kRows;
    if (repaint || tooSmall != tooSmall_) Blank(info);
    tooSmall_ = tooSmall;
    if (tooSmall) {
      AskForLargerWindow(window, width, height);
    } else {
      DrawGame(info);
    }
  }

 private:
  void Blank(const CONSOLE_SCREEN_BUFFER_INFO& info) {
    drawnValid_ = false;
    const COORD top = {0, info.srWindow.Top};
    const DWORD cells = static_cast<DWORD>(info.dwSize.X) *
                        static_cast<DWORD>(info.srWindow.Bottom - info.srWindow.Top + 1);
    DWORD written = 0;
    FillConsoleOutputCharacterW(output_, L' ', cells, top, &written);
    FillConsoleOutputAttribute(output_, info.wAttributes, cells, top, &written);
  }

  // One write, so that a redraw never shows half drawn: of the rows that
  // changed since the last time, or of the whole game after a repaint or when
  // the window has moved. Whole rows, because wine's console, drawing on a
  // terminal, misplaces writes that start inside a row.
  void DrawGame(const CONSOLE_SCREEN_BUFFER_INFO& info) {
    const SHORT left = info.srWindow.Left, top = info.srWindow.Top;
    if (left != drawnLeft_ || top != drawnTop_) drawnValid_ = false;
    SHORT firstRow = -1, lastRow = -1;
    for (SHORT row = 0; row < Screen::kRows; ++row) {
      if (drawnValid_ && ChangedInRow(drawn_, shown_, row + 1).first == 0) continue;
      if (firstRow < 0) firstRow = row;
      lastRow = row;
    }
    if (firstRow >= 0) {
      CHAR_INFO cells[Screen::kRows][Screen::kColumns];
      for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = 0; column < Screen::kColumns; ++column) {
          cells[row][column].Char.UnicodeChar = ScreenGlyph(shown_.At(column + 1, row + 1));
          cells[row][column].Attributes =
              AttributesFor(shown_.ColourAt(column + 1, row + 1), info.wAttributes);
        }
      }
      SMALL_RECT region = {left, static_cast<SHORT>(top + firstRow),
                           static_cast<SHORT>(left + Screen::kColumns - 1),
                           static_cast<SHORT>(top + lastRow)};
      WriteConsoleOutputW(output_, &cells[0][0], {Screen::kColumns, Screen::kRows}, {0, firstRow},
                          &region);
    }
    drawn_ = shown_;
    drawnValid_ = true;
    drawnLeft_ = left;
    drawnTop_ = top;
    // Column 81 means a wrap is pending; the cursor shows at the row's end.
    const int column = std::min(shown_.column(), Screen::kColumns);
    SetConsoleCursorPosition(output_, {static_cast<SHORT>(left + column - 1),
                                       static_cast<SHORT>(top + shown_.row() - 1)});
  }

  void AskForLargerWindow(const SMALL_RECT& window, int width, int height) {
    const std::wstring lines[] = {L"Ballotrek needs at least 80 columns by 25 rows.",
                                  L"This window has " + std::to_wstring(width) + L" columns and " +
                                      std::to_wstring(height) + L" rows.",
                                  L"Please make it larger to go on playing."};
    SHORT row = window.Top;
    for (const std::wstring& line : lines) {
      if (row > window.Bottom) break;
      // A line cut at the window's edge, lest the console wrap it out of view.
      const DWORD length =
          static_cast<DWORD>(std::min(line.size(), static_cast<std::size_t>(width)));
      DWORD written = 0;
      WriteConsoleOutputCharacterW(output_, line.c_str(), length, {window.Left, row}, &written);
      ++row;
    }
    SetConsoleCursorPosition(output_, {window.Left, row > window.Bottom ? window.Bottom : row});
  }

  [[noreturn]] void ConsoleGone() {
    RestoreConsole();
    std::fputs("ballotrek: the console went away; the game has ended\n", stderr);
    std::exit(1);
  }

  HANDLE output_;
  Screen shown_;
  Screen drawn_;  // what the window holds at drawnLeft_, drawnTop_ when drawnValid_
  bool drawnValid_ = false;
  SHORT drawnLeft_ = 0, drawnTop_ = 0;
  bool tooSmall_ = false;
  int repeatedKey_ = 0;
  int repeats_ = 0;
};

// A buffer of the game's own that the window can show at least 80x25 of;
// null when the console will not make one.
HANDLE MakeGameBuffer() {
  HANDLE buffer =
      CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, CONSOLE_TEXTMODE_BUFFER, nullptr);
  if (buffer == INVALID_HANDLE_VALUE) return nullptr;
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (GetConsoleScreenBufferInfo(buffer, &info)) {
    constexpr SHORT kColumns = Screen::kColumns, kRows = Screen::kRows;
    SetConsoleScreenBufferSize(buffer,
                               {std::max(info.dwSize.X, kColumns), std::max(info.dwSize.Y, kRows)});
  }
  if (!SetConsoleActiveScreenBuffer(buffer)) {
    CloseHandle(buffer);
    return nullptr;
  }
  return buffer;
}

}  // namespace

Terminal* StartPlatformTerminal() {
  saved.input = GetStdHandle(STD_INPUT_HANDLE);
  saved.output = GetStdHandle(STD_OUTPUT_HANDLE);
  const bool inputIsConsole = GetConsoleMode(saved.input, &saved.inputMode);
  if (!inputIsConsole || !GetConsoleMode(saved.output, &saved.outputMode)) {
    std::fprintf(stderr,
                 "ballotrek: standard %s is not a console; run the game in a console window\n",
                 inputIsConsole ? "output" : "input");
    return nullptr;
  }
  // The buffer to give back, named through CONOUT$: under wine the standard
  // output handle stands for whichever buffer is active, the game's included.
  HANDLE user = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (user != INVALID_HANDLE_VALUE) saved.output = user;
  saved.inputCodePage = GetConsoleCP();
  saved.outputCodePage = GetConsoleOutputCP();
  GetConsoleCursorInfo(saved.output, &saved.cursor);
  saved.gameBuffer = MakeGameBuffer();
  holding = true;
  std::atexit(RestoreConsole);
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);

  // No line editing, no echo, and Control-C a key rather than the end of the
  // game; window size changes are reported. Quick edit stays as the user set
  // it, which takes the extended flag.
  const DWORD keep = saved.inputMode & (ENABLE_QUICK_EDIT_MODE | ENABLE_INSERT_MODE);
  SetConsoleMode(saved.input, keep | ENABLE_EXTENDED_FLAGS | ENABLE_WINDOW_INPUT);

  static Win32Terminal terminal(saved.gameBuffer != nullptr ? saved.gameBuffer : saved.output);
  terminal.Draw(true);
  return &terminal;
}

void RestorePlatformTerminal() {
  RestoreConsole();
}

}  // namespace ballotrek
