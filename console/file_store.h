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

// Writes the content to a temporary file beside the path, flushes it to the
// disk and renames it over the path. On failure the old file is untouched,
// the temporary file is gone, and the result says why.
std::optional<std::string> ReplaceFile(const std::string& path, const std::string& content);

enum class ReadResult { Read, Absent, TooLarge };

// Reads a regular file of at most maxBytes. Absent covers a missing file,
// one that is not a regular file and one that cannot be opened.
ReadResult ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& content);

}  // namespace ballotrek
