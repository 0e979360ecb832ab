// The terminal on POSIX systems, through ncursesw: keys read raw, the game
// drawn in a fixed 80x25 window at the top-left, and the terminal given back
// as it was found on every way out.
#define NCURSES_WIDECHAR 1
#include <curses.h>
#include <langinfo.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "console/console.h"
#include "console/curses_keys.h"
#include "console/platform.h"
#include "console/screen.h"

namespace ballotrek {
namespace {

constexpr int kEscapeDelayMs = 25;
constexpr int kFatalSignals[] = {SIGTERM, SIGHUP,  SIGQUIT, SIGINT, SIGSEGV,
                                 SIGABRT, SIGBUS, SIGFPE,  SIGILL};

volatile std::sig_atomic_t cursesStarted = 0;

void RestoreTerminal() {
  if (!cursesStarted || isendwin()) return;
  endwin();
}

// Gives the terminal back, then lets the signal do what it would have done.
void OnFatalSignal(int signal) {
  RestoreTerminal();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void InstallCleanup() {
  std::atexit(RestoreTerminal);
  struct sigaction action {};
  action.sa_handler = OnFatalSignal;
  sigemptyset(&action.sa_mask);
  for (int signal : kFatalSignals) sigaction(signal, &action, nullptr);
}

class CursesTerminal final : public Terminal {
 public:
  explicit CursesTerminal(bool utf8) : utf8_(utf8) {}

  void Present(const Screen& screen) override {
    shown_ = screen;
    if (window_ != nullptr) DrawGame();
  }

  int GetKey() override {
    for (;;) {
      wint_t code = 0;
      errno = 0;
      const int kind = wget_wch(stdscr, &code);
      if (kind == ERR) {
        if (errno == EINTR) continue;
        TerminalGone();
      }
      int key = kKeySpecial;
      if (kind == KEY_CODE_YES) {
        if (code == KEY_RESIZE) {
          Redraw();
          continue;
        }
        if (code == KEY_ENTER) key = kKeyEnter;
        if (code == KEY_BACKSPACE) key = kKeyBackspace;
      } else {
        key = GameKeyForCharacter(code);
        if (key == kKeyEscape) key = FinishEscape([this] { return ReadFollowingByte(); });
      }
      // While the game cannot be seen, keys would answer prompts blindly.
      if (window_ == nullptr) continue;
      return key;
    }
  }

  // Shows the game, or the request for a larger terminal, as the terminal's
  // size now allows.
  void Redraw() {
    if (COLS < Screen::kColumns || LINES < Screen::kRows) {
      if (window_ != nullptr) delwin(window_);
      window_ = nullptr;
      werase(stdscr);
      mvwprintw(stdscr, 0, 0,
                "Ballotrek needs a terminal of 80 columns by 25 rows.\n"
                "This one has %d columns and %d rows.\n"
                "Please make it larger to go on playing.",
                COLS, LINES);
      wrefresh(stdscr);
      return;
    }
    if (window_ == nullptr) window_ = newwin(Screen::kRows, Screen::kColumns, 0, 0);
    werase(stdscr);
    wnoutrefresh(stdscr);
    // What a terminal keeps across a resize is anybody's guess: repaint all.
    clearok(curscr, TRUE);
    touchwin(window_);
    DrawGame();
  }

 private:
  wchar_t Glyph(char c) const {
    if (c == '\x1E') return utf8_ ? L'\u25B2' : L'^';
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 32 && byte < 127 ? byte : L'?';
  }

  void DrawGame() {
    for (int row = 1; row <= Screen::kRows; ++row) {
      for (int column = 1; column <= Screen::kColumns; ++column) {
        const wchar_t text[] = {Glyph(shown_.At(column, row)), L'\0'};
        cchar_t cell;
        setcchar(&cell, text, A_NORMAL, 0, nullptr);
        // The bottom-right cell reports that the cursor cannot move on; the
        // character is written all the same.
        mvwadd_wch(window_, row - 1, column - 1, &cell);
      }
    }
    // Column 81 means a wrap is pending; the cursor shows at the row's end.
    wmove(window_, shown_.row() - 1, std::min(shown_.column(), Screen::kColumns) - 1);
    wnoutrefresh(window_);
    doupdate();
  }

  // The byte after an Escape, if it came with it; curses has already waited
  // the escape delay for it, so a short wait more is plenty.
  int ReadFollowingByte() {
    wtimeout(stdscr, kEscapeDelayMs);
    wint_t code = 0;
    const int kind = wget_wch(stdscr, &code);
    wtimeout(stdscr, -1);
    if (kind == ERR) return -1;
    if (kind == KEY_CODE_YES) {
      if (code != KEY_RESIZE) return kKeySpecial;
      Redraw();
      return -1;
    }
    return static_cast<int>(code);
  }

  [[noreturn]] void TerminalGone() {
    RestoreTerminal();
    std::fputs("ballotrek: the terminal went away; the game has ended\n", stderr);
    std::exit(1);
  }

  bool utf8_;
  WINDOW* window_ = nullptr;
  Screen shown_;
};

}  // namespace

Terminal* StartPlatformTerminal() {
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
    std::fprintf(stderr, "ballotrek: standard %s is not a terminal; run the game in a terminal window\n",
                 isatty(STDIN_FILENO) ? "output" : "input");
    return nullptr;
  }
  std::setlocale(LC_ALL, "");
  const char* type = std::getenv("TERM");
  if (type == nullptr || *type == '\0') {
    std::fputs("ballotrek: TERM is not set; set it to the type of your terminal\n", stderr);
    return nullptr;
  }
  if (newterm(nullptr, stdout, stdin) == nullptr) {
    std::fprintf(stderr,
                 "ballotrek: the terminal type \"%s\" is unknown or cannot place the cursor; "
                 "set TERM to the type of your terminal\n",
                 type);
    return nullptr;
  }
  cursesStarted = 1;
  InstallCleanup();
  raw();  // Control-C must reach the game as a key, not end it
  noecho();
  nonl();
  keypad(stdscr, TRUE);
  set_escdelay(kEscapeDelayMs);

  static CursesTerminal terminal(std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0);
  terminal.Redraw();
  return &terminal;
}

void RestorePlatformTerminal() { RestoreTerminal(); }

}  // namespace ballotrek
