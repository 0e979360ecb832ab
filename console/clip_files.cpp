#include "console/clip_files.h"

#include <algorithm>
#include <system_error>

namespace ballotrek {
namespace {

std::filesystem::path installedFolder;

bool IsFile(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::is_regular_file(file, error);
}

}  // namespace

void SetInstalledClipFolder(std::filesystem::path folder) {
  installedFolder = std::move(folder);
}

std::string FindClipFile(std::string_view clip) {
  std::string relative(clip);
  std::replace(relative.begin(), relative.end(), '\\', '/');
  const std::filesystem::path inWorkingFolder(relative);
  if (IsFile(inWorkingFolder)) return inWorkingFolder.string();
  if (installedFolder.empty()) return {};
  const std::filesystem::path installed = installedFolder / inWorkingFolder.filename();
  return IsFile(installed) ? installed.string() : std::string();
}

}  // namespace ballotrek
