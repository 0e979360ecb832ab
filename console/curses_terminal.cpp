// The terminal on POSIX systems, through ncursesw: keys read raw, the game
// drawn in a fixed 80x25 window at the top-left, and the terminal given back
// as it was found on every way out.
#define NCURSES_WIDECHAR 1
#include <curses.h>
#include <fcntl.h>
#include <langinfo.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>

#include "console/console.h"
#include "console/keys.h"
#include "console/platform.h"
#include "console/screen.h"

namespace ballotrek {
namespace {

constexpr int kEscapeDelayMs = 25;
// A terminal sends a paste in one burst; this much quiet means it is over.
constexpr int kPasteQuietMs = 500;
constexpr int kFatalSignals[] = {SIGTERM, SIGHUP, SIGQUIT, SIGINT, SIGSEGV,
                                 SIGABRT, SIGBUS, SIGFPE,  SIGILL};

volatile std::sig_atomic_t cursesStarted = 0;
// Colour pairs 1 and 2 hold the two sides' colours once the terminal has colours.
bool coloursStarted = false;

void StartColours() {
  if (!has_colors() || start_color() != OK) return;
  use_default_colors();
  init_pair(static_cast<short>(Colour::Player), COLOR_WHITE, COLOR_BLUE);
  init_pair(static_cast<short>(Colour::Computer), COLOR_WHITE, COLOR_RED);
  coloursStarted = true;
}

// The resize signal is turned into a byte on this pipe, so that waiting for a
// key also wakes up for a resize that came at any moment before the wait.
int resizeSignals[2] = {-1, -1};

void OnResize(int) {
  const int savedErrno = errno;
  [[maybe_unused]] const ssize_t written = write(resizeSignals[1], "", 1);
  errno = savedErrno;
}

// Bracketed paste is asked for on every terminal the game can draw on, not
// only where the terminal description names it: screen's and tmux's usual
// TERM do not, yet tmux marks pastes, and a terminal without the mode
// ignores the request.
constexpr char kPasteOn[] = "\x1b[?2004h";
constexpr char kPasteOff[] = "\x1b[?2004l";

// Most terminal windows open at 80x24, one row short. Many grow when asked
// (xterm's window operation 8), so the game asks before it asks the player;
// a terminal that does not answer within this time is asked by hand.
constexpr int kGrowAnswerMs = 500;

void RestoreTerminal() {
  if (!cursesStarted || isendwin()) return;
  endwin();
  [[maybe_unused]] const ssize_t written = write(STDOUT_FILENO, kPasteOff, sizeof kPasteOff - 1);
}

// Pasted text comes marked, so that it is typed into lines and never taken
// for keys at a prompt.
void StartBracketedPaste() {
  [[maybe_unused]] const ssize_t written = write(STDOUT_FILENO, kPasteOn, sizeof kPasteOn - 1);
}

// Gives the terminal back, then lets the signal do what it would have done.
void OnFatalSignal(int number) {
  RestoreTerminal();
  std::signal(number, SIG_DFL);
  std::raise(number);
}

// A signal the game was started to ignore (nohup) stays ignored.
void InstallCleanup() {
  std::atexit(RestoreTerminal);
  struct sigaction action {};
  action.sa_handler = OnFatalSignal;
  sigemptyset(&action.sa_mask);
  for (int number : kFatalSignals) {
    struct sigaction previous {};
    if (sigaction(number, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) continue;
    sigaction(number, &action, nullptr);
  }
}

bool WatchResizes() {
  if (pipe2(resizeSignals, O_NONBLOCK | O_CLOEXEC) != 0) return false;
  struct sigaction action {};
  action.sa_handler = OnResize;
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  return sigaction(SIGWINCH, &action, nullptr) == 0;
}

class CursesTerminal final : public Terminal {
 public:
  explicit CursesTerminal(bool utf8) : utf8_(utf8) {}

  void Present(const Screen& screen) override {
    shown_ = screen;
    if (ResizePending()) {
      TakeResize();
    } else if (window_ != nullptr) {
      DrawGame();
    }
  }

  int GetKey() override {
    if (const auto key = std::exchange(waiting_, std::nullopt)) return *key;
    return *NextKey(true);
  }

  bool KeyWaiting() override {
    if (!waiting_) waiting_ = NextKey(false);
    return waiting_.has_value();
  }

  // The next key; without `wait`, none when no key has arrived yet.
  std::optional<int> NextKey(bool wait) {
    for (;;) {
      wint_t code = 0;
      // Curses may hold keys it has read already; those come first.
      int kind = ReadCode(0, code);
      if (kind == ERR) {
        if (!wait) return std::nullopt;
        // A paste whose end mark never comes ends when the input falls
        // quiet, lest every later key count as pasted.
        const int ready = WaitForInput(pasting_ ? kPasteQuietMs : -1);
        if (ready == 0) pasting_ = false;
        if (ready <= 0) continue;
        kind = ReadCode(-1, code);
        if (kind == ERR) {
          if (errno == EINTR) continue;
          TerminalGone();
        }
      }
      int key = kKeySpecial;
      if (kind == KEY_CODE_YES) {
        if (code == KEY_ENTER) key = kKeyEnter;
        if (code == KEY_BACKSPACE) key = kKeyBackspace;
      } else {
        key = GameKeyForCharacter(code);
        if (key == kKeyEscape) {
          key = FinishEscape([this] { return ReadFollowingByte(); },
                             [](int c) { unget_wch(static_cast<wchar_t>(c)); });
        }
      }
      key = MarkPasted(key, pasting_);
      // While the game cannot be seen, keys would answer prompts blindly.
      if (key < 0 || window_ == nullptr) continue;
      return key;
    }
  }

  // A terminal too small is first asked to grow, keeping any larger side.
  void Start() {
    if (COLS < Screen::kColumns || LINES < Screen::kRows) {
      char grow[32];
      const int length =
          std::snprintf(grow, sizeof grow, "\x1b[8;%d;%dt", std::max(LINES, Screen::kRows),
                        std::max(COLS, Screen::kColumns));
      [[maybe_unused]] const ssize_t written =
          write(STDOUT_FILENO, grow, static_cast<size_t>(length));
      pollfd answer{resizeSignals[0], POLLIN, 0};
      if (poll(&answer, 1, kGrowAnswerMs) > 0) return TakeResize();
    }
    Redraw();
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
    drawnValid_ = false;
    werase(stdscr);
    wnoutrefresh(stdscr);
    // What a terminal keeps across a resize is anybody's guess: repaint all.
    clearok(curscr, TRUE);
    touchwin(window_);
    DrawGame();
  }

 private:
  // Hands curses only the cells that changed since the last time, unless the
  // window was just made or repainted.
  void DrawGame() {
    for (int row = 1; row <= Screen::kRows; ++row) {
      const ChangedColumns changed =
          drawnValid_ ? ChangedInRow(drawn_, shown_, row) : ChangedColumns{1, Screen::kColumns};
      if (changed.first == 0) continue;
      for (int column = changed.first; column <= changed.last; ++column) {
        const wchar_t text[] = {ScreenGlyph(shown_.At(column, row), utf8_), L'\0'};
        cchar_t cell;
        const short pair = coloursStarted ? static_cast<short>(shown_.ColourAt(column, row)) : 0;
        setcchar(&cell, text, A_NORMAL, pair, nullptr);
        // The bottom-right cell reports that the cursor cannot move on; the
        // character is written all the same.
        mvwadd_wch(window_, row - 1, column - 1, &cell);
      }
    }
    // Column 81 means a wrap is pending; the cursor shows at the row's end.
    wmove(window_, shown_.row() - 1, std::min(shown_.column(), Screen::kColumns) - 1);
    wnoutrefresh(window_);
    doupdate();
    drawn_ = shown_;
    drawnValid_ = true;
  }

  // timeout: milliseconds, or -1 to wait for ever. Sets errno on failure.
  int ReadCode(int timeout, wint_t& code) {
    wtimeout(stdscr, timeout);
    errno = 0;
    return wget_wch(stdscr, &code);
  }

  // The byte after an Escape, if it came with it; curses has already waited
  // the escape delay for it, so a short wait more is plenty.
  int ReadFollowingByte() {
    wint_t code = 0;
    const int kind = ReadCode(kEscapeDelayMs, code);
    if (kind == ERR) return -1;
    return kind == KEY_CODE_YES ? kKeySpecial : static_cast<int>(code);
  }

  // Sleeps until a key arrives (1), the time is up (0) or the terminal is
  // resized (-1). timeout: milliseconds, or -1 to wait for ever.
  int WaitForInput(int timeout) {
    pollfd waits[] = {{STDIN_FILENO, POLLIN, 0}, {resizeSignals[0], POLLIN, 0}};
    const int ready = poll(waits, 2, timeout);
    if (ready < 0) {
      if (errno == EINTR) return -1;
      TerminalGone();
    }
    if (ready == 0) return 0;
    if (waits[1].revents != 0) {
      TakeResize();
      return -1;
    }
    return waits[0].revents != 0 ? 1 : -1;
  }

  static bool ResizePending() {
    pollfd wait{resizeSignals[0], POLLIN, 0};
    return poll(&wait, 1, 0) > 0;
  }

  void TakeResize() {
    char drained[64];
    while (read(resizeSignals[0], drained, sizeof drained) > 0) {
    }
    winsize size{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_row > 0 && size.ws_col > 0) {
      resizeterm(size.ws_row, size.ws_col);
    }
    Redraw();
  }

  [[noreturn]] void TerminalGone() {
    RestoreTerminal();
    std::fputs("ballotrek: the terminal went away; the game has ended\n", stderr);
    std::exit(1);
  }

  bool utf8_;
  bool pasting_ = false;
  std::optional<int> waiting_;  // a key read ahead by KeyWaiting
  WINDOW* window_ = nullptr;
  Screen shown_;
  Screen drawn_;  // what the window holds when drawnValid_
  bool drawnValid_ = false;
};

}  // namespace

Terminal* StartPlatformTerminal() {
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
    std::fprintf(stderr,
                 "ballotrek: standard %s is not a terminal; run the game in a terminal window\n",
                 isatty(STDIN_FILENO) ? "output" : "input");
    return nullptr;
  }
  // Only the character set: numbers are read and written as in C whatever the
  // player's locale.
  std::setlocale(LC_CTYPE, "");
  if (!WatchResizes()) {
    std::perror("ballotrek: cannot watch the terminal's size");
    return nullptr;
  }
  const char* type = std::getenv("TERM");
  if (type == nullptr || *type == '\0') {
    std::fputs("ballotrek: TERM is not set; set it to the type of your terminal\n", stderr);
    return nullptr;
  }
  // A terminal that cannot place the cursor (such as "dumb") cannot show the board.
  const bool known = newterm(nullptr, stdout, stdin) != nullptr;
  const char* placeCursor = known ? tigetstr("cup") : nullptr;
  if (placeCursor == nullptr || placeCursor == reinterpret_cast<char*>(-1)) {
    if (known) endwin();
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
  StartBracketedPaste();
  StartColours();

  static CursesTerminal terminal(std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0);
  terminal.Start();
  return &terminal;
}

void RestorePlatformTerminal() {
  RestoreTerminal();
}

}  // namespace ballotrek
