#include "tests/e2e/pty_session.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utmp.h>
#include <vterm.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

extern char** environ;

namespace ballotrek::e2e {
namespace {

using std::chrono::milliseconds;
using Deadline = std::chrono::steady_clock::time_point;

Deadline DeadlineAfter(milliseconds timeout) {
  return std::chrono::steady_clock::now() + timeout;
}

milliseconds Remaining(Deadline deadline) {
  const auto left = deadline - std::chrono::steady_clock::now();
  return std::max(milliseconds(0), std::chrono::duration_cast<milliseconds>(left));
}

// The caller's environment with the terminal and locale settings replaced, so
// that every run sees the same terminal whatever the test was started from.
std::vector<std::string> ChildEnvironment(const std::vector<std::string>& extra = {}) {
  std::vector<std::string> entries;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string_view text(*entry);
    const std::string_view name = text.substr(0, text.find('='));
    if (name == "TERM" || name == "LANG" || name == "LANGUAGE" || name.starts_with("LC_") ||
        name == "LINES" || name == "COLUMNS") {
      continue;
    }
    entries.emplace_back(text);
  }
  entries.emplace_back("TERM=xterm-256color");
  entries.emplace_back("LANG=C.UTF-8");
  entries.emplace_back("LC_ALL=C.UTF-8");
  entries.insert(entries.end(), extra.begin(), extra.end());
  return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (auto& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

int DecodeStatus(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

void CloseOnExec(int fd) {
  fcntl(fd, F_SETFD, fcntl(fd, F_GETFD) | FD_CLOEXEC);
}

void AppendUtf8(std::string& text, uint32_t code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (code >> 18));
    text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// What the virtual terminal answers (cursor reports and the like) goes back
// to the program as a real terminal's answers would.
void WriteBack(const char* bytes, size_t length, void* user) {
  const int master = *static_cast<int*>(user);
  while (length > 0) {
    const ssize_t written = write(master, bytes, length);
    if (written <= 0) return;
    bytes += written;
    length -= static_cast<size_t>(written);
  }
}

}  // namespace

PtySession::PtySession(const std::string& binary, const std::string& workingDirectory,
                       const PtyOptions& options)
    : columns_(options.columns), rows_(options.rows) {
  winsize size{};
  size.ws_col = static_cast<unsigned short>(columns_);
  size.ws_row = static_cast<unsigned short>(rows_);
  if (openpty(&master_, &slave_, nullptr, nullptr, &size) != 0) return;
  CloseOnExec(master_);
  CloseOnExec(slave_);
  tcgetattr(slave_, &initialSettings_);

  vterm_ = vterm_new(rows_, columns_);
  vterm_set_utf8(vterm_, 1);
  vterm_output_set_callback(vterm_, WriteBack, &master_);
  screen_ = vterm_obtain_screen(vterm_);
  vterm_screen_enable_altscreen(screen_, 1);
  vterm_screen_reset(screen_, 1);

  // Everything the child needs is built before the fork.
  std::vector<std::string> arguments{binary};
  std::vector<std::string> environment = ChildEnvironment(options.environment);
  std::vector<char*> argv = Pointers(arguments);
  std::vector<char*> envp = Pointers(environment);
  const int slave = slave_;

  pid_ = fork();
  if (pid_ == 0) {
    const int terminal = dup(slave);  // login_tty closes its descriptor
    if (terminal < 0 || login_tty(terminal) != 0) _exit(126);
    if (chdir(workingDirectory.c_str()) != 0) _exit(126);
    if (options.ignoreHangUp) signal(SIGHUP, SIG_IGN);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
}

PtySession::~PtySession() {
  if (pid_ > 0 && status_ < 0) {
    kill(pid_, SIGKILL);
    Reap(true);
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
  if (vterm_ == nullptr) return;
  Pump(milliseconds(0));
  columns_ = columns;
  rows_ = rows;
  winsize size{};
  size.ws_col = static_cast<unsigned short>(columns);
  size.ws_row = static_cast<unsigned short>(rows);
  vterm_set_size(vterm_, rows, columns);
  ioctl(master_, TIOCSWINSZ, &size);
}

void PtySession::HangUp() {
  Pump(milliseconds(0));
  close(master_);
  master_ = -1;
}

void PtySession::Pump(milliseconds wait) {
  if (master_ < 0) {
    std::this_thread::sleep_for(wait);
    return;
  }
  pollfd output{master_, POLLIN, 0};
  int timeout = static_cast<int>(wait.count());
  while (poll(&output, 1, timeout) > 0 && (output.revents & POLLIN) != 0) {
    char buffer[4096];
    const ssize_t count = read(master_, buffer, sizeof buffer);
    if (count <= 0) return;
    vterm_input_write(vterm_, buffer, static_cast<size_t>(count));
    timeout = 0;  // take what else is there, then return
  }
}

template <typename Condition>
bool PtySession::WaitUntil(Condition condition, milliseconds timeout) {
  const Deadline deadline = DeadlineAfter(timeout);
  for (;;) {
    Pump(milliseconds(0));
    if (condition()) return true;
    const milliseconds left = Remaining(deadline);
    if (left.count() == 0) return false;
    Pump(std::min(left, milliseconds(100)));
  }
}

bool PtySession::WaitForText(int column, int row, std::string_view text, milliseconds timeout) {
  const int length = static_cast<int>(text.size());
  return WaitUntil([&] { return TextAt(column, row, length).starts_with(text); }, timeout);
}

bool PtySession::WaitForScreen(std::string_view text, milliseconds timeout) {
  return WaitUntil([&] { return ScreenText() == text; }, timeout);
}

void PtySession::Settle(milliseconds quiet) {
  const Deadline deadline = DeadlineAfter(quiet);
  for (milliseconds left = quiet; left.count() > 0; left = Remaining(deadline)) Pump(left);
}

// Cells hold code points; they are given back in UTF-8, so that a text with
// characters outside ASCII (the triangle) compares as it is written.
std::string PtySession::TextAt(int column, int row, int length) const {
  std::string text;
  for (int i = 0; i < length; ++i) {
    const int x = column - 1 + i;
    if (screen_ == nullptr || x < 0 || x >= columns_ || row < 1 || row > rows_) {
      text += ' ';
      continue;
    }
    VTermScreenCell cell{};
    vterm_screen_get_cell(screen_, VTermPos{row - 1, x}, &cell);
    if (cell.chars[0] == 0) {
      text += ' ';
    } else {
      AppendUtf8(text, cell.chars[0]);
    }
  }
  return text;
}

std::string PtySession::RowText(int row) const {
  std::string text = TextAt(1, row, columns_);
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string PtySession::ScreenText() const {
  std::string text;
  for (int row = 1; row <= rows_; ++row) text += RowText(row) + "\n";
  return text;
}

std::string PtySession::Dump() const {
  std::string dump = "terminal screen:\n";
  for (int row = 1; row <= rows_; ++row) {
    const std::string number = std::to_string(row);
    dump += std::string(3 - std::min<size_t>(3, number.size()), ' ') + number + "|" + RowText(row) +
            "\n";
  }
  dump += "cursor at column " + std::to_string(CursorColumn()) + ", row " +
          std::to_string(CursorRow()) + "\n";
  return dump;
}

int PtySession::CursorColumn() const {
  VTermPos position{};
  if (vterm_ == nullptr) return 0;
  vterm_state_get_cursorpos(vterm_obtain_state(vterm_), &position);
  return position.col + 1;
}

int PtySession::CursorRow() const {
  VTermPos position{};
  if (vterm_ == nullptr) return 0;
  vterm_state_get_cursorpos(vterm_obtain_state(vterm_), &position);
  return position.row + 1;
}

milliseconds PtySession::ProcessorTime() const {
  std::ifstream file("/proc/" + std::to_string(pid_) + "/stat");
  std::string stat;
  std::getline(file, stat);
  // The command name in parentheses may hold blanks; the fields after it do
  // not. User and system time are the 12th and 13th fields after it.
  std::istringstream fields(stat.substr(stat.rfind(')') + 2));
  std::string field;
  for (int i = 0; i < 11; ++i) fields >> field;
  long user = 0, system = 0;
  fields >> user >> system;
  return milliseconds((user + system) * 1000 / sysconf(_SC_CLK_TCK));
}

termios PtySession::TerminalSettings() const {
  termios settings{};
  tcgetattr(slave_, &settings);
  return settings;
}

void PtySession::Reap(bool block) {
  if (pid_ <= 0 || status_ >= 0) return;
  int status = 0;
  if (waitpid(pid_, &status, block ? 0 : WNOHANG) == pid_) status_ = DecodeStatus(status);
}

// The output is read while waiting, so a program that writes on its way out
// is never blocked by a full terminal buffer.
int PtySession::WaitForExit(milliseconds timeout) {
  const Deadline deadline = DeadlineAfter(timeout);
  for (;;) {
    Reap(false);
    if (status_ >= 0) break;
    const milliseconds left = Remaining(deadline);
    if (left.count() == 0) break;
    Pump(std::min(left, milliseconds(20)));
  }
  Pump(milliseconds(0));
  return status_;
}

PlainRun RunWithoutTerminal(const std::string& binary, const std::string& workingDirectory,
                            milliseconds timeout) {
  PlainRun run;
  int out[2], err[2];
  if (pipe(out) != 0) return run;
  if (pipe(err) != 0) {
    close(out[0]);
    close(out[1]);
    return run;
  }
  std::vector<std::string> arguments{binary};
  std::vector<std::string> environment = ChildEnvironment();
  std::vector<char*> argv = Pointers(arguments);
  std::vector<char*> envp = Pointers(environment);

  const pid_t pid = fork();
  if (pid == 0) {
    setsid();  // no controlling terminal to fall back on
    const int input = open("/dev/null", O_RDONLY);
    if (input < 0 || dup2(input, 0) < 0 || dup2(out[1], 1) < 0 || dup2(err[1], 2) < 0) _exit(126);
    if (chdir(workingDirectory.c_str()) != 0) _exit(126);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  close(out[1]);
  close(err[1]);

  const Deadline deadline = DeadlineAfter(timeout);
  pollfd pipes[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* texts[2] = {&run.output, &run.errors};
  int openPipes = 2;
  while (openPipes > 0) {
    const milliseconds left = Remaining(deadline);
    if (left.count() == 0 || poll(pipes, 2, static_cast<int>(left.count())) <= 0) break;
    for (int i = 0; i < 2; ++i) {
      if (pipes[i].fd < 0 || pipes[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t count = read(pipes[i].fd, buffer, sizeof buffer);
      if (count > 0) {
        texts[i]->append(buffer, static_cast<size_t>(count));
      } else {
        close(pipes[i].fd);
        pipes[i].fd = -1;  // poll skips it from now on
        --openPipes;
      }
    }
  }
  for (const pollfd& p : pipes) {
    if (p.fd >= 0) close(p.fd);
  }
  if (pid <= 0) return run;
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (Remaining(deadline).count() == 0) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return run;  // it hung: the status stays -1
    }
    std::this_thread::sleep_for(milliseconds(10));
  }
  run.status = DecodeStatus(status);
  return run;
}

}  // namespace ballotrek::e2e
