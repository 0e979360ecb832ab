// Sound on Windows: the clip file itself, played synchronously. A missing
// file plays nothing rather than the system's default sound.
#include "console/win32_sound.h"

// mmsystem.h needs the types windows.h declares, so the order stays.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include <string>

#include "console/clip_files.h"
#include "console/platform.h"

namespace ballotrek {

void Win32Sound::Play(std::string_view path) {
  const std::string file = FindClipFile(path);
  if (file.empty()) return;
  PlaySoundA(file.c_str(), nullptr, SND_FILENAME | SND_NODEFAULT);
}

SoundPlayer& PlatformSound() {
  static Win32Sound sound;
  return sound;
}

}  // namespace ballotrek
