#include "console/file_store.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX  // MinGW's C++ headers define it already
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <process.h>
#include <windows.h>
#undef ReplaceFile  // the system's own, which this file's must not become
#else
#include <sys/file.h>
#include <unistd.h>
#endif

namespace ballotrek {
namespace {

constexpr const char* kFolderInUse =
    "ballotrek: another game is already running in this folder;\n"
    "finish that one first, or start this one in another folder\n";

#ifdef _WIN32
constexpr const char* kFolderLockFile = "bkt.lock";

int OpenNew(const std::string& path) {
  return _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int ProcessId() {
  return _getpid();
}
int SyncFile(int file) {
  return _commit(file);
}
int WriteSome(int file, const char* data, std::size_t size) {
  return _write(file, data, static_cast<unsigned>(std::min<std::size_t>(size, 1 << 20)));
}
int CloseFile(int file) {
  return _close(file);
}
// Windows makes a rename durable with the file itself.
int SyncFolderOf(const std::string&) {
  return 0;
}
#else
// O_EXCL never follows a symbolic link; O_NOFOLLOW says so twice.
int OpenNew(const std::string& path) {
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}
int ProcessId() {
  return static_cast<int>(getpid());
}
int SyncFile(int file) {
  return fsync(file);
}
ssize_t WriteSome(int file, const char* data, std::size_t size) {
  return write(file, data, size);
}
int CloseFile(int file) {
  return close(file);
}
// The rename is durable only once the folder holding the name is.
int SyncFolderOf(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  const int folder =
      open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return -1;
  int result = fsync(folder);
  // Some file systems cannot sync a folder; they keep the rename all the same.
  if (result != 0 && errno == EINVAL) result = 0;
  const int error = errno;
  close(folder);
  errno = error;
  return result;
}
#endif

// Creates a file of this process's own beside the path: the first of
// path.<process>.<n>.tmp that does not exist yet, symbolic links included.
int CreateTemporary(const std::string& path, std::string& temporary) {
  for (int n = 0; n < kMostTemporaryNames; ++n) {
    temporary = TemporaryName(path, ProcessId(), n);
    const int file = OpenNew(temporary);
    if (file >= 0 || errno != EEXIST) return file;
  }
  errno = EEXIST;
  return -1;
}

bool WriteAll(int file, const std::string& content) {
  const char* data = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    const auto written = WriteSome(file, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

std::string TemporaryName(const std::string& path, int process, int n) {
  return path + "." + std::to_string(process) + "." + std::to_string(n) + ".tmp";
}

std::optional<std::string> ReplaceFile(const std::string& path, const std::string& content) {
  std::string temporary;
  const int file = CreateTemporary(path, temporary);
  if (file < 0) return std::string(std::strerror(errno));

  bool written = WriteAll(file, content) && SyncFile(file) == 0;
  int error = written ? 0 : errno;
  if (CloseFile(file) != 0 && written) {
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
  if (SyncFolderOf(path) != 0) return std::string(std::strerror(errno));
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

#ifdef _WIN32
// A lock file opened for this process alone; the system closes it, and so
// deletes it, however the game ends.
bool LockWorkingFolder() {
  const HANDLE lock =
      CreateFileA(kFolderLockFile, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                  FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (lock != INVALID_HANDLE_VALUE) return true;
  if (GetLastError() != ERROR_SHARING_VIOLATION) return true;  // a read-only folder: play on
  std::fputs(kFolderInUse, stderr);
  return false;
}
#else
// The lock is on the folder itself, so that no file is left behind; the
// system lets it go when the game ends, however it ends.
bool LockWorkingFolder() {
  const int folder = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return true;  // a folder that cannot be read: play on unguarded
  if (flock(folder, LOCK_EX | LOCK_NB) == 0) return true;
  const int error = errno;
  close(folder);
  if (error != EWOULDBLOCK) return true;
  std::fputs(kFolderInUse, stderr);
  return false;
}
#endif

bool EnterPlayersDataFolder() {
  namespace fs = std::filesystem;
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  fs::path folder;
  // A relative XDG_DATA_HOME is to be ignored, as an unset or empty one is.
  if (dataHome != nullptr && fs::path(dataHome).is_absolute()) {
    folder = dataHome;
  } else if (home != nullptr && *home != '\0') {
    folder = fs::path(home) / ".local" / "share";
  } else {
    std::fputs("ballotrek: neither XDG_DATA_HOME nor HOME is set; no folder for the game\n",
               stderr);
    return false;
  }
  folder /= "ballotrek";
  std::error_code error;
  // A folder of the player's alone, as the XDG base directories ask.
  if (fs::create_directories(folder, error)) fs::permissions(folder, fs::perms::owner_all, error);
  if (!error) fs::current_path(folder, error);
  if (error) {
    std::fprintf(stderr, "ballotrek: cannot use the folder %s: %s\n", folder.string().c_str(),
                 error.message().c_str());
    return false;
  }
  return true;
}

}  // namespace ballotrek
