#include "tests/e2e/pty_session.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <utmp.h>
#include <vterm.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace ballotrek::e2e {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

PtySession::PtySession(const std::string& binary, const std::string& workingDirectory,
                       const PtyOptions& options)
    : columns_(options.columns), rows_(options.rows) {
  winsize size{static_cast<unsigned short>(rows_), static_cast<unsigned short>(columns_), 0, 0};
  if (openpty(&master_, &slave_, nullptr, nullptr, &size) != 0) throw std::runtime_error("openpty");
  fcntl(master_, F_SETFD, FD_CLOEXEC);
  fcntl(slave_, F_SETFD, FD_CLOEXEC);
  tcgetattr(slave_, &initialSettings_);
  vterm_ = vterm_new(rows_, columns_);
  vterm_set_utf8(vterm_, 1);
  vterm_screen_enable_altscreen(vterm_obtain_screen(vterm_), 1);
  vterm_screen_reset(vterm_obtain_screen(vterm_), 1);

  pid_ = fork();    // if it fails, the destructor has nothing to kill
  if (pid_ == 0) {  // the test runs on one thread, so the child may set its environment
    const int terminal = dup(slave_);  // login_tty closes its descriptor
    if (terminal < 0 || login_tty(terminal) != 0 || chdir(workingDirectory.c_str()) != 0) {
      _exit(126);
    }
    if (options.inputFromNull && dup2(open("/dev/null", O_RDONLY), STDIN_FILENO) < 0) _exit(126);
    if (options.ignoreHangUp) signal(SIGHUP, SIG_IGN);
    // The same terminal whatever the test was started from.
    unsetenv("LINES");
    unsetenv("COLUMNS");
    setenv("TERM", "xterm-256color", 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    for (const std::string& setting : options.environment)
      putenv(const_cast<char*>(setting.c_str()));
    std::vector<char*> argv{const_cast<char*>(binary.c_str())};
    for (const std::string& argument : options.arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execvp(binary.c_str(), argv.data());
    _exit(127);
  }
}

PtySession::~PtySession() {
  if (pid_ > 0 && status_ < 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (master_ >= 0) close(master_);
  if (slave_ >= 0) close(slave_);
  if (vterm_ != nullptr) vterm_free(vterm_);
}

void PtySession::Send(std::string_view keys) {
  while (!keys.empty()) {
    const ssize_t written = write(master_, keys.data(), keys.size());
    if (written <= 0) return;
    keys.remove_prefix(static_cast<size_t>(written));
  }
}

void PtySession::Resize(int columns, int rows) {
  Pump(milliseconds(0));
  columns_ = columns;
  rows_ = rows;
  vterm_set_size(vterm_, rows, columns);
  winsize size{static_cast<unsigned short>(rows), static_cast<unsigned short>(columns), 0, 0};
  ioctl(master_, TIOCSWINSZ, &size);
}

void PtySession::HangUp() {
  close(master_);
  master_ = -1;
}

void PtySession::Pump(milliseconds wait) {
  pollfd output{master_, POLLIN, 0};  // a closed terminal (-1) only waits
  int timeout = static_cast<int>(wait.count());
  while (poll(&output, 1, timeout) > 0 && (output.revents & POLLIN) != 0) {
    char buffer[4096];
    const ssize_t count = read(master_, buffer, sizeof buffer);
    if (count <= 0) return;
    vterm_input_write(vterm_, buffer, static_cast<size_t>(count));
    timeout = 0;  // take what else is there, then return
  }
}

bool PtySession::WaitUntil(const std::function<bool()>& condition, milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    Pump(milliseconds(0));
    if (condition()) return true;
    const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    Pump(std::min(left, milliseconds(100)));
  }
}

bool PtySession::WaitForText(int column, int row, std::string_view text, milliseconds timeout) {
  const std::string_view wanted = text.substr(0, text.find_last_not_of(' ') + 1);
  return WaitUntil([&] { return Text(column, row, static_cast<int>(text.size())) == wanted; },
                   timeout);
}

void PtySession::Settle(milliseconds quiet) {
  WaitUntil([] { return false; }, quiet);
}

std::string PtySession::Text(int column, int row, int length) const {
  const VTermRect rect{row - 1, row, column - 1, std::min(column - 1 + length, columns_)};
  if (row < 1 || row > rows_ || column < 1) return "";
  std::string text(static_cast<size_t>(length) * 4 * VTERM_MAX_CHARS_PER_CELL, '\0');
  text.resize(vterm_screen_get_text(vterm_obtain_screen(vterm_), text.data(), text.size(), rect));
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

int PtySession::Background(int column, int row) const {
  VTermScreenCell cell{};
  vterm_screen_get_cell(vterm_obtain_screen(vterm_), {row - 1, column - 1}, &cell);
  if (VTERM_COLOR_IS_DEFAULT_BG(&cell.bg)) return -1;
  return VTERM_COLOR_IS_INDEXED(&cell.bg) ? cell.bg.indexed.idx : 256;
}

std::string PtySession::ScreenText(bool numbered) const {
  std::string text;
  for (int row = 1; row <= rows_; ++row) {
    if (numbered) text += (row < 10 ? " " : "") + std::to_string(row) + "|";
    text += Text(1, row, columns_) + "\n";
  }
  return text;
}

milliseconds PtySession::ProcessorTime() const {
  clockid_t clock{};
  timespec used{};
  if (clock_getcpuclockid(pid_, &clock) == 0) clock_gettime(clock, &used);
  return milliseconds(used.tv_sec * 1000 + used.tv_nsec / 1000000);
}

termios PtySession::TerminalSettings() const {
  termios settings{};
  tcgetattr(slave_, &settings);
  return settings;
}

// The output is read while waiting, so a program that writes on its way out
// is never blocked by a full terminal buffer.
int PtySession::WaitForExit(milliseconds timeout) {
  int status = 0;
  WaitUntil(
      [&] {
        if (status_ < 0 && pid_ > 0 && waitpid(pid_, &status, WNOHANG) == pid_) {
          status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        return status_ >= 0;
      },
      timeout);
  Pump(milliseconds(0));
  return status_;
}

}  // namespace ballotrek::e2e
