// Runs a program in a pseudo-terminal and keeps what it draws on a virtual
// terminal (libvterm), so that a test can type keys and read the screen as a
// player would.
#pragma once

#include <sys/types.h>
#include <termios.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

struct VTerm;
struct VTermScreen;

namespace ballotrek::e2e {

inline constexpr std::chrono::milliseconds kDefaultTimeout{5000};

struct PtyOptions {
  int columns = 80;
  int rows = 25;
  bool ignoreHangUp = false;             // as under nohup
  std::vector<std::string> environment = {};  // more "NAME=value" settings
};

class PtySession {
 public:
  // Starts `binary` in `workingDirectory` on a terminal of the given size,
  // with TERM=xterm-256color and a UTF-8 locale.
  PtySession(const std::string& binary, const std::string& workingDirectory,
             const PtyOptions& options = {});
  ~PtySession();  // kills the program if it still runs
  PtySession(const PtySession&) = delete;
  PtySession& operator=(const PtySession&) = delete;

  bool started() const { return pid_ > 0; }
  pid_t pid() const { return pid_; }

  void Send(std::string_view keys);
  // Resizes the terminal as a window manager would; the program gets SIGWINCH.
  void Resize(int columns, int rows);

  // Reads the program's output until `text` stands at (column, row), both
  // counted from 1, or the time is up.
  bool WaitForText(int column, int row, std::string_view text,
                   std::chrono::milliseconds timeout = kDefaultTimeout);
  // Reads the program's output until the whole screen reads `text` (as
  // ScreenText gives it), or the time is up.
  bool WaitForScreen(std::string_view text, std::chrono::milliseconds timeout = kDefaultTimeout);
  // Reads the program's output for a while, for checks that nothing appears.
  void Settle(std::chrono::milliseconds quiet = std::chrono::milliseconds(300));

  // The screen as last read, in UTF-8; rows and columns count from 1.
  std::string TextAt(int column, int row, int length) const;
  std::string RowText(int row) const;  // trailing blanks removed
  std::string ScreenText() const;      // every row, joined by line ends
  std::string Dump() const;            // numbered rows and the cursor, for failures
  int CursorColumn() const;
  int CursorRow() const;

  // Processor time the program has used so far (Linux /proc).
  std::chrono::milliseconds ProcessorTime() const;

  // The terminal's settings (termios) before the program started, and now.
  const termios& InitialSettings() const { return initialSettings_; }
  termios TerminalSettings() const;

  // Closes the terminal as a closed terminal window would; the program should
  // see a hang-up and end. The screen is not read any more.
  void HangUp();

  // Waits for the program to end: its exit status, 128 + the signal number if
  // a signal ended it, or -1 if it still runs when the time is up.
  int WaitForExit(std::chrono::milliseconds timeout = kDefaultTimeout);

 private:
  // Feeds output into the virtual terminal, waiting at most `wait` for some.
  void Pump(std::chrono::milliseconds wait);
  template <typename Condition>
  bool WaitUntil(Condition condition, std::chrono::milliseconds timeout);
  void Reap(bool block);

  int master_ = -1;
  int slave_ = -1;  // kept open so the terminal's settings outlive the program
  pid_t pid_ = -1;
  int status_ = -1;
  int columns_;
  int rows_;
  termios initialSettings_{};
  VTerm* vterm_ = nullptr;
  VTermScreen* screen_ = nullptr;
};

// A program run without a terminal: standard input from /dev/null, standard
// output and error captured.
struct PlainRun {
  int status = -1;  // as PtySession::WaitForExit
  std::string output;
  std::string errors;
};
PlainRun RunWithoutTerminal(const std::string& binary, const std::string& workingDirectory,
                            std::chrono::milliseconds timeout = kDefaultTimeout);

}  // namespace ballotrek::e2e
