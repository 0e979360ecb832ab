// Platforms without a sound player: the game runs silent.
#include "console/platform.h"
#include "console/system_backends.h"

namespace ballotrek {

SoundPlayer& PlatformSound() {
  static SilentSound sound;
  return sound;
}

}  // namespace ballotrek
