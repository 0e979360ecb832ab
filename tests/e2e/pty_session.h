// Runs a program in a pseudo-terminal and keeps what it draws on a virtual
// terminal (libvterm), so that a test can type keys and read the screen as a
// player would.
#pragma once

#include <sys/types.h>
#include <termios.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct VTerm;

namespace ballotrek::e2e {

inline constexpr std::chrono::milliseconds kDefaultTimeout{5000};

struct PtyOptions {
  int columns = 80;
  int rows = 25;
  bool ignoreHangUp = false;                  // as under nohup
  bool inputFromNull = false;                 // standard input is /dev/null, not the terminal
  std::vector<std::string> environment = {};  // more "NAME=value" settings
  std::vector<std::string> arguments = {};    // for the program, e.g. wine's game
};

class PtySession {
 public:
  // Starts `binary` (looked up in PATH when it has no slash) in
  // `workingDirectory` with TERM=xterm-256color and a UTF-8 locale; throws if
  // there is no pseudo-terminal to be had.
  PtySession(const std::string& binary, const std::string& workingDirectory,
             const PtyOptions& options = {});
  ~PtySession();  // kills the program if it still runs
  PtySession(const PtySession&) = delete;
  PtySession& operator=(const PtySession&) = delete;

  pid_t pid() const { return pid_; }

  void Send(std::string_view keys);
  // Resizes the terminal as a window manager would; the program gets SIGWINCH.
  void Resize(int columns, int rows);
  // Closes the terminal as a closed terminal window would.
  void HangUp();

  // Reads the program's output until `condition` holds or the time is up.
  bool WaitUntil(const std::function<bool()>& condition,
                 std::chrono::milliseconds timeout = kDefaultTimeout);
  // Waits until `text` stands at (column, row), both counted from 1.
  bool WaitForText(int column, int row, std::string_view text,
                   std::chrono::milliseconds timeout = kDefaultTimeout);
  // Reads the program's output for a while, for checks that nothing appears.
  void Settle(std::chrono::milliseconds quiet = std::chrono::milliseconds(300));

  // The screen as last read, in UTF-8, trailing blanks of each row removed.
  std::string Text(int column, int row, int length) const;
  // The background of a cell: its palette index, or -1 for the terminal's own.
  int Background(int column, int row) const;
  // Every row, each ended by a line end; numbered for failure messages.
  std::string ScreenText(bool numbered = false) const;

  // Processor time the program has used so far.
  std::chrono::milliseconds ProcessorTime() const;

  // The terminal's settings (termios) before the program started, and now.
  const termios& InitialSettings() const { return initialSettings_; }
  termios TerminalSettings() const;

  // Waits for the program to end: its exit status, 128 + the signal number if
  // a signal ended it, or -1 if it still runs when the time is up.
  int WaitForExit(std::chrono::milliseconds timeout = kDefaultTimeout);

 private:
  // Feeds output into the virtual terminal, waiting at most `wait` for some.
  void Pump(std::chrono::milliseconds wait);

  int master_ = -1;
  int slave_ = -1;  // kept open so the terminal's settings outlive the program
  pid_t pid_ = -1;
  int status_ = -1;
  int columns_;
  int rows_;
  termios initialSettings_{};
  VTerm* vterm_ = nullptr;
};

}  // namespace ballotrek::e2e
