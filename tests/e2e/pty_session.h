// Runs a program in a pseudo-terminal and keeps what it draws on a virtual terminal (libvterm), so
// that a test can type keys and read the screen as a player would.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>
#include <utmp.h>
#include <vterm.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ballotrek::e2e {

using std::chrono::milliseconds;
inline constexpr milliseconds kDefaultTimeout{5000};

struct PtyOptions {
  bool inputFromNull = false;                 // standard input is /dev/null, not the terminal
  std::vector<std::string> environment = {};  // more "NAME=value" settings
  std::vector<std::string> arguments = {};    // for the program, e.g. wine's game
  std::string term = "xterm-256color";
  unsigned short rows = 25;     // the terminal's height at the start
  bool growsWhenAsked = false;  // to 80x25, when the program asks by xterm's window operation
};

class PtySession {
 public:
  // Starts `binary` (looked up in PATH when it has no slash) in `folder` on an 80-column terminal
  // of type options.term with a UTF-8 locale.
  PtySession(const std::string& binary, const std::string& folder, const PtyOptions& options)
      : growsWhenAsked_(options.growsWhenAsked) {
    winsize size{options.rows, 80, 0, 0};
    if (openpty(&master_, &slave_, nullptr, nullptr, &size) != 0) throw std::runtime_error("pty");
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(slave_, F_SETFD, FD_CLOEXEC);
    tcgetattr(slave_, &initialSettings_);
    vterm_set_utf8(vterm_, 1);
    vterm_screen_enable_altscreen(vterm_obtain_screen(vterm_), 1);
    vterm_screen_reset(vterm_obtain_screen(vterm_), 1);
    if ((pid_ = fork()) != 0) return;  // the child may set its environment: the test has 1 thread
    const int terminal = dup(slave_);  // login_tty closes its descriptor
    if (terminal < 0 || login_tty(terminal) != 0 || chdir(folder.c_str()) != 0) _exit(126);
    if (options.inputFromNull && dup2(open("/dev/null", O_RDONLY), STDIN_FILENO) < 0) _exit(126);
    unsetenv("LINES");  // the same terminal whatever the test was started from
    unsetenv("COLUMNS");
    setenv("TERM", options.term.c_str(), 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    for (const std::string& setting : options.environment) putenv(strdup(setting.c_str()));
    std::vector<char*> argv{strdup(binary.c_str())};
    for (const std::string& argument : options.arguments) argv.push_back(strdup(argument.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  ~PtySession() {  // kills the program if it still runs
    if (pid_ > 0 && status_ < 0) kill(pid_, SIGKILL), waitpid(pid_, nullptr, 0);
    close(master_);
    close(slave_);
    vterm_free(vterm_);
  }
  PtySession(const PtySession&) = delete;
  PtySession& operator=(const PtySession&) = delete;

  pid_t pid() const { return pid_; }
  void Send(std::string_view keys) {
    for (ssize_t n; !keys.empty() && (n = write(master_, keys.data(), keys.size())) > 0;) {
      keys.remove_prefix(static_cast<size_t>(n));
    }
  }
  // What the terminal sends for pasted text: marked only while the program has asked for that.
  std::string Pasted(std::string_view text) {
    char start[16], end[16];
    vterm_keyboard_start_paste(vterm_);
    const std::string_view marked(start, vterm_output_read(vterm_, start, sizeof start));
    vterm_keyboard_end_paste(vterm_);
    return std::string(marked).append(text).append(end, vterm_output_read(vterm_, end, sizeof end));
  }
  // Reads the program's output until `condition` holds or the time is up; Settle reads it for a
  // while, for checks that nothing appears.
  bool WaitUntil(const std::function<bool()>& condition, milliseconds timeout = kDefaultTimeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (Pump(milliseconds(0)); !condition(); Pump(milliseconds(20))) {
      if (std::chrono::steady_clock::now() > deadline) return false;
    }
    return true;
  }
  void Settle(milliseconds quiet = milliseconds(300)) {
    WaitUntil([] { return false; }, quiet);
  }

  // The screen as last read, in UTF-8, trailing blanks of each row removed; columns and rows count
  // from 1.
  std::string Text(int column, int row, int length) const {
    if (row < 1 || row > 25 || column < 1) return "";
    const VTermRect rect{row - 1, row, column - 1, std::min(column - 1 + length, 80)};
    std::string text(static_cast<size_t>(length) * 4 * VTERM_MAX_CHARS_PER_CELL, '\0');
    text.resize(vterm_screen_get_text(vterm_obtain_screen(vterm_), text.data(), text.size(), rect));
    return text.erase(text.find_last_not_of(' ') + 1);
  }
  std::string ScreenText(bool numbered = false) const {
    std::string text;
    for (int row = 1; row <= 25; ++row) {
      text += (numbered ? std::to_string(row) + "|" : "") + Text(1, row, 80) + "\n";
    }
    return text;
  }
  // The background of a cell: its palette index, or -1 for the terminal's own.
  int Background(int column, int row) const {
    VTermScreenCell cell{};
    vterm_screen_get_cell(vterm_obtain_screen(vterm_), {row - 1, column - 1}, &cell);
    if (VTERM_COLOR_IS_DEFAULT_BG(&cell.bg)) return -1;
    return VTERM_COLOR_IS_INDEXED(&cell.bg) ? cell.bg.indexed.idx : 256;
  }
  // Waits until `text` (its trailing blanks aside) stands at the column and row.
  ::testing::AssertionResult Shows(int column, int row, std::string_view text,
                                   milliseconds timeout = kDefaultTimeout) {
    const std::string_view wanted = text.substr(0, text.find_last_not_of(' ') + 1);
    if (WaitUntil([&] { return Text(column, row, int(text.size())) == wanted; }, timeout)) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "\"" << text << "\" is not at column " << column << ", row " << row << "\n"
           << ScreenText(true);
  }
  // Types each step's keys, then waits for its text; stops at the first text missing.
  struct Step {
    std::string_view keys;
    int column, row;
    std::string_view text;
  };
  ::testing::AssertionResult Walk(std::initializer_list<Step> steps,
                                  milliseconds timeout = kDefaultTimeout) {
    for (const Step& step : steps) {
      Send(step.keys);
      if (auto shown = Shows(step.column, step.row, step.text, timeout); !shown) return shown;
    }
    return ::testing::AssertionSuccess();
  }

  milliseconds ProcessorTime() const {
    clockid_t clock{};
    timespec used{};
    if (clock_getcpuclockid(pid_, &clock) == 0) clock_gettime(clock, &used);
    return milliseconds(used.tv_sec * 1000 + used.tv_nsec / 1000000);
  }
  // The terminal's settings (termios) before the program started, and now.
  const termios& InitialSettings() const { return initialSettings_; }
  termios TerminalSettings() const {
    termios settings{};
    tcgetattr(slave_, &settings);
    return settings;
  }

  // The exit status, 128 + the signal number for a signal, or -1 if the program still runs when the
  // time is up. Output is read meanwhile: a full terminal never blocks the program.
  int WaitForExit(milliseconds timeout = kDefaultTimeout) {
    WaitUntil(
        [&] {
          int status = 0;
          if (status_ < 0 && pid_ > 0 && waitpid(pid_, &status, WNOHANG) == pid_) {
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
          }
          return status_ >= 0;
        },
        timeout);
    Pump(milliseconds(0));
    return status_;
  }

 private:
  // Feeds output into the virtual terminal, waiting at most `wait` for some.
  void Pump(milliseconds wait) {
    pollfd output{master_, POLLIN, 0};
    char buffer[4096];
    for (int timeout = int(wait.count()); poll(&output, 1, timeout) > 0; timeout = 0) {
      const ssize_t count = read(master_, buffer, sizeof buffer);
      if (count <= 0) return;
      vterm_input_write(vterm_, buffer, static_cast<size_t>(count));
      const std::string_view output(buffer, size_t(count));
      const winsize full{25, 80, 0, 0};
      if (growsWhenAsked_ && output.find("\x1b[8;25;80t") != output.npos) {
        ioctl(master_, TIOCSWINSZ, &full);
      }
    }
  }

  bool growsWhenAsked_;
  int master_ = -1, slave_ = -1;  // the slave is kept open: its settings outlive the program
  pid_t pid_ = -1;
  int status_ = -1;
  termios initialSettings_{};
  VTerm* vterm_ = vterm_new(25, 80);
};

}  // namespace ballotrek::e2e
