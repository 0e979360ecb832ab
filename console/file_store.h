// Whole small files, written so that a crash or a full disk never leaves a
// half-written file in place of a good one.
#pragma once

#include <optional>
#include <string>

namespace ballotrek {

// The line end of text files on this platform.
#ifdef _WIN32
inline constexpr const char* kLineEnd = "\r\n";
#else
inline constexpr const char* kLineEnd = "\n";
#endif

// Writes the content to a new temporary file of this process's own beside
// the path (never through a symbolic link), flushes it to the disk, renames
// it over the path and flushes the folder. On failure the old file is
// untouched, the temporary file is gone, and the result says why.
std::optional<std::string> ReplaceFile(const std::string& path, const std::string& content);

// The temporary names ReplaceFile tries, n from 0 on: path.<process>.<n>.tmp.
std::string TemporaryName(const std::string& path, int process, int n);
inline constexpr int kMostTemporaryNames = 100;

enum class ReadResult { Read, Absent, TooLarge };

// Reads a regular file of at most maxBytes. Absent covers a missing file,
// one that is not a regular file and one that cannot be opened.
ReadResult ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& content);

// Takes the working folder for this game alone, until the process ends. When
// another game holds it, says so on standard error and returns false. A
// folder that cannot be locked at all (read-only, say) is played unguarded.
bool LockWorkingFolder();

// Makes the player's data folder for the game, $XDG_DATA_HOME/ballotrek
// (~/.local/share/ballotrek by default), the working folder, creating it when
// missing. On failure says why on standard error and returns false.
bool EnterPlayersDataFolder();

}  // namespace ballotrek
