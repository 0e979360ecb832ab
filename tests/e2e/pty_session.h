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

using std::chrono::milliseconds;
inline constexpr milliseconds kDefaultTimeout{5000};

struct PtyOptions {
  bool ignoreHangUp = false;                  // as under nohup
  bool inputFromNull = false;                 // standard input is /dev/null, not the terminal
  std::vector<std::string> environment = {};  // more "NAME=value" settings
};

class PtySession {
 public:
  // Starts `binary` in `folder` on an 80x25 terminal with TERM=xterm-256color
  // and a UTF-8 locale.
  PtySession(const std::string& binary, const std::string& folder, const PtyOptions& options);
  ~PtySession();  // kills the program if it still runs
  PtySession(const PtySession&) = delete;
  PtySession& operator=(const PtySession&) = delete;

  pid_t pid() const { return pid_; }
  void Send(std::string_view keys);
  void Resize(int columns, int rows);  // the program gets SIGWINCH
  void HangUp();                       // as a closed terminal window would

  // Reads the program's output until `condition` holds or the time is up.
  bool WaitUntil(const std::function<bool()>& condition, milliseconds timeout = kDefaultTimeout);
  // Reads the program's output for a while, for checks that nothing appears.
  void Settle(milliseconds quiet = milliseconds(300)) {
    WaitUntil([] { return false; }, quiet);
  }

  // The screen as last read, in UTF-8, trailing blanks of each row removed;
  // columns and rows count from 1.
  std::string Text(int column, int row, int length) const;
  std::string ScreenText(bool numbered = false) const;

  milliseconds ProcessorTime() const;
  // The terminal's settings (termios) before the program started, and now.
  const termios& InitialSettings() const { return initialSettings_; }
  termios TerminalSettings() const;

  // The exit status, 128 + the signal number if a signal ended the program,
  // or -1 if it still runs when the time is up.
  int WaitForExit(milliseconds timeout = kDefaultTimeout);

 private:
  // Feeds output into the virtual terminal, waiting at most `wait` for some.
  void Pump(milliseconds wait);

  int master_ = -1;
  int slave_ = -1;  // kept open so the terminal's settings outlive the program
  pid_t pid_ = -1;
  int status_ = -1;
  int columns_ = 80;
  int rows_ = 25;
  termios initialSettings_{};
  VTerm* vterm_ = nullptr;
};

}  // namespace ballotrek::e2e
