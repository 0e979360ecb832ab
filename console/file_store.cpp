#include "console/file_store.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#define BALLOTREK_FSYNC _commit
#define BALLOTREK_FILENO _fileno
#else
#include <unistd.h>
#define BALLOTREK_FSYNC fsync
#define BALLOTREK_FILENO fileno
#endif

namespace ballotrek {

std::optional<std::string> ReplaceFile(const std::string& path, const std::string& content) {
  const std::string temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return std::string(std::strerror(errno));

  bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
  int error = written ? 0 : errno;
  if (written && std::fflush(file) != 0) {
    written = false;
    error = errno;
  }
  if (written && BALLOTREK_FSYNC(BALLOTREK_FILENO(file)) != 0) {
    written = false;
    error = errno;
  }
  if (std::fclose(file) != 0 && written) {
    written = false;
    error = errno;
  }
  std::error_code ignored;
  if (!written) {
    std::filesystem::remove(temporary, ignored);
    return std::string(std::strerror(error != 0 ? error : EIO));
  }

  std::error_code renamed;
  std::filesystem::rename(temporary, path, renamed);
  if (renamed) {
    std::filesystem::remove(temporary, ignored);
    return renamed.message();
  }
  return std::nullopt;
}

ReadResult ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& content) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return ReadResult::Absent;
  std::ifstream in(path, std::ios::binary);
  if (!in) return ReadResult::Absent;
  content.clear();
  char buffer[4096];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    content.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (content.size() > maxBytes) return ReadResult::TooLarge;
  }
  if (in.bad()) return ReadResult::Absent;
  return ReadResult::Read;
}

}  // namespace ballotrek
